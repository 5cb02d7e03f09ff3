// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "MortgageOptions.h"
#include "money/Currency.h"

#include <QLocale>
#include <QString>
#include <array>
#include <optional>
#include <vector>

// The usual tests a lender of the household's country puts a loan to, beside
// the budget test of the seven types: the rate it is tested at, the share of
// income its repayments and debts take, the deposit and the insurance a high
// loan-to-value calls for. Published rules of each country, not advice.

namespace hw {

enum class LenderCountry {
    None,
    Australia,
    Canada,
    Ireland,
    NewZealand,
    UnitedKingdom,
    UnitedStates
};
inline constexpr std::array<LenderCountry, 7> LenderCountries = {
    LenderCountry::None,        LenderCountry::Australia,  LenderCountry::Canada,
    LenderCountry::Ireland,     LenderCountry::NewZealand, LenderCountry::UnitedKingdom,
    LenderCountry::UnitedStates};

// The country of the system's region where its rules are known and the
// region's language is one its households use; None elsewhere.
LenderCountry lenderCountryOf(const QLocale& locale);
// Its name, translated; and its key in a case file ("none", "ca" ...).
QString lenderCountryName(LenderCountry country);
QString lenderCountryKey(LenderCountry country);
std::optional<LenderCountry> lenderCountryFromKey(const QString& key);

// What only the lender checks ask: the country, and the housing costs and
// debts lenders count that the pages do not gather. The debts entered on the
// liabilities page are repaid by the loan, so these are the debts it leaves.
struct LenderFigures {
    LenderCountry country = LenderCountry::None;
    Currency propertyTaxYearly;
    Currency heatingMonthly;
    Currency condoFeesMonthly;
    Currency debtPaymentsMonthly; // the monthly payments on the debts the loan leaves
    Currency cardBalances;        // credit card balances the loan leaves: 3 % of them a month
    // The amounts in the order the checks' page asks them, and a case file keeps them.
    static constexpr std::array<Currency LenderFigures::*, 5> Amounts = {
        &LenderFigures::propertyTaxYearly, &LenderFigures::heatingMonthly,
        &LenderFigures::condoFeesMonthly, &LenderFigures::debtPaymentsMonthly,
        &LenderFigures::cardBalances};
    friend bool operator==(const LenderFigures&, const LenderFigures&) = default;
};

// The case as the checks read it.
struct LenderCase {
    double amount = 0.0;
    double propertyValue = 0.0; // 0 where the loan buys or secures no property
    double grossYearlyIncome = 0.0;
    double ratePercent = 0.0;
    Compounding compounding = Compounding::Monthly;
    double months = 0.0;
    double spare = 0.0; // the monthly spare income the budget test holds repayments against
    bool firstHome = false;
    LenderFigures figures;
};

enum class LenderRule {
    BufferedRate,        // Australia: repayments at the rate plus 3 points within the spare income
    MortgageInsurance,   // Australia: lenders mortgage insurance above 80 % loan-to-value
    DebtToIncomeLimit,   // Australia, New Zealand: debts of 6 times income or more, limited
    GrossDebtService,    // Canada: housing costs at the qualifying rate, at most 39 % of income
    TotalDebtService,    // Canada: and with the other debts, at most 44 %
    MinimumDownPayment,  // Canada: 5 % of the first $500,000, 10 % of the rest, 20 % from $1.5M
    InsurancePremium,    // Canada: the premium by loan-to-value, added to the loan
    LoanToIncome,        // Ireland: at most 4 times income (first home), 3.5 (others)
    MinimumDeposit,      // Ireland: at least 10 % (loan-to-value at most 90 %)
    LoanToValueLimit,    // New Zealand: above 80 % loan-to-value, limited
    LoanToIncomeLimit,   // United Kingdom: 4.5 times income or more, limited
    RateRiseStress,      // United Kingdom: lenders allow for rates rising (What If, Rates rise)
    DebtToIncomeManual,  // United States: at most 36 % (manual underwriting)
    DebtToIncomeFactors, // United States: at most 45 % (with compensating factors)
    DebtToIncomeAutomated, // United States: at most 50 % (automated underwriting)
    PrivateInsurance,      // United States: private mortgage insurance above 80 % loan-to-value
};

// Passes, fails, or is only noted: a rule that limits how many such loans a
// lender makes refuses no borrower, and is noted where the loan is one.
enum class Verdict { Passes, Fails, Noted };

// One test of one type: the figure tested and the limit, in the rule's own
// unit (money a month, a percentage, a multiple of income), and for the rules
// tested at a higher rate, that rate.
struct LenderCheck {
    LenderRule rule;
    std::optional<double> figure; // none where there is no income to divide by
    double limit = 0.0;
    Verdict verdict = Verdict::Passes;
    double testedRatePercent = 0.0;
    double amount = 0.0; // a premium or a deposit in money, beside a percentage
};

// The rule's key for other programs: "gross-debt-service".
QString lenderRuleKey(LenderRule rule);

using TypeChecks = std::vector<LenderCheck>;
// Each type's checks; all empty for None.
std::array<TypeChecks, MortgageTypeCount> lenderChecks(const LenderCase& c);
bool passes(const TypeChecks& checks);

// Canada's minimum down payment on a property of `value`.
double canadianMinimumDownPayment(double value);
// Canada's mortgage insurance premium, in percent, at a loan-to-value in
// percent; none above 95 %, where no loan is insured.
std::optional<double> canadianPremiumPercent(double loanToValuePercent);

} // namespace hw
