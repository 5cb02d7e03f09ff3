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

// The balance a series shows `years` in, between its months.
double balanceAt(const BalanceSeries& series, double years) {
    const auto after = std::lower_bound(series.points.begin(), series.points.end(), years,
                                        [](const QPointF& p, double x) { return p.x() < x; });
    if (after == series.points.begin())
        return series.points.front().y();
    if (after == series.points.end())
        return series.points.back().y();
    const QPointF& before = *(after - 1);
    const double span = after->x() - before.x();
    return span > 0 ? before.y() + (after->y() - before.y()) * (years - before.x()) / span
                    : after->y();
}

struct LegendEntry {
    double left;
    int row;
    double width;
};
struct LegendLayout {
    std::vector<LegendEntry> entries;
    int rows = 0;
};

// The entries down the columns, each column as wide as its widest entry: the
// most columns that fit `width`.
LegendLayout legendLayout(const std::vector<double>& widths, double left, double width) {
    const int count = static_cast<int>(widths.size());
    for (int columns = std::max(count, 1); columns >= 1; --columns) {
        const int rows = (count + columns - 1) / columns;
        LegendLayout layout{{}, rows};
        double x = left;
        for (int first = 0; first < count; first += rows) {
            const int last = std::min(count, first + rows);
            const double column = *std::max_element(widths.begin() + first, widths.begin() + last);
            for (int i = first; i < last; ++i)
                layout.entries.push_back({x, i - first, column});
            x += column;
        }
        if (x - left <= width || columns == 1)
            return layout;
    }
    return {};
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
    // Told apart by readers with any of the common colour blindnesses, each at
    // least 3:1 against white paper and, lightened, against a dark background.
    static const QColor colours[MortgageTypeCount] = {
        QColor(0x1d, 0x6f, 0x78), QColor(0x99, 0x77, 0x00), QColor(0x33, 0x22, 0x88),
        QColor(0xee, 0x66, 0x77), QColor(0x00, 0x9e, 0x73), QColor(0xcc, 0x79, 0xa7),
        QColor(0x66, 0x33, 0x33),
    };
    const QColor colour = colours[std::clamp(type, 0, MortgageTypeCount - 1)];
    // On a dark background the same hue with its lightness turned over, so
    // that the lines keep their differences in lightness too.
    return onDark ? QColor::fromHslF(colour.hslHueF(), colour.hslSaturationF(),
                                     0.97 - 0.62 * colour.lightnessF())
                  : colour;
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

QPainterPath seriesMarker(int type, QPointF centre, double radius) {
    QPainterPath marker;
    const double r = radius;
    const auto polygon = [&](std::initializer_list<QPointF> corners) {
        QPolygonF shape;
        for (const QPointF& corner : corners)
            shape << centre + corner * r;
        marker.addPolygon(shape);
        marker.closeSubpath();
    };
    switch (std::clamp(type, 0, MortgageTypeCount - 1)) {
    case 0:
        marker.addEllipse(centre, r, r);
        break;
    case 1:
        marker.addRect(QRectF(centre - QPointF(r, r) * 0.85, QSizeF(2 * r, 2 * r) * 0.85));
        break;
    case 2:
        polygon({{0, -1.15}, {1.1, 0.85}, {-1.1, 0.85}});
        break;
    case 3:
        polygon({{0, -1.2}, {1.2, 0}, {0, 1.2}, {-1.2, 0}});
        break;
    case 4:
        polygon({{0, 1.15}, {1.1, -0.85}, {-1.1, -0.85}});
        break;
    case 5:
        polygon({{-1.15, -0.35},
                 {-0.35, -0.35},
                 {-0.35, -1.15},
                 {0.35, -1.15},
                 {0.35, -0.35},
                 {1.15, -0.35},
                 {1.15, 0.35},
                 {0.35, 0.35},
                 {0.35, 1.15},
                 {-0.35, 1.15},
                 {-0.35, 0.35},
                 {-1.15, 0.35}});
        break;
    default:
        polygon({{1.1, 0}, {-0.85, -1.1}, {-0.85, 1.1}});
        break;
    }
    return marker;
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

    // The legend: a compact table under the plot, as many columns as fit.
    const double marker = 2.0 * line;
    std::vector<double> entryWidths;
    for (const BalanceSeries& s : series)
        entryWidths.push_back(marker + gap + metrics.horizontalAdvance(s.name) + 2.0 * gap);
    const LegendLayout legend = legendLayout(entryWidths, area.left(), area.width());
    const double legendTop = area.bottom() - legend.rows * line;

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

    // One line per type, with its markers: each type's at its own places
    // between the others', so that lines lying on each other still show both.
    const double radius = 2.2 * look.lineWidth;
    const double markerStep = axes.maxYears / 8.0;
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
        painter.setPen(Qt::NoPen);
        painter.setBrush(pen.color());
        const double phase = (s.type + 0.5) / MortgageTypeCount;
        for (double years = phase * markerStep; !s.points.empty() && years < s.points.back().x();
             years += markerStep)
            painter.drawPath(seriesMarker(s.type, at(years, balanceAt(s, years)), radius));
    }

    // The legend.
    for (std::size_t i = 0; i < series.size(); ++i) {
        const LegendEntry& entry = legend.entries[i];
        const QRectF place(entry.left, legendTop + entry.row * line, entry.width, line);
        const double middle = place.top() + line / 2.0;
        painter.setPen(seriesPen(series[i].type, look.lineWidth * 1.5, look.onDark));
        painter.drawLine(QPointF(place.left(), middle), QPointF(place.left() + marker, middle));
        painter.setPen(Qt::NoPen);
        painter.setBrush(seriesColour(series[i].type, look.onDark));
        painter.drawPath(
            seriesMarker(series[i].type, QPointF(place.left() + marker / 2.0, middle), radius));
        painter.setPen(ink);
        painter.drawText(
            QRectF(place.left() + marker + gap, place.top(), place.width() - marker - gap, line),
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
