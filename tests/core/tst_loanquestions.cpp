// The second round of What If answers, each against a closed form or a loop
// written here afresh.

#include "OptionsCase.h"
#include "calc/LoanQuestions.h"

#include <QTest>
#include <cmath>

using namespace hw;

namespace {

const Regional usa{QLocale(QStringLiteral("en_US"))};

// 200,000 at 6 % over 25 years, 5,000 in and 3,600 out a month.
OptionsInput household() {
    return optionsInput(usa, 200000, QStringLiteral("6.00%"), QStringLiteral("25.00"), 5000, 3600);
}
// The monthly rate as the results page holds it, and the annual rate it stands for.
const double r = static_cast<float>(6.0F / 100.0F / 12.0F);
const double annual = r * 12.0;

double payment(double a, double i, double n) {
    return a * i * std::pow(1 + i, n) / (std::pow(1 + i, n) - 1);
}
double balanceAfter(double a, double i, double t, int k) {
    return a * std::pow(1 + i, k) - t * (std::pow(1 + i, k) - 1) / i;
}

template <class Answer> const Answer& answer(const std::variant<Answer, WhatIfRefusal>& asked) {
    if (const auto* refusal = std::get_if<WhatIfRefusal>(&asked))
        qFatal("refused: %s", qPrintable(refusal->message));
    return std::get<Answer>(asked);
}

} // namespace

class LoanQuestionsTest : public QObject {
    Q_OBJECT
private slots:
    // Each way of paying against the annuity formula at its own per-period rate;
    // the accelerated ways' payoff against the formula's count of periods.
    void howOftenTable() {
        const auto rows = answer(howOften(TableType, household()));
        QCOMPARE(rows.size(), std::size_t(5));
        const double monthly = payment(200000, r, 300);
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
        const double level = payment(200000, r, 300);
        const double left = balanceAfter(200000, r, level, 12) - 20000.0;
        QVERIFY(std::abs(lower.repaymentBefore - level) < 1e-6);
        QVERIFY(std::abs(lower.repaymentAfter - payment(left, r, 288)) < 1e-6);
        QCOMPARE(int(lower.rows.size()), 300); // the term is kept
        // It saves interest, but less than shortening the term does.
        const auto shorter = answer(payingExtra(TableType, household(), {0.0, 20000.0, 12}));
        QVERIFY(lower.interestSaved > 0.0);
        QVERIFY(lower.interestSaved < shorter.interestBefore - shorter.interestAfter);
    }

    // The offset loan against a loop that charges interest on the balance less
    // the savings; beside it, the same savings paid in at once.
    void offsetAccountSavesInterest() {
        const auto offset = answer(offsetAccount(household(), 30000.0, 200.0));
        const double level = payment(200000, r, 300);
        double balance = 200000, held = 30000, interest = 0;
        int month = 0;
        while (balance > 0.005 && month < 300) {
            ++month;
            const double charged = std::max(0.0, balance - held) * r;
            balance -= std::min(level, balance + charged) - charged;
            interest += charged;
            held += 200.0;
        }
        QCOMPARE(offset.clearedMonth, month);
        QVERIFY(std::abs(offset.interest - interest) < 1e-6);
        const auto lump = answer(payingExtra(TableType, household(), {0.0, 30000.0, 1}));
        QCOMPARE(offset.lumpClearedMonth, lump.clearedMonth);
        QVERIFY(offset.interestSaved > 0.0 && offset.clearedMonth < 300);
    }

    // The break-even month against the running total of the monthly savings.
    void refinancingBreaksEven() {
        const CurrentLoan current{210000.0, 8.0, 25.0, 3500.0};
        const auto refinance = answer(refinancing(household(), current));
        const double rate = static_cast<float>(8.0F / 1200.0F);
        const double saving = payment(210000, rate, 300) - payment(200000, r, 300);
        QVERIFY(std::abs(refinance.monthlySaving - saving) < 1e-6);
        double saved = 0;
        int month = 0;
        while (saved < current.costs)
            saved += saving, ++month;
        QCOMPARE(*refinance.breakEvenMonth, month);
        QVERIFY(std::abs(refinance.totalCurrent - refinance.currentRepayment * 300) < 1e-6);
        // A dearer new loan never breaks even.
        const auto dearer = answer(refinancing(household(), {150000.0, 4.0, 25.0, 1000.0}));
        QVERIFY(dearer.monthlySaving < 0.0 && !dearer.breakEvenMonth);
    }

    void refusals_data() {
        QTest::addColumn<int>("question");
        QTest::addColumn<double>("first");
        QTest::addColumn<double>("second");
        QTest::addColumn<int>("input");
        const auto at = [](WhatIfInput input) { return int(input); };
        QTest::newRow("offset above the loan") << 0 << 200000.01 << 0.0 << at(WhatIfInput::Savings);
        QTest::newRow("negative offset") << 0 << -1.0 << 0.0 << at(WhatIfInput::Savings);
        QTest::newRow("monthly savings as large as the loan")
            << 0 << 0.0 << 200000.0 << at(WhatIfInput::MonthlySavings);
        QTest::newRow("no years left") << 1 << 0.0 << 0.0 << at(WhatIfInput::YearsLeft);
        QTest::newRow("a 30-digit balance") << 2 << 1e30 << 0.0 << at(WhatIfInput::CurrentBalance);
        QTest::newRow("a rate of 100 %") << 3 << 100.0 << 0.0 << at(WhatIfInput::CurrentRate);
        QTest::newRow("negative costs") << 4 << -5.0 << 0.0 << at(WhatIfInput::Costs);
    }
    void refusals() {
        QFETCH(int, question);
        QFETCH(double, first);
        QFETCH(double, second);
        QFETCH(int, input);
        WhatIfRefusal refusal;
        if (question == 0) {
            refusal = std::get<WhatIfRefusal>(offsetAccount(household(), first, second));
        } else {
            CurrentLoan loan{100000.0, 5.0, 20.0, 0.0};
            if (question == 1)
                loan.yearsLeft = first;
            else if (question == 2)
                loan.balance = first;
            else if (question == 3)
                loan.ratePercent = first;
            else
                loan.costs = first;
            refusal = std::get<WhatIfRefusal>(refinancing(household(), loan));
        }
        QCOMPARE(int(refusal.input), input);
        QVERIFY(!refusal.message.isEmpty());
    }
};

QTEST_APPLESS_MAIN(LoanQuestionsTest)
#include "tst_loanquestions.moc"
