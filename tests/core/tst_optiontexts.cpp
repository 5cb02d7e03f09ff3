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
    return calculateOptions(input, regional);
}
} // namespace

class OptionTextsTest : public QObject {
    Q_OBJECT
private slots:
    void dollars_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << 0.0 << "$0.00";
        QTest::newRow("grouping") << 1234567.891 << "$1,234,567.89";
        QTest::newRow("binary value below the half") << 2.675 << "$2.67";
        QTest::newRow("negative") << -120000.0 << "-$120,000.00";
        QTest::newRow("negative rounding to zero") << -0.004 << "$0.00";
        QTest::newRow("not a number") << std::nan("") << "$0.00";
    }
    void dollars() {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(hw::dollars(value), text);
    }

    void dollarsOfCurrency_data() {
        QTest::addColumn<qint64>("scaled");
        QTest::addColumn<QString>("text");
        QTest::newRow("half a cent rounds away from zero") << qint64(12350) << "$1.24";
        QTest::newRow("negative half") << qint64(-12350) << "-$1.24";
        QTest::newRow("below the half") << qint64(12349) << "$1.23";
        QTest::newRow("largest") << std::numeric_limits<qint64>::max() << "$922,337,203,685,477.58";
        QTest::newRow("smallest") << std::numeric_limits<qint64>::min()
                                  << "-$922,337,203,685,477.58";
    }
    void dollarsOfCurrency() {
        QFETCH(qint64, scaled);
        QFETCH(QString, text);
        QCOMPARE(hw::dollars(Currency::fromScaled(scaled)), text);
    }

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

    void reportIsInDollarsWhateverTheLocale() {
        const QString rate = german.percent(0.06);
        const QString term = german.number(10.0);
        const auto report = reportContent(workedExample(german, rate, term),
                                          *Currency::fromUnits(120000), rate, term, german);
        QCOMPARE(report.amountBorrowed, QStringLiteral("$120,000.00"));
        QCOMPARE(report.termInYears, term);
        QCOMPARE(report.interestRate, rate);
        const ReportRecord& table = report.records[TableType];
        QCOMPARE(table.mortgageType, QStringLiteral("Table"));
        QCOMPARE(table.first, QStringLiteral("$1,332.25"));
        QCOMPARE(table.paid, QStringLiteral("$159,869.52"));
        QCOMPARE(table.interest, QStringLiteral("$39,869.52"));
        const ReportRecord& card = report.records[CreditCardManagementType];
        QCOMPARE(card.mortgageType, QStringLiteral("Revolving Credit with Credit Card Managment"));
        QCOMPARE(card.term, QStringLiteral("5,83"));
        QCOMPARE(card.first, QStringLiteral("Variant"));
        QCOMPARE(card.last, QStringLiteral("Variant"));
    }

    void unaffordableRecordsCarryNoFigures() {
        const OptionsInput input =
            optionsInput(us, 200000, QStringLiteral("7.50%"), QStringLiteral("25.00"), 4000, 2500);
        const auto report = reportContent(calculateOptions(input, us), input.amount, input.rateText,
                                          input.termText, us);
        QStringList unaffordable;
        for (const ReportRecord& record : report.records) {
            if (!record.affordable) {
                unaffordable << record.mortgageType;
                QVERIFY(record.term.isEmpty() && record.first.isEmpty() && record.paid.isEmpty());
            }
        }
        QCOMPARE(unaffordable,
                 QStringList({"Reducing Balance", "Table Endowment", "Interest Only Endowment"}));
    }
};

QTEST_GUILESS_MAIN(OptionTextsTest)
#include "tst_optiontexts.moc"
