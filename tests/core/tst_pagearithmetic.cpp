// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Money.h"
#include "calc/PageArithmetic.h"

#include <QTest>

using namespace hw;

namespace {
const Regional us{QLocale(QStringLiteral("en_US"))};
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

    // A fortnightly budget is worked out a month at a time, unrounded.
    void budget() {
        const Currency hundred[] = {dollars(100)};
        const double fortnightly = toDouble(*monthlyExpenditure(hundred, true));
        QCOMPARE(fortnightly, 2600.0 / 12.0); // kept unrounded
        QCOMPARE(us.currency(fortnightly), QStringLiteral("$216.67"));
        const Currency none[] = {Currency()};
        QCOMPARE(toDouble(*monthlyExpenditure(none, true)), 0.0);
    }

    // The charges page set up from the requirement, then worked out: every
    // amount exact to the cent (or yen), a half rounded away from zero.
    void charges_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<bool>("fixed");
        QTest::addColumn<QStringList>("typed"); // requirement, valuation, legal, fixed amount
        QTest::addColumn<double>("percent");
        QTest::addColumn<float>("property");
        QTest::addColumn<QStringList>("after"); // before bank charges, bank charges, total
        QTest::addColumn<double>("percentAfter");
        QTest::addColumn<float>("ratio");
        const struct {
            const char *name, *locale;
            bool fixed;
            QStringList typed;
            double percent;
            float property;
            QStringList after;
            double percentAfter;
            float ratio;
        } rows[] = {
            // clang-format off
            {"one per cent", "en_US", false, {"100000", "200", "500", "0"}, 1.0, 500000.0F, {"100700", "1007", "101707"}, 1.0, 100700.0F / 500000.0F},
            {"in Germany", "de_DE", false, {"100000", "200", "500", "0"}, 1.0, 500000.0F, {"100700", "1007", "101707"}, 1.0, 100700.0F / 500000.0F},
            {"a half cent", "en_US", false, {"500699.50", "0", "0", "0"}, 1.0, 0.0F, {"500699.50", "5007", "505706.50"}, 1.0, 0.0F},
            {"a half yen", "ja_JP", false, {"500650", "0", "0", "0"}, 1.0, 0.0F, {"500650", "5007", "505657"}, 1.0, 0.0F},
            {"2,500,000.37", "en_US", false, {"2500000.37", "200", "500", "0"}, 1.0, 1.0F, {"2500700.37", "25007", "2525707.37"}, 1.0, 2500700.37F},
            {"16,897,217.37", "en_US", false, {"16897217.37", "200", "500", "0"}, 1.0, 1.0F, {"16897917.37", "168979.17", "17066896.54"}, 1.0, 16897917.37F},
            {"99,999,999,999.99", "en_US", false, {"99999999999.99", "200", "500", "0"}, 1.0, 1.0F,
             {"100000000699.99", "1000000007", "101000000706.99"}, 1.0, 100000000699.99F},
            {"a fixed amount gives the percentage", "en_US", true, {"99300", "200", "500", "500"}, 1.0, 100000.0F, {"100000", "500", "100500"}, 0.5, 1.0F},
            {"the fixed amount typed is kept", "en_US", true, {"99300", "200", "500", "777"}, 1.0, 100000.0F, {"100000", "777", "100777"}, 0.78, 1.0F},
            {"nothing to divide by", "en_US", true, {"0", "0", "0", "500"}, 1.0, 0.0F, {"0", "500", "500"}, 0.0, 0.0F},
            // clang-format on
        };
        for (const auto& row : rows)
            QTest::newRow(row.name) << row.locale << row.fixed << row.typed << row.percent
                                    << row.property << row.after << row.percentAfter << row.ratio;
    }
    void charges() {
        QFETCH(QString, locale);
        QFETCH(bool, fixed);
        QFETCH(QStringList, typed);
        QFETCH(double, percent);
        QFETCH(float, property);
        QFETCH(QStringList, after);
        const Regional regional{QLocale(locale)};
        const auto amount = [&](const QString& digits) {
            return regional.toCurrency(digits, Regional::Typed).valueOr(Currency());
        };
        const ChargesMode mode = fixed ? ChargesMode::FixedAmount : ChargesMode::Percent;
        ChargesFigures page{{}, amount(typed[1]), amount(typed[2]), {}, percent, amount(typed[3]),
                            {}};
        QVERIFY(setUpCharges(page, amount(typed[0]), mode, regional));
        const ChargesFigures setUp = page;
        const auto outcome = calculateCharges(page, mode, property, regional);
        QVERIFY(outcome);
        QVERIFY(page == setUp); // the set-up and Calculate agree
        QCOMPARE(page.subtotal, amount(typed[0]));
        QCOMPARE(page.beforeBank, amount(after[0]));
        QCOMPARE(page.amount, amount(after[1]));
        QCOMPARE(page.total, amount(after[2]));
        QCOMPARE(outcome->requirement, page.total);
        QTEST(page.percent, "percentAfter");
        QTEST(outcome->loanValueRatio, "ratio");
    }
};

QTEST_APPLESS_MAIN(PageArithmeticTest)
#include "tst_pagearithmetic.moc"
