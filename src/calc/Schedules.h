// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
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

// One month of a schedule as it is shown and exported: whole cents (whole
// units of the currency's last decimal: whole yen for the yen).
struct ShownScheduleRow {
    int month = 0;
    Currency repayment;
    Currency interest;
    Currency principal;
    Currency balance;
    std::optional<Currency> fund;
};

// The months of `type` in whole cents (or the currency's `decimals`) that add
// up, as a lender's schedule shows them. Each month's repayment is its own
// figure rounded, so a level repayment is one figure every month, and the last
// month carries what the rounding leaves: the repayments add up to the row's
// "Total Amount Paid". The interest is the difference of running totals rounded
// to the cent, so each month's is within a cent of the exact one and they add
// up to "Interest Total Paid" (except for the endowment types, whose figure
// counts otherwise). Each balance is the one before less the month's
// principal, and for all but the endowment types a month's repayment is its
// interest plus its principal.
std::vector<ShownScheduleRow> shownSchedule(int type, const OptionFigures& figures, Currency amount,
                                            int decimals = 2);

// How a CSV file writes its figures: plain (",", "." decimals) by default; a
// spreadsheet in a decimal-comma region expects ";" between fields and "," decimals.
struct CsvStyle {
    QChar separator = u',';
    QChar decimal = u'.';
    int decimals = 2; // the currency's: none for the yen
};
// The style a spreadsheet of the user's region reads.
CsvStyle regionalCsv(const Regional& regional);

// Those months as CSV, in the style's decimals, no grouping or symbols:
// Month,Repayment,Interest,Principal,Balance and, for an endowment type, Fund.
QString scheduleCsv(const std::vector<ShownScheduleRow>& rows, CsvStyle style = {});

} // namespace hw
