// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What if, second round: how often you pay, what an extra payment does when it
// keeps the term, an offset account, and refinancing. Each is asked of the
// case already entered, at the rate the results page holds (a 32-bit monthly
// rate), and answered month by month or period by period.

#include "WhatIf.h"

#include <optional>
#include <variant>
#include <vector>

namespace hw {

// 5. How often you pay. Interest is charged each period at the annual rate
// divided by the periods in a year; the accelerated ways pay half (fortnightly)
// or a quarter (weekly) of the monthly repayment each period.
enum class Frequency { Monthly, Fortnightly, Weekly, AcceleratedFortnightly, AcceleratedWeekly };
struct FrequencyRow {
    Frequency frequency = Frequency::Monthly;
    int periodsPerYear = 12;
    double repayment = 0.0; // each period; the first one for Reducing Balance
    int periods = 0;        // until the loan is paid off
    double totalPaid = 0.0;
    double interest = 0.0;
    double interestSaved = 0.0; // against paying monthly
    double years() const { return static_cast<double>(periods) / periodsPerYear; }
};
// The Table type: all five ways; Reducing Balance: monthly, fortnightly, weekly.
std::variant<std::vector<FrequencyRow>, WhatIfRefusal> howOften(int type,
                                                                const OptionsInput& input);

// 6. An extra payment that keeps the term and lowers the repayment instead: the
// repayment worked out again over the months left after every month with an extra.
struct LowerRepayment {
    double repaymentBefore = 0.0; // the first repayment as entered
    // As first lowered, in the month after the first extra, and in the last
    // month (before the extras); none where the extras clear the loan first.
    std::optional<double> repaymentAfter;
    std::optional<double> lastRepayment;
    double totalPaid = 0.0; // the extras included
    double interest = 0.0;
    double interestSaved = 0.0;
    std::vector<ScheduleRow> rows;
};
std::variant<LowerRepayment, WhatIfRefusal> lowerRepayment(int type, const OptionsInput& input,
                                                           const ExtraPayments& extra,
                                                           const Regional& forms = plainForms());

// 7. An offset account beside a Table loan: interest is charged on the balance
// less the savings held (a starting balance and a monthly addition, added at
// the end of each month); the repayment stays and the loan clears sooner.
struct Offset {
    int clearedMonth = 0;
    double interest = 0.0;
    double interestSaved = 0.0;
    // The same savings paid into the loan instead: the starting savings at once
    // and the monthly additions as extra repayments every month.
    int lumpClearedMonth = 0;
    double lumpInterestSaved = 0.0;
    std::vector<ScheduleRow> rows;
};
std::variant<Offset, WhatIfRefusal> offsetAccount(const OptionsInput& input, double savings,
                                                  double monthlySavings,
                                                  const Regional& forms = plainForms());

// 8. Refinancing: a current loan (balance, rate in per cent, years left) paid
// as a Table loan, against the case's Table loan at its rate and term, with
// the costs of switching.
struct Refinancing {
    double currentRepayment = 0.0;
    double newRepayment = 0.0;
    double monthlySaving = 0.0; // negative: the new loan costs more each month
    // The first month by which what the household has paid on the new loan, the
    // costs of switching included, is no more than it would have paid on the
    // current loan; none where that never happens before both have ended.
    std::optional<int> breakEvenMonth;
    double totalCurrent = 0.0; // the current loan to its end
    double totalNew = 0.0;     // the new loan to its end, the costs included
};
std::variant<Refinancing, WhatIfRefusal> refinancing(const OptionsInput& input,
                                                     const CurrentLoan& current,
                                                     const Regional& forms = plainForms());

} // namespace hw
