// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#include "LenderChecks.h"

#include <QCoreApplication>
#include <algorithm>
#include <iterator>

namespace hw {

namespace {

struct CountryOf {
    LenderCountry country;
    QLocale::Language language;
    QLocale::Territory territory;
};
const CountryOf Regions[] = {
    {LenderCountry::Australia, QLocale::English, QLocale::Australia},
    {LenderCountry::Canada, QLocale::English, QLocale::Canada},
    {LenderCountry::Canada, QLocale::French, QLocale::Canada},
    {LenderCountry::Ireland, QLocale::English, QLocale::Ireland},
    {LenderCountry::Ireland, QLocale::Irish, QLocale::Ireland},
    {LenderCountry::NewZealand, QLocale::English, QLocale::NewZealand},
    {LenderCountry::NewZealand, QLocale::Maori, QLocale::NewZealand},
    {LenderCountry::UnitedKingdom, QLocale::English, QLocale::UnitedKingdom},
    {LenderCountry::UnitedStates, QLocale::English, QLocale::UnitedStates},
    {LenderCountry::UnitedStates, QLocale::Spanish, QLocale::UnitedStates},
};

struct CountryText {
    LenderCountry country;
    const char* key;
    const char* name;
};
const CountryText Names[] = {
    {LenderCountry::None, "none", QT_TRANSLATE_NOOP("hw::LenderChecks", "None")},
    {LenderCountry::Australia, "au", QT_TRANSLATE_NOOP("hw::LenderChecks", "Australia")},
    {LenderCountry::Canada, "ca", QT_TRANSLATE_NOOP("hw::LenderChecks", "Canada")},
    {LenderCountry::Ireland, "ie", QT_TRANSLATE_NOOP("hw::LenderChecks", "Ireland")},
    {LenderCountry::NewZealand, "nz", QT_TRANSLATE_NOOP("hw::LenderChecks", "New Zealand")},
    {LenderCountry::UnitedKingdom, "uk", QT_TRANSLATE_NOOP("hw::LenderChecks", "United Kingdom")},
    {LenderCountry::UnitedStates, "us", QT_TRANSLATE_NOOP("hw::LenderChecks", "United States")},
};

// Ratios are compared as published, to the hundredth of a point: a loan of
// exactly 80 % is not "above 80 %" for the last bit of a double.
bool above(double figure, double limit) {
    return figure > limit + 1e-9;
}

// The repayment a lender tests a type at `percent`: its first and highest
// repayment for Reducing Balance; principal and interest over the term for
// every other type, interest-only and revolving types included.
double testedRepayment(int type, const LenderCase& c, double percent) {
    const double r = monthlyRateOf(percent, c.compounding);
    if (type == ReducingBalanceType)
        return c.amount * r + c.amount / c.months;
    return levelPayment(c.amount, r, c.months);
}

std::optional<double> percentOf(double part, double whole) {
    if (!(whole > 0.0))
        return std::nullopt;
    return part / whole * 100.0;
}
std::optional<double> timesOf(double part, double whole) {
    if (!(whole > 0.0))
        return std::nullopt;
    return part / whole;
}

// A test with a limit the figure must not pass; with no figure it fails.
LenderCheck atMost(LenderRule rule, std::optional<double> figure, double limit) {
    return {rule, figure, limit,
            figure && !above(*figure, limit) ? Verdict::Passes : Verdict::Fails};
}
// A rule that limits how many such loans lenders make: noted where the loan is one.
LenderCheck notedAbove(LenderRule rule, std::optional<double> figure, double limit,
                       bool atLimitToo = false) {
    const bool noted = figure && (above(*figure, limit) || (atLimitToo && !above(limit, *figure)));
    return {rule, figure, limit, noted ? Verdict::Noted : Verdict::Passes};
}

struct Shared {
    std::optional<double> loanToValue; // percent; none where no property secures the loan
    // The loan over gross yearly income: every debt entered is in the loan.
    std::optional<double> loanToIncome;
    double grossMonthly;
    double otherDebtsMonthly; // the debts the loan leaves, a card balance at 3 % a month
    double housingExtras;     // property tax, heating, half the condominium fees: a month
};

void australia(int type, const LenderCase& c, const Shared& s, TypeChecks& out) {
    const double tested = c.ratePercent + 3.0;
    LenderCheck buffered =
        atMost(LenderRule::BufferedRate, testedRepayment(type, c, tested), c.spare);
    buffered.testedRatePercent = tested;
    out.push_back(buffered);
    out.push_back(notedAbove(LenderRule::DebtToIncomeLimit, s.loanToIncome, 6.0, true));
    if (s.loanToValue)
        out.push_back(notedAbove(LenderRule::MortgageInsurance, s.loanToValue, 80.0));
}

void canada(int type, const LenderCase& c, const Shared& s, TypeChecks& out) {
    const double qualifying = std::max(c.ratePercent + 2.0, 5.25);
    const double housing = testedRepayment(type, c, qualifying) + s.housingExtras;
    LenderCheck gross =
        atMost(LenderRule::GrossDebtService, percentOf(housing, s.grossMonthly), 39.0);
    gross.testedRatePercent = qualifying;
    out.push_back(gross);
    LenderCheck total = atMost(LenderRule::TotalDebtService,
                               percentOf(housing + s.otherDebtsMonthly, s.grossMonthly), 44.0);
    total.testedRatePercent = qualifying;
    out.push_back(total);
    if (!s.loanToValue)
        return;
    const double down = std::max(0.0, c.propertyValue - c.amount);
    LenderCheck deposit{LenderRule::MinimumDownPayment, down,
                        canadianMinimumDownPayment(c.propertyValue)};
    deposit.verdict = above(deposit.limit, down) ? Verdict::Fails : Verdict::Passes;
    out.push_back(deposit);
    // Insurance is required below a 20 % down payment; no loan above 95 % is insured.
    const std::optional<double> premium = canadianPremiumPercent(*s.loanToValue);
    LenderCheck insurance{LenderRule::InsurancePremium, s.loanToValue, premium.value_or(0.0)};
    insurance.verdict = !premium                      ? Verdict::Fails
                        : above(*s.loanToValue, 80.0) ? Verdict::Noted
                                                      : Verdict::Passes;
    insurance.amount = c.amount * premium.value_or(0.0) / 100.0;
    out.push_back(insurance);
}

void ireland(const LenderCase& c, const Shared& s, TypeChecks& out) {
    out.push_back(atMost(LenderRule::LoanToIncome, s.loanToIncome, c.firstHome ? 4.0 : 3.5));
    if (s.loanToValue)
        out.push_back(atMost(LenderRule::MinimumDeposit, s.loanToValue, 90.0));
}

void newZealand(const Shared& s, TypeChecks& out) {
    out.push_back(notedAbove(LenderRule::DebtToIncomeLimit, s.loanToIncome, 6.0));
    if (s.loanToValue)
        out.push_back(notedAbove(LenderRule::LoanToValueLimit, s.loanToValue, 80.0));
}

void unitedKingdom(const Shared& s, TypeChecks& out) {
    out.push_back(notedAbove(LenderRule::LoanToIncomeLimit, s.loanToIncome, 4.5, true));
    out.push_back({LenderRule::RateRiseStress, std::nullopt, 0.0, Verdict::Noted});
}

void unitedStates(int type, const LenderCase& c, const Shared& s, TypeChecks& out) {
    const std::optional<double> ratio =
        percentOf(testedRepayment(type, c, c.ratePercent) +
                      c.figures.propertyTaxYearly.toDouble() / 12.0 + s.otherDebtsMonthly,
                  s.grossMonthly);
    out.push_back(atMost(LenderRule::DebtToIncomeManual, ratio, 36.0));
    out.push_back(atMost(LenderRule::DebtToIncomeFactors, ratio, 45.0));
    out.push_back(atMost(LenderRule::DebtToIncomeAutomated, ratio, 50.0));
    if (s.loanToValue)
        out.push_back(notedAbove(LenderRule::PrivateInsurance, s.loanToValue, 80.0));
}

} // namespace

LenderCountry lenderCountryOf(const QLocale& locale) {
    for (const CountryOf& region : Regions)
        if (region.language == locale.language() && region.territory == locale.territory())
            return region.country;
    return LenderCountry::None;
}

QString lenderCountryName(LenderCountry country) {
    for (const CountryText& text : Names)
        if (text.country == country)
            return QCoreApplication::translate("hw::LenderChecks", text.name);
    return {};
}

QString lenderCountryKey(LenderCountry country) {
    for (const CountryText& text : Names)
        if (text.country == country)
            return QString::fromLatin1(text.key);
    return {};
}

std::optional<LenderCountry> lenderCountryFromKey(const QString& key) {
    for (const CountryText& text : Names)
        if (key == QLatin1String(text.key))
            return text.country;
    return std::nullopt;
}

QString lenderRuleKey(LenderRule rule) {
    static const char* const Keys[] = {
        "buffered-rate",         "mortgage-insurance",     "debt-to-income-limit",
        "gross-debt-service",    "total-debt-service",     "minimum-down-payment",
        "insurance-premium",     "loan-to-income",         "minimum-deposit",
        "loan-to-value-limit",   "loan-to-income-limit",   "rate-rise-stress",
        "debt-to-income-manual", "debt-to-income-factors", "debt-to-income-automated",
        "private-insurance"};
    static_assert(std::size(Keys) == static_cast<std::size_t>(LenderRule::PrivateInsurance) + 1);
    return QString::fromLatin1(Keys[static_cast<std::size_t>(rule)]);
}

double canadianMinimumDownPayment(double value) {
    if (!(value < 1500000.0))
        return value * 0.20;
    return std::min(value, 500000.0) * 0.05 + std::max(0.0, value - 500000.0) * 0.10;
}

std::optional<double> canadianPremiumPercent(double loanToValuePercent) {
    const struct {
        double upTo, premium;
    } Bands[] = {{65, 0.60}, {75, 1.70}, {80, 2.40}, {85, 2.80}, {90, 3.10}, {95, 4.00}};
    for (const auto& band : Bands)
        if (!above(loanToValuePercent, band.upTo))
            return band.premium;
    return std::nullopt;
}

std::array<TypeChecks, MortgageTypeCount> lenderChecks(const LenderCase& c) {
    std::array<TypeChecks, MortgageTypeCount> out;
    if (c.figures.country == LenderCountry::None || !(c.months >= 1.0))
        return out;
    const LenderFigures& f = c.figures;
    Shared s;
    s.loanToValue = c.propertyValue > 0.0 ? percentOf(c.amount, c.propertyValue) : std::nullopt;
    s.loanToIncome = timesOf(c.amount, c.grossYearlyIncome);
    s.grossMonthly = c.grossYearlyIncome / 12.0;
    s.otherDebtsMonthly = f.debtPaymentsMonthly.toDouble() + f.cardBalances.toDouble() * 0.03;
    s.housingExtras = f.propertyTaxYearly.toDouble() / 12.0 + f.heatingMonthly.toDouble() +
                      f.condoFeesMonthly.toDouble() / 2.0;
    for (int type = 0; type < MortgageTypeCount; ++type) {
        TypeChecks& checks = out[static_cast<std::size_t>(type)];
        switch (f.country) {
        case LenderCountry::Australia:
            australia(type, c, s, checks);
            break;
        case LenderCountry::Canada:
            canada(type, c, s, checks);
            break;
        case LenderCountry::Ireland:
            ireland(c, s, checks);
            break;
        case LenderCountry::NewZealand:
            newZealand(s, checks);
            break;
        case LenderCountry::UnitedKingdom:
            unitedKingdom(s, checks);
            break;
        case LenderCountry::UnitedStates:
            unitedStates(type, c, s, checks);
            break;
        case LenderCountry::None:
            break;
        }
    }
    return out;
}

bool passes(const TypeChecks& checks) {
    return std::none_of(checks.begin(), checks.end(),
                        [](const LenderCheck& check) { return check.verdict == Verdict::Fails; });
}

} // namespace hw
