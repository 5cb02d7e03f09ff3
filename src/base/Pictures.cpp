#include "Pictures.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>

namespace hw {

namespace {

constexpr int Width = 360;
constexpr int Height = 210;

// A house on a hill at sunrise; the closing picture adds a key to the door.
QPixmap drawHouse(bool withKey) {
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    QPixmap pixmap(QSize(Width, Height) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);

    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xf2, 0xc1, 0x6b));
    p.drawEllipse(QPointF(272, 70), 36, 36);

    QPainterPath hill;
    hill.moveTo(0, 180);
    hill.cubicTo(90, 150, 250, 150, Width, 176);
    hill.lineTo(Width, Height);
    hill.lineTo(0, Height);
    hill.closeSubpath();
    p.setBrush(QColor(0x7d, 0xa8, 0x6b));
    p.drawPath(hill);

    p.setBrush(QColor(0xe9, 0xdf, 0xcc));
    p.drawRect(QRectF(110, 96, 140, 72));
    QPolygonF roof;
    roof << QPointF(96, 100) << QPointF(180, 40) << QPointF(264, 100);
    p.setBrush(QColor(0x1f, 0x6f, 0x78));
    p.drawPolygon(roof);
    p.setBrush(QColor(0x8a, 0x4b, 0x2d));
    p.drawRect(QRectF(168, 122, 26, 46));
    p.setBrush(QColor(0xb9, 0xd8, 0xe6));
    p.drawRect(QRectF(126, 112, 28, 24));
    p.drawRect(QRectF(208, 112, 28, 24));
    p.setBrush(QColor(0x6a, 0x5a, 0x4a));
    p.drawRect(QRectF(222, 52, 14, 30));

    if (withKey) {
        p.setPen(QPen(QColor(0xc8, 0x9b, 0x2c), 5, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(300, 150), 12, 12);
        p.drawLine(QPointF(288, 150), QPointF(250, 150));
        p.drawLine(QPointF(258, 150), QPointF(258, 160));
        p.drawLine(QPointF(266, 150), QPointF(266, 158));
    }
    return pixmap;
}

} // namespace

QPixmap openingPicture() {
    return drawHouse(false);
}

QPixmap closingPicture() {
    return drawHouse(true);
}

QIcon programIcon() {
    QIcon icon;
    for (int side : {16, 32, 48, 64, 128, 256}) {
        QPixmap tile(side, side);
        tile.fill(Qt::transparent);
        QPainter p(&tile);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(side / 256.0, side / 256.0);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xf4, 0xf1, 0xea));
        p.drawRoundedRect(QRectF(8, 8, 240, 240), 44, 44);
        p.setBrush(QColor(0xf2, 0xc1, 0x6b));
        p.drawEllipse(QPointF(190, 70), 28, 28);
        p.setBrush(QColor(0x7d, 0xa8, 0x6b));
        p.drawRoundedRect(QRectF(8, 190, 240, 58), 30, 30);
        p.setBrush(QColor(0xe9, 0xdf, 0xcc));
        p.drawRect(QRectF(70, 112, 116, 80));
        p.setBrush(QColor(0x1f, 0x6f, 0x78));
        p.drawPolygon(QPolygonF({QPointF(52, 118), QPointF(128, 56), QPointF(204, 118)}));
        p.setBrush(QColor(0x8a, 0x4b, 0x2d));
        p.drawRect(QRectF(114, 142, 28, 50));
        p.setBrush(QColor(0xb9, 0xd8, 0xe6));
        p.drawRect(QRectF(82, 128, 24, 22));
        p.drawRect(QRectF(150, 128, 24, 22));
        icon.addPixmap(tile);
    }
    return icon;
}

} // namespace hw
