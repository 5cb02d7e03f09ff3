// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
// The seven types worked out: the worked example in the user's own forms,
// why a type is not affordable, the report's texts, and the loans no loop
// could ever end.

#include "OptionsCase.h"
#include "calc/MortgageOptions.h"
#include "calc/OptionTexts.h"

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
// The worked example: $120,000 at 6% over ten years, $5,000 in and $3,000 out a month.
OptionsResult workedExampleIn(const Regional& regional) {
    return calculateOptions(
        optionsInput(regional, 120000, regional.percent(0.06), regional.number(10.0), 5000, 3000));
}
const QString kept = QStringLiteral("(kept)");
QString shown(const std::optional<QString>& cell) {
    return cell.value_or(kept);
}
} // namespace

class MortgageOptionsTest : public QObject {
    Q_OBJECT
private slots:
    // Every type of the worked example: the figures a row shows, and which
    // cells it leaves as they were ("(kept)"), in the user's own forms.
    void workedExample_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("type");
        QTest::addColumn<QStringList>("row"); // term, first, last, paid, interest, final
        const struct {
            const char* name;
            const char* locale;
            int type;
            QStringList row;
        } rows[] = {
            // clang-format off
            {"table", "en_US", 0, {"10.00", "$1,332.25", "$1,332.25", "$159,869.52", "$39,869.52", kept}},
            {"reducing", "en_US", 1, {"10.00", "$1,600.00", "$1,005.00", "$156,300.00", "$36,300.00", kept}},
            {"interest only owes the loan", "en_US", 2,
             {"10.00", "$600.00", "$600.00", "$72,000.00", "$72,000.00", "$120,000.00"}},
            {"table endowment", "en_US", 3, {"8.00", "$1,600.00", "$1,600.00", "$153,600.00", "$7,895.62", kept}},
            {"interest only endowment", "en_US", 4,
             {"8.25", "$1,600.00", "$1,600.00", "$158,400.00", "$59,400.00", kept}},
            {"cash management", "en_US", 5, {"6.00", kept, kept, "$142,599.06", "$22,599.06", kept}},
            {"credit card management", "en_US", 6, {"5.83", kept, kept, "$141,350.84", "$21,350.84", kept}},
            {"german table", "de_DE", 0,
             {"10,00", "1.332,25\u00A0€", "1.332,25\u00A0€", "159.869,52\u00A0€", "39.869,52\u00A0€", kept}},
            {"german years", "de_DE", 6, {"5,83", kept, kept, "141.350,84\u00A0€", "21.350,84\u00A0€", kept}},
            // clang-format on
        };
        for (const auto& row : rows)
            QTest::newRow(row.name) << QString::fromLatin1(row.locale) << row.type << row.row;
    }
    void workedExample() {
        QFETCH(QString, locale);
        QFETCH(int, type);
        const Regional regional{QLocale(locale)};
        const auto result = workedExampleIn(regional);
        QCOMPARE(result.monthlyRate, 0.005F);
        const OptionFigures& figures = result.types[std::size_t(type)];
        QVERIFY(figures.affordable);
        const RowTexts row = rowTexts(type, figures, regional.number(10.0), regional);
        QTEST(QStringList({row.term, shown(row.first), shown(row.last), row.paid, row.interest,
                           shown(row.finalBalance)}),
              "row");
    }

    // Canada's fixed rates are quoted compounded half-yearly: the monthly rate
    // is (1 + R/200)^(1/6) - 1, and every figure follows it.
    void canadianRatesCompoundHalfYearly_data() {
        QTest::addColumn<double>("years");
        QTest::addColumn<bool>("halfYearly");
        QTest::addColumn<QString>("repayment");
        QTest::newRow("15 years, half-yearly") << 15.0 << true << "$1,841.03";
        QTest::newRow("25 years, half-yearly") << 25.0 << true << "$1,463.11";
        QTest::newRow("15 years, monthly") << 15.0 << false << "$1,854.02";
    }
    void canadianRatesCompoundHalfYearly() {
        QFETCH(double, years);
        QFETCH(bool, halfYearly);
        OptionsInput input =
            optionsInput(us, 200000, QStringLiteral("7.50%"), us.number(years), 10000, 0);
        input.compounding = halfYearly ? Compounding::HalfYearly : Compounding::Monthly;
        const OptionsResult result = calculateOptions(input);
        QTEST(us.currency(*result.types[TableType].first), "repayment");
    }

    // The report of a currency without fractions: whole yen, the case it answers.
    void reportInWholeYen() {
        const Regional yen{QLocale(QStringLiteral("ja_JP"))};
        const QString rate = yen.percent(0.06);
        const auto report =
            reportContent(workedExampleIn(yen),
                          {QStringLiteral("Refinance"), *Currency::fromUnits(120000), rate,
                           yen.number(10.0), yen.currency(*Currency::fromUnits(2000))},
                          yen);
        QCOMPARE(report.amountBorrowed, QStringLiteral("￥120,000"));
        QCOMPARE(report.interestRate, rate);
        QCOMPARE(report.purpose, QStringLiteral("Refinance"));
        QCOMPARE(report.records[TableType].first, QStringLiteral("￥1,332"));
        QCOMPARE(report.records[TableType].finalBalance, QStringLiteral("￥0"));
        QCOMPARE(report.records[InterestOnlyType].finalBalance, QStringLiteral("￥120,000"));
        const ReportRecord& card = report.records[CreditCardManagementType];
        QCOMPARE(card.mortgageType, QStringLiteral("Revolving Credit with Credit Card Management"));
        QCOMPARE(card.term, QStringLiteral("5.83"));
        QCOMPARE(card.first, QStringLiteral("Variant"));
    }

    // Every verdict says why, with the figures: what the month needs against
    // what is spare ($1,500 here), for every type.
    void everyVerdictSaysWhy_data() {
        QTest::addColumn<double>("amount");
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("reason");
        const QString needs = QStringLiteral("Needs %1 a month; $1,500.00 is spare");
        const QString interest =
            QStringLiteral("The first month's interest, %1, is more than the $1,500.00 spare");
        QTest::newRow("table") << 300000.0 << 0 << needs.arg("$2,216.97");
        QTest::newRow("reducing balance") << 200000.0 << 1 << needs.arg("$1,916.67");
        QTest::newRow("interest only") << 300000.0 << 2 << needs.arg("$1,875.00");
        QTest::newRow("table endowment") << 200000.0 << 3 << needs.arg("$1,916.67");
        QTest::newRow("cash management") << 300000.0 << 5 << interest.arg("$1,870.31");
        QTest::newRow("credit card management") << 300000.0 << 6 << interest.arg("$1,862.50");
        QTest::newRow("affordable: no reason") << 200000.0 << 0 << "";
    }
    void everyVerdictSaysWhy() {
        QFETCH(double, amount);
        QFETCH(int, type);
        const OptionsInput input =
            optionsInput(us, amount, QStringLiteral("7.50%"), QStringLiteral("25.00"), 4000, 2500);
        const OptionsResult result = calculateOptions(input);
        const OptionFigures& figures = result.types[std::size_t(type)];
        QTEST(notAffordableReason(figures, us), "reason");
        const auto report = reportContent(result,
                                          {QString(), input.amount, QStringLiteral("7.50%"),
                                           QStringLiteral("25.00"), QStringLiteral("$1,500.00")},
                                          us);
        const ReportRecord& record = report.records[std::size_t(type)];
        QTEST(record.reason, "reason");
        // A record the household cannot afford carries no figures.
        QCOMPARE(record.paid.isEmpty(), !figures.affordable);
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
        // The part month repays what the whole months leave, with interest for
        // its part: over 10.05 years (120.6 months) a share of $995.02 a month
        // leaves $597.01, and 0.6 of a month at 0.5 % adds $1.79.
        QTest::addColumn<QString>("last");
        QTest::newRow("10.04 years") << "10.04"
                                     << "$479.23";
        QTest::newRow("10.05 years") << "10.05"
                                     << "$598.81";
        QTest::newRow("0.1 years") << "0.10"
                                   << "$20,020.00";
    }
    void reducingBalanceOverAPartMonth() {
        QFETCH(QString, term);
        const auto result = calculateOptions(input(120000, "6.00%", qPrintable(term), 500000, 3000),
                                             hw::Schedules::With);
        const OptionFigures& f = result.types[ReducingBalanceType];
        QTEST(us.currency(*f.last), "last");
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
