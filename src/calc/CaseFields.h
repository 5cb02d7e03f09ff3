// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The pages' titles and the captions of the case's fields, in the order of the
// case value, and each purpose's name and file key: the pages label their
// fields and buttons with these, and a case file knows a purpose by its key and
// names a figure it refuses by its page and caption ("Income, Other Annual
// Gross Income"). Titles translate in the context "hw::StepPage", captions in
// "hw::PageBuilder".

#include "steps/Purposes.h"

#include <QString>
#include <QtGlobal>
#include <array>

namespace hw::captions {

inline constexpr const char* AssetsTitle = QT_TRANSLATE_NOOP("hw::StepPage", "ASSETS");
inline constexpr const char* LiabilitiesTitle = QT_TRANSLATE_NOOP("hw::StepPage", "LIABILITIES");
inline constexpr const char* IncomeTitle = QT_TRANSLATE_NOOP("hw::StepPage", "INCOME");
inline constexpr const char* BudgetTitle = QT_TRANSLATE_NOOP("hw::StepPage", "EXPENSES");
inline constexpr const char* ChargesTitle =
    QT_TRANSLATE_NOOP("hw::StepPage", "FEES AND BANK CHARGES");
inline constexpr const char* RateTitle =
    QT_TRANSLATE_NOOP("hw::StepPage", "INTEREST RATE AND TERM");

#define HW_CAPTION(text) QT_TRANSLATE_NOOP("hw::PageBuilder", text)

// The left column, then the right.
inline constexpr std::array<const char*, 10> Assets = {
    HW_CAPTION("Current Domestic Residence:"),
    HW_CAPTION("Combined Rental Properties:"),
    HW_CAPTION("Combined Value of Vehicles:"),
    HW_CAPTION("Surrender Value Of Life Policies:"),
    HW_CAPTION("Other Land or Section Value:"),
    HW_CAPTION("Managed Funds:"),
    HW_CAPTION("Superannuation:"),
    HW_CAPTION("Savings:"),
    HW_CAPTION("Shares:"),
    HW_CAPTION("Other:")};
inline constexpr std::array<const char*, 6> Liabilities = {
    HW_CAPTION("Domestic Mortgage:"),    HW_CAPTION("Combined Rental Properties:"),
    HW_CAPTION("Personal Loans:"),       HW_CAPTION("Hire Purchases  (inc. Car):"),
    HW_CAPTION("Credit Card Balances:"), HW_CAPTION("Other:")};
inline constexpr std::array<const char*, 3> Income = {HW_CAPTION("Annual Gross Taxable Income:"),
                                                      HW_CAPTION("Other Annual Gross Income:"),
                                                      HW_CAPTION("Any Other Annual Gross Income:")};
inline constexpr const char* TaxRate = HW_CAPTION("Tax Rate:");
inline constexpr std::array<const char*, 7> Budget = {
    HW_CAPTION("Household Shopping (Food and Groceries, Meals out...):"),
    HW_CAPTION("Utilities (Telephone, Electricity, LPG...):"),
    HW_CAPTION("Transportation (Fuel, Maintenance, Road Taxes...):"),
    HW_CAPTION("Insurance (Vehicles, Medical, Life... ):"),
    HW_CAPTION("Education (Schooling, University, Childcare...):"),
    HW_CAPTION("Leisure (Entertainment, Gifts, TV...):"),
    HW_CAPTION("Other (Clothing, Pets, Donations...):")};
inline constexpr const char* ValuationFee = HW_CAPTION("Valuation Fees:");
inline constexpr const char* LegalFee = HW_CAPTION("Legal or Conveyancing Costs:");
inline constexpr const char* BankCharges = HW_CAPTION("Bank Charges:");
inline constexpr const char* InterestRate = HW_CAPTION("Interest Rate:");
inline constexpr const char* Term = HW_CAPTION("Term in Years:");

// What the lender checks ask beyond the pages, in the order of LenderFigures.
inline constexpr const char* LenderTitle = QT_TRANSLATE_NOOP("hw::StepPage", "LENDER CHECKS");
inline constexpr std::array<const char*, 5> Lender = {
    HW_CAPTION("Property Tax a Year:"), HW_CAPTION("Heating a Month:"),
    HW_CAPTION("Condominium Fees a Month:"), HW_CAPTION("Payments on Other Debts a Month:"),
    HW_CAPTION("Other Credit Card Balances:")};

// A purpose: its name on the purpose page's button (context
// "hw::PurposeChoicePage"), the word a case file knows it by, its page's title
// and its fields, the first part's and, for the two selling purposes, the
// buying or building part's (none past the last).
struct PurposeCaptions {
    const char* name;
    const char* fileKey;
    const char* title;
    std::array<const char*, 5> first;
    std::array<const char*, 4> second;
};
inline constexpr const char* CurrentDebts = HW_CAPTION("Total Current Debts:");
inline constexpr const char* CurrentDebtsLower = HW_CAPTION("Total current Debts:");
inline constexpr const char* Contribution = HW_CAPTION("Your Contribution:");
inline constexpr const char* CashContribution = HW_CAPTION("Your Cash Contribution:");
inline constexpr const char* Withhold = HW_CAPTION("Cash you wish to withhold:");
inline constexpr const char* Equity = HW_CAPTION("Your Equity:");
inline constexpr std::array<PurposeCaptions, PurposeCount> Purposes = {{
    {QT_TRANSLATE_NOOP("hw::PurposeChoicePage", "First Home Buyer"),
     "first-home-buyer",
     QT_TRANSLATE_NOOP("hw::StepPage", "FIRST TIME HOME BUYER"),
     {HW_CAPTION("Purchase Price:"), Contribution, CurrentDebts},
     {}},
    {QT_TRANSLATE_NOOP("hw::PurposeChoicePage", "First Home Builder"),
     "first-home-builder",
     QT_TRANSLATE_NOOP("hw::StepPage", "FIRST TIME HOME BUILDER"),
     {HW_CAPTION("Value of Land:"), HW_CAPTION("Total Cost to Build:"), Contribution,
      CurrentDebtsLower},
     {}},
    {QT_TRANSLATE_NOOP("hw::PurposeChoicePage", "Home Improvement"),
     "home-improvement",
     QT_TRANSLATE_NOOP("hw::StepPage", "HOME IMPROVEMENT"),
     {HW_CAPTION("Current Value of Your Home:"), HW_CAPTION("Total Cost of the Improvements:"),
      CurrentDebts, Contribution},
     {}},
    {QT_TRANSLATE_NOOP("hw::PurposeChoicePage", "Selling and Buying"),
     "selling-and-buying",
     QT_TRANSLATE_NOOP("hw::StepPage", "SELLING AND BUYING"),
     {HW_CAPTION("Selling Price: "), HW_CAPTION("Real Estate Fees:"), CurrentDebts, Contribution},
     {Equity, HW_CAPTION("Purchase Price:"), Withhold}},
    {QT_TRANSLATE_NOOP("hw::PurposeChoicePage", "Selling and Building"),
     "selling-and-building",
     QT_TRANSLATE_NOOP("hw::StepPage", "SELLING AND BUILDING"),
     {HW_CAPTION("Selling Price:"), HW_CAPTION("Real Estate Fees:"), CurrentDebts, Contribution},
     {Equity, HW_CAPTION("Cost of Land:"), HW_CAPTION("Cost to Build:"), Withhold}},
    {QT_TRANSLATE_NOOP("hw::PurposeChoicePage", "Additional Real Estate Purchase"),
     "additional-real-estate",
     QT_TRANSLATE_NOOP("hw::StepPage", "ADDITIONAL REAL ESTATE PURCHASE"),
     {HW_CAPTION("Purchase Price of new Property:"), CurrentDebts, CashContribution,
      HW_CAPTION("Total Value of other Properties:")},
     {}},
    {QT_TRANSLATE_NOOP("hw::PurposeChoicePage", "Additional Building"),
     "additional-building",
     QT_TRANSLATE_NOOP("hw::StepPage", "ADDITIONAL BUILDING"),
     {HW_CAPTION("Cost of Land:"), HW_CAPTION("Cost to Build:"), CurrentDebtsLower,
      CashContribution, HW_CAPTION("Total Value of Properties:")},
     {}},
    {QT_TRANSLATE_NOOP("hw::PurposeChoicePage", "Refinance"),
     "refinance",
     QT_TRANSLATE_NOOP("hw::StepPage", "REFINANCE"),
     {Withhold, CurrentDebts, Contribution, HW_CAPTION("Total value of Properties: ")},
     {}},
    {QT_TRANSLATE_NOOP("hw::PurposeChoicePage", "Other Loans"),
     "other-loans",
     QT_TRANSLATE_NOOP("hw::StepPage", "OTHER LOANS"),
     {HW_CAPTION("Amount You Want To Borrow:"), CurrentDebts, Contribution},
     {}},
}};

#undef HW_CAPTION

// A page's title as a name: "INCOME" is "Income".
QString pageName(const char* title);
// A field named by its page and caption, translated: "Income, Other Annual Gross Income".
QString fieldName(const char* title, const char* caption);
// An income row's tax rate: "Income, Other Annual Gross Income, tax rate".
QString taxRateName(std::size_t row);

} // namespace hw::captions
