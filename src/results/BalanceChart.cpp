// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#include "BalanceChart.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace hw {

namespace {

// A round step (1, 2 or 5 times a power of ten) that divides `range` into about `ticks` parts.
double roundStep(double range, int ticks) {
    if (!(range > 0.0) || !std::isfinite(range))
        return 1.0;
    const double raw = range / ticks;
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    const double norm = raw / magnitude;
    const double factor = norm <= 1.0 ? 1.0 : norm <= 2.0 ? 2.0 : norm <= 5.0 ? 5.0 : 10.0;
    return factor * magnitude;
}

double roundUp(double value, double step) {
    return std::max(step, std::ceil(value / step - 1e-9) * step);
}

QString yearText(double years, const QLocale& locale) {
    return locale.toString(years, 'g', 6);
}

} // namespace

ChartAxes chartAxes(const std::vector<BalanceSeries>& series) {
    double years = 0.0;
    double money = 0.0;
    for (const BalanceSeries& s : series)
        for (const QPointF& point : s.points) {
            years = std::max(years, point.x());
            money = std::max(money, point.y());
        }
    ChartAxes axes;
    axes.yearStep = roundStep(years, 8);
    axes.maxYears = roundUp(years, axes.yearStep);
    axes.moneyStep = roundStep(money, 5);
    axes.maxMoney = roundUp(money, axes.moneyStep);
    return axes;
}

QColor seriesColour(int type, bool onDark) {
    static const QColor colours[MortgageTypeCount] = {
        QColor(0x1f, 0x6f, 0x78), QColor(0xd9, 0x7a, 0x1c), QColor(0x6b, 0x4c, 0x9a),
        QColor(0xc0, 0x39, 0x2b), QColor(0x2e, 0x86, 0xc1), QColor(0x4c, 0x9a, 0x2a),
        QColor(0x8a, 0x4b, 0x2d),
    };
    const QColor colour = colours[std::clamp(type, 0, MortgageTypeCount - 1)];
    // The same hue, light enough to stand out from a dark background.
    return onDark ? QColor::fromHslF(colour.hslHueF(), colour.hslSaturationF(), 0.68) : colour;
}

QPen seriesPen(int type, double width, bool onDark) {
    // Lines that run on top of each other stay apart by their dashes too.
    static const Qt::PenStyle styles[MortgageTypeCount] = {
        Qt::SolidLine, Qt::SolidLine,   Qt::SolidLine,      Qt::DashLine,
        Qt::DashLine,  Qt::DashDotLine, Qt::DashDotDotLine,
    };
    QPen pen(seriesColour(type, onDark));
    pen.setWidthF(width);
    pen.setStyle(styles[std::clamp(type, 0, MortgageTypeCount - 1)]);
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

void paintBalanceChart(QPainter& painter, const QRectF& area,
                       const std::vector<BalanceSeries>& series, const ChartLook& look) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(look.font);
    const QFontMetricsF metrics(painter.font(), painter.device());
    const double line = metrics.height();
    const double gap = line / 2.0;
    const ChartAxes axes = chartAxes(series);
    const int moneyTicks = static_cast<int>(std::lround(axes.maxMoney / axes.moneyStep));
    const int yearTicks = static_cast<int>(std::lround(axes.maxYears / axes.yearStep));

    // The legend: one entry per type in even columns under the plot, as many
    // columns as the widest entry allows.
    const double marker = 2.0 * line;
    struct LegendEntry {
        double left;
        int row;
        double width;
    };
    double entryWidth = 0.0;
    for (const BalanceSeries& s : series)
        entryWidth =
            std::max(entryWidth, marker + gap + metrics.horizontalAdvance(s.name) + 2.0 * gap);
    const int columns =
        std::max(1, entryWidth > 0.0 ? static_cast<int>(area.width() / entryWidth) : 1);
    std::vector<LegendEntry> entries;
    for (std::size_t i = 0; i < series.size(); ++i) {
        const int column = static_cast<int>(i) % columns;
        entries.push_back(
            {area.left() + column * entryWidth, static_cast<int>(i) / columns, entryWidth});
    }
    const int legendRows =
        series.empty() ? 0 : (static_cast<int>(series.size()) + columns - 1) / columns;
    const double legendTop = area.bottom() - legendRows * line;

    double labelWidth = 0.0;
    for (int i = 0; i <= moneyTicks; ++i)
        labelWidth =
            std::max(labelWidth, metrics.horizontalAdvance(look.money(i * axes.moneyStep)));
    const QRectF plot(area.left() + labelWidth + gap, area.top() + gap,
                      area.width() - labelWidth - gap - metrics.horizontalAdvance(u'0') * 3,
                      legendTop - area.top() - 3.0 * line - gap);
    const auto at = [&](double years, double money) {
        return QPointF(plot.left() + plot.width() * years / axes.maxYears,
                       plot.bottom() - plot.height() * money / axes.maxMoney);
    };

    // Grid and axis labels.
    QPen grid(look.grid);
    grid.setWidthF(look.lineWidth / 2.0);
    QPen ink(look.ink);
    ink.setWidthF(look.lineWidth / 2.0);
    // On a short plot only every so many amounts is written, so that none overlap.
    const double tickHeight = moneyTicks > 0 ? plot.height() / moneyTicks : plot.height();
    const int labelEvery =
        std::max(1, static_cast<int>(std::ceil(line / std::max(tickHeight, 1.0))));
    for (int i = 0; i <= moneyTicks; ++i) {
        const double money = i * axes.moneyStep;
        const QPointF left = at(0.0, money);
        painter.setPen(grid);
        painter.drawLine(left, at(axes.maxYears, money));
        if (i % labelEvery != 0)
            continue;
        painter.setPen(ink);
        painter.drawText(QRectF(area.left(), left.y() - line / 2.0, labelWidth, line),
                         Qt::AlignRight | Qt::AlignVCenter, look.money(money));
    }
    for (int i = 0; i <= yearTicks; ++i) {
        const double years = i * axes.yearStep;
        const QPointF foot = at(years, 0.0);
        painter.setPen(grid);
        painter.drawLine(at(years, axes.maxMoney), foot);
        painter.setPen(ink);
        painter.drawText(QRectF(foot.x() - 3.0 * line, foot.y() + gap / 2.0, 6.0 * line, line),
                         Qt::AlignHCenter | Qt::AlignTop, yearText(years, look.locale));
    }
    painter.drawText(QRectF(plot.left(), plot.bottom() + line + gap / 2.0, plot.width(), line),
                     Qt::AlignHCenter | Qt::AlignTop,
                     QCoreApplication::translate("hw::BalanceChart", "Years"));
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    painter.drawLine(plot.bottomLeft(), plot.topLeft());

    // One line per type.
    for (const BalanceSeries& s : series) {
        QPainterPath path;
        for (std::size_t i = 0; i < s.points.size(); ++i) {
            const QPointF point = at(s.points[i].x(), s.points[i].y());
            if (i == 0)
                path.moveTo(point);
            else
                path.lineTo(point);
        }
        // A solid line is drawn wider, so that a dashed one lying on it (two
        // types that coincide) still shows both.
        QPen pen = seriesPen(s.type, look.lineWidth, look.onDark);
        if (pen.style() == Qt::SolidLine)
            pen.setWidthF(look.lineWidth * 2.0);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(path);
    }

    // The legend.
    for (std::size_t i = 0; i < series.size(); ++i) {
        const QRectF entry(entries[i].left, legendTop + entries[i].row * line, entries[i].width,
                           line);
        painter.setPen(seriesPen(series[i].type, look.lineWidth * 1.5, look.onDark));
        const double middle = entry.top() + line / 2.0;
        painter.drawLine(QPointF(entry.left(), middle), QPointF(entry.left() + marker, middle));
        painter.setPen(ink);
        painter.drawText(
            QRectF(entry.left() + marker + gap, entry.top(), entry.width() - marker - gap, line),
            Qt::AlignLeft | Qt::AlignVCenter, series[i].name);
    }
    painter.restore();
}

BalanceChart::BalanceChart(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("BalanceChart"));
    setAccessibleName(tr("Outstanding balance of each mortgage type over the years"));
}

void BalanceChart::setSeries(std::vector<BalanceSeries> series,
                             std::function<QString(double)> money) {
    series_ = std::move(series);
    money_ = std::move(money);
    update();
}

void BalanceChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    const int margin = fontMetrics().height();
    ChartLook look;
    look.font = font();
    look.money = money_ ? money_ : [](double v) { return QString::number(v); };
    look.locale = locale();
    look.ink = palette().color(QPalette::Text);
    look.onDark = palette().color(QPalette::Base).lightness() < 128;
    // The grid a quarter of the way from the background to the text.
    const QColor base = palette().color(QPalette::Base);
    look.grid = QColor::fromRgbF(base.redF() * 0.75 + look.ink.redF() * 0.25,
                                 base.greenF() * 0.75 + look.ink.greenF() * 0.25,
                                 base.blueF() * 0.75 + look.ink.blueF() * 0.25);
    paintBalanceChart(painter, QRectF(rect()).adjusted(margin, margin, -margin, -margin), series_,
                      look);
}

} // namespace hw
