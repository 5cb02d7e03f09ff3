// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "money/Currency.h"
#include "money/Regional.h"

#include <QString>
#include <array>
#include <optional>
#include <vector>

namespace hw {

constexpr int MortgageTypeCount = 7;
enum MortgageType : int {
    TableType = 0,
    ReducingBalanceType,
    InterestOnlyType,
    TableEndowmentType,
    InterestOnlyEndowmentType,
    CashManagementType,
    CreditCardManagementType,
};

// How often the quoted rate compounds: monthly (the rate over 12 each month),
// or half-yearly as fixed rates are quoted in Canada.
enum class Compounding { Monthly, HalfYearly };

// The monthly rate of a rate quoted at `percent` a year.
double monthlyRateOf(double percent, Compounding compounding);

// The case as the seven types are worked out from it, in numbers. The rate
// and the term are the rate page's figures as 32-bit floats, as the
// calculations this program reproduces read them.
struct OptionsInput {
    Currency amount;                 // A, the amount borrowed
    float ratePercent = 0.0F;        // 6.0 for "6.00%"
    float termYears = 0.0F;          // 10.0 for "10.00"
    double monthlyIncome = 0.0;      // I, unrounded
    double monthlyExpenditure = 0.0; // E, unrounded
    Currency shownIncome;            // the monthly income after tax, as shown
    Currency shownBudget;            // the monthly expenditure, as shown
    Compounding compounding = Compounding::Monthly;
    friend bool operator==(const OptionsInput&, const OptionsInput&) = default;
};

// One month of a type's repayment schedule. Money figures are unrounded.
struct ScheduleRow {
    int month = 0;
    double repayment = 0.0;     // what the household pays this month
    double interest = 0.0;      // interest charged on the loan this month
    double principal = 0.0;     // what the loan falls by this month (a fund's payout included)
    double balance = 0.0;       // what is owed at the end of the month
    std::optional<double> fund; // an endowment fund's value at the end of the month
};

// Why a type is not affordable. Its first repayment, or for the revolving types
// its first month's interest, is more than the spare income; or no outlay
// could make it work: its fund never reaches the amount borrowed, or the spare
// income never clears the balance.
enum class Obstacle {
    None,
    RepaymentAboveSpare,
    InterestAboveSpare,
    FundNeverReachesAmount,
    SpareBelowInterest
};

// The figures of one mortgage type. Figures the type does not have stay empty.
struct OptionFigures {
    bool affordable = false;
    Obstacle obstacle = Obstacle::None;
    // With RepaymentAboveSpare or InterestAboveSpare: what the month needs and
    // the spare income it was held against.
    double needed = 0.0;
    double spareIncome = 0.0;
    std::optional<double> years; // computed term; types 0 to 2 show the entered term
    std::optional<double> first;
    std::optional<double> last;
    double totalPaid = 0.0;
    double interest = 0.0;
    std::optional<double> finalBalance;
    // Month by month, when asked for and the type is affordable.
    std::vector<ScheduleRow> schedule;
};

struct OptionsResult {
    float monthlyRate = 0.0F; // r
    float fundGrowth = 0.0F;  // g: the mortgage rate less 1.5 points, monthly
    float months = 0.0F;      // n
    std::array<OptionFigures, MortgageTypeCount> types;
};

// Level monthly payment of an m-month loan of b at monthly rate r.
double levelPayment(double b, double r, double m);

// A month's interest on a revolving loan of `balance` into which `goesIn` is
// paid during the month: on the balance less half of it, or on half the
// balance where it clears the loan.
double revolvingInterest(double balance, double goesIn, double r);

// The case as the seven types read it: the rate, the monthly rate and growth
// and the months as 32-bit floats (widened); the amount; the spare income as
// held (S') and as the summary shows it (S).
struct OptionsReading {
    float ratePercent = 0.0F;
    float monthlyRate = 0.0F; // r
    float fundGrowth = 0.0F;  // g: the mortgage rate less 1.5 points, monthly
    float months = 0.0F;      // n
    double amount = 0.0;
    double spareHeld = 0.0;
    double spare = 0.0;
    Compounding compounding = Compounding::Monthly;
    // False for no months, more months than any loan runs, or figures that are
    // not numbers: nothing can then be worked out.
    bool computable = false;
};
OptionsReading readOptions(const OptionsInput& input);

// Works out the seven mortgage types for one requirement. Never loops without end:
// a type whose loan or fund cannot be cleared is reported as not affordable.
// With schedules, each affordable type also carries its months, from the same
// arithmetic as its totals.
enum class Schedules { Without, With };
OptionsResult calculateOptions(const OptionsInput& input, Schedules schedules = Schedules::Without);

} // namespace hw
