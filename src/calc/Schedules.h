#pragma once

#include "MortgageOptions.h"

#include <QPointF>
#include <QString>
#include <vector>

namespace hw {

// The outstanding balance of one type over time: years on x, money on y,
// starting from the amount borrowed at year 0.
struct BalanceSeries {
    int type = 0;
    QString name;
    std::vector<QPointF> points;
};

// One series for every affordable type that has a schedule, in type order.
std::vector<BalanceSeries> balanceSeries(const OptionsResult& result, Currency amount);

// The months of a schedule as CSV (comma-separated, "." decimals, two places):
// Month,Repayment,Interest,Principal,Balance and, for an endowment type, Fund.
QString scheduleCsv(const std::vector<ScheduleRow>& rows);

} // namespace hw
