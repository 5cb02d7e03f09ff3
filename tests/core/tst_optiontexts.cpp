#include "OptionsCase.h"
#include "calc/OptionTexts.h"

#include <QTest>

using namespace hw;

namespace {
const Regional us{QLocale(QStringLiteral("en_US"))};
const Regional german{QLocale(QStringLiteral("de_DE"))};

// The worked example: $120,000 at 6% over ten years, $5,000 in and $3,000 out a month.
OptionsResult workedExample(const Regional& regional, const QString& rate, const QString& term) {
    const OptionsInput input = optionsInput(regional, 120000, rate, term, 5000, 3000);
    return calculateOptions(input);
}
} // namespace

class OptionTextsTest : public QObject {
    Q_OBJECT
private slots:
    // Which cells a row writes, and in which form, for the user's locale.
    void rowTexts_data() {
        QTest::addColumn<bool>("inGerman");
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("term");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::addColumn<QString>("paid");
        QTest::addColumn<QString>("final");
        const QString none = QStringLiteral("(kept)");
        QTest::newRow("table repeats its first") << false << 0 << "10.00"
                                                 << "$1,332.25"
                                                 << "$1,332.25"
                                                 << "$159,869.52" << none;
        QTest::newRow("reducing last month") << false << 1 << "10.00"
                                             << "$1,600.00"
                                             << "$1,005.00"
                                             << "$156,300.00" << none;
        QTest::newRow("interest only owes the loan") << false << 2 << "10.00"
                                                     << "$600.00"
                                                     << "$600.00"
                                                     << "$72,000.00"
                                                     << "$120,000.00";
        QTest::newRow("endowment years") << false << 4 << "8.25"
                                         << "$1,600.00"
                                         << "$1,600.00"
                                         << "$158,400.00" << none;
        QTest::newRow("revolving keeps Variant")
            << false << 5 << "6.00" << none << none << "$142,599.06" << none;
        QTest::newRow("german table") << true << 0 << "10,00"
                                      << "1.332,25\u00A0€"
                                      << "1.332,25\u00A0€"
                                      << "159.869,52\u00A0€" << none;
        QTest::newRow("german years")
            << true << 6 << "5,83" << none << none << "141.350,84\u00A0€" << none;
    }
    void rowTexts() {
        QFETCH(bool, inGerman);
        QFETCH(int, type);
        const Regional& regional = inGerman ? german : us;
        const QString termText = regional.number(10.0);
        const auto result = workedExample(regional, regional.percent(0.06), termText);
        const RowTexts row =
            hw::rowTexts(type, result.types[static_cast<std::size_t>(type)], termText, regional);
        const auto shown = [](const std::optional<QString>& cell) {
            return cell.value_or(QStringLiteral("(kept)"));
        };
        QTEST(row.term, "term");
        QTEST(shown(row.first), "first");
        QTEST(shown(row.last), "last");
        QTEST(row.paid, "paid");
        QTEST(shown(row.finalBalance), "final");
    }

    // The report shows every figure as the results page does, in the user's own
    // currency form, with the final balance and the reason for every verdict.
    void reportInTheUsersForms_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("tableFirst");
        QTest::addColumn<QString>("interestOnlyFinal");
        QTest::addColumn<QString>("cardTerm");
        QTest::newRow("en_US") << "en_US"
                               << "$120,000.00"
                               << "$1,332.25"
                               << "$120,000.00"
                               << "5.83";
        QTest::newRow("de_DE") << "de_DE"
                               << "120.000,00\u00A0€"
                               << "1.332,25\u00A0€"
                               << "120.000,00\u00A0€"
                               << "5,83";
        QTest::newRow("ja_JP: no fractions of a yen") << "ja_JP"
                                                      << "￥120,000"
                                                      << "￥1,332"
                                                      << "￥120,000"
                                                      << "5.83";
    }
    void reportInTheUsersForms() {
        QFETCH(QString, locale);
        const Regional regional{QLocale(locale)};
        const QString rate = regional.percent(0.06);
        const QString term = regional.number(10.0);
        const auto report =
            reportContent(workedExample(regional, rate, term),
                          {QStringLiteral("Refinance"), *Currency::fromUnits(120000), rate, term,
                           regional.currency(*Currency::fromUnits(2000))},
                          regional);
        QTEST(report.amountBorrowed, "amount");
        QCOMPARE(report.interestRate, rate);
        QCOMPARE(report.purpose, QStringLiteral("Refinance"));
        QTEST(report.records[TableType].first, "tableFirst");
        QCOMPARE(report.records[TableType].finalBalance, regional.currency(Currency()));
        QTEST(report.records[InterestOnlyType].finalBalance, "interestOnlyFinal");
        const ReportRecord& card = report.records[CreditCardManagementType];
        QCOMPARE(card.mortgageType, QStringLiteral("Revolving Credit with Credit Card Management"));
        QTEST(card.term, "cardTerm");
        QCOMPARE(card.first, QStringLiteral("Variant"));
    }

    // Every verdict says why, with the figures: what the month needs against
    // what is spare ($1,500 here), for every type.
    void everyVerdictSaysWhy_data() {
        QTest::addColumn<double>("amount");
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("reason");
        QTest::newRow("table") << 300000.0 << int(TableType)
                               << "Needs $2,216.97 a month; $1,500.00 is spare";
        QTest::newRow("reducing balance") << 200000.0 << int(ReducingBalanceType)
                                          << "Needs $1,916.67 a month; $1,500.00 is spare";
        QTest::newRow("interest only")
            << 300000.0 << int(InterestOnlyType) << "Needs $1,875.00 a month; $1,500.00 is spare";
        QTest::newRow("table endowment")
            << 200000.0 << int(TableEndowmentType) << "Needs $1,916.67 a month; $1,500.00 is spare";
        QTest::newRow("cash management")
            << 300000.0 << int(CashManagementType)
            << "The first month's interest, $1,870.31, is more than the $1,500.00 spare";
        QTest::newRow("credit card management")
            << 300000.0 << int(CreditCardManagementType)
            << "The first month's interest, $1,862.50, is more than the $1,500.00 spare";
        QTest::newRow("affordable: no reason") << 200000.0 << int(TableType) << "";
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
};

QTEST_GUILESS_MAIN(OptionTextsTest)
#include "tst_optiontexts.moc"
