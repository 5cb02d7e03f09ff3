// The case as a value: what a household entered, read from the pages in one
// locale and opened into a window in another, gives every page and every
// figure of the results again.

#include "CaseDriver.h"
#include "MessageRecorder.h"

#include <QTest>

using hw::frmMortgage;

class CaseTest : public QObject {
    Q_OBJECT
private slots:
    void roundTrip_data() {
        QTest::addColumn<int>("purpose");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        const char* const pairs[][2] = {
            {"en_US", "de_DE"}, {"de_DE", "en_IN"}, {"en_IN", "fr_FR"}, {"ja_JP", "ja_JP"}};
        for (int purpose = 0; purpose < hw::PurposeCount; ++purpose) {
            const auto& [from, to] = pairs[purpose % 4];
            QTest::addRow("purpose %d, %s to %s", purpose, from, to)
                << purpose << QString::fromLatin1(from) << QString::fromLatin1(to);
        }
    }
    void roundTrip() {
        QFETCH(int, purpose);
        QFETCH(QString, from);
        QFETCH(QString, to);
        MessageRecorder messages;
        frmMortgage entered{QLocale(from)};
        driver::show(entered);
        driver::choosePurpose(entered, purpose);
        driver::walkTo(entered, hw::BudgetStep);
        if (purpose % 2) // a monthly budget, and the bank charges as an amount
            QTest::mouseClick(entered.optBudget[1], Qt::LeftButton);
        driver::walkTo(entered, hw::ChargesStep);
        if (purpose % 2) {
            QTest::mouseClick(entered.optCharges[1], Qt::LeftButton);
            driver::type(entered.txtCharges[1], QStringLiteral("3000"));
        }
        driver::walkTo(entered, hw::RateStep);
        driver::type(entered.txtRate[0], QStringLiteral("7.25"));
        driver::type(entered.txtRate[1], QStringLiteral("20"));
        driver::next(entered);
        QCOMPARE(int(entered.CurrentStep), int(hw::ResultsStep));
        QVERIFY(messages.texts().isEmpty());
        const hw::MortgageCase value = entered.caseValue();

        frmMortgage opened{QLocale(to)};
        driver::show(opened);
        QVERIFY(opened.openCase(value));
        QVERIFY2(messages.texts().isEmpty(), qPrintable(messages.texts().join(u'\n')));
        QVERIFY(opened.caseValue() == value);
        QCOMPARE(opened.MortgageRequirement, entered.MortgageRequirement);
        for (std::size_t k = 0; k < hw::MortgageTypeCount; ++k) {
            const hw::OptionFigures& was = entered.options()->types[k];
            const hw::OptionFigures& is = opened.options()->types[k];
            QCOMPARE(is.affordable, was.affordable);
            QCOMPARE(is.totalPaid, was.totalPaid);
            QCOMPARE(is.interest, was.interest);
            QCOMPARE(is.first, was.first);
        }
    }
};

QTEST_MAIN(CaseTest)
#include "tst_case.moc"
