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

// The left column, then the right.
inline constexpr std::array<const char*, 10> Assets = {
    QT_TRANSLATE_NOOP("hw::PageBuilder", "Current Domestic Residence:"),
    QT_TRANSLATE_NOOP("hw::PageBuilder", "Combined Rental Properties:"),
    QT_TRANSLATE_NOOP("hw::PageBuilder", "Combined Value of Vehicles:"),
    QT_TRANSLATE_NOOP("hw::PageBuilder", "Surrender Value Of Life Policies:"),
    QT_TRANSLATE_NOOP("hw::PageBuilder", "Other Land or Section Value:"),
    QT_TRANSLATE_NOOP("hw::PageBuilder", "Managed Funds:"),
    QT_TRANSLATE_NOOP("hw::PageBuilder", "Superannuation:"),
    QT_TRANSLATE_NOOP("hw::PageBuilder", "Savings:"),
    QT_TRANSLATE_NOOP("hw::PageBuilder", "Shares:"),
    QT_TRANSLATE_NOOP("hw::PageBuilder", "Other:")};
inline constexpr std::array<const char*, 6> Liabilities = {
    QT_TRANSLATE_NOOP("hw::PageBuilder", "Domestic Mortgage:"),
    QT_TRANSLATE_NOOP("hw::PageBuilder", "Combined Rental Properties:"),
    QT_TRANSLATE_NOOP("hw::PageBuilder", "Personal Loans:"),
    QT_TRANSLATE_NOOP("hw::PageBuilder", "Hire Purchases  (inc. Car):"),
    QT_TRANSLATE_NOOP("hw::PageBuilder", "Credit Card Balances:"),
    QT_TRANSLATE_NOOP("hw::PageBuilder", "Other:")};
inline constexpr std::array<const char*, 3> Income = {
    QT_TRANSLATE_NOOP("hw::PageBuilder", "Annual Gross Taxable Income:"),
    QT_TRANSLATE_NOOP("hw::PageBuilder", "Other Annual Gross Income:"),
    QT_TRANSLATE_NOOP("hw::PageBuilder", "Any Other Annual Gross Income:")};
inline constexpr const char* TaxRate = QT_TRANSLATE_NOOP("hw::PageBuilder", "Tax Rate:");
inline constexpr std::array<const char*, 7> Budget = {
    QT_TRANSLATE_NOOP("hw::PageBuilder", "Household Shopping (Food and Groceries, Meals out...):"),
    QT_TRANSLATE_NOOP("hw::PageBuilder", "Utilities (Telephone, Electricity, LPG...):"),
    QT_TRANSLATE_NOOP("hw::PageBuilder", "Transportation (Fuel, Maintenance, Road Taxes...):"),
    QT_TRANSLATE_NOOP("hw::PageBuilder", "Insurance (Vehicles, Medical, Life... ):"),
    QT_TRANSLATE_NOOP("hw::PageBuilder", "Education (Schooling, University, Childcare...):"),
    QT_TRANSLATE_NOOP("hw::PageBuilder", "Leisure (Entertainment, Gifts, TV...):"),
    QT_TRANSLATE_NOOP("hw::PageBuilder", "Other (Clothing, Pets, Donations...):")};
inline constexpr const char* ValuationFee = QT_TRANSLATE_NOOP("hw::PageBuilder", "Valuation Fees:");
inline constexpr const char* LegalFee =
    QT_TRANSLATE_NOOP("hw::PageBuilder", "Legal or Conveyancing Costs:");
inline constexpr const char* BankCharges = QT_TRANSLATE_NOOP("hw::PageBuilder", "Bank Charges:");
inline constexpr const char* InterestRate = QT_TRANSLATE_NOOP("hw::PageBuilder", "Interest Rate:");
inline constexpr const char* Term = QT_TRANSLATE_NOOP("hw::PageBuilder", "Term in Years:");

// What the lender checks ask beyond the pages, in the order of LenderFigures.
inline constexpr const char* LenderTitle = QT_TRANSLATE_NOOP("hw::StepPage", "LENDER CHECKS");
inline constexpr std::array<const char*, 5> Lender = {
    QT_TRANSLATE_NOOP("hw::PageBuilder", "Property Tax a Year:"),
    QT_TRANSLATE_NOOP("hw::PageBuilder", "Heating a Month:"),
    QT_TRANSLATE_NOOP("hw::PageBuilder", "Condominium Fees a Month:"),
    QT_TRANSLATE_NOOP("hw::PageBuilder", "Payments on Other Debts a Month:"),
    QT_TRANSLATE_NOOP("hw::PageBuilder", "Other Credit Card Balances:")};

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
inline constexpr const char* CurrentDebts =
    QT_TRANSLATE_NOOP("hw::PageBuilder", "Total Current Debts:");
inline constexpr const char* CurrentDebtsLower =
    QT_TRANSLATE_NOOP("hw::PageBuilder", "Total current Debts:");
inline constexpr const char* Contribution =
    QT_TRANSLATE_NOOP("hw::PageBuilder", "Your Contribution:");
inline constexpr const char* CashContribution =
    QT_TRANSLATE_NOOP("hw::PageBuilder", "Your Cash Contribution:");
inline constexpr const char* Withhold =
    QT_TRANSLATE_NOOP("hw::PageBuilder", "Cash you wish to withhold:");
inline constexpr const char* Equity = QT_TRANSLATE_NOOP("hw::PageBuilder", "Your Equity:");
inline constexpr std::array<PurposeCaptions, PurposeCount> Purposes = {{
    {QT_TRANSLATE_NOOP("hw::PurposeChoicePage", "First Home Buyer"),
     "first-home-buyer",
     QT_TRANSLATE_NOOP("hw::StepPage", "FIRST TIME HOME BUYER"),
     {QT_TRANSLATE_NOOP("hw::PageBuilder", "Purchase Price:"), Contribution, CurrentDebts},
     {}},
    {QT_TRANSLATE_NOOP("hw::PurposeChoicePage", "First Home Builder"),
     "first-home-builder",
     QT_TRANSLATE_NOOP("hw::StepPage", "FIRST TIME HOME BUILDER"),
     {QT_TRANSLATE_NOOP("hw::PageBuilder", "Value of Land:"),
      QT_TRANSLATE_NOOP("hw::PageBuilder", "Total Cost to Build:"), Contribution,
      CurrentDebtsLower},
     {}},
    {QT_TRANSLATE_NOOP("hw::PurposeChoicePage", "Home Improvement"),
     "home-improvement",
     QT_TRANSLATE_NOOP("hw::StepPage", "HOME IMPROVEMENT"),
     {QT_TRANSLATE_NOOP("hw::PageBuilder", "Current Value of Your Home:"),
      QT_TRANSLATE_NOOP("hw::PageBuilder", "Total Cost of the Improvements:"), CurrentDebts,
      Contribution},
     {}},
    {QT_TRANSLATE_NOOP("hw::PurposeChoicePage", "Selling and Buying"),
     "selling-and-buying",
     QT_TRANSLATE_NOOP("hw::StepPage", "SELLING AND BUYING"),
     {QT_TRANSLATE_NOOP("hw::PageBuilder", "Selling Price: "),
      QT_TRANSLATE_NOOP("hw::PageBuilder", "Real Estate Fees:"), CurrentDebts, Contribution},
     {Equity, QT_TRANSLATE_NOOP("hw::PageBuilder", "Purchase Price:"), Withhold}},
    {QT_TRANSLATE_NOOP("hw::PurposeChoicePage", "Selling and Building"),
     "selling-and-building",
     QT_TRANSLATE_NOOP("hw::StepPage", "SELLING AND BUILDING"),
     {QT_TRANSLATE_NOOP("hw::PageBuilder", "Selling Price:"),
      QT_TRANSLATE_NOOP("hw::PageBuilder", "Real Estate Fees:"), CurrentDebts, Contribution},
     {Equity, QT_TRANSLATE_NOOP("hw::PageBuilder", "Cost of Land:"),
      QT_TRANSLATE_NOOP("hw::PageBuilder", "Cost to Build:"), Withhold}},
    {QT_TRANSLATE_NOOP("hw::PurposeChoicePage", "Additional Real Estate Purchase"),
     "additional-real-estate",
     QT_TRANSLATE_NOOP("hw::StepPage", "ADDITIONAL REAL ESTATE PURCHASE"),
     {QT_TRANSLATE_NOOP("hw::PageBuilder", "Purchase Price of new Property:"), CurrentDebts,
      CashContribution, QT_TRANSLATE_NOOP("hw::PageBuilder", "Total Value of other Properties:")},
     {}},
    {QT_TRANSLATE_NOOP("hw::PurposeChoicePage", "Additional Building"),
     "additional-building",
     QT_TRANSLATE_NOOP("hw::StepPage", "ADDITIONAL BUILDING"),
     {QT_TRANSLATE_NOOP("hw::PageBuilder", "Cost of Land:"),
      QT_TRANSLATE_NOOP("hw::PageBuilder", "Cost to Build:"), CurrentDebtsLower, CashContribution,
      QT_TRANSLATE_NOOP("hw::PageBuilder", "Total Value of Properties:")},
     {}},
    {QT_TRANSLATE_NOOP("hw::PurposeChoicePage", "Refinance"),
     "refinance",
     QT_TRANSLATE_NOOP("hw::StepPage", "REFINANCE"),
     {Withhold, CurrentDebts, Contribution,
      QT_TRANSLATE_NOOP("hw::PageBuilder", "Total value of Properties: ")},
     {}},
    {QT_TRANSLATE_NOOP("hw::PurposeChoicePage", "Other Loans"),
     "other-loans",
     QT_TRANSLATE_NOOP("hw::StepPage", "OTHER LOANS"),
     {QT_TRANSLATE_NOOP("hw::PageBuilder", "Amount You Want To Borrow:"), CurrentDebts,
      Contribution},
     {}},
}};

// A page's title as a name: "INCOME" is "Income".
QString pageName(const char* title);
// A field named by its page and caption, translated: "Income, Other Annual Gross Income".
QString fieldName(const char* title, const char* caption);
// An income row's tax rate: "Income, Other Annual Gross Income, tax rate".
QString taxRateName(std::size_t row);

} // namespace hw::captions
