// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PageArithmetic.h"

#include "steps/StepPath.h"

#include <QCoreApplication>
#include <cmath>

namespace hw {

namespace {
// A percentage as shown (two decimals) in hundredths of a percent: 1.00 % is 100.
std::int64_t hundredthsOf(float percent) {
    const double hundredths = std::round(static_cast<double>(percent) * 100.0);
    return std::isfinite(hundredths) && std::fabs(hundredths) < 1e15
               ? static_cast<std::int64_t>(hundredths)
               : 0;
}
// `percent` of `amount`, exact and rounded once to the currency's decimals, so
// that a half cent rounds away from zero as every shown figure does.
std::optional<Currency> percentage(Currency amount, float percent, const Regional& regional) {
    return amount.timesFraction(hundredthsOf(percent), 10000, regional.currencyDecimals());
}
} // namespace

std::optional<Currency> totalBeforeBank(const ChargesFigures& page) {
    const Currency parts[] = {page.subtotal, page.valuation, page.legal};
    return sum(parts);
}

namespace {
// The bank charges that the percentage gives on the total before bank charges, as shown.
Currency chargeByPercent(Currency before, const ChargesFigures& page, const Regional& regional) {
    return regional.shown(
        percentage(before, static_cast<float>(page.percent), regional).value_or(Currency()));
}
// The share of the total before bank charges that a fixed charge is; 0 of nothing.
double shareOf(Currency charge, Currency before) {
    return before.isZero() ? 0.0 : charge.toDouble() / before.toDouble();
}
} // namespace

std::optional<double> fixedChargeShare(const ChargesFigures& page) {
    const auto before = totalBeforeBank(page);
    if (!before)
        return std::nullopt;
    return shareOf(page.amount, *before);
}

std::optional<IncomeResult> calculateIncome(std::span<const IncomeRow, 3> rows,
                                            const Regional& regional) {
    IncomeResult result;
    Currency gross;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const auto next = gross.plus(rows[i].gross);
        if (!next)
            return std::nullopt;
        gross = *next;
        const auto afterTax = percentage(rows[i].gross, 100.0F - rows[i].taxRate, regional);
        if (!afterTax)
            return std::nullopt;
        result.afterTax[i] = regional.shown(*afterTax);
        // The monthly figure adds what the rows show, to the cent.
        result.monthlyAfterTax += result.afterTax[i].toDouble();
    }
    result.monthlyAfterTax /= 12.0;
    result.shownMonthlyGross = regional.shown(gross.toDouble() / 12.0);
    result.shownMonthlyAfterTax = regional.shown(result.monthlyAfterTax);
    return result;
}

std::optional<std::variant<Currency, double>> monthlyExpenditure(std::span<const Currency> amounts,
                                                                 bool fortnightly) {
    const auto total = sum(amounts);
    if (!total)
        return std::nullopt;
    if (!fortnightly)
        return std::variant<Currency, double>(*total);
    // 26 fortnights a year over 12 months: the product is exact, the quotient unrounded.
    const auto yearly = total->times(26);
    if (!yearly)
        return std::nullopt;
    return std::variant<Currency, double>(yearly->toDouble() / 12.0);
}

double toDouble(const std::variant<Currency, double>& value) {
    if (const auto* exact = std::get_if<Currency>(&value))
        return exact->toDouble();
    return std::get<double>(value);
}

namespace {
// The two ways of giving the bank charges: the percentage gives the amount, or
// the fixed amount the user typed gives the percentage.
std::optional<Currency> applyCharges(ChargesFigures& page, ChargesMode mode, Currency before,
                                     const Regional& regional) {
    page.beforeBank = regional.shown(before);
    if (mode == ChargesMode::Percent)
        page.amount = chargeByPercent(before, page, regional);
    else
        page.percent = Regional::shownPercent(shareOf(page.amount, before));
    return before.plus(page.amount);
}
} // namespace

bool setUpCharges(ChargesFigures& page, Currency requirement, ChargesMode mode,
                  const Regional& regional) {
    page.subtotal = regional.shown(requirement);
    const auto before = totalBeforeBank(page);
    const auto total = before ? applyCharges(page, mode, *before, regional) : std::nullopt;
    if (!total)
        return false;
    page.total = regional.shown(*total);
    return true;
}

std::optional<ChargesOutcome> calculateCharges(ChargesFigures& page, ChargesMode mode,
                                               float propertyValue, const Regional& regional) {
    const auto before = totalBeforeBank(page);
    const auto requirement = before ? applyCharges(page, mode, *before, regional) : std::nullopt;
    if (!requirement)
        return std::nullopt;
    // Without a property value there is no ratio to give: 0.
    const float ratio = propertyValue == 0.0F ? 0.0F : before->toFloat() / propertyValue;
    page.total = regional.shown(*requirement);
    return ChargesOutcome{*requirement, ratio};
}

std::array<SummaryLine, 5> buildSummaryLines(Currency requirement,
                                             std::optional<float> loanValueRatio, Currency income,
                                             Currency budget, const Regional& regional) {
    const auto spare = income.minus(budget);
    return {{
        {QCoreApplication::translate("hw::Summary", "Mortgage Requirement:"),
         regional.currency(requirement)},
        {QCoreApplication::translate("hw::Summary", "Loan to Value Ratio:"),
         regional.percent(static_cast<double>(loanValueRatio.value_or(0.0F)))},
        {QCoreApplication::translate("hw::Summary", "Total Monthly Income After Tax:"),
         regional.currency(income)},
        {QCoreApplication::translate("hw::Summary", "Monthly Expenditure:"),
         regional.currency(budget)},
        {QCoreApplication::translate("hw::Summary", "Spare:"),
         regional.currency(spare.value_or(Currency()))},
    }};
}

} // namespace hw
