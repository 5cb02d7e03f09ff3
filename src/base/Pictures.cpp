// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Pictures.h"

#include <QPainter>
#include <QPainterPath>

namespace hw {

namespace {

constexpr int Width = 360;
constexpr int Height = 210;

} // namespace

HouseScene::HouseScene(bool withKey, QWidget* parent) : QWidget(parent), withKey_(withKey) {
    setMinimumSize(Width, Height);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

QSize HouseScene::sizeHint() const {
    return {Width, Height};
}

// A house on a hill at sunrise, the hill across the whole width and down to
// the bottom edge; the closing picture adds a key to the door. Painted on the
// screen at its own pixel ratio, so it is crisp at any scale.
void HouseScene::paintEvent(QPaintEvent* /*event*/) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    const qreal w = width();
    const qreal h = height();
    // The house and the sun stand in a box of the designed size, in the
    // middle of the width, on the ground at the bottom.
    const QPointF box((w - Width) / 2, h - Height);

    QPainterPath hill;
    hill.moveTo(0, box.y() + 182);
    hill.cubicTo(w * 0.25, box.y() + 148, w * 0.7, box.y() + 148, w, box.y() + 178);
    hill.lineTo(w, h);
    hill.lineTo(0, h);
    hill.closeSubpath();
    p.setBrush(QColor(0x7d, 0xa8, 0x6b));
    p.drawPath(hill);

    p.translate(box);
    // The sun clear of the roof and the chimney.
    p.setBrush(QColor(0xf2, 0xc1, 0x6b));
    p.drawEllipse(QPointF(318, 46), 26, 26);
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

    if (withKey_) {
        p.setPen(QPen(QColor(0xc8, 0x9b, 0x2c), 5, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        // Lying on the grass beside the door.
        p.drawEllipse(QPointF(300, 162), 12, 12);
        p.drawLine(QPointF(288, 162), QPointF(250, 162));
        p.drawLine(QPointF(258, 162), QPointF(258, 172));
        p.drawLine(QPointF(266, 162), QPointF(266, 170));
    }
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
