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

// One month of a schedule as it is shown and exported: whole cents.
struct ShownScheduleRow {
    int month = 0;
    Currency repayment;
    Currency interest;
    Currency principal;
    Currency balance;
    std::optional<Currency> fund;
};

// The months of `type` in whole cents that add up. The running totals are
// rounded to the cent and each month is the difference of two of them, so
// every figure stays within a cent of its exact value (a level repayment of
// 1,332.246 shows as 1,332.25 in most months and 1,332.24 in some), the
// repayments add up to the row's "Total Amount Paid", the interest to its
// "Interest Total Paid" (except for the endowment types, whose figure counts
// otherwise), each balance is the one before less the month's principal, and
// for all but the endowment types a month's repayment is its interest plus its
// principal.
std::vector<ShownScheduleRow> shownSchedule(int type, const OptionFigures& figures,
                                            Currency amount);

// How a CSV file writes its figures: plain (",", "." decimals) by default; a
// spreadsheet in a decimal-comma region expects ";" between fields and "," decimals.
struct CsvStyle {
    QChar separator = u',';
    QChar decimal = u'.';
};
// The style a spreadsheet of the user's region reads.
CsvStyle regionalCsv(const Regional& regional);

// Those months as CSV, two decimals, no grouping or symbols:
// Month,Repayment,Interest,Principal,Balance and, for an endowment type, Fund.
QString scheduleCsv(const std::vector<ShownScheduleRow>& rows, CsvStyle style = {});

} // namespace hw
