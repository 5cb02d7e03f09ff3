#include "OptionsCase.h"
#include "calc/MortgageOptions.h"

#include <QTest>
#include <cmath>

using namespace hw;

namespace {
const Regional us{QLocale(QStringLiteral("en_US"))};

OptionsInput input(double amount, const char* rate, const char* term, double income,
                   double spending) {
    return optionsInput(us, amount, QString::fromLatin1(rate), QString::fromLatin1(term), income,
                        spending);
}
} // namespace

class MortgageOptionsTest : public QObject {
    Q_OBJECT
private slots:
    void loopsThatCouldNeverEndAreNotAffordable_data() {
        QTest::addColumn<QString>("rate");
        QTest::addColumn<double>("income");
        QTest::addColumn<double>("spending");
        QTest::addColumn<int>("type");
        QTest::newRow("zero rate, nothing spare")
            << "0.00%" << 3000.0 << 3000.0 << int(CashManagementType);
        QTest::newRow("nothing spare") << "6.00%" << 3000.0 << 3000.0 << int(CashManagementType);
        QTest::newRow("shrinking fund")
            << "0.50%" << 9000.0 << 1000.0 << int(InterestOnlyEndowmentType);
    }
    void loopsThatCouldNeverEndAreNotAffordable() {
        QFETCH(QString, rate);
        QFETCH(double, income);
        QFETCH(double, spending);
        QFETCH(int, type);
        const OptionsInput in = input(100000, qPrintable(rate), "1000.00", income, spending);
        const auto result = calculateOptions(in);
        QVERIFY(!result.types[std::size_t(type)].affordable);
    }

    void tableEndowmentWhoseFundNeverCatchesUp() {
        // At no interest there is no premium, so the fund stays empty: the
        // repayments themselves clear the loan at the end of the term.
        const auto result = calculateOptions(input(100000, "0.00%", "5.00", 9000, 1000));
        const OptionFigures& f = result.types[TableEndowmentType];
        QCOMPARE(*f.years, 5.0);
        QCOMPARE(us.currency(f.totalPaid), QStringLiteral("$100,000.00"));
        QCOMPARE(us.currency(f.interest), QStringLiteral("$0.00"));
    }

    // A term that is not whole months ends with a part month that repays what is left.
    void reducingBalanceOverAPartMonth_data() {
        QTest::addColumn<QString>("term");
        for (const char* term : {"10.04", "10.05", "0.10"})
            QTest::newRow(term) << QString::fromLatin1(term);
    }
    void reducingBalanceOverAPartMonth() {
        QFETCH(QString, term);
        const auto result = calculateOptions(input(120000, "6.00%", qPrintable(term), 500000, 3000),
                                             hw::Schedules::With);
        const OptionFigures& f = result.types[ReducingBalanceType];
        QCOMPARE(us.currency(f.totalPaid - f.interest), QStringLiteral("$120,000.00"));
        QCOMPARE(int(f.schedule.size()), int(std::floor(double(result.months))) + 1);
        QCOMPARE(f.schedule.back().balance, 0.0);
    }

    // A loan that the first month's income clears bears interest only on what was owed.
    void creditCardIncomeBeyondTheLoan() {
        const auto result = calculateOptions(input(1000, "6.00%", "25.00", 5000, 3000));
        const OptionFigures& f = result.types[CreditCardManagementType];
        QVERIFY(f.affordable);
        QCOMPARE(us.currency(f.interest), QStringLiteral("$2.50")); // 500 x 0.5 %
        QCOMPARE(us.currency(f.totalPaid), QStringLiteral("$1,002.50"));
        QCOMPARE(*f.years, 1.0 / 12.0);
    }

    // Why a type can never be had, whatever the outlay.
    void obstacles() {
        // At no interest the fund shrinks by 1.5 % a year; over 100 years its premium
        // is too small ever to reach the amount.
        const auto fund = calculateOptions(input(120000, "0.00%", "100.00", 5000, 3000));
        QCOMPARE(int(fund.types[InterestOnlyEndowmentType].obstacle),
                 int(hw::Obstacle::FundNeverReachesAmount));
        QCOMPARE(int(fund.types[TableType].obstacle), int(hw::Obstacle::None));
        // A spare income of nothing never clears a revolving balance.
        const auto none = calculateOptions(input(120000, "0.00%", "25.00", 3000, 3000));
        QCOMPARE(int(none.types[CashManagementType].obstacle),
                 int(hw::Obstacle::SpareBelowInterest));
    }

    // Figures the rate page never lets through still end at once, with nothing affordable.
    void figuresBeyondAnyLoan_data() {
        QTest::addColumn<QString>("term");
        QTest::addColumn<double>("income");
        QTest::newRow("a term of more than a thousand years") << "1000.01" << 5000.0;
        QTest::newRow("a term of a billion years") << "1000000000" << 5000.0;
        QTest::newRow("a negative term") << "-5" << 5000.0;
        QTest::newRow("income that is not a number") << "25" << std::nan("");
        QTest::newRow("infinite income") << "25" << HUGE_VAL;
    }
    void figuresBeyondAnyLoan() {
        QFETCH(QString, term);
        QFETCH(double, income);
        OptionsInput in = input(120000, "6.00%", qPrintable(term), income, 3000);
        in.shownIncome = *Currency::fromUnits(5000);
        const auto result = calculateOptions(in);
        for (const OptionFigures& f : result.types)
            QVERIFY(!f.affordable);
    }
};

QTEST_APPLESS_MAIN(MortgageOptionsTest)
#include "tst_mortgageoptions.moc"
