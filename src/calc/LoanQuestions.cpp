// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#include "LoanQuestions.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

namespace hw {

namespace {

// The texts of this file, in its translation context.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(hw::LoanQuestions)
};

// A loan of `amount` at `rate` a period, paying `payment` a period (the last
// one only what is owed) for at most `limit` periods.
struct RunDown {
    int periods = 0;
    double total = 0.0;
    double interest = 0.0;
    bool cleared = false;
};
RunDown runDown(double amount, double rate, double payment, int limit) {
    RunDown out;
    double balance = amount;
    while (balance > PaidOffBelow && out.periods < limit) {
        const double interest = balance * rate;
        const double paid = std::min(payment, balance + interest);
        balance -= paid - interest;
        out.total += paid;
        out.interest += interest;
        ++out.periods;
    }
    out.cleared = balance <= PaidOffBelow;
    return out;
}

} // namespace

std::variant<std::vector<FrequencyRow>, WhatIfRefusal> howOften(int type,
                                                                const OptionsInput& input) {
    const OptionsReading c = whatIfReading(input);
    if (type != TableType && type != ReducingBalanceType)
        return WhatIfRefusal{
            Texts::tr("How often you pay can be worked out for the Table and Reducing "
                      "Balance types.")};
    if (!c.computable || c.amount <= 0.0)
        return enterTheCaseFirst();
    const double annual = static_cast<double>(c.monthlyRate) * 12.0;
    const double years = static_cast<double>(c.months) / 12.0;
    const double monthly = levelPayment(c.amount, c.monthlyRate, c.months);
    std::vector<FrequencyRow> rows;
    const auto add = [&](Frequency frequency, int perYear, double payment) {
        FrequencyRow row{frequency, perYear};
        // A rate compounding half-yearly grows as much in a year paid at any frequency.
        const double rate =
            c.compounding == Compounding::HalfYearly
                ? std::pow(1.0 + static_cast<double>(c.monthlyRate), 12.0 / perYear) - 1.0
                : annual / perYear;
        const double periods = std::ceil(years * perYear - 1e-9);
        if (type == TableType) {
            const RunDown paid = runDown(c.amount, rate, payment, static_cast<int>(periods) * 2);
            row.repayment = payment;
            row.periods = paid.periods;
            row.totalPaid = paid.total;
            row.interest = paid.interest;
        } else {
            // An equal share of the amount each period, with that period's interest.
            const double share = c.amount / periods;
            row.repayment = share + c.amount * rate;
            row.periods = static_cast<int>(periods);
            row.interest = rate * share * periods * (periods + 1.0) / 2.0;
            row.totalPaid = c.amount + row.interest;
        }
        rows.push_back(row);
    };
    add(Frequency::Monthly, 12, monthly);
    add(Frequency::Fortnightly, 26, levelPayment(c.amount, annual / 26.0, years * 26.0));
    add(Frequency::Weekly, 52, levelPayment(c.amount, annual / 52.0, years * 52.0));
    if (type == TableType) {
        add(Frequency::AcceleratedFortnightly, 26, monthly / 2.0);
        add(Frequency::AcceleratedWeekly, 52, monthly / 4.0);
    }
    for (FrequencyRow& row : rows)
        row.interestSaved = rows.front().interest - row.interest;
    return rows;
}

std::variant<LowerRepayment, WhatIfRefusal> lowerRepayment(int type, const OptionsInput& input,
                                                           const ExtraPayments& extra,
                                                           const Regional& forms) {
    // The same checks as paying extra to shorten the term.
    const auto shorter = payingExtra(type, input, extra, forms);
    if (const auto* refusal = std::get_if<WhatIfRefusal>(&shorter))
        return *refusal;
    const OptionsReading c = whatIfReading(input);
    LowerRepayment out;
    out.rows = repay(type, c, extra, ExtrasWay::KeepTheTerm);
    sums(out.rows, out.totalPaid, out.interest);
    out.interestSaved = std::get<PayingExtra>(shorter).interestBefore - out.interest;
    // The repayment as entered, as first lowered (in the month after the first
    // extra: the first month's, for a regular extra; the lump sum's) and in the
    // last month, where a regular extra keeps lowering it.
    out.repaymentBefore = out.rows.empty() ? 0.0 : keptTermDue(type, c, c.amount, 1);
    const int firstExtra = extra.extraMonthly > 0.0 ? 1 : std::max(extra.lumpMonth, 1);
    const auto lowered = static_cast<std::size_t>(firstExtra);
    if (lowered < out.rows.size()) {
        out.repaymentAfter = keptTermDue(type, c, out.rows[lowered - 1].balance, firstExtra + 1);
        // The last month's due on what was owed before it, no more than it clears.
        const ScheduleRow& last = out.rows.back();
        const double owed = out.rows.size() > 1 ? out.rows[out.rows.size() - 2].balance : c.amount;
        out.lastRepayment = std::min(keptTermDue(type, c, owed, last.month), owed + last.interest);
    }
    return out;
}

std::variant<Offset, WhatIfRefusal> offsetAccount(const OptionsInput& input, double savings,
                                                  double monthlySavings, const Regional& forms) {
    const OptionsReading c = whatIfReading(input);
    if (!c.computable || c.amount <= 0.0)
        return enterTheCaseFirst();
    for (const auto& [figure, value] : {std::pair(WhatIfInput::Savings, savings),
                                        std::pair(WhatIfInput::MonthlySavings, monthlySavings)})
        if (auto refusal = figureRefusal(figure, value, forms))
            return *refusal;
    if (savings > c.amount)
        return WhatIfRefusal{
            Texts::tr("The savings in the offset account must be between 0 and the "
                      "amount borrowed."),
            WhatIfInput::Savings};
    if (monthlySavings >= c.amount)
        return WhatIfRefusal{
            Texts::tr("The savings added each month must be at least 0 and less than "
                      "the amount borrowed."),
            WhatIfInput::MonthlySavings};
    const double r = c.monthlyRate;
    const double level = levelPayment(c.amount, r, c.months);
    const int termMonths = static_cast<int>(std::ceil(c.months));
    Offset out;
    double balance = c.amount;
    double held = savings;
    for (int month = 1; balance > PaidOffBelow && month <= termMonths; ++month) {
        const double interest = std::max(0.0, balance - held) * r;
        double paid = level;
        if (month == termMonths || paid > balance + interest)
            paid = balance + interest;
        balance -= paid - interest;
        held += monthlySavings;
        out.interest += interest;
        out.rows.push_back(
            {month, paid, interest, paid - interest, std::max(balance, 0.0), std::nullopt});
    }
    out.clearedMonth = out.rows.empty() ? 0 : out.rows.back().month;
    // Like with like: the starting savings paid in at once and the monthly
    // additions paid in every month as extra repayments.
    const auto lump = payingExtra(TableType, input, {monthlySavings, savings, 1}, forms);
    if (const auto* paid = std::get_if<PayingExtra>(&lump)) {
        out.interestSaved = paid->interestBefore - out.interest;
        out.lumpClearedMonth = paid->clearedMonth;
        out.lumpInterestSaved = paid->interestBefore - paid->interestAfter;
    }
    return out;
}

std::variant<Refinancing, WhatIfRefusal>
refinancing(const OptionsInput& input, const CurrentLoan& current, const Regional& forms) {
    const OptionsReading c = whatIfReading(input);
    if (!c.computable || c.amount <= 0.0)
        return enterTheCaseFirst();
    for (const auto& [figure, value] : {std::pair(WhatIfInput::CurrentBalance, current.balance),
                                        std::pair(WhatIfInput::CurrentRate, current.ratePercent),
                                        std::pair(WhatIfInput::YearsLeft, current.yearsLeft),
                                        std::pair(WhatIfInput::Costs, current.costs)})
        if (auto refusal = figureRefusal(figure, value, forms))
            return *refusal;
    Refinancing out;
    const double monthsLeft = std::round(current.yearsLeft * 12.0);
    // The current loan's rate is quoted as the new one's is.
    const double rate =
        c.compounding == Compounding::HalfYearly
            ? static_cast<float>(monthlyRateOf(current.ratePercent, Compounding::HalfYearly))
            : static_cast<float>(static_cast<float>(current.ratePercent) / 1200.0F);
    out.currentRepayment = levelPayment(current.balance, rate, monthsLeft);
    out.newRepayment = levelPayment(c.amount, c.monthlyRate, c.months);
    out.monthlySaving = out.currentRepayment - out.newRepayment;
    out.totalCurrent = out.currentRepayment * monthsLeft;
    out.totalNew = out.newRepayment * static_cast<double>(c.months) + current.costs;
    // Month by month over the longer loan: what the household pays on the
    // current loan against the new loan's repayments and the costs paid at the
    // start. Once a loan has ended, nothing more is paid on it.
    const auto paidBy = [](double repayment, double months, int month) {
        return repayment * std::min(static_cast<double>(month), months);
    };
    const double newMonths = static_cast<double>(c.months);
    const int longer = static_cast<int>(std::ceil(std::max(monthsLeft, newMonths)));
    for (int month = 1; month <= longer; ++month)
        if (paidBy(out.currentRepayment, monthsLeft, month) + 1e-9 >=
            current.costs + paidBy(out.newRepayment, newMonths, month)) {
            out.breakEvenMonth = month;
            break;
        }
    return out;
}

} // namespace hw
