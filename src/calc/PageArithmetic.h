#pragma once

#include "money/Currency.h"
#include "money/Regional.h"

#include <QString>
#include <array>
#include <functional>
#include <optional>
#include <span>
#include <variant>
#include <vector>

namespace hw {

// A shown amount, or 0 where the text holds none.
Currency amountIn(const QString& text, const Regional& regional);
// The spare monthly income as shown: income after tax less expenditure, each as
// displayed (so to the cent); empty when the difference leaves the currency range.
std::optional<Currency> displayedSpare(const QString& incomeText, const QString& budgetText,
                                       const Regional& regional);

// Income: each row's after-tax amount is shown to the cent, and the monthly
// income after tax adds the shown amounts, not the exact ones.
struct IncomeRow {
    Currency gross;
    float taxRate; // per cent
};
struct IncomeResult {
    std::array<QString, 3> afterTaxTexts;
    double monthlyAfterTax = 0.0; // unrounded
    QString monthlyGrossText;
    QString monthlyAfterTaxText;
};
std::optional<IncomeResult> calculateIncome(std::span<const IncomeRow, 3> rows,
                                            const Regional& regional);

// Budget: a fortnightly sum becomes monthly as sum x 26 / 12, kept unrounded.
std::optional<std::variant<Currency, double>> monthlyExpenditure(std::span<const Currency> amounts,
                                                                 bool fortnightly);
double toDouble(const std::variant<Currency, double>& value);

// The requirement and property value of a purpose page. A term names a field
// of the page's first group (part 0) or of its second one (part 1: the buying
// or building part), with the sign it enters the sum with.
struct Term {
    int part;
    int index;
    int sign;
};
struct PurposeFormula {
    std::vector<Term> requirement;
    std::vector<Term> propertyValue;
};
const PurposeFormula& purposeFormula(int purpose);

// Reads a field of the page: part and index to its text.
using FieldText = std::function<QString(int part, int index)>;
// Exact, left to right; empty when it leaves the currency range.
std::optional<Currency> requirementOf(const PurposeFormula& formula, const FieldText& text,
                                      const Regional& regional);
// Summed as 32-bit floats.
float propertyValueOf(const PurposeFormula& formula, const FieldText& text,
                      const Regional& regional);
// Equity on entering a selling page: price - fees - debts + contribution, in 32-bit floats.
float entryEquity(std::span<const QString, 4> selling, const Regional& regional);

// The fees and bank charges page, as the texts of its fields.
struct ChargesTexts {
    QString subtotal;
    QString valuation;
    QString legal;
    QString beforeBank; // "Total Before Bank Charges:"
    QString percent;    // bank charges as a percentage
    QString amount;     // bank charges as an amount
    QString total;
};
// "Total Before Bank Charges:": subtotal, valuation and legal costs, summed
// exactly; empty when the sum leaves the currency range.
std::optional<Currency> totalBeforeBank(const ChargesTexts& page, const Regional& regional);
// How the bank charges are given: as a percentage of the total before them, or as an amount.
enum class ChargesMode { Percent, FixedAmount };
// Fills the page from the purpose page's requirement, keeping the bank charges
// as the user gave them; false when a sum leaves the currency range. Every sum
// is exact, so an amount changes only when an input does.
bool setUpCharges(ChargesTexts& page, Currency requirement, ChargesMode mode,
                  const Regional& regional);
struct ChargesOutcome {
    Currency requirement;
    float loanValueRatio;
};
// The page's Calculate; empty when the total leaves the currency range.
std::optional<ChargesOutcome> calculateCharges(ChargesTexts& page, ChargesMode mode,
                                               float propertyValue, const Regional& regional);
// The share of the total before bank charges that the fixed amount is (0.01 for 1 %).
std::optional<double> fixedChargeShare(const ChargesTexts& page, const Regional& regional);

// The five lines of the affordability summary.
std::array<QString, 5> buildSummaryLines(Currency requirement, std::optional<float> loanValueRatio,
                                         const QString& incomeText, const QString& budgetText,
                                         const Regional& regional);

} // namespace hw
