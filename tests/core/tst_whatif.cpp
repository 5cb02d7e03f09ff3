// The What If answers, each against an independent formula or against the
// results page's own arithmetic.

#include "OptionsCase.h"
#include "calc/WhatIf.h"

#include <QTest>
#include <cmath>

using namespace hw;

namespace {

const Regional usa{QLocale(QStringLiteral("en_US"))};

// 200,000 at 6 % over 25 years; 5,000 in and 3,600 out a month: the Table
// repayment (1,288.60) is affordable, at 8 % (1,543.63) it is not.
OptionsInput household(double amount = 200000, const QString& rate = QStringLiteral("6.00%"),
                       const QString& term = QStringLiteral("25.00")) {
    return optionsInput(usa, amount, rate, term, 5000, 3600);
}

// The monthly rate as the results page holds it.
double monthly(double percent) {
    return static_cast<float>(static_cast<float>(percent) / 100.0F / 12.0F);
}

// Level payment and balance after k months, written out afresh.
double payment(double a, double r, double n) {
    return a * r * std::pow(1 + r, n) / (std::pow(1 + r, n) - 1);
}
double balanceAfter(double a, double r, double t, int k) {
    return a * std::pow(1 + r, k) - t * (std::pow(1 + r, k) - 1) / r;
}

} // namespace

class WhatIfTest : public QObject {
    Q_OBJECT
private slots:
    void riseRange_data() {
        QTest::addColumn<double>("rise");
        QTest::addColumn<bool>("answered");
        QTest::newRow("none") << 0.0 << true;
        QTest::newRow("default") << 2.0 << true;
        QTest::newRow("largest") << 10.0 << true;
        QTest::newRow("below nothing") << -0.25 << false;
        QTest::newRow("beyond ten") << 10.25 << false;
        QTest::newRow("not a step") << 0.3 << false;
        QTest::newRow("not a number") << std::nan("") << false;
    }
    void riseRange() {
        QFETCH(double, rise);
        QFETCH(bool, answered);
        QCOMPARE(std::holds_alternative<RateRise>(rateRise(household(), rise)), answered);
    }

    void ratesRise() {
        const auto rise = std::get<RateRise>(rateRise(household(), 2.0));
        QCOMPARE(rise.rateAfter, 8.0);
        const double r = monthly(8.0);
        QVERIFY(std::fabs(*rise.types[TableType].firstOutlayAfter - payment(200000, r, 300)) <
                1e-6);
        QVERIFY(std::fabs(*rise.types[ReducingBalanceType].firstOutlayAfter -
                          (200000 * r + 200000.0 / 300)) < 1e-6);
        QVERIFY(std::fabs(*rise.types[InterestOnlyType].firstOutlayAfter - 200000 * r) < 1e-6);
        // Affordable today, not after the rise.
        QVERIFY(rise.types[TableType].affordableNow && !rise.types[TableType].affordableAfter);
        QVERIFY(rise.types[InterestOnlyType].affordableNow &&
                rise.types[InterestOnlyType].affordableAfter);
        // The revolving types: the first month's interest on the balance less half the spare.
        QVERIFY(std::fabs(*rise.types[CashManagementType].firstOutlayAfter -
                          (200000 - 1400 / 2.0) * r) < 1e-6);
        // A rise of nothing gives the results page's own first repayments.
        const auto same = std::get<RateRise>(rateRise(household(), 0.0));
        const OptionsResult now = calculateOptions(household());
        for (int k = 0; k < 5; ++k)
            QCOMPARE(same.types[std::size_t(k)].firstOutlayAfter, now.types[std::size_t(k)].first);
    }

    void largestLoans_data() {
        QTest::addColumn<QString>("rate");
        QTest::addColumn<QString>("term");
        QTest::newRow("6 %, 25 years") << "6.00%"
                                       << "25.00";
        QTest::newRow("12.5 %, 10 years") << "12.50%"
                                          << "10.00";
        QTest::newRow("no interest") << "0.00%"
                                     << "20.00";
    }
    // Each amount found passes the results page's test, and a cent more does not.
    void largestLoans() {
        QFETCH(QString, rate);
        QFETCH(QString, term);
        const OptionsInput input = household(200000, rate, term);
        const Borrowing answer = borrowing(input, 400000);
        for (int k = 0; k < MortgageTypeCount; ++k) {
            const BorrowRow& row = answer.types[std::size_t(k)];
            if (!row.largest)
                continue;
            QVERIFY2(affordableFor(k, *row.largest, input), qPrintable(QString::number(k)));
            const Currency cent = Currency::fromScaled(Currency::Scale / 100);
            if (const auto more = row.largest->plus(cent))
                QVERIFY2(!affordableFor(k, *more, input), qPrintable(QString::number(k)));
            QVERIFY(std::fabs(*row.loanToValue - row.largest->toDouble() / 4000.0) < 1e-9);
        }
        // Every type the results page can afford at the amount entered can be borrowed.
        const OptionsResult results = calculateOptions(input);
        for (int k = 0; k < MortgageTypeCount; ++k)
            if (results.types[std::size_t(k)].affordable)
                QVERIFY2(answer.types[std::size_t(k)].largest >= input.amount,
                         qPrintable(QString::number(k)));
        // The Table's, against the inverse of the repayment formula.
        const double spare = 1400, r = monthly(usa.toDouble(rate, Regional::Percent).value);
        const double n = usa.toDouble(term).value * 12;
        const double inverse = r == 0 ? spare * n : spare * (1 - std::pow(1 + r, -n)) / r;
        QVERIFY(std::fabs(answer.types[TableType].largest->toDouble() - inverse) <= 0.011);
    }

    void tableTerm() {
        // The term whose repayment is the spare income, by the repayment formula.
        const Borrowing answer = borrowing(household(), 0);
        const double r = monthly(6.0);
        QVERIFY(answer.tableYears);
        QVERIFY(std::fabs(payment(200000, r, *answer.tableYears * 12) - 1400) < 1e-6);
        QVERIFY(!answer.types[TableType].loanToValue); // no property value
        // A spare income below the month's interest never clears the loan.
        QVERIFY(!borrowing(household(300000), 0).tableYears);
    }

    void extraRefusals_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<double>("monthly");
        QTest::addColumn<double>("lump");
        QTest::addColumn<int>("month");
        QTest::newRow("extra as large as the loan") << 0 << 200000.0 << 0.0 << 1;
        QTest::newRow("lump beyond the loan") << 0 << 0.0 << 200000.01 << 1;
        QTest::newRow("lump before the first month") << 1 << 0.0 << 1000.0 << 0;
        QTest::newRow("lump after the term") << 1 << 0.0 << 1000.0 << 301;
        QTest::newRow("an endowment type") << 3 << 100.0 << 0.0 << 1;
    }
    void extraRefusals() {
        QFETCH(int, type);
        QFETCH(double, monthly);
        QFETCH(double, lump);
        QFETCH(int, month);
        QVERIFY(std::holds_alternative<WhatIfRefusal>(
            payingExtra(type, household(), {monthly, lump, month})));
    }

    void payingExtraMonthly() {
        const auto answer = std::get<PayingExtra>(payingExtra(0, household(), {200, 0, 1}));
        // Without extras, the results page's own totals to the cent.
        const OptionsResult results = calculateOptions(household());
        QCOMPARE(std::llround(answer.totalBefore * 100),
                 std::llround(results.types[TableType].totalPaid * 100));
        // The months a level payment of t + 200 takes to clear the loan.
        const double r = monthly(6.0), t = payment(200000, r, 300);
        const int months =
            static_cast<int>(std::ceil(-std::log(1 - 200000 * r / (t + 200)) / std::log(1 + r)));
        QCOMPARE(answer.clearedMonth, months);
        // Every cent repaid, and the sums are the totals.
        double principal = 0, total = 0;
        for (const ScheduleRow& row : answer.after) {
            principal += row.principal;
            total += row.repayment;
        }
        QVERIFY(std::fabs(principal - 200000) < 0.005);
        QCOMPARE(std::llround(total * 100), std::llround(answer.totalAfter * 100));
        QVERIFY(answer.interestAfter < answer.interestBefore);
    }

    void lumpSum() {
        // A lump sum in month 12 on a Reducing Balance loan.
        const auto answer = std::get<PayingExtra>(payingExtra(1, household(), {0, 50000, 12}));
        QCOMPARE(answer.after[11].repayment - answer.before[11].repayment, 50000.0);
        QVERIFY(answer.clearedMonth < 300 && answer.clearedMonth > 200);
        QCOMPARE(answer.after.back().balance, 0.0);
    }

    void fixedRateEnds() {
        const auto answer = std::get<RateReset>(rateReset(household(), 5, 8.0));
        const double r = monthly(6.0), r2 = monthly(8.0), t = payment(200000, r, 300);
        QVERIFY(std::fabs(answer.repaymentBefore - t) < 1e-6);
        QVERIFY(std::fabs(answer.balanceAtReset - balanceAfter(200000, r, t, 60)) < 1e-6);
        QVERIFY(std::fabs(answer.repaymentAfter - payment(answer.balanceAtReset, r2, 240)) < 1e-6);
        QVERIFY(answer.repaymentAfter > answer.repaymentBefore);
        QCOMPARE(answer.affordableAfter, answer.repaymentAfter <= 1400);
        QCOMPARE(int(answer.after.size()), 300);
        QVERIFY(answer.after.back().balance < 0.005);
        // At the same rate nothing changes.
        const auto same = std::get<RateReset>(rateReset(household(), 5, 6.0));
        QVERIFY(std::fabs(same.repaymentAfter - same.repaymentBefore) < 1e-6);
        // A fixed period as long as the term cannot end within it.
        QVERIFY(std::holds_alternative<WhatIfRefusal>(rateReset(household(), 25, 8.0)));
        QVERIFY(std::holds_alternative<WhatIfRefusal>(rateReset(household(), 0, 8.0)));
    }
};

QTEST_APPLESS_MAIN(WhatIfTest)
#include "tst_whatif.moc"
