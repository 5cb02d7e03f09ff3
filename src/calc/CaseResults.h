// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "MortgageCase.h"
#include "MortgageOptions.h"
#include "PageArithmetic.h"

#include <QString>
#include <optional>
#include <variant>
#include <vector>

// What a case comes to: every page's totals and the figures it hands on, the
// seven types, or the page and field where the pages would stop it. The pages
// check and work out with these rules, and opening a case, comparing saved
// cases and the command line work a case out with workOutCase alone.

namespace hw {

// Messages the pages give about a figure of the case.
namespace refusals {
// A field the page cannot be left without is 0.
inline constexpr const char* RequiredValue =
    QT_TRANSLATE_NOOP("hw::StepPage", "Please enter required value.");
// An amount, or a sum of amounts, beyond what the program holds.
inline constexpr const char* TooLarge =
    QT_TRANSLATE_NOOP("hw::StepPage", "This amount is too large.");
// Bank charges of 100 % or more, given as a percentage or as a fixed amount.
inline constexpr const char* BankChargesTooHigh =
    QT_TRANSLATE_NOOP("hw::StepPage", "Bank Charges must be less than 100%.");
} // namespace refusals

// A field of a page: its part and its index in that part, in the order of the
// case value. Part 0 holds a page's amounts (assets, liabilities, the purpose
// page's first part), the incomes, the bank charges' percentage (0) and amount
// (1), the rate (0) and the term (1); part 1 the tax rates and the buying or
// building part of the selling purposes.
struct PageField {
    int part = 0;
    int index = 0;
    friend bool operator==(const PageField&, const PageField&) = default;
};

// Where and why the pages stop a case: the step, its field (none for the page
// as a whole) and the page's message (translated in the context "hw::StepPage").
struct CaseRefusal {
    int step = 0;
    std::optional<PageField> field;
    const char* message = nullptr;
    // "Income, Annual Gross Taxable Income: Please enter your income value."
    QString describe() const;
};
using Refusal = std::optional<CaseRefusal>;

// A purpose page's field that must not be 0, and what is said then.
struct RequiredField {
    PageField field;
    const char* message;
};
// What a purpose page is given on entry from the pages before it, besides the debts.
enum class Carried { Nothing, HomeValue, SaleEquity, OwnedProperties };
// A field of a purpose page entering its requirement or property value, with its sign.
struct Term {
    PageField field;
    int sign;
};
// A purpose's rules: its requirement (what is paid, plus current debts, less
// what the household brings) and property value (what secures the loan), the
// field the liabilities' total goes into, what it is given from the pages
// before, and the fields it cannot be left without.
struct PurposeRules {
    std::vector<Term> requirement;
    std::vector<Term> propertyValue;
    PageField debts;
    Carried carried = Carried::Nothing;
    PageField carriedInto;
    std::vector<RequiredField> required;
};
const PurposeRules& purposeRules(int purpose);

Currency& figureAt(PurposeFigures& figures, PageField field);
Currency figureAt(const PurposeFigures& figures, PageField field);

// Exact, left to right; empty when it leaves the currency range.
std::optional<Currency> requirementOf(int purpose, const PurposeFigures& figures);
// Summed as 32-bit floats.
float propertyValueOf(int purpose, const PurposeFigures& figures);
// The sale's equity: selling price less fees less current debts plus the
// contribution, exact; empty when it leaves the currency range.
std::optional<Currency> saleEquity(const PurposeFigures& figures);
// What the purpose page is given from the pages before it (the home's value,
// the sale's equity, the properties owned); empty for a purpose given nothing.
std::optional<Currency> carriedValue(const MortgageCase& value);

// The first-home purposes own no home or rental property yet: the first two
// assets and liabilities count as 0 for them.
void leaveOutOwnedHomes(MortgageCase& value);

// Each page's checks, before it works out its totals and after.
Refusal checkAssets(const MortgageCase& value);
Refusal checkLiabilitiesTotal(const MortgageCase& value, Currency totalLiabilities);
Refusal checkIncome(const MortgageCase& value);
Refusal checkRequirement(const MortgageCase& value);
Refusal checkRequirementTotal(int purpose, Currency total, const Regional& regional);
// The bank charges are checked where they are given: the percentage, or the
// fixed amount against the total before bank charges.
Refusal checkCharges(const MortgageCase& value, const ChargesFigures& page);
Refusal checkRate(const MortgageCase& value);
// A sum on `step` left the currency range.
CaseRefusal tooLargeAt(int step);

// The fees and bank charges page as it is entered: the purpose's requirement,
// the case's fees and bank charges.
ChargesFigures chargesOnEntry(const MortgageCase& value);

// What the pages work out and hand on to the pages after them.
struct CaseFigures {
    Currency totalAssets;
    Currency totalLiabilities;
    double monthlyIncomeAfterTax = 0.0; // unrounded
    Currency shownIncomeAfterTax;       // as the income page shows it
    // Exact when the budget is monthly, a double when it was converted from fortnights.
    std::variant<Currency, double> monthlyExpenditure = Currency();
    Currency shownExpenditure; // as the budget page shows it
    // The purpose page's requirement, then with the fees and bank charges.
    Currency requirement;
    float propertyValue = 0.0F;
    std::optional<float> loanValueRatio;
    friend bool operator==(const CaseFigures&, const CaseFigures&) = default;
};

// A page's own working out into `figures`: the income after tax, the monthly
// expenditure; empty or false when a sum leaves the currency range.
std::optional<IncomeResult> workOutIncome(const MortgageCase& value, const Regional& regional,
                                          CaseFigures& figures);
bool workOutExpenditure(const MortgageCase& value, const Regional& regional, CaseFigures& figures);
// The purpose page as it is entered: the liabilities' total in its debts
// field and what it carries in its field; false when what it carries leaves
// the currency range.
bool enterPurposePage(MortgageCase& value, Currency totalLiabilities, const Regional& regional);

// Everything a case comes to.
struct CaseResults {
    // The case with what the pages fill in: the owned homes a first home
    // leaves out, the debts and the carried value of the purpose page, the
    // bank charges worked out from their percentage or amount.
    MortgageCase worked;
    CaseFigures figures;
    std::optional<IncomeResult> income;
    Currency purposeTotal; // the purpose page's total
    ChargesFigures charges;
    OptionsInput optionsInput;
    std::optional<OptionsResult> options;
    // Where the pages stop the case; empty when it reaches the results.
    Refusal refusal;
    // The step the case reaches: the results, or the refusal's page.
    int reached = 0;
    // Whether the pages worked `step` out (it lies before the one reached).
    bool passed(int step) const;
};
CaseResults workOutCase(const MortgageCase& value, const Regional& regional,
                        Schedules schedules = Schedules::Without);

// The case as the seven types read it: the rate page's figures as 32-bit floats.
OptionsInput optionsInputOf(const MortgageCase& value, const CaseFigures& figures);

} // namespace hw
