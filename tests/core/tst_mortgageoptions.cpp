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
QString cents(std::optional<double> value) {
    return value ? us.currency(*value) : QStringLiteral("-");
}
} // namespace

class MortgageOptionsTest : public QObject {
    Q_OBJECT
private slots:
    void workedExample_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("years");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::addColumn<QString>("paid");
        QTest::addColumn<QString>("interest");
        QTest::newRow("table") << 0 << ""
                               << "$1,332.25"
                               << "$1,332.25"
                               << "$159,869.52"
                               << "$39,869.52";
        QTest::newRow("reducing") << 1 << ""
                                  << "$1,600.00"
                                  << "$1,005.00"
                                  << "$156,300.00"
                                  << "$36,300.00";
        QTest::newRow("interest only") << 2 << ""
                                       << "$600.00"
                                       << "$600.00"
                                       << "$72,000.00"
                                       << "$72,000.00";
        QTest::newRow("table endowment") << 3 << "8.00"
                                         << "$1,600.00"
                                         << "$1,600.00"
                                         << "$153,600.00"
                                         << "$7,895.62";
        QTest::newRow("interest only endowment") << 4 << "8.25"
                                                 << "$1,600.00"
                                                 << "$1,600.00"
                                                 << "$158,400.00"
                                                 << "$59,400.00";
        QTest::newRow("cash management") << 5 << "6.00"
                                         << "-"
                                         << "-"
                                         << "$142,599.06"
                                         << "$22,599.06";
        QTest::newRow("credit card management") << 6 << "5.83"
                                                << "-"
                                                << "-"
                                                << "$141,350.84"
                                                << "$21,350.84";
    }
    void workedExample() {
        QFETCH(int, type);
        QFETCH(QString, years);
        QFETCH(QString, first);
        QFETCH(QString, last);
        QFETCH(QString, paid);
        QFETCH(QString, interest);
        const auto result = calculateOptions(input(120000, "6.00%", "10.00", 5000, 3000));
        QCOMPARE(result.monthlyRate, 0.005F);
        QCOMPARE(result.months, 120.0F);
        const OptionFigures& f = result.types[std::size_t(type)];
        QVERIFY(f.affordable);
        QCOMPARE(f.years ? us.number(*f.years) : QString(), years);
        QCOMPARE(cents(f.first), first);
        QCOMPARE(cents(f.last), last);
        QCOMPARE(us.currency(f.totalPaid), paid);
        QCOMPARE(us.currency(f.interest), interest);
        QCOMPARE(f.finalBalance.has_value(), type == InterestOnlyType);
    }

    void secondAffordabilityExample() {
        const auto result = calculateOptions(input(200000, "7.50%", "25.00", 4000, 2500));
        const bool expected[] = {true, false, true, false, false, true, true};
        for (int k = 0; k < MortgageTypeCount; ++k)
            QVERIFY2(result.types[std::size_t(k)].affordable == expected[k],
                     qPrintable(QString::number(k)));
        QCOMPARE(us.currency(*result.types[1].first), QStringLiteral("$1,916.67"));
    }

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
        QTest::newRow("10.04 years") << "10.04";
        QTest::newRow("10.05 years") << "10.05";
        QTest::newRow("0.1 years") << "0.10";
    }
    void reducingBalanceOverAPartMonth() {
        QFETCH(QString, term);
        const auto result = calculateOptions(input(120000, "6.00%", qPrintable(term), 500000, 3000),
                                             hw::Schedules::With);
        const OptionFigures& f = result.types[ReducingBalanceType];
        const double n = double(result.months);
        const double principal = 120000.0 / n;
        const double whole = std::floor(n);
        const double left = 120000.0 - principal * whole;
        QCOMPARE(*f.last, left + left * double(result.monthlyRate) * (n - whole));
        QCOMPARE(us.currency(f.totalPaid - f.interest), QStringLiteral("$120,000.00"));
        QCOMPARE(int(f.schedule.size()), int(whole) + 1);
        QCOMPARE(f.schedule.back().balance, 0.0);
        QCOMPARE(*f.first, 120000.0 * double(result.monthlyRate) + principal);
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
