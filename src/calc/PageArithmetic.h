// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "money/Currency.h"
#include "money/Regional.h"

#include <QString>
#include <array>
#include <optional>
#include <span>
#include <variant>

namespace hw {

// Income: each row's after-tax amount is shown to the cent, and the monthly
// income after tax adds the shown amounts, not the exact ones.
struct IncomeRow {
    Currency gross;
    float taxRate; // per cent
};
struct IncomeResult {
    std::array<Currency, 3> afterTax; // each row's, as shown
    double monthlyAfterTax = 0.0;     // unrounded
    Currency shownMonthlyGross;
    Currency shownMonthlyAfterTax;
};
std::optional<IncomeResult> calculateIncome(std::span<const IncomeRow, 3> rows,
                                            const Regional& regional);

// Budget: a fortnightly sum becomes monthly as sum x 26 / 12, kept unrounded.
std::optional<std::variant<Currency, double>> monthlyExpenditure(std::span<const Currency> amounts,
                                                                 bool fortnightly);
double toDouble(const std::variant<Currency, double>& value);

// The fees and bank charges page, as its fields show it.
struct ChargesFigures {
    Currency subtotal;
    Currency valuation;
    Currency legal;
    Currency beforeBank;  // "Total Before Bank Charges:"
    double percent = 0.0; // bank charges as a percentage, in per cent
    Currency amount;      // bank charges as an amount
    Currency total;
    friend bool operator==(const ChargesFigures&, const ChargesFigures&) = default;
};
// "Total Before Bank Charges:": subtotal, valuation and legal costs, summed
// exactly; empty when the sum leaves the currency range.
std::optional<Currency> totalBeforeBank(const ChargesFigures& page);
// How the bank charges are given: as a percentage of the total before them, or as an amount.
enum class ChargesMode { Percent, FixedAmount };
// Fills the page from the purpose page's requirement, keeping the bank charges
// as the user gave them; false when a sum leaves the currency range. Every sum
// is exact, so an amount changes only when an input does.
bool setUpCharges(ChargesFigures& page, Currency requirement, ChargesMode mode,
                  const Regional& regional);
struct ChargesOutcome {
    Currency requirement;
    float loanValueRatio;
};
// The page's Calculate; empty when the total leaves the currency range.
std::optional<ChargesOutcome> calculateCharges(ChargesFigures& page, ChargesMode mode,
                                               float propertyValue, const Regional& regional);
// The share of the total before bank charges that the fixed amount is (0.01 for 1 %).
std::optional<double> fixedChargeShare(const ChargesFigures& page);

// The five lines of the affordability summary, from the monthly income after
// tax and the monthly expenditure as their pages show them: each a caption and
// its figure.
struct SummaryLine {
    QString caption;
    QString figure;
};
std::array<SummaryLine, 5> buildSummaryLines(Currency requirement,
                                             std::optional<float> loanValueRatio, Currency income,
                                             Currency budget, const Regional& regional);

} // namespace hw
