// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
// The What If answers, each against a closed form or a loop written here
// afresh, or against the results page's own arithmetic.

#include "OptionsCase.h"
#include "calc/Durations.h"
#include "calc/LoanQuestions.h"
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

// The monthly rate of the household's loan, and the annual rate it stands for.
const double monthly6 = monthly(6.0);
const double annual = monthly6 * 12.0;

template <class Answer> const Answer& answer(const std::variant<Answer, WhatIfRefusal>& asked) {
    if (const auto* refusal = std::get_if<WhatIfRefusal>(&asked))
        qFatal("refused: %s", qPrintable(refusal->message));
    return std::get<Answer>(asked);
}

} // namespace

class WhatIfTest : public QObject {
    Q_OBJECT
private slots:
    // Months and years read as durations, never as "18.08" years.
    void durations_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<double>("years");
        QTest::addColumn<int>("month");
        QTest::addColumn<QString>("shown");
        QTest::newRow("one of each") << "en_US" << 13 / 12.0 << -1 << "1 year 1 month";
        QTest::newRow("a month over") << "en_US" << 18.08 << -1 << "18 years 1 month";
        QTest::newRow("months only") << "en_US" << 0.8 << -1 << "10 months";
        QTest::newRow("a month of the loan") << "en_US" << 0.0 << 298 << "298: 24 years 10 months";
        QTest::newRow("the last month") << "en_US" << 0.0 << 300 << "300: 25 years";
        QTest::newRow("other digits") << "ar_EG" << 25.0 << -1 << QString::fromUtf8("٢٥ years");
        QTest::newRow("beyond any loan") << "en_US" << 1e12 << -1 << "1,000,000,000,000.00";
    }
    void durations() {
        QFETCH(QString, locale);
        QFETCH(double, years);
        QFETCH(int, month);
        QFETCH(QString, shown);
        const QLocale where(locale);
        QCOMPARE(month < 0 ? hw::yearsText(years, where) : hw::monthText(month, where), shown);
    }
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

    // Each way of paying against the annuity formula at its own per-period rate;
    // the accelerated ways' payoff against the formula's count of periods.
    void howOftenTable() {
        const auto rows = answer(howOften(TableType, household()));
        QCOMPARE(rows.size(), std::size_t(5));
        const double monthly = payment(200000, monthly6, 300);
        for (const FrequencyRow& row : rows) {
            const double i = annual / row.periodsPerYear;
            const bool accelerated = row.frequency == Frequency::AcceleratedFortnightly ||
                                     row.frequency == Frequency::AcceleratedWeekly;
            const double level = accelerated
                                     ? monthly * 12.0 / row.periodsPerYear *
                                           (row.periodsPerYear == 26 ? 26.0 / 24.0 : 52.0 / 48.0)
                                     : payment(200000, i, 25.0 * row.periodsPerYear);
            QVERIFY(std::abs(row.repayment - level) < 1e-6);
            const double periods =
                accelerated ? std::ceil(-std::log(1 - 200000 * i / row.repayment) / std::log(1 + i))
                            : 25.0 * row.periodsPerYear;
            QCOMPARE(row.periods, int(periods));
            QVERIFY(std::abs(row.interest + 200000 - row.totalPaid) < 1e-6);
        }
        // Paying half the monthly repayment each fortnight pays 13 months a year:
        // the loan clears years sooner and saves interest; weekly likewise.
        QVERIFY(rows[3].years() < 22.0 && rows[3].interestSaved > 20000.0);
        QVERIFY(rows[4].years() < rows[3].years() + 0.1 && rows[4].interestSaved > 0.0);
        QCOMPARE(rows[0].interestSaved, 0.0);
    }

    // Reducing Balance: an equal share each period with its interest, summed here period by period.
    void howOftenReducingBalance() {
        const auto rows = answer(howOften(ReducingBalanceType, household()));
        QCOMPARE(rows.size(), std::size_t(3));
        for (const FrequencyRow& row : rows) {
            const double i = annual / row.periodsPerYear;
            const int n = 25 * row.periodsPerYear;
            double balance = 200000, interest = 0;
            for (int k = 0; k < n; ++k) {
                interest += balance * i;
                balance -= 200000.0 / n;
            }
            QCOMPARE(row.periods, n);
            QVERIFY(std::abs(row.interest - interest) < 1e-4);
            QVERIFY(std::abs(row.repayment - (200000.0 / n + 200000 * i)) < 1e-9);
        }
    }

    // Keeping the term after a lump sum: the repayment is the level payment of
    // the balance left over the months left.
    void lowerRepaymentAfterALumpSum() {
        const auto lower = answer(lowerRepayment(TableType, household(), {0.0, 20000.0, 12}));
        const double level = payment(200000, monthly6, 300);
        const double left = balanceAfter(200000, monthly6, level, 12) - 20000.0;
        QVERIFY(std::abs(lower.repaymentBefore - level) < 1e-6);
        QVERIFY(std::abs(*lower.repaymentAfter - payment(left, monthly6, 288)) < 1e-6);
        QCOMPARE(int(lower.rows.size()), 300); // the term is kept
        // A monthly extra lowers it every month: the last is far below the first
        // lowered; an extra that clears the loan at once lowers none.
        const auto monthly = answer(lowerRepayment(TableType, household(), {500.0, 0.0, 1}));
        QVERIFY(*monthly.lastRepayment < *monthly.repaymentAfter / 2.0);
        QVERIFY(!answer(lowerRepayment(TableType, household(), {0.0, 200000.0, 1})).repaymentAfter);
        // It saves interest, but less than shortening the term does.
        const auto shorter = answer(payingExtra(TableType, household(), {0.0, 20000.0, 12}));
        QVERIFY(lower.interestSaved > 0.0);
        QVERIFY(lower.interestSaved < shorter.interestBefore - shorter.interestAfter);
    }

    // The offset loan against a loop that charges interest on the balance less
    // the savings; beside it, the same savings paid in at once.
    void offsetAccountSavesInterest() {
        const auto offset = answer(offsetAccount(household(), 30000.0, 200.0));
        const double level = payment(200000, monthly6, 300);
        double balance = 200000, held = 30000, interest = 0;
        int month = 0;
        while (balance > 0.005 && month < 300) {
            ++month;
            const double charged = std::max(0.0, balance - held) * monthly6;
            balance -= std::min(level, balance + charged) - charged;
            interest += charged;
            held += 200.0;
        }
        QCOMPARE(offset.clearedMonth, month);
        QVERIFY(std::abs(offset.interest - interest) < 1e-6);
        // Like with like: the savings paid in at once, the additions every month.
        const auto lump = answer(payingExtra(TableType, household(), {200.0, 30000.0, 1}));
        QCOMPARE(offset.lumpClearedMonth, lump.clearedMonth);
        QVERIFY(offset.interestSaved > 0.0 && offset.clearedMonth < 300);
    }

    // The break-even month against what the household pays month by month on
    // each loan (the new one, 300 months, with the costs at the start) until
    // both have ended; 0 for never.
    void refinancingBreaksEven_data() {
        QTest::addColumn<double>("balance");
        QTest::addColumn<double>("percent");
        QTest::addColumn<double>("yearsLeft");
        QTest::addColumn<int>("after"); // the month is after this one (-1: never)
        QTest::newRow("cheaper each month") << 210000.0 << 8.0 << 25.0 << 0;
        QTest::newRow("a saving too small to repay the costs") << 200000.0 << 6.02 << 25.0 << -1;
        QTest::newRow("dearer each month but shorter") << 200000.0 << 6.0 << 35.0 << 300;
        QTest::newRow("dearer and as long") << 150000.0 << 4.0 << 25.0 << -1;
    }
    void refinancingBreaksEven() {
        QFETCH(double, balance);
        QFETCH(double, percent);
        QFETCH(double, yearsLeft);
        QFETCH(int, after);
        const CurrentLoan current{balance, percent, yearsLeft, 3500.0};
        const auto refinance = answer(refinancing(household(), current));
        const double oldPayment =
            payment(balance, static_cast<float>(float(percent) / 1200.0F), yearsLeft * 12);
        const double newPayment = payment(200000, monthly6, 300);
        QVERIFY(std::abs(refinance.monthlySaving - (oldPayment - newPayment)) < 1e-6);
        int month = 0;
        double onOld = 0, onNew = current.costs;
        for (int m = 1; m <= std::max(300, int(yearsLeft * 12)) && !month; ++m) {
            onOld += m <= yearsLeft * 12 ? oldPayment : 0.0;
            onNew += m <= 300 ? newPayment : 0.0;
            month = onOld + 1e-9 >= onNew ? m : 0;
        }
        QCOMPARE(refinance.breakEvenMonth.value_or(0), month);
        QVERIFY(after < 0 ? month == 0 : month > after);
    }

    // Questions no loan can answer are refused, naming the figure to mend.
    void refusals_data() {
        QTest::addColumn<int>("question"); // paying extra, the offset account, refinancing
        QTest::addColumn<QList<double>>("asked");
        QTest::addColumn<int>("input"); // the figure named, or -1
        const auto at = [](WhatIfInput input) { return int(input); };
        // clang-format off
        QTest::newRow("extra as large as the loan") << 0 << QList<double>{0, 200000, 0, 1} << -1;
        QTest::newRow("lump beyond the loan") << 0 << QList<double>{0, 0, 200000.01, 1} << -1;
        QTest::newRow("lump before the first month") << 0 << QList<double>{1, 0, 1000, 0} << -1;
        QTest::newRow("lump after the term") << 0 << QList<double>{1, 0, 1000, 301} << -1;
        QTest::newRow("an endowment type") << 0 << QList<double>{3, 100, 0, 1} << -1;
        QTest::newRow("offset above the loan") << 1 << QList<double>{200000.01, 0} << at(WhatIfInput::Savings);
        QTest::newRow("negative offset") << 1 << QList<double>{-1, 0} << at(WhatIfInput::Savings);
        QTest::newRow("monthly savings as large as the loan") << 1 << QList<double>{0, 200000} << at(WhatIfInput::MonthlySavings);
        QTest::newRow("no years left") << 2 << QList<double>{100000, 5, 0, 0} << at(WhatIfInput::YearsLeft);
        QTest::newRow("a 30-digit balance") << 2 << QList<double>{1e30, 5, 20, 0} << at(WhatIfInput::CurrentBalance);
        QTest::newRow("a rate of 100 %") << 2 << QList<double>{100000, 100, 20, 0} << at(WhatIfInput::CurrentRate);
        QTest::newRow("negative costs") << 2 << QList<double>{100000, 5, 20, -5} << at(WhatIfInput::Costs);
        // clang-format on
    }
    void refusals() {
        QFETCH(int, question);
        QFETCH(QList<double>, asked);
        QFETCH(int, input);
        const auto refusalOf = [](const auto& answer) {
            const auto* refusal = std::get_if<WhatIfRefusal>(&answer);
            return refusal ? *refusal : WhatIfRefusal{};
        };
        const WhatIfRefusal refusal =
            question == 0 ? refusalOf(payingExtra(int(asked[0]), household(),
                                                  {asked[1], asked[2], int(asked[3])}))
            : question == 1
                ? refusalOf(offsetAccount(household(), asked[0], asked[1]))
                : refusalOf(refinancing(household(), {asked[0], asked[1], asked[2], asked[3]}));
        QVERIFY(!refusal.message.isEmpty());
        if (input >= 0)
            QCOMPARE(int(refusal.input), input);
    }
};

QTEST_GUILESS_MAIN(WhatIfTest)
#include "tst_whatif.moc"
