// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#include "LenderTexts.h"

#include "WhatIf.h"

#include <QCoreApplication>
#include <algorithm>

namespace hw {

namespace {

// The texts of this file, in its translation context.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(hw::LenderTexts)
};

} // namespace

LenderCase lenderCaseOf(const MortgageCase& value, const CaseFigures& figures) {
    LenderCase c;
    c.amount = figures.requirement.toDouble();
    c.propertyValue = securedPropertyValue(value, figures);
    for (const IncomeFigures& income : value.income)
        c.grossYearlyIncome += income.gross.toDouble();
    c.ratePercent = value.ratePercent;
    c.compounding = value.compounding;
    c.months = value.termYears * 12.0;
    c.spare = readOptions(optionsInputOf(value, figures)).spareHeld;
    c.firstHome = isFirstHome(value.purpose);
    c.figures = value.lender;
    return c;
}

QString lenderRuleName(LenderRule rule) {
    switch (rule) {
    case LenderRule::BufferedRate:
        return Texts::tr("Repayments at a higher rate");
    case LenderRule::MortgageInsurance:
        return Texts::tr("Lenders mortgage insurance");
    case LenderRule::DebtToIncomeLimit:
        return Texts::tr("Debt to income");
    case LenderRule::GrossDebtService:
        return Texts::tr("Gross debt service");
    case LenderRule::TotalDebtService:
        return Texts::tr("Total debt service");
    case LenderRule::MinimumDownPayment:
        return Texts::tr("Minimum down payment");
    case LenderRule::InsurancePremium:
        return Texts::tr("Mortgage insurance");
    case LenderRule::LoanToIncome:
        return Texts::tr("Loan to income");
    case LenderRule::MinimumDeposit:
        return Texts::tr("Minimum deposit");
    case LenderRule::LoanToValueLimit:
        return Texts::tr("Loan to value");
    case LenderRule::LoanToIncomeLimit:
        return Texts::tr("Loan to income");
    case LenderRule::RateRiseStress:
        return Texts::tr("Rates rising");
    case LenderRule::DebtToIncomeManual:
        return Texts::tr("Debt to income, manual underwriting");
    case LenderRule::DebtToIncomeFactors:
        return Texts::tr("Debt to income, with compensating factors");
    case LenderRule::DebtToIncomeAutomated:
        return Texts::tr("Debt to income, automated underwriting");
    case LenderRule::PrivateInsurance:
        return Texts::tr("Private mortgage insurance");
    }
    return {};
}

QString lenderCheckText(LenderCountry country, const LenderCheck& check, const Regional& regional) {
    if (!check.figure && check.rule != LenderRule::RateRiseStress &&
        check.rule != LenderRule::MinimumDownPayment)
        return Texts::tr("There is no gross income to test the loan against.");
    const double figure = check.figure.value_or(0.0);
    const auto percent = [&regional](double value) { return regional.percent(value / 100.0); };
    const auto times = [&regional](double value) {
        return regional.locale().toString(value, 'f', 2);
    };
    const bool noted = check.verdict == Verdict::Noted;
    switch (check.rule) {
    case LenderRule::BufferedRate:
        return Texts::tr(
                   "Tested at %1 (your rate plus the 3-point buffer): %2 a month; %3 is spare")
            .arg(percent(check.testedRatePercent), regional.currency(figure),
                 regional.currency(check.limit));
    case LenderRule::MortgageInsurance:
        return noted ? Texts::tr(
                           "Loan to value %1: lenders mortgage insurance is usually required above "
                           "80%")
                           .arg(percent(figure))
                     : Texts::tr("Loan to value %1: no lenders mortgage insurance at 80% or less")
                           .arg(percent(figure));
    case LenderRule::DebtToIncomeLimit:
        if (country == LenderCountry::NewZealand)
            return Texts::tr(
                       "Debts %1 times your gross income; banks may lend above 6 times only in "
                       "limited numbers")
                .arg(times(figure));
        return Texts::tr("Debts %1 times your gross income; lenders limit loans of 6 times or more")
            .arg(times(figure));
    case LenderRule::GrossDebtService:
        return Texts::tr("Tested at %1: housing costs take %2 of your gross income; at most %3")
            .arg(percent(check.testedRatePercent), percent(figure), percent(check.limit));
    case LenderRule::TotalDebtService:
        return Texts::tr(
                   "Tested at %1: housing and other debts take %2 of your gross income; at most %3")
            .arg(percent(check.testedRatePercent), percent(figure), percent(check.limit));
    case LenderRule::MinimumDownPayment:
        return Texts::tr("Down payment %1; at least %2 is needed")
            .arg(regional.currency(figure), regional.currency(check.limit));
    case LenderRule::InsurancePremium:
        if (check.verdict == Verdict::Fails)
            return Texts::tr("Loan to value %1: no loan above 95% can be insured")
                .arg(percent(figure));
        return noted ? Texts::tr(
                           "Loan to value %1: mortgage insurance is required; its premium of %2, "
                           "%3, is added to the loan")
                           .arg(percent(figure), percent(check.limit),
                                regional.currency(check.amount))
                     : Texts::tr("Loan to value %1: no mortgage insurance needed at 80% or less")
                           .arg(percent(figure));
    case LenderRule::LoanToIncome:
        return Texts::tr("Loan %1 times your gross income; at most %2 times")
            .arg(times(figure), times(check.limit));
    case LenderRule::MinimumDeposit:
        return Texts::tr("Loan to value %1; at most 90% (a deposit of at least 10%)")
            .arg(percent(figure));
    case LenderRule::LoanToValueLimit:
        return Texts::tr("Loan to value %1; banks may lend above 80% only in limited numbers")
            .arg(percent(figure));
    case LenderRule::LoanToIncomeLimit:
        return Texts::tr(
                   "Loan %1 times your gross income; lenders limit loans of 4.5 times or more")
            .arg(times(figure));
    case LenderRule::RateRiseStress:
        return Texts::tr(
            "Lenders allow for rates rising: What If, Rates rise, is their stress test");
    case LenderRule::DebtToIncomeManual:
    case LenderRule::DebtToIncomeFactors:
    case LenderRule::DebtToIncomeAutomated:
        return Texts::tr("Housing and other debts take %1 of your gross income; at most %2")
            .arg(percent(figure), percent(check.limit));
    case LenderRule::PrivateInsurance:
        return noted ? Texts::tr(
                           "Loan to value %1: private mortgage insurance is usually required, and "
                           "can be cancelled at 80% of the original value")
                           .arg(percent(figure))
                     : Texts::tr("Loan to value %1: no private mortgage insurance at 80% or less")
                           .arg(percent(figure));
    }
    return {};
}

QString verdictText(Verdict verdict) {
    switch (verdict) {
    case Verdict::Passes:
        return Texts::tr("Passes");
    case Verdict::Fails:
        return Texts::tr("Fails");
    case Verdict::Noted:
        return Texts::tr("Note");
    }
    return {};
}

namespace {
QString passingOf(const std::array<TypeChecks, MortgageTypeCount>& checks,
                  const Regional& regional) {
    return regional.locale().toString(std::count_if(
        checks.begin(), checks.end(), [](const TypeChecks& type) { return passes(type); }));
}
} // namespace

QString lenderSummary(LenderCountry country,
                      const std::array<TypeChecks, MortgageTypeCount>& checks,
                      const Regional& regional) {
    if (country == LenderCountry::None)
        return {};
    return Texts::tr("%1: %2 of %3 types pass the usual lender checks")
        .arg(lenderCountryName(country), passingOf(checks, regional),
             regional.locale().toString(MortgageTypeCount));
}

QString lenderTally(LenderCountry country, const std::array<TypeChecks, MortgageTypeCount>& checks,
                    const Regional& regional) {
    if (country == LenderCountry::None)
        return lenderCountryName(country);
    return Texts::tr("%1: %2 of %3 pass")
        .arg(lenderCountryName(country), passingOf(checks, regional),
             regional.locale().toString(MortgageTypeCount));
}

QString lenderTallyOf(const MortgageCase& value, const CaseFigures& figures,
                      const Regional& regional) {
    const LenderCase lender = lenderCaseOf(value, figures);
    return lenderTally(lender.figures.country, lenderChecks(lender), regional);
}

std::vector<ReportSection> lenderSections(LenderCountry country,
                                          const std::array<TypeChecks, MortgageTypeCount>& checks,
                                          const Regional& regional) {
    if (country == LenderCountry::None)
        return {};
    std::vector<ReportSection> sections;
    sections.push_back(
        {lenderSummary(country, checks, regional), lenderSources(country), {}, {}, {}});
    for (int type = 0; type < MortgageTypeCount; ++type) {
        const TypeChecks& own = checks[static_cast<std::size_t>(type)];
        ReportSection section;
        section.title = (passes(own) ? Texts::tr("%1: passes") : Texts::tr("%1: fails"))
                            .arg(mortgageTypeName(type));
        for (const LenderCheck& check : own)
            section.notes << Texts::tr("%1 (%2): %3")
                                 .arg(lenderRuleName(check.rule), verdictText(check.verdict),
                                      lenderCheckText(country, check, regional));
        sections.push_back(section);
    }
    return sections;
}

QString lenderSources(LenderCountry country) {
    switch (country) {
    case LenderCountry::Australia:
        return Texts::tr(
            "APRA: a serviceability buffer of 3 points (letter of October 2021, since "
            "November 2021); interest-only loans tested on principal and interest (APG "
            "223); debt-to-income of 6 or more limited (from 1 February 2026). Lenders "
            "mortgage insurance is priced by insurers, usually above 80% loan to value.");
    case LenderCountry::Canada:
        return Texts::tr(
            "OSFI and the Department of Finance: the minimum qualifying rate, the greater of "
            "the rate plus 2 points and 5.25% (since 1 June 2021); CMHC: gross and total "
            "debt service of 39% and 44% (since 5 July 2021) and its premiums; the minimum "
            "down payment (since 15 December 2024).");
    case LenderCountry::Ireland:
        return Texts::tr("Central Bank of Ireland mortgage measures (since January 2023): loan to "
                         "income 4 times for first-time buyers, 3.5 for others; a deposit of 10%.");
    case LenderCountry::NewZealand:
        return Texts::tr(
            "Reserve Bank of New Zealand: debt-to-income above 6 limited (since 1 July "
            "2024); loan-to-value above 80% limited (since 1 December 2025).");
    case LenderCountry::UnitedKingdom:
        return Texts::tr(
            "Bank of England FPC: loans of 4.5 times income or more limited to 15% of new "
            "mortgages (since 2014); FCA MCOB 11.6.18R: lenders allow for rates rising.");
    case LenderCountry::UnitedStates:
        return Texts::tr(
            "Fannie Mae Selling Guide: debt-to-income 36% manual, 45% with compensating "
            "factors, 50% automated; the Homeowners Protection Act on private mortgage "
            "insurance.");
    case LenderCountry::None:
        break;
    }
    return {};
}

} // namespace hw
