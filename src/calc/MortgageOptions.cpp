// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#include "MortgageOptions.h"

#include "PageArithmetic.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace hw {

namespace {

// No household loan runs for more than a thousand years of months; a loop that
// gets there is one that would never end.
constexpr long MonthLimit = 12L * 1000;

// Principal part of the first payment of that loan.
double firstPrincipal(double b, double r, double m) {
    return levelPayment(b, r, m) - b * r;
}

// Value after i months of a fund paid P at the start of every month, growing at g a month.
double fundValue(double p, double g, double i) {
    if (g == 0.0)
        return p * i;
    return p * (1.0 + g) * (std::pow(1.0 + g, i) - 1.0) / g;
}

double currencyDifference(double total, Currency amount) {
    const auto paid = Currency::fromDouble(total);
    if (!paid)
        return total - amount.toDouble();
    return paid->minus(amount).value_or(Currency()).toDouble();
}

// Revolving credit: the spare income goes into the loan each month, interest on
// the month's average balance. Answers the months and total interest, or empty
// when the balance would never be cleared.
struct Revolving {
    long months;
    double interest;
    double balance;
};
std::optional<Revolving> revolve(double balance, double spare, double r, long months,
                                 double interest, std::vector<ScheduleRow>* rows) {
    while (balance > 0.0) {
        const double charged = revolvingInterest(balance, spare, r);
        const double next = balance - spare + charged;
        if (!(next < balance) || months >= MonthLimit)
            return std::nullopt;
        interest += charged;
        ++months;
        if (rows) {
            // The last month pays only what is left: the overpayment stays with the household.
            const double paid = next > 0.0 ? spare : spare + next;
            rows->push_back({static_cast<int>(months), paid, charged, paid - charged,
                             std::max(next, 0.0), std::nullopt});
        }
        balance = next;
    }
    return Revolving{months, interest, balance};
}

// Months of a level repayment: a term that is not whole months pays a part of
// its last month.
std::vector<ScheduleRow> levelSchedule(double amount, double r, double n, double repayment,
                                       bool interestOnly) {
    std::vector<ScheduleRow> rows;
    double balance = amount;
    for (long i = 1; static_cast<double>(i - 1) < n; ++i) {
        const double share = std::min(1.0, n - static_cast<double>(i - 1));
        const double interest = balance * r * share;
        const double paid = repayment * share;
        const double principal = interestOnly ? 0.0 : paid - interest;
        balance -= principal;
        rows.push_back({static_cast<int>(i), paid, interest, principal, balance, std::nullopt});
    }
    return rows;
}

// The household can have the type when its spare income covers what the type
// needs in the first month; otherwise the type says why, with both figures.
void judge(OptionFigures& figures, double needed, double spare, Obstacle why) {
    figures.affordable = !(spare < needed);
    if (!figures.affordable) {
        figures.obstacle = why;
        figures.needed = needed;
        figures.spareIncome = spare;
    }
}

double roundToCentsHalfEven(double value) {
    return std::nearbyint(value * 100.0) / 100.0;
}

// The inputs as the calculations read them, once: the monthly rate, the fund's
// growth and the months as 32-bit floats widened, as the texts give them; the
// amount, the spare incomes, and the three outlays the types share. Each type
// unpacks it under the names its formulas use.
struct Case {
    double a;                   // A, the amount borrowed
    double r;                   // the monthly rate
    double g;                   // the fund's monthly growth: the rate less 1.5 points
    double n;                   // the months
    double t;                   // the Table repayment
    double rb1;                 // the first Reducing Balance repayment, the endowments' outlay
    double interestOnlyPayment; // a month's interest on A
    double spareHeld;           // S', income less expenditure as held
    double spare;               // S, as the summary shows it
    bool record;                // month by month too
    const OptionsInput& input;
};

// Type 0, Table.
OptionFigures table(const Case& c) {
    const auto& [a, r, g, n, t, rb1, interestOnlyPayment, spareHeld, spare, record, input] = c;
    OptionFigures table;
    table.first = table.last = t;
    table.totalPaid = n * t;
    table.interest = currencyDifference(table.totalPaid, input.amount);
    judge(table, t, spareHeld, Obstacle::RepaymentAboveSpare);
    if (record)
        table.schedule = levelSchedule(a, r, n, t, false);
    return table;
}

// Type 1, Reducing Balance: equal principal parts. A term that is not whole
// months ends with a part month that repays what is left, with the interest
// of that part of a month.
OptionFigures reducingBalance(const Case& c) {
    const auto& [a, r, g, n, t, rb1, interestOnlyPayment, spareHeld, spare, record, input] = c;
    OptionFigures reducing;
    const double principal = a / n;
    double lastRepayment = 0.0;
    for (long i = 1; static_cast<double>(i - 1) < n; ++i) {
        const double balance = a - principal * static_cast<double>(i - 1);
        const bool partMonth = static_cast<double>(i) > n;
        const double share = partMonth ? n - static_cast<double>(i - 1) : 1.0;
        const double repaid = partMonth ? balance : principal;
        const double interest = balance * r * share;
        lastRepayment = interest + repaid;
        if (i == 1)
            reducing.first = lastRepayment;
        reducing.interest += interest;
        reducing.totalPaid += lastRepayment;
        if (record)
            reducing.schedule.push_back({static_cast<int>(i), lastRepayment, interest, repaid,
                                         partMonth ? 0.0 : a - principal * static_cast<double>(i),
                                         std::nullopt});
    }
    reducing.first = reducing.first.value_or(rb1);
    reducing.last = lastRepayment;
    judge(reducing, rb1, spareHeld, Obstacle::RepaymentAboveSpare);
    return reducing;
}

// Type 2, Interest Only.
OptionFigures interestOnly(const Case& c) {
    const auto& [a, r, g, n, t, rb1, interestOnlyPayment, spareHeld, spare, record, input] = c;
    OptionFigures interestOnly;
    interestOnly.first = interestOnly.last = interestOnlyPayment;
    interestOnly.totalPaid = n * interestOnlyPayment;
    interestOnly.interest = interestOnly.totalPaid;
    interestOnly.finalBalance = a;
    judge(interestOnly, interestOnlyPayment, spareHeld, Obstacle::RepaymentAboveSpare);
    if (record)
        interestOnly.schedule = levelSchedule(a, r, n, interestOnlyPayment, true);
    return interestOnly;
}

// Type 3, Table Endowment: the fund clears the loan once it covers the balance;
// if it never does, the repayments themselves clear it at the end of the term.
OptionFigures tableEndowment(const Case& c) {
    const auto& [a, r, g, n, t, rb1, interestOnlyPayment, spareHeld, spare, record, input] = c;
    OptionFigures tableEndowment;
    const double p3 = rb1 - t;
    double balance = a;
    double payoff = n;
    for (long i = 1; i <= n - 1; ++i) {
        const double owed = balance;
        const double part = firstPrincipal(balance, r, n - static_cast<double>(i) + 1.0);
        const double fund = fundValue(p3, g, static_cast<double>(i));
        balance -= part;
        const bool fundCovers = balance <= fund;
        if (record) {
            // Once the fund covers the balance it pays the loan off.
            tableEndowment.schedule.push_back({static_cast<int>(i), rb1, owed * r,
                                               fundCovers ? owed : part, fundCovers ? 0.0 : balance,
                                               fund});
        }
        if (fundCovers) {
            payoff = static_cast<double>(i);
            break;
        }
    }
    if (record && payoff == n && n >= 1.0) {
        // The fund never caught up: the last repayment clears the loan.
        const int last = static_cast<int>(tableEndowment.schedule.size()) + 1;
        tableEndowment.schedule.push_back(
            {last, rb1, balance * r, balance, 0.0, fundValue(p3, g, static_cast<double>(last))});
    }
    tableEndowment.years = payoff / 12.0;
    tableEndowment.first = tableEndowment.last = rb1;
    tableEndowment.totalPaid = *tableEndowment.years * 12.0 * rb1;
    tableEndowment.interest = currencyDifference(*tableEndowment.years * 12.0 * t, input.amount);
    judge(tableEndowment, rb1, spareHeld, Obstacle::RepaymentAboveSpare);
    return tableEndowment;
}

// Type 4, Interest Only Endowment: the fund must reach the amount borrowed.
OptionFigures interestOnlyEndowment(const Case& c) {
    const auto& [a, r, g, n, t, rb1, interestOnlyPayment, spareHeld, spare, record, input] = c;
    OptionFigures ioEndowment;
    const double p4 = rb1 - interestOnlyPayment;
    const bool fundCanGrow = p4 > 0.0 && !(g < 0.0 && p4 * (1.0 + g) / -g <= a);
    if (fundCanGrow) {
        long i = 1;
        double fund = 0.0;
        while (fund < a && i <= MonthLimit) {
            fund = fundValue(p4, g, static_cast<double>(i));
            if (record) {
                // Interest alone on the whole loan, until the fund pays it off.
                const bool paysOff = fund >= a;
                ioEndowment.schedule.push_back(
                    {static_cast<int>(i), rb1, a * r, paysOff ? a : 0.0, paysOff ? 0.0 : a, fund});
            }
            ++i;
        }
        if (fund >= a) {
            const double years = static_cast<double>(i - 1) / 12.0;
            ioEndowment.years = years;
            ioEndowment.first = ioEndowment.last = rb1;
            ioEndowment.totalPaid = years * 12.0 * rb1;
            ioEndowment.interest = roundToCentsHalfEven(years) * 12.0 * a * r;
            judge(ioEndowment, rb1, spareHeld, Obstacle::RepaymentAboveSpare);
        }
    }
    if (!ioEndowment.years)
        ioEndowment.obstacle = Obstacle::FundNeverReachesAmount;
    return ioEndowment;
}

// Type 5, Revolving Credit with Cash Management.
OptionFigures cashManagement(const Case& c) {
    const auto& [a, r, g, n, t, rb1, interestOnlyPayment, spareHeld, spare, record, input] = c;
    OptionFigures cash;
    const double firstInterest = (a - spare / 2.0) * r;
    judge(cash, firstInterest, spare, Obstacle::InterestAboveSpare);
    if (cash.affordable) {
        cash.affordable = false;
        if (const auto run = revolve(a, spare, r, 0, 0.0, record ? &cash.schedule : nullptr)) {
            cash.affordable = true;
            cash.years = static_cast<double>(run->months) / 12.0;
            cash.totalPaid = static_cast<double>(run->months) * spare + run->balance;
            cash.interest = run->interest;
        } else {
            cash.obstacle = Obstacle::SpareBelowInterest;
        }
    }
    return cash;
}

// Type 6, Revolving Credit with Credit Card Management: the whole income goes
// in during the first month.
OptionFigures creditCardManagement(const Case& c) {
    const auto& [a, r, g, n, t, rb1, interestOnlyPayment, spareHeld, spare, record, input] = c;
    OptionFigures card;
    // An income that clears the loan during the first month pays interest only
    // on what was owed, for half the month, as in the months that follow.
    const double incomeInterest = (a - input.monthlyIncome / 2.0) * r;
    const double firstInterest = revolvingInterest(a, input.monthlyIncome, r);
    judge(card, incomeInterest, spare, Obstacle::InterestAboveSpare);
    if (card.affordable) {
        card.affordable = false;
        const double start = a - input.monthlyIncome + firstInterest;
        if (record) {
            const double paid = start > 0.0 ? input.monthlyIncome : input.monthlyIncome + start;
            card.schedule.push_back(
                {1, paid, firstInterest, paid - firstInterest, std::max(start, 0.0), std::nullopt});
        }
        if (const auto run =
                revolve(start, spare, r, 1, firstInterest, record ? &card.schedule : nullptr)) {
            card.affordable = true;
            card.years = static_cast<double>(run->months) / 12.0;
            card.totalPaid =
                run->balance + input.monthlyIncome + static_cast<double>(run->months - 1) * spare;
            card.interest = run->interest;
        } else {
            card.obstacle = Obstacle::SpareBelowInterest;
        }
    }
    return card;
}

} // namespace

double levelPayment(double b, double r, double m) {
    if (r == 0.0)
        return b / m;
    return b * r / (1.0 - std::pow(1.0 + r, -m));
}

double revolvingInterest(double balance, double goesIn, double r) {
    return balance - goesIn >= 0.0 ? (balance - goesIn / 2.0) * r : (balance / 2.0) * r;
}

double monthlyRateOf(double percent, Compounding compounding) {
    // Half-yearly: six months at the monthly rate grow as much as half a year at half the rate.
    return compounding == Compounding::HalfYearly ? std::pow(1.0 + percent / 200.0, 1.0 / 6.0) - 1.0
                                                  : percent / 100.0 / 12.0;
}

OptionsReading readOptions(const OptionsInput& input) {
    OptionsReading c;
    const float x = input.ratePercent;
    c.ratePercent = x;
    c.compounding = input.compounding;
    if (input.compounding == Compounding::HalfYearly) {
        c.monthlyRate = static_cast<float>(monthlyRateOf(x, Compounding::HalfYearly));
        c.fundGrowth = static_cast<float>(
            monthlyRateOf(static_cast<double>(x) - 1.5, Compounding::HalfYearly));
    } else {
        // As the calculations this program reproduces work them out, in floats.
        c.monthlyRate = x / 100.0F / 12.0F;
        c.fundGrowth = static_cast<float>((static_cast<double>(x) - 1.5) / 100.0 / 12.0);
    }
    c.months = input.termYears * 12.0F;
    c.amount = input.amount.toDouble();
    c.spareHeld = input.monthlyIncome - input.monthlyExpenditure;
    c.spare = input.shownIncome.minus(input.shownBudget).value_or(Currency()).toDouble();
    const double n = c.months;
    c.computable = n > 0.0 && n <= static_cast<double>(MonthLimit) &&
                   std::isfinite(c.monthlyRate) && std::isfinite(c.spareHeld) &&
                   std::isfinite(input.monthlyIncome) && std::isfinite(c.amount);
    return c;
}

OptionsResult calculateOptions(const OptionsInput& input, Schedules schedules) {
    OptionsResult out;
    const OptionsReading reading = readOptions(input);
    out.monthlyRate = reading.monthlyRate;
    out.fundGrowth = reading.fundGrowth;
    out.months = reading.months;
    // Nothing to compute: every type stays unaffordable.
    if (!reading.computable)
        return out;
    const double r = reading.monthlyRate, g = reading.fundGrowth, n = reading.months;
    const double a = reading.amount;
    const double spareHeld = reading.spareHeld; // S'
    const double spare = reading.spare;         // S

    const double principal = a / n;
    const Case c{a,
                 r,
                 g,
                 n,
                 r * a + firstPrincipal(a, r, n),
                 a * r + principal,
                 r * a,
                 spareHeld,
                 spare,
                 schedules == Schedules::With,
                 input};
    out.types = {table(c),
                 reducingBalance(c),
                 interestOnly(c),
                 tableEndowment(c),
                 interestOnlyEndowment(c),
                 cashManagement(c),
                 creditCardManagement(c)};
    // Only an affordable type has a schedule to show.
    for (OptionFigures& figures : out.types)
        if (!figures.affordable)
            figures.schedule.clear();
    return out;
}

} // namespace hw
