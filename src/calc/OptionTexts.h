// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "MortgageOptions.h"
#include "Schedules.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace hw {

// The caption of a mortgage type's button, by type index.
QString mortgageTypeName(int type);
// Revolving credit has no fixed repayment: the page and the report say so in both repayment cells.
QString variesText();

// What the results page writes into one row. A cell left empty is not written:
// it keeps its text ("Variant", "$0.00" or an earlier figure).
struct RowTexts {
    QString term;
    std::optional<QString> first;
    std::optional<QString> last;
    QString paid;
    QString interest;
    std::optional<QString> finalBalance;
};

// Whether a type's figures were worked out, affordable or not: the first four
// types have them whenever the case can be worked out, the endowment whose fund
// never reaches the loan and the revolving types that never clear it have none.
bool figuresWorkedOut(const OptionFigures& figures);

// The row of a type whose figures were worked out: money in the user's
// currency form, computed years with two decimals, the entered term text for
// the first three types.
RowTexts rowTexts(int type, const OptionFigures& figures, const QString& termText,
                  const Regional& regional);

// Why a type is not affordable, with the figures in the user's currency form:
// "Needs $2,217.92 a month; $2,145.00 is spare". Empty for an affordable type
// or one that could not be worked out at all.
QString notAffordableReason(const OptionFigures& figures, const Regional& regional);

// The types whose figure is the lowest of the affordable types that have one
// and repay the loan (a type that leaves it owed, like Interest Only, pays less
// only by not paying it back), compared as shown (to the currency's decimals),
// so that equal figures are all lowest.
using FigureOf = std::optional<double> (*)(const OptionFigures&);
std::array<bool, MortgageTypeCount> lowestOf(const OptionsResult& result, FigureOf figure,
                                             const Regional& regional);
std::optional<double> firstRepaymentOf(const OptionFigures& figures);
std::optional<double> totalPaidOf(const OptionFigures& figures);

// One detail record of the report "Mortgage Options", in the user's forms.
struct ReportRecord {
    QString mortgageType;
    bool affordable = false;
    QString term;
    QString first;
    QString last;
    QString paid;
    QString interest;
    QString finalBalance;
    QString reason; // why the type is not affordable
};

// The case a report answers, as the rate and term page shows it.
struct ReportCase {
    QString purpose;
    Currency amount;
    QString rateText;
    QString termText;
    QString spareText; // the monthly spare income
};

// One section of a report page, a What If answer or a type's lender checks: a
// heading (the question), what its table shows, the table (its heads, then its
// rows, first column the type) and the sentences under it.
struct ReportSection {
    QString title;
    QString lead;
    QStringList heads;
    std::vector<QStringList> rows;
    QStringList notes;
};

// What the report shows: the case and one record per type, in type order.
struct ReportContent {
    QString purpose;
    QString amountBorrowed;
    QString termInYears;
    QString interestRate;
    QString spareIncome;
    std::array<ReportRecord, MortgageTypeCount> records;
    // The balances over time, for the report's optional chart page.
    std::vector<BalanceSeries> balances;
    // The What If answers, for the report's optional page.
    std::vector<ReportSection> whatIf;
    // The lender country's checks, a section a type; none with no country.
    std::vector<ReportSection> lenderChecks;
};

// Every amount in the user's currency form, as the results page shows it.
ReportContent reportContent(const OptionsResult& result, const ReportCase& reportCase,
                            const Regional& regional);

} // namespace hw
