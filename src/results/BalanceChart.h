// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/Schedules.h"

#include <QFont>
#include <QLocale>
#include <QPainterPath>
#include <QPen>
#include <QWidget>
#include <functional>

class QPainter;

namespace hw {

// The ranges of the chart's axes: from 0 to a round maximum in round steps.
struct ChartAxes {
    double maxYears = 1.0;
    double yearStep = 1.0;
    double maxMoney = 1.0;
    double moneyStep = 1.0;
};
ChartAxes chartAxes(const std::vector<BalanceSeries>& series);

// How the chart is drawn on a device: its font, the form of its money labels and
// the width of its lines, all in the painter's own units.
struct ChartLook {
    QFont font;
    std::function<QString(double)> money;
    double lineWidth = 2.0;
    // Axis labels and legend on paper, and the grid behind the lines.
    QColor ink{0x1d, 0x2b, 0x36};
    QColor grid{0xd5, 0xdc, 0xe0};
    // Lines drawn on a dark background take lighter colours.
    bool onDark = false;
    // The years are written in the locale's own digits, as the money is.
    QLocale locale;
};

// The colour and the pen of a mortgage type's line.
QColor seriesColour(int type, bool onDark = false);
QPen seriesPen(int type, double width, bool onDark = false);
// A type's marker, drawn along its line and in the legend.
QPainterPath seriesMarker(int type, QPointF centre, double radius);

// Draws axes, grid, one line per series and a legend with the type names into `area`.
void paintBalanceChart(QPainter& painter, const QRectF& area,
                       const std::vector<BalanceSeries>& series, const ChartLook& look);

// The outstanding balance of every affordable type over the years, in one chart.
class BalanceChart : public QWidget {
    Q_OBJECT
public:
    explicit BalanceChart(QWidget* parent = nullptr);

    void setSeries(std::vector<BalanceSeries> series, std::function<QString(double)> money);
    const std::vector<BalanceSeries>& series() const { return series_; }
    ChartAxes axes() const { return chartAxes(series_); }

    QSize sizeHint() const override { return {640, 420}; }
    QSize minimumSizeHint() const override { return {360, 260}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<BalanceSeries> series_;
    std::function<QString(double)> money_;
};

} // namespace hw
