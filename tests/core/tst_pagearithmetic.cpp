#include "calc/PageArithmetic.h"

#include <QTest>

using namespace hw;

namespace {
const Regional us{QLocale(QStringLiteral("en_US"))};
Currency dollars(double value) {
    return *Currency::fromDouble(value);
}
// An amount as a page shows it.
Currency shown(const QString& text, const Regional& regional = us) {
    return regional.toCurrency(text).valueOr(Currency());
}
// The charges page as it shows its amounts (subtotal, valuation, legal, before
// bank charges, bank charges) and its percentage.
ChargesFigures chargesPage(const QStringList& amounts, double percent,
                           const Regional& regional = us) {
    return {shown(amounts[0], regional),
            shown(amounts[1], regional),
            shown(amounts[2], regional),
            shown(amounts[3], regional),
            percent,
            shown(amounts[4], regional),
            Currency()};
}
} // namespace

class PageArithmeticTest : public QObject {
    Q_OBJECT
private slots:
    void income_data() {
        QTest::addColumn<double>("gross");
        QTest::addColumn<float>("rate");
        QTest::addColumn<QString>("afterTax");
        QTest::addColumn<double>("monthly");
        QTest::addColumn<QString>("monthlyText");
        QTest::newRow("starting values")
            << 60000.0 << 15.0F << "$51,000.00" << 4250.0 << "$4,250.00";
        QTest::newRow("a third") << 1000.0 << 33.33F << "$666.70" << 666.70 / 12 << "$55.56";
        QTest::newRow("no tax") << 1200.0 << 0.0F << "$1,200.00" << 100.0 << "$100.00";
        QTest::newRow("highest rate") << 60000.0 << 99.99F << "$6.00" << 0.5 << "$0.50";
        // 1 % of 500,699.50 is 5,006.995 exactly: the half cent rounds away from zero.
        QTest::newRow("a half cent")
            << 500699.5 << 99.0F << "$5,007.00" << 5007.0 / 12 << "$417.25";
    }
    void income() {
        QFETCH(double, gross);
        QFETCH(float, rate);
        QFETCH(QString, afterTax);
        QFETCH(double, monthly);
        QFETCH(QString, monthlyText);
        const IncomeRow rows[3] = {{dollars(gross), rate}, {Currency(), 30.0F}, {Currency(), 0.0F}};
        const auto result = calculateIncome(rows, us);
        QVERIFY(result);
        QCOMPARE(us.currency(result->afterTax[0]), afterTax);
        QCOMPARE(us.currency(result->afterTax[1]), QStringLiteral("$0.00"));
        QCOMPARE(result->monthlyAfterTax, monthly);
        QCOMPARE(us.currency(result->shownMonthlyAfterTax), monthlyText);
        QCOMPARE(us.currency(result->shownMonthlyGross), us.currency(gross / 12));
    }

    void budget() {
        const Currency start[] = {dollars(100), dollars(100), dollars(100), dollars(50),
                                  dollars(50),  dollars(20),  dollars(30)};
        QCOMPARE(toDouble(*monthlyExpenditure(start, true)), 975.0);
        const auto monthly = monthlyExpenditure(start, false);
        QVERIFY(std::holds_alternative<Currency>(*monthly));
        QCOMPARE(std::get<Currency>(*monthly), dollars(450));

        const Currency hundred[] = {dollars(100)};
        const double fortnightly = toDouble(*monthlyExpenditure(hundred, true));
        QCOMPARE(fortnightly, 2600.0 / 12.0); // kept unrounded
        QCOMPARE(us.currency(fortnightly), QStringLiteral("$216.67"));
        const Currency none[] = {Currency()};
        QCOMPARE(toDouble(*monthlyExpenditure(none, true)), 0.0);
    }

    void requirementByPurpose_data() {
        QTest::addColumn<int>("purpose");
        QTest::addColumn<QStringList>("first");
        QTest::addColumn<QStringList>("second");
        QTest::addColumn<QString>("requirement");
        QTest::addColumn<float>("propertyValue");
        const QStringList none;
        QTest::newRow("first home buyer")
            << 0 << QStringList{"$300,000.00", "$60,000.00", "$5,000.00"} << none << "$245,000.00"
            << 300000.0F;
        QTest::newRow("first home builder")
            << 1 << QStringList{"$100,000.00", "$250,000.00", "$40,000.00", "$5,000.00"} << none
            << "$315,000.00" << 350000.0F;
        QTest::newRow("home improvement")
            << 2 << QStringList{"$400,000.00", "$50,000.00", "$100,000.00", "$10,000.00"} << none
            << "$140,000.00" << 450000.0F;
        QTest::newRow("selling and buying")
            << 3 << QStringList{"$400,000.00", "$10,000.00", "$150,000.00", "$0.00"}
            << QStringList{"$240,000.00", "$500,000.00", "$20,000.00"} << "$280,000.00"
            << 500000.0F;
        QTest::newRow("selling and building")
            << 4 << QStringList{"$400,000.00", "$10,000.00", "$150,000.00", "$0.00"}
            << QStringList{"$240,000.00", "$100,000.00", "$300,000.00", "$5,000.00"}
            << "$165,000.00" << 400000.0F;
        QTest::newRow("additional purchase")
            << 5 << QStringList{"$300,000.00", "$100,000.00", "$50,000.00", "$600,000.00"} << none
            << "$350,000.00" << 900000.0F;
        QTest::newRow("additional building")
            << 6
            << QStringList{"$100,000.00", "$200,000.00", "$50,000.00", "$30,000.00", "$600,000.00"}
            << none << "$320,000.00" << 900000.0F;
        QTest::newRow("refinance")
            << 7 << QStringList{"$20,000.00", "$120,000.00", "$0.00", "$400,000.00"} << none
            << "$140,000.00" << 400000.0F;
        QTest::newRow("contribution above costs")
            << 8 << QStringList{"$50,000.00", "$0.00", "$60,000.00"} << none << "($10,000.00)"
            << 50000.0F;
    }
    void requirementByPurpose() {
        QFETCH(int, purpose);
        QFETCH(QStringList, first);
        QFETCH(QStringList, second);
        QFETCH(QString, requirement);
        QFETCH(float, propertyValue);
        const FieldAmount amount = [&](int part, int index) {
            return shown((part == 0 ? first : second).value(index));
        };
        const PurposeFormula& formula = purposeFormula(purpose);
        QCOMPARE(us.currency(*requirementOf(formula, amount)), requirement);
        QCOMPARE(propertyValueOf(formula, amount), propertyValue);
    }

    void equityOnEntry() {
        const std::array<Currency, 4> selling = {dollars(400000), dollars(10000), dollars(150000),
                                                 Currency()};
        QCOMPARE(entryEquity(selling), 240000.0F);
    }

    void chargesSetUpAndCalculate() {
        ChargesFigures page = chargesPage({"", "$200.00", "$500.00", "$0.00", "0.00"}, 1.0);
        QVERIFY(setUpCharges(page, dollars(100000), ChargesMode::Percent, us));
        QCOMPARE(page.subtotal, dollars(100000));
        QCOMPARE(page.beforeBank, dollars(100700));
        QCOMPARE(page.amount, dollars(1007));
        QCOMPARE(page.total, dollars(101707));
        const auto outcome = calculateCharges(page, ChargesMode::Percent, 500000.0F, us);
        QCOMPARE(outcome->requirement, dollars(101707));
        QCOMPARE(page.total, dollars(101707));
        QCOMPARE(outcome->loanValueRatio, 100700.0F / 500000.0F);
    }

    // The charge is formed exactly, so a half cent rounds away from zero.
    void chargeOfAHalfCent() {
        ChargesFigures page = chargesPage({"$500,699.50", "$0.00", "$0.00", "$0.00", "$0.00"}, 1.0);
        QVERIFY(calculateCharges(page, ChargesMode::Percent, 0.0F, us));
        QCOMPARE(page.amount, dollars(5007));
        const Regional yen{QLocale(QStringLiteral("ja_JP"))};
        ChargesFigures yenPage = chargesPage({"￥500,650", "￥0", "￥0", "￥0", "￥0"}, 1.0, yen);
        QVERIFY(calculateCharges(yenPage, ChargesMode::Percent, 0.0F, yen));
        QCOMPARE(yen.currency(yenPage.amount), QStringLiteral("￥5,007")); // 5,006.5
    }

    void fixedAmountGivesThePercentage() {
        ChargesFigures page =
            chargesPage({"$99,300.00", "$200.00", "$500.00", "$0.00", "$500.00"}, 1.0);
        const auto outcome = calculateCharges(page, ChargesMode::FixedAmount, 100000.0F, us);
        QCOMPARE(page.percent, 0.5);
        QCOMPARE(page.total, dollars(100500));
        QCOMPARE(outcome->requirement, dollars(100500));
    }

    void nothingToDivideByGivesZero() {
        ChargesFigures page = chargesPage({"$0.00", "$0.00", "$0.00", "$0.00", "$500.00"}, 1.0);
        const auto outcome = calculateCharges(page, ChargesMode::FixedAmount, 0.0F, us);
        QCOMPARE(page.percent, 0.0);
        QCOMPARE(outcome->loanValueRatio, 0.0F);
    }

    // Large amounts keep every cent, and the refresh, the set-up and Calculate agree.
    void chargesAreExact_data() {
        QTest::addColumn<QString>("requirement");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("total");
        QTest::newRow("2,500,000.37") << "$2,500,000.37"
                                      << "$2,500,700.37"
                                      << "$2,525,707.37";
        QTest::newRow("16,897,217.37") << "$16,897,217.37"
                                       << "$16,897,917.37"
                                       << "$17,066,896.54";
        QTest::newRow("99,999,999,999.99") << "$99,999,999,999.99"
                                           << "$100,000,000,699.99"
                                           << "$101,000,000,706.99";
    }
    void chargesAreExact() {
        QFETCH(QString, requirement);
        QFETCH(QString, before);
        QFETCH(QString, total);
        const Currency amount = us.toCurrency(requirement).value;
        ChargesFigures page = chargesPage({"", "$200.00", "$500.00", "$0.00", "0.00"}, 1.0);
        QVERIFY(setUpCharges(page, amount, ChargesMode::Percent, us));
        QCOMPARE(us.currency(page.beforeBank), before);
        QCOMPARE(us.currency(page.total), total);
        const auto outcome = calculateCharges(page, ChargesMode::Percent, 1.0F, us);
        QCOMPARE(us.currency(page.beforeBank), before);
        QCOMPARE(us.currency(page.total), total);
        QCOMPARE(us.currency(outcome->requirement), total);
    }

    // In Fixed Amount mode the set-up keeps the amount the user typed.
    void setUpKeepsTheFixedAmount() {
        ChargesFigures page = chargesPage({"", "$200.00", "$500.00", "$0.00", "$777.00"}, 1.0);
        QVERIFY(setUpCharges(page, dollars(99300), ChargesMode::FixedAmount, us));
        QCOMPARE(page.amount, dollars(777));
        QCOMPARE(page.percent, 0.78);
        QCOMPARE(page.total, dollars(100777));
        page.amount = dollars(148960);
        QCOMPARE(*fixedChargeShare(page), 1.4896);
    }

    void chargesInGermany() {
        const Regional de{QLocale(QStringLiteral("de_DE"))};
        ChargesFigures page{{}, dollars(200), dollars(500), {}, 1.0, Currency(), {}};
        QVERIFY(setUpCharges(page, dollars(100000), ChargesMode::Percent, de));
        QCOMPARE(de.currency(page.total), de.currency(dollars(101707)));
    }

    void summaryLines() {
        const auto lines =
            buildSummaryLines(dollars(101707), 0.8F, dollars(4000), dollars(1500), us);
        const QStringList shown = {lines[0].figure, lines[1].figure, lines[2].figure,
                                   lines[3].figure, lines[4].figure};
        QCOMPARE(shown,
                 QStringList({"$101,707.00", "80.00%", "$4,000.00", "$1,500.00", "$2,500.00"}));
        QCOMPARE(lines[1].caption, QStringLiteral("Loan to Value Ratio:"));
        const auto short_ =
            buildSummaryLines(dollars(1), std::nullopt, dollars(1500), dollars(1716.67), us);
        QCOMPARE(short_[1].figure, QStringLiteral("0.00%"));
        QCOMPARE(short_[4].figure, QStringLiteral("($216.67)"));
    }
};

QTEST_APPLESS_MAIN(PageArithmeticTest)
#include "tst_pagearithmetic.moc"
