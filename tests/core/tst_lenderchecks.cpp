// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
// The lender checks of each country on both sides of their limits and on them,
// against figures worked by hand or published.

#include "calc/LenderChecks.h"

#include <QTest>
#include <cmath>

using namespace hw;

Q_DECLARE_METATYPE(hw::LenderCountry)
Q_DECLARE_METATYPE(hw::LenderRule)
Q_DECLARE_METATYPE(hw::Verdict)

namespace {

Currency money(double value) {
    return *Currency::fromDouble(value);
}

// A household of $90,000 a year ($7,500 a month) borrowing `amount` over 25
// years at 7.5 % on a property of `value`, with $2,000 a month spare.
LenderCase household(LenderCountry country, double amount, double value = 0.0) {
    LenderCase c;
    c.amount = amount;
    c.propertyValue = value;
    c.grossYearlyIncome = 90000;
    c.ratePercent = 7.5;
    c.months = 300;
    c.spare = 2000;
    c.figures.country = country;
    return c;
}

const LenderCheck* find(const TypeChecks& checks, LenderRule rule) {
    for (const LenderCheck& check : checks)
        if (check.rule == rule)
            return &check;
    return nullptr;
}

} // namespace

class LenderChecksTest : public QObject {
    Q_OBJECT
private slots:
    void countryFromRegion_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<LenderCountry>("country");
        QTest::newRow("en_AU") << "en_AU" << LenderCountry::Australia;
        QTest::newRow("fr_CA") << "fr_CA" << LenderCountry::Canada;
        QTest::newRow("ga_IE") << "ga_IE" << LenderCountry::Ireland;
        QTest::newRow("mi_NZ") << "mi_NZ" << LenderCountry::NewZealand;
        QTest::newRow("en_GB") << "en_GB" << LenderCountry::UnitedKingdom;
        QTest::newRow("es_US") << "es_US" << LenderCountry::UnitedStates;
        QTest::newRow("a language the rules are not in") << "zh_CA" << LenderCountry::None;
        QTest::newRow("a country without rules") << "de_DE" << LenderCountry::None;
        QTest::newRow("Indian English") << "en_IN" << LenderCountry::None;
    }
    void countryFromRegion() {
        QFETCH(QString, locale);
        QFETCH(LenderCountry, country);
        QCOMPARE(lenderCountryOf(QLocale(locale)), country);
        QCOMPARE(lenderCountryFromKey(lenderCountryKey(country)), country);
    }

    // Each rule below, at, and above its limit: the figure the case gives it,
    // and whether the loan passes, fails or is noted.
    void rulesAtTheirLimits_data() {
        QTest::addColumn<LenderCountry>("country");
        QTest::addColumn<double>("amount");
        QTest::addColumn<double>("value");
        QTest::addColumn<LenderRule>("rule");
        QTest::addColumn<double>("figure");
        QTest::addColumn<Verdict>("verdict");
        const auto row = [](const char* name, LenderCountry country, double amount, double value,
                            LenderRule rule, double figure, Verdict verdict) {
            QTest::newRow(name) << country << amount << value << rule << figure << verdict;
        };
        using C = LenderCountry;
        using R = LenderRule;
        using V = Verdict;
        // $100,000 a year lends at most $400,000 to a first-time buyer in Ireland
        // ($90,000 here: $360,000), $315,000 to others.
        row("Ireland, 4 times, first home", C::Ireland, 360000, 0, R::LoanToIncome, 4.0, V::Passes);
        row("Ireland, over 4 times", C::Ireland, 360090, 0, R::LoanToIncome, 4.001, V::Fails);
        row("Ireland, 10 % deposit", C::Ireland, 270000, 300000, R::MinimumDeposit, 90, V::Passes);
        row("Ireland, under 10 %", C::Ireland, 270030, 300000, R::MinimumDeposit, 90.01, V::Fails);
        row("Australia, 6 times", C::Australia, 540000, 0, R::DebtToIncomeLimit, 6, V::Noted);
        row("Australia, under 6", C::Australia, 539910, 0, R::DebtToIncomeLimit, 5.999, V::Passes);
        row("Australia, 80 %", C::Australia, 240000, 300000, R::MortgageInsurance, 80, V::Passes);
        row("Australia, over 80 %", C::Australia, 240030, 300000, R::MortgageInsurance, 80.01,
            V::Noted);
        row("New Zealand, 6 times", C::NewZealand, 540000, 0, R::DebtToIncomeLimit, 6, V::Passes);
        row("New Zealand, over 6", C::NewZealand, 540090, 0, R::DebtToIncomeLimit, 6.001, V::Noted);
        row("New Zealand, over 80 %", C::NewZealand, 240030, 300000, R::LoanToValueLimit, 80.01,
            V::Noted);
        row("United Kingdom, 4.5 times", C::UnitedKingdom, 405000, 0, R::LoanToIncomeLimit, 4.5,
            V::Noted);
        row("United Kingdom, under 4.5", C::UnitedKingdom, 404910, 0, R::LoanToIncomeLimit, 4.499,
            V::Passes);
        row("United States, 80 %", C::UnitedStates, 240000, 300000, R::PrivateInsurance, 80,
            V::Passes);
        row("United States, over 80 %", C::UnitedStates, 240030, 300000, R::PrivateInsurance, 80.01,
            V::Noted);
        // Canada: $800,000 needs $55,000 down; $1,500,000 needs 20 %.
        row("Canada, $55,000 down", C::Canada, 745000, 800000, R::MinimumDownPayment, 55000,
            V::Passes);
        row("Canada, $54,999 down", C::Canada, 745001, 800000, R::MinimumDownPayment, 54999,
            V::Fails);
        row("Canada, 20 % from $1.5M", C::Canada, 1200001, 1500000, R::MinimumDownPayment, 299999,
            V::Fails);
        row("Canada, no insurance at 80 %", C::Canada, 240000, 300000, R::InsurancePremium, 80,
            V::Passes);
        row("Canada, insured over 80 %", C::Canada, 240030, 300000, R::InsurancePremium, 80.01,
            V::Noted);
        row("Canada, none insured over 95 %", C::Canada, 285030, 300000, R::InsurancePremium, 95.01,
            V::Fails);
    }
    void rulesAtTheirLimits() {
        QFETCH(LenderCountry, country);
        QFETCH(double, amount);
        QFETCH(double, value);
        QFETCH(LenderRule, rule);
        QFETCH(double, figure);
        QFETCH(Verdict, verdict);
        LenderCase c = household(country, amount, value);
        c.firstHome = true;
        const auto checks = lenderChecks(c);
        for (const TypeChecks& type : checks) {
            const LenderCheck* check = find(type, rule);
            QVERIFY(check && check->figure);
            QVERIFY2(std::abs(*check->figure - figure) < 0.0005,
                     qPrintable(QString::number(*check->figure, 'f', 4)));
            QCOMPARE(check->verdict, verdict);
        }
        if (country == LenderCountry::Ireland && rule == LenderRule::LoanToIncome) {
            c.firstHome = false;
            c.amount = 315000;
            QCOMPARE(find(lenderChecks(c)[0], rule)->verdict, Verdict::Passes);
            c.amount = 315090;
            QCOMPARE(find(lenderChecks(c)[0], rule)->verdict, Verdict::Fails);
        }
    }

    // Income $7,500 a month, housing $2,800, a car payment of $400 and $5,000
    // on a card: gross debt service 37.3 % passes 39 %, total 44.7 % fails 44 %.
    void canadianDebtService() {
        LenderCase c = household(LenderCountry::Canada, 0);
        c.figures.heatingMonthly = money(2800);
        c.figures.debtPaymentsMonthly = money(400);
        c.figures.cardBalances = money(5000);
        const TypeChecks checks = lenderChecks(c)[0];
        const LenderCheck* gross = find(checks, LenderRule::GrossDebtService);
        const LenderCheck* total = find(checks, LenderRule::TotalDebtService);
        QCOMPARE(std::round(*gross->figure * 10) / 10, 37.3);
        QCOMPARE(gross->verdict, Verdict::Passes);
        QCOMPARE(std::round(*total->figure * 10) / 10, 44.7);
        QCOMPARE(total->verdict, Verdict::Fails);
        QVERIFY(!passes(checks));
        // Tested at the greater of the rate plus 2 points and 5.25 %.
        QCOMPARE(gross->testedRatePercent, 9.5);
        c.ratePercent = 3.0;
        QCOMPARE(find(lenderChecks(c)[0], LenderRule::GrossDebtService)->testedRatePercent, 5.25);
    }

    // The shares of income, on their limits and a cent a month over them: with
    // nothing borrowed, the housing costs and debts alone of $7,500 a month.
    void incomeSharesAtTheirLimits_data() {
        QTest::addColumn<LenderCountry>("country");
        QTest::addColumn<double>("heating");
        QTest::addColumn<double>("debts");
        QTest::addColumn<LenderRule>("rule");
        QTest::addColumn<Verdict>("verdict");
        using C = LenderCountry;
        using R = LenderRule;
        QTest::newRow("Canada, housing at 39 %")
            << C::Canada << 2925.0 << 0.0 << R::GrossDebtService << Verdict::Passes;
        QTest::newRow("Canada, housing over 39 %")
            << C::Canada << 2925.01 << 0.0 << R::GrossDebtService << Verdict::Fails;
        QTest::newRow("Canada, all debts at 44 %")
            << C::Canada << 0.0 << 3300.0 << R::TotalDebtService << Verdict::Passes;
        QTest::newRow("Canada, all debts over 44 %")
            << C::Canada << 0.0 << 3300.01 << R::TotalDebtService << Verdict::Fails;
        QTest::newRow("United States, 36 % manual")
            << C::UnitedStates << 0.0 << 2700.0 << R::DebtToIncomeManual << Verdict::Passes;
        QTest::newRow("United States, over 36 % manual")
            << C::UnitedStates << 0.0 << 2700.01 << R::DebtToIncomeManual << Verdict::Fails;
        QTest::newRow("United States, over 36 % with factors")
            << C::UnitedStates << 0.0 << 2700.01 << R::DebtToIncomeFactors << Verdict::Passes;
        QTest::newRow("United States, over 45 % with factors")
            << C::UnitedStates << 0.0 << 3375.01 << R::DebtToIncomeFactors << Verdict::Fails;
        QTest::newRow("United States, 50 % automated")
            << C::UnitedStates << 0.0 << 3750.0 << R::DebtToIncomeAutomated << Verdict::Passes;
        QTest::newRow("United States, over 50 % automated")
            << C::UnitedStates << 0.0 << 3750.01 << R::DebtToIncomeAutomated << Verdict::Fails;
    }
    void incomeSharesAtTheirLimits() {
        QFETCH(LenderCountry, country);
        QFETCH(double, heating);
        QFETCH(double, debts);
        QFETCH(LenderRule, rule);
        LenderCase c = household(country, 0);
        c.figures.heatingMonthly = money(heating);
        c.figures.debtPaymentsMonthly = money(debts);
        for (const TypeChecks& type : lenderChecks(c))
            QTEST(find(type, rule)->verdict, "verdict");
    }

    // Australia tests every type at the rate plus 3 points, an interest-only
    // type on principal and interest: $200,000 at 10.5 % over 25 years is
    // $1,888.36 a month.
    void australianBuffer() {
        LenderCase c = household(LenderCountry::Australia, 200000);
        c.spare = 1888.37;
        const auto checks = lenderChecks(c);
        const LenderCheck* interestOnly = find(checks[InterestOnlyType], LenderRule::BufferedRate);
        QCOMPARE(std::round(*interestOnly->figure * 100) / 100, 1888.36);
        QCOMPARE(interestOnly->testedRatePercent, 10.5);
        QCOMPARE(interestOnly->verdict, Verdict::Passes);
        // Reducing Balance is tested on its first repayment: 1,750.00 + 666.67.
        QCOMPARE(
            std::round(*find(checks[ReducingBalanceType], LenderRule::BufferedRate)->figure * 100) /
                100,
            2416.67);
        QVERIFY(!passes(checks[ReducingBalanceType]));
    }

    // The premium bands and the published minimum down payments.
    void canadianTables() {
        QCOMPARE(canadianMinimumDownPayment(500000), 25000.0);
        QCOMPARE(canadianMinimumDownPayment(800000), 55000.0);
        QCOMPARE(canadianMinimumDownPayment(1499999), 124999.9);
        QCOMPARE(canadianMinimumDownPayment(1500000), 300000.0);
        QCOMPARE(canadianPremiumPercent(65), 0.60);
        QCOMPARE(canadianPremiumPercent(65.01), 1.70);
        QCOMPARE(canadianPremiumPercent(80), 2.40);
        QCOMPARE(canadianPremiumPercent(90.5), 4.00);
        QCOMPARE(canadianPremiumPercent(95.01), std::nullopt);
        LenderCase c = household(LenderCountry::Canada, 270000, 300000);
        QCOMPARE(find(lenderChecks(c)[0], LenderRule::InsurancePremium)->amount, 8370.0);
    }

    // With no country, or no income to divide by, nothing is passed unseen.
    void noCountryNoIncome() {
        QVERIFY(lenderChecks(household(LenderCountry::None, 200000))[0].empty());
        LenderCase c = household(LenderCountry::Ireland, 200000);
        c.grossYearlyIncome = 0;
        const auto checks = lenderChecks(c);
        const LenderCheck* ratio = find(checks[0], LenderRule::LoanToIncome);
        QVERIFY(!ratio->figure);
        QCOMPARE(ratio->verdict, Verdict::Fails);
    }
};

QTEST_GUILESS_MAIN(LenderChecksTest)
#include "tst_lenderchecks.moc"
