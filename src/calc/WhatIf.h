// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What if: the case already entered, asked four further questions. Rates
// rise; how much could we borrow; paying extra; a fixed rate that ends. Every
// answer comes from the same arithmetic as the results page.

#include "CaseResults.h"
#include "Limits.h"
#include "MortgageOptions.h"
#include "OptionTexts.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <variant>
#include <vector>

namespace hw {

// The figures the What If questions are asked with.
enum class WhatIfInput {
    None,
    Rise,
    ExtraMonthly,
    LumpSum,
    LumpMonth,
    FixedYears,
    ResetRate,
    Savings,
    MonthlySavings,
    CurrentBalance,
    CurrentRate,
    YearsLeft,
    Costs
};

// A question the user asked in a way that cannot be answered: the message says
// why, and names the range of the figure at fault.
struct WhatIfRefusal {
    QString message;
    WhatIfInput input = WhatIfInput::None;
};

// What the window calls a figure, and a case file's message names it by.
QString whatIfFigureName(WhatIfInput input);
// The regional forms of the questions' messages where none are given: United States English.
const Regional& plainForms();
// Whether `value` lies in the range its figure takes whatever the case (a rise
// of 0 to 10 points in quarter points, a month from 1 to 1200, an amount of 0
// or more ...): the refusal its question gives where it does not, its figures
// in `forms`. The questions and the case file check with this.
std::optional<WhatIfRefusal> figureRefusal(WhatIfInput input, double value,
                                           const Regional& forms = plainForms());

// The case as the What If answers read it: the results page's reading, with
// at least a month to work over.
OptionsReading whatIfReading(const OptionsInput& input);
// The answer to a question asked before the case has an amount, a rate and a term.
WhatIfRefusal enterTheCaseFirst();
// Less than half a cent owed is a loan paid off.
constexpr double PaidOffBelow = 0.005;

// 1. Rates rise: each type at the entered rate and at the rate plus `risePoints`.
struct RiseRow {
    bool affordableNow = false;
    bool affordableAfter = false;
    // The first repayment at the higher rate, or the first month's interest for
    // the revolving types; empty where the type has none.
    std::optional<double> firstOutlayAfter;
};
struct RateRise {
    double rateAfter = 0.0; // percent
    std::array<RiseRow, MortgageTypeCount> types;
};
constexpr double LargestRise = 10.0;
constexpr double RiseStep = 0.25;
std::variant<RateRise, WhatIfRefusal> rateRise(const OptionsInput& input, double risePoints,
                                               const Regional& forms = plainForms());

// 2. How much could we borrow: per type, the largest amount the results page
// would call affordable (a cent more it would not); with the loan-to-value it
// means against `propertyValue` (none where there is no property value).
struct BorrowRow {
    std::optional<Currency> largest;   // none: not even a cent
    std::optional<double> loanToValue; // percent
};
struct Borrowing {
    std::array<BorrowRow, MortgageTypeCount> types;
    // The Table term, in years, at which the repayment on the amount entered
    // equals the spare income; none when the spare income does not cover the interest.
    std::optional<double> tableYears;
};
Borrowing borrowing(const OptionsInput& input, double propertyValue);
// Whether the results page calls `type` affordable for `amount`, all else as entered.
bool affordableFor(int type, Currency amount, const OptionsInput& input);

// 3. Paying extra on a Table or Reducing Balance loan: `extraMonthly` every
// month and/or `lumpSum` in month `lumpMonth` (1 is the first).
struct ExtraPayments {
    double extraMonthly = 0.0;
    double lumpSum = 0.0;
    int lumpMonth = 1;
    friend bool operator==(const ExtraPayments&, const ExtraPayments&) = default;
};
struct PayingExtra {
    std::vector<ScheduleRow> before;
    std::vector<ScheduleRow> after;
    double totalBefore = 0.0;
    double totalAfter = 0.0;
    double interestBefore = 0.0;
    double interestAfter = 0.0;
    int clearedMonth = 0; // the month the loan is cleared with the extra payments
};
std::variant<PayingExtra, WhatIfRefusal> payingExtra(int type, const OptionsInput& input,
                                                     const ExtraPayments& extra,
                                                     const Regional& forms = plainForms());

// How extras act on a loan: they shorten its term (the repayment kept), or the
// term is kept and the repayment worked out again every month over the months left.
enum class ExtrasWay { ShortenTheTerm, KeepTheTerm };
// The repayment due in `month` (1 is the first) on a loan that keeps its term:
// `balance` repaid over the months left, before any extra.
double keptTermDue(int type, const OptionsReading& c, double balance, int month);
// From the month after `afterMonth` on, the loan runs at `rate`, its level
// repayment worked out again over the rest of the term.
struct RateChange {
    int afterMonth;
    double rate;
};
// Month by month, a level (Table) or equal-principal (Reducing Balance)
// repayment with extras on top; the month that would overpay pays only what is owed.
std::vector<ScheduleRow> repay(int type, const OptionsReading& c, const ExtraPayments& extra,
                               ExtrasWay way = ExtrasWay::ShortenTheTerm,
                               std::optional<RateChange> change = std::nullopt);
// The total paid and the interest of a loan's months.
void sums(const std::vector<ScheduleRow>& rows, double& total, double& interest);

// 4. A Table loan at the entered rate for `fixedYears`, then the repayment
// worked out again over the rest of the term at `resetRate` percent.
struct RateReset {
    double repaymentBefore = 0.0;
    double repaymentAfter = 0.0;
    double balanceAtReset = 0.0;
    bool affordableAfter = false;
    std::vector<ScheduleRow> before; // the Table loan at the entered rate throughout
    std::vector<ScheduleRow> after;  // with the reset
};
std::variant<RateReset, WhatIfRefusal> rateReset(const OptionsInput& input, double fixedYears,
                                                 double resetRate,
                                                 const Regional& forms = plainForms());

// A current loan to refinance: its balance, rate in per cent, years left, and
// the costs of switching to the case's loan.
struct CurrentLoan {
    double balance = 0.0;
    double ratePercent = 0.0;
    double yearsLeft = 0.0;
    double costs = 0.0;
};

// The current loan the refinancing question starts with: the debts to
// refinance (or, for any other purpose, the amount borrowed), at the entered
// rate and term. The costs of switching start at 0: the fees and bank charges
// entered are already part of the loan.
CurrentLoan suggestedCurrentLoan(const MortgageCase& value, const CaseFigures& figures);
// The value of the property the loan buys, for its loan-to-value; 0 where it buys none.
double securedPropertyValue(const MortgageCase& value, const CaseFigures& figures);

// The current loan as last asked, in the window or in a case file: a figure
// not given starts as the window suggests it.
struct CurrentLoanAsked {
    std::optional<double> balance;
    std::optional<double> ratePercent;
    std::optional<double> yearsLeft;
    std::optional<double> costs;
    static CurrentLoanAsked whole(const CurrentLoan& loan) {
        return {loan.balance, loan.ratePercent, loan.yearsLeft, loan.costs};
    }
    CurrentLoan over(const CurrentLoan& suggested) const {
        return {balance.value_or(suggested.balance), ratePercent.value_or(suggested.ratePercent),
                yearsLeft.value_or(suggested.yearsLeft), costs.value_or(suggested.costs)};
    }
    friend bool operator==(const CurrentLoanAsked&, const CurrentLoanAsked&) = default;
};

// What the user last asked in the What If window (or the defaults), and the
// answers in sentences for the report's "What If" page.
struct WhatIfSettings {
    double risePoints = 2.0;
    double fixedYears = 5.0;
    std::optional<double> resetRate; // percent; the entered rate plus 2 points when empty
    int extraType = TableType;
    ExtraPayments extra;
    int frequencyType = TableType;
    double offsetSavings = 0.0; // the offset account is asked about once this is above 0
    double offsetMonthly = 0.0;
    std::optional<CurrentLoanAsked> current; // once refinancing was worked out
    friend bool operator==(const WhatIfSettings&, const WhatIfSettings&) = default;
};
double defaultResetRate(const OptionsInput& input);
// `suggested` is the current loan the window starts with, for a figure not asked.
// The answers to the questions asked, a section each, for the report.
std::vector<ReportSection> whatIfSummary(const OptionsInput& input, const Regional& regional,
                                         double propertyValue, const WhatIfSettings& settings,
                                         const CurrentLoan& suggested = {});

} // namespace hw
