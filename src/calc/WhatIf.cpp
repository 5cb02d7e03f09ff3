// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#include "WhatIf.h"

#include "Durations.h"
#include "LoanQuestions.h"
#include "OptionTexts.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace hw {

namespace {

// The texts of this file, in its translation context.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(hw::WhatIf)
};

} // namespace

double keptTermDue(int type, const OptionsReading& c, double balance, int month) {
    const double r = c.monthlyRate;
    const double left = c.months - (month - 1);
    return type == TableType ? levelPayment(balance, r, left) : balance / left + balance * r;
}

std::vector<ScheduleRow> repay(int type, const OptionsReading& c, const ExtraPayments& extra,
                               ExtrasWay way, std::optional<RateChange> change) {
    std::vector<ScheduleRow> rows;
    double r = c.monthlyRate;
    double level = levelPayment(c.amount, r, c.months);
    const double part = c.amount / c.months;
    double balance = c.amount;
    const int termMonths = static_cast<int>(std::ceil(c.months));
    for (int month = 1; balance > PaidOffBelow && month <= termMonths; ++month) {
        if (change && month == change->afterMonth + 1) {
            r = change->rate;
            level = levelPayment(balance, r, c.months - change->afterMonth);
        }
        const double interest = balance * r;
        const double due = way == ExtrasWay::KeepTheTerm ? keptTermDue(type, c, balance, month)
                           : type == TableType           ? level
                                                         : part + interest;
        double paid = due + extra.extraMonthly;
        if (month == extra.lumpMonth)
            paid += extra.lumpSum;
        // The last month of the term, or one that would overpay, pays what is owed.
        if (month == termMonths || paid > balance + interest)
            paid = balance + interest;
        balance -= paid - interest;
        rows.push_back(
            {month, paid, interest, paid - interest, std::max(balance, 0.0), std::nullopt});
    }
    return rows;
}

void sums(const std::vector<ScheduleRow>& rows, double& total, double& interest) {
    total = interest = 0.0;
    for (const ScheduleRow& row : rows) {
        total += row.repayment;
        interest += row.interest;
    }
}

OptionsReading whatIfReading(const OptionsInput& input) {
    OptionsReading c = readOptions(input);
    c.computable = c.computable && c.months >= 1.0F;
    return c;
}

QString whatIfFigureName(WhatIfInput input) {
    static const char* const names[] = {
        "",
        QT_TRANSLATE_NOOP("hw::WhatIf", "Rise in the rate, percentage points"),
        QT_TRANSLATE_NOOP("hw::WhatIf", "Extra each month"),
        QT_TRANSLATE_NOOP("hw::WhatIf", "Lump sum"),
        QT_TRANSLATE_NOOP("hw::WhatIf", "Month of the lump sum"),
        QT_TRANSLATE_NOOP("hw::WhatIf", "Years at the entered rate"),
        QT_TRANSLATE_NOOP("hw::WhatIf", "The new rate"),
        QT_TRANSLATE_NOOP("hw::WhatIf", "Savings in the offset account"),
        QT_TRANSLATE_NOOP("hw::WhatIf", "Savings added each month"),
        QT_TRANSLATE_NOOP("hw::WhatIf", "Balance of the current loan"),
        QT_TRANSLATE_NOOP("hw::WhatIf", "Rate of the current loan"),
        QT_TRANSLATE_NOOP("hw::WhatIf", "Years left on the current loan"),
        QT_TRANSLATE_NOOP("hw::WhatIf", "Costs of switching")};
    return Texts::tr(names[static_cast<int>(input)]);
}

CurrentLoan suggestedCurrentLoan(const MortgageCase& value, const CaseFigures& figures) {
    const Currency balance =
        value.purpose == Refinance ? figures.totalLiabilities : figures.requirement;
    return {balance.toDouble(), value.ratePercent, value.termYears, 0.0};
}

double securedPropertyValue(const MortgageCase& value, const CaseFigures& figures) {
    return buysProperty(value.purpose) ? figures.propertyValue : 0.0;
}

const Regional& plainForms() {
    static const Regional forms(QLocale(QLocale::English, QLocale::UnitedStates));
    return forms;
}

std::optional<WhatIfRefusal> figureRefusal(WhatIfInput input, double value, const Regional& forms) {
    const QLocale& locale = forms.locale();
    const auto percent = [&forms](double percent) { return forms.percent(percent / 100.0); };
    // An amount of 0 or more that its field can hold.
    const auto amount = [&](const char* name) -> std::optional<WhatIfRefusal> {
        if (!(value >= 0.0))
            return WhatIfRefusal{Texts::tr("%1 must be 0 or more.").arg(Texts::tr(name)), input};
        if (value > LargestWhatIfAmount)
            return WhatIfRefusal{Texts::tr("%1 is too large.").arg(Texts::tr(name)), input};
        return std::nullopt;
    };
    const auto between = [&](double least, double most, const QString& message,
                             bool whole = false) -> std::optional<WhatIfRefusal> {
        if (value >= least && value <= most && (!whole || value == std::floor(value)))
            return std::nullopt;
        return WhatIfRefusal{message, input};
    };
    switch (input) {
    case WhatIfInput::Rise: {
        const double steps = value / RiseStep;
        if (value >= 0.0 && value <= LargestRise && std::fabs(steps - std::round(steps)) <= 1e-9)
            return std::nullopt;
        return WhatIfRefusal{
            Texts::tr("The rise must be between %1 and %2 percentage points, in steps of %3.")
                .arg(locale.toString(0), locale.toString(LargestRise), locale.toString(RiseStep)),
            input};
    }
    case WhatIfInput::ExtraMonthly:
        return amount(QT_TRANSLATE_NOOP("hw::WhatIf", "The extra amount each month"));
    case WhatIfInput::LumpSum:
        return amount(QT_TRANSLATE_NOOP("hw::WhatIf", "The lump sum"));
    case WhatIfInput::LumpMonth:
        return between(1, LastLumpMonth,
                       Texts::tr("The month of the lump sum must be a whole month from %1 to %2.")
                           .arg(locale.toString(1), locale.toString(LastLumpMonth)),
                       true);
    case WhatIfInput::FixedYears: {
        // Held to the month; no term is longer than 100 years.
        const double months = std::round(value * 12.0);
        if (months >= 1.0 && months < static_cast<double>(LastLumpMonth))
            return std::nullopt;
        return WhatIfRefusal{
            Texts::tr("The fixed period must be at least a month and shorter than the "
                      "term."),
            input};
    }
    case WhatIfInput::ResetRate:
        return between(0.0, HighestPercent,
                       Texts::tr("The rate after the fixed period must be between %1 and %2.")
                           .arg(percent(0), percent(HighestPercent)));
    case WhatIfInput::Savings:
        return amount(QT_TRANSLATE_NOOP("hw::WhatIf", "The savings in the offset account"));
    case WhatIfInput::MonthlySavings:
        return amount(QT_TRANSLATE_NOOP("hw::WhatIf", "The savings added each month"));
    case WhatIfInput::CurrentBalance:
        if (!(value > 0.0))
            return WhatIfRefusal{Texts::tr("The balance of the current loan must be more than 0."),
                                 input};
        return amount(QT_TRANSLATE_NOOP("hw::WhatIf", "The balance of the current loan"));
    case WhatIfInput::CurrentRate:
        return between(0.0, HighestPercent,
                       Texts::tr("The rate of the current loan must be between %1 and %2.")
                           .arg(percent(0), percent(HighestPercent)));
    case WhatIfInput::YearsLeft:
        return between(
            ShortestTermYears, LongestTermYears,
            Texts::tr("The years left on the current loan must be between %1 and %2.")
                .arg(locale.toString(ShortestTermYears), locale.toString(LongestTermYears)));
    case WhatIfInput::Costs:
        return amount(QT_TRANSLATE_NOOP("hw::WhatIf", "The costs of switching"));
    case WhatIfInput::None:
        break;
    }
    return std::nullopt;
}

WhatIfRefusal enterTheCaseFirst() {
    return {Texts::tr("Please enter the amount, the rate and the term first.")};
}

std::variant<RateRise, WhatIfRefusal> rateRise(const OptionsInput& input, double risePoints,
                                               const Regional& forms) {
    if (auto refusal = figureRefusal(WhatIfInput::Rise, risePoints, forms))
        return *refusal;
    const OptionsReading c = whatIfReading(input);
    const double after = c.ratePercent + risePoints;
    if (after > HighestPercent)
        return WhatIfRefusal{
            Texts::tr("The rate after the rise must be less than %1.").arg(forms.percent(1.0)),
            WhatIfInput::Rise};
    OptionsInput risen = input;
    // Held as the rate page holds a rate: two decimals, in 32 bits.
    risen.ratePercent = static_cast<float>(std::round(after * 100.0) / 100.0);
    const OptionsResult now = calculateOptions(input);
    const OptionsResult later = calculateOptions(risen);
    RateRise out;
    out.rateAfter = after;
    const double r2 = later.monthlyRate;
    for (int k = 0; k < MortgageTypeCount; ++k) {
        RiseRow& row = out.types[static_cast<std::size_t>(k)];
        row.affordableNow = now.types[static_cast<std::size_t>(k)].affordable;
        row.affordableAfter = later.types[static_cast<std::size_t>(k)].affordable;
        if (k == CashManagementType)
            row.firstOutlayAfter = revolvingInterest(c.amount, c.spare, r2);
        else if (k == CreditCardManagementType)
            row.firstOutlayAfter = revolvingInterest(c.amount, input.monthlyIncome, r2);
        else
            row.firstOutlayAfter = later.types[static_cast<std::size_t>(k)].first;
    }
    return out;
}

bool affordableFor(int type, Currency amount, const OptionsInput& input) {
    OptionsInput asked = input;
    asked.amount = amount;
    return calculateOptions(asked).types[static_cast<std::size_t>(type)].affordable;
}

Borrowing borrowing(const OptionsInput& input, double propertyValue) {
    Borrowing out;
    const OptionsReading c = whatIfReading(input);
    if (!c.computable)
        return out;
    const std::int64_t largestCents =
        std::numeric_limits<std::int64_t>::max() / (Currency::Scale / 100);
    const double unlimited = static_cast<double>(largestCents) / 100.0;
    // The closed form of each type's test gives where to look; the results
    // page's own test then finds the exact cent.
    const double perMonth = c.monthlyRate + 1.0 / c.months;
    const double estimates[MortgageTypeCount] = {
        c.spareHeld / levelPayment(1.0, c.monthlyRate, c.months),
        c.spareHeld / perMonth,
        c.monthlyRate > 0.0 ? c.spareHeld / c.monthlyRate : unlimited,
        c.spareHeld / perMonth,
        c.spareHeld / perMonth,
        c.monthlyRate > 0.0 ? c.spare / c.monthlyRate + c.spare / 2.0 : unlimited,
        c.monthlyRate > 0.0 ? c.spare / c.monthlyRate + input.monthlyIncome / 2.0 : unlimited,
    };
    const auto cents = [](std::int64_t count) {
        return Currency::fromScaled(count * (Currency::Scale / 100));
    };
    for (int k = 0; k < MortgageTypeCount; ++k) {
        const auto fits = [&](std::int64_t count) { return affordableFor(k, cents(count), input); };
        // From one cent: a loan of nothing has no fund to grow.
        if (!fits(1))
            continue;
        const double estimate = std::isfinite(estimates[k]) ? estimates[k] : unlimited;
        const double guess = std::ceil(estimate * 100.0 * 1.001) + 100.0;
        std::int64_t low = 1;
        std::int64_t high = guess >= unlimited * 100.0 ? largestCents
                            : guess < 1.0              ? 1
                                                       : static_cast<std::int64_t>(guess);
        if (fits(high)) {
            // The estimate was short (the fund or the revolving months decide): look further.
            low = high;
            high = largestCents;
            if (fits(high))
                low = high;
        }
        while (high - low > 1) {
            const std::int64_t middle = low + (high - low) / 2;
            (fits(middle) ? low : high) = middle;
        }
        BorrowRow& row = out.types[static_cast<std::size_t>(k)];
        row.largest = cents(low);
        if (propertyValue > 0.0)
            row.loanToValue = row.largest->toDouble() / propertyValue * 100.0;
    }
    if (c.monthlyRate == 0.0) {
        if (c.spareHeld > 0.0)
            out.tableYears = c.amount / c.spareHeld / 12.0;
    } else if (c.spareHeld > c.amount * c.monthlyRate) {
        out.tableYears = -std::log(1.0 - c.amount * c.monthlyRate / c.spareHeld) /
                         std::log(1.0 + c.monthlyRate) / 12.0;
    }
    return out;
}

std::variant<PayingExtra, WhatIfRefusal> payingExtra(int type, const OptionsInput& input,
                                                     const ExtraPayments& extra,
                                                     const Regional& forms) {
    const OptionsReading c = whatIfReading(input);
    if (type != TableType && type != ReducingBalanceType)
        return WhatIfRefusal{
            Texts::tr("Extra payments can be worked out for the Table and Reducing "
                      "Balance types.")};
    if (!c.computable || c.amount <= 0.0)
        return enterTheCaseFirst();
    for (const auto& [figure, value] : {std::pair(WhatIfInput::ExtraMonthly, extra.extraMonthly),
                                        std::pair(WhatIfInput::LumpSum, extra.lumpSum)})
        if (auto refusal = figureRefusal(figure, value, forms))
            return *refusal;
    if (extra.extraMonthly >= c.amount)
        return WhatIfRefusal{Texts::tr("The extra amount each month must be less than the amount "
                                       "borrowed."),
                             WhatIfInput::ExtraMonthly};
    if (extra.lumpSum > c.amount)
        return WhatIfRefusal{Texts::tr("The lump sum must be no more than the amount borrowed."),
                             WhatIfInput::LumpSum};
    const int termMonths = static_cast<int>(std::ceil(c.months));
    if (extra.lumpSum > 0.0 && (extra.lumpMonth < 1 || extra.lumpMonth > termMonths))
        return WhatIfRefusal{
            Texts::tr("The month of the lump sum must be between %1 and %2, the months "
                      "of the term.")
                .arg(forms.locale().toString(1), forms.locale().toString(termMonths)),
            WhatIfInput::LumpMonth};
    PayingExtra out;
    out.before = repay(type, c, {});
    out.after = repay(type, c, extra);
    sums(out.before, out.totalBefore, out.interestBefore);
    sums(out.after, out.totalAfter, out.interestAfter);
    out.clearedMonth = out.after.empty() ? 0 : out.after.back().month;
    return out;
}

std::variant<RateReset, WhatIfRefusal> rateReset(const OptionsInput& input, double fixedYears,
                                                 double resetRate, const Regional& forms) {
    const OptionsReading c = whatIfReading(input);
    if (!c.computable || c.amount <= 0.0)
        return enterTheCaseFirst();
    const double fixedMonths = std::round(fixedYears * 12.0);
    if (!(fixedMonths >= 1.0) || fixedMonths >= std::ceil(c.months))
        return WhatIfRefusal{
            Texts::tr("The fixed period must be at least a month and shorter than the "
                      "term."),
            WhatIfInput::FixedYears};
    if (auto refusal = figureRefusal(WhatIfInput::ResetRate, resetRate, forms))
        return *refusal;
    RateReset out;
    out.before = repay(TableType, c, {});
    out.repaymentBefore = levelPayment(c.amount, c.monthlyRate, c.months);
    // Held as the results page holds a rate: a 32-bit float of the monthly rate.
    const double r2 = static_cast<float>(static_cast<float>(resetRate) / 100.0F / 12.0F);
    const int fixed = static_cast<int>(fixedMonths);
    out.after = repay(TableType, c, {}, ExtrasWay::ShortenTheTerm, RateChange{fixed, r2});
    if (out.after.size() >= static_cast<std::size_t>(fixed)) {
        out.balanceAtReset = out.after[static_cast<std::size_t>(fixed) - 1].balance;
        out.repaymentAfter = levelPayment(out.balanceAtReset, r2, c.months - fixedMonths);
    }
    out.affordableAfter = !(c.spareHeld < out.repaymentAfter);
    return out;
}

double defaultResetRate(const OptionsInput& input) {
    return std::min(HighestPercent, whatIfReading(input).ratePercent + 2.0);
}

std::vector<ReportSection> whatIfSummary(const OptionsInput& input, const Regional& regional,
                                         double propertyValue, const WhatIfSettings& settings,
                                         const CurrentLoan& suggested) {
    std::vector<ReportSection> sections;
    const auto money = [&](double value) { return regional.currency(value); };
    const auto rate = [&](double percent) { return regional.percent(percent / 100.0); };
    const auto rise = rateRise(input, settings.risePoints, regional);
    if (const auto* answer = std::get_if<RateRise>(&rise)) {
        ReportSection section{
            Texts::tr("Rates rise"),
            Texts::tr("If the rate rose by %1 points to %2:")
                .arg(regional.number(settings.risePoints), rate(answer->rateAfter)),
            {Texts::tr("Mortgage type"), Texts::tr("First month"), Texts::tr("Then")},
            {},
            {}};
        for (int k = 0; k < MortgageTypeCount; ++k) {
            const RiseRow& row = answer->types[static_cast<std::size_t>(k)];
            section.rows.push_back(
                {mortgageTypeName(k),
                 row.firstOutlayAfter ? money(*row.firstOutlayAfter) : Texts::tr("none"),
                 row.affordableAfter ? Texts::tr("affordable")
                 : row.affordableNow ? Texts::tr("no longer affordable")
                                     : Texts::tr("not affordable")});
        }
        sections.push_back(std::move(section));
    }
    const Borrowing most = borrowing(input, propertyValue);
    ReportSection borrow{Texts::tr("How much could we borrow"),
                         Texts::tr("The most you could borrow at this rate and term:"),
                         {Texts::tr("Mortgage type"), Texts::tr("Largest amount")},
                         {},
                         {}};
    // The share of the property's value only where there is a property.
    const bool valued = std::any_of(most.types.begin(), most.types.end(), [](const BorrowRow& row) {
        return row.loanToValue.has_value();
    });
    if (valued)
        borrow.heads << Texts::tr("Of the property's value");
    for (int k = 0; k < MortgageTypeCount; ++k) {
        const BorrowRow& row = most.types[static_cast<std::size_t>(k)];
        QStringList cells{mortgageTypeName(k),
                          row.largest ? regional.currency(*row.largest) : Texts::tr("nothing")};
        if (valued)
            cells << (row.loanToValue ? rate(*row.loanToValue) : QString());
        borrow.rows.push_back(cells);
    }
    borrow.notes << (most.tableYears
                         ? Texts::tr("The Table repayment equals your spare income over %1.")
                               .arg(yearsText(*most.tableYears, regional.locale()))
                         : Texts::tr("Your spare income does not cover the interest of a "
                                     "Table loan."));
    sections.push_back(std::move(borrow));
    // The questions answered in sentences.
    const auto said = [&](const QString& title, const QStringList& notes) {
        if (!notes.isEmpty())
            sections.push_back({title, {}, {}, {}, notes});
    };
    QStringList lines;
    const double resetRate = settings.resetRate.value_or(defaultResetRate(input));
    const auto reset = rateReset(input, settings.fixedYears, resetRate, regional);
    if (const auto* answer = std::get_if<RateReset>(&reset)) {
        lines << Texts::tr(
                     "A Table loan fixed for %1 years, then at %2: the repayment goes from %3 to "
                     "%4, which is %5.")
                     .arg(regional.number(settings.fixedYears), rate(resetRate),
                          money(answer->repaymentBefore), money(answer->repaymentAfter),
                          answer->affordableAfter ? Texts::tr("affordable")
                                                  : Texts::tr("not affordable"));
    }
    said(Texts::tr("A fixed rate that ends"), std::exchange(lines, {}));
    if (settings.extra.extraMonthly > 0.0 || settings.extra.lumpSum > 0.0) {
        const auto extra = payingExtra(settings.extraType, input, settings.extra);
        if (const auto* answer = std::get_if<PayingExtra>(&extra))
            lines << Texts::tr(
                         "Paying %1 more a month and %2 in month %3 on the %4 loan clears it in "
                         "month %5 and saves %6 of interest.")
                         .arg(money(settings.extra.extraMonthly), money(settings.extra.lumpSum))
                         .arg(settings.extra.lumpMonth)
                         .arg(mortgageTypeName(settings.extraType),
                              monthText(answer->clearedMonth, regional.locale()),
                              money(answer->interestBefore - answer->interestAfter));
        const auto lower = lowerRepayment(settings.extraType, input, settings.extra);
        if (const auto* kept = std::get_if<LowerRepayment>(&lower))
            if (kept->repaymentAfter)
                lines << Texts::tr(
                             "Keeping the term instead, the repayment falls from %1 to %2, and to "
                             "%3 by the last month, and %4 of interest is saved.")
                             .arg(money(kept->repaymentBefore), money(*kept->repaymentAfter),
                                  money(*kept->lastRepayment), money(kept->interestSaved));
    }
    said(Texts::tr("Paying extra"), std::exchange(lines, {}));
    const auto often = howOften(settings.frequencyType, input);
    if (const auto* rows = std::get_if<std::vector<FrequencyRow>>(&often)) {
        const FrequencyRow& fortnightly = (*rows)[1];
        lines << Texts::tr(
                     "Paying the %1 loan fortnightly: %2 a fortnight, %3 of interest saved against "
                     "paying monthly.")
                     .arg(mortgageTypeName(settings.frequencyType), money(fortnightly.repayment),
                          money(fortnightly.interestSaved));
        if (rows->size() > 3) {
            const FrequencyRow& accelerated = (*rows)[3];
            lines << Texts::tr(
                         "Paying half the monthly repayment each fortnight (%1) clears it in %2 "
                         "and saves %3 of interest.")
                         .arg(money(accelerated.repayment),
                              yearsText(accelerated.years(), regional.locale()),
                              money(accelerated.interestSaved));
        }
    }
    said(Texts::tr("How often you pay"), std::exchange(lines, {}));
    if (settings.offsetSavings > 0.0) {
        const auto offset = offsetAccount(input, settings.offsetSavings, settings.offsetMonthly);
        if (const auto* held = std::get_if<Offset>(&offset))
            lines << Texts::tr(
                         "With %1 in an offset account and %2 added each month, the Table loan "
                         "clears in month %3 and saves %4 of interest; paid into the loan instead "
                         "(the %1 at once, the %2 each month), they would clear it in month %5 and "
                         "save %6.")
                         .arg(money(settings.offsetSavings), money(settings.offsetMonthly))
                         .arg(monthText(held->clearedMonth, regional.locale()),
                              money(held->interestSaved),
                              monthText(held->lumpClearedMonth, regional.locale()),
                              money(held->lumpInterestSaved));
    }
    said(Texts::tr("An offset account"), std::exchange(lines, {}));
    if (settings.current) {
        const CurrentLoan current = settings.current->over(suggested);
        const auto switched = refinancing(input, current, regional);
        if (const auto* answer = std::get_if<Refinancing>(&switched)) {
            // Each outcome one whole sentence, so that a language can order it as it must.
            const QString line =
                answer->breakEvenMonth
                    ? Texts::tr("Refinancing a current loan of %1 at %2 with %3 years left: %4 a "
                                "month instead of %5; with the costs of %6, the new loan has cost "
                                "no more than the current one by month %7.")
                          .arg(money(current.balance), rate(current.ratePercent),
                               regional.number(current.yearsLeft), money(answer->newRepayment),
                               money(answer->currentRepayment), money(current.costs),
                               monthText(*answer->breakEvenMonth, regional.locale()))
                    : Texts::tr("Refinancing a current loan of %1 at %2 with %3 years left: %4 a "
                                "month instead of %5; with the costs of %6, the new loan always "
                                "costs more.")
                          .arg(money(current.balance), rate(current.ratePercent),
                               regional.number(current.yearsLeft), money(answer->newRepayment),
                               money(answer->currentRepayment), money(current.costs));
            lines << line;
        }
    }
    said(Texts::tr("Refinancing"), lines);
    return sections;
}

} // namespace hw
