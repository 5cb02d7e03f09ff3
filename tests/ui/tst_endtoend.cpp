// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#include "CaseDriver.h"

#include <QLabel>
#include <QTest>
#include <cmath>

using hw::Currency;
using hw::MainWindow;

// Each purpose walked from the opening page to the closing page through the real
// widgets, with the figures a household would type, in regional settings with
// a decimal comma, Indian grouping, a currency without decimals and Arabic-Indic
// digits; the case it makes opened again in another locale.
class EndToEndTest : public QObject {
    Q_OBJECT
private slots:
    void walk_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("purpose");
        QTest::addColumn<qint64>("borrowed");
        // What each purpose borrows with the driver's figures: the requirement,
        // plus $200 valuation and $500 legal costs, plus 1% bank charges.
        const qint64 borrowed[hw::PurposeCount] = {
            101707, // buying at $100,000
            364307, // land $150,000 and building $250,000, less $40,000
            172407, // improvements $50,000 and the $120,000 still owed
            233007, // buying at $500,000 with the equity of a $400,000 sale
            222907, // building for $500,000 with the equity of a $400,000 sale
            424907, // another property at $300,000 and the $120,000 still owed
            424907, // building for $300,000 and the $120,000 still owed
            142107, // $20,000 more on top of the $120,000 owed
            172407, // $50,000 for other things and the $120,000 owed
        };
        for (const char* locale : {"en_US", "en_NZ", "de_DE", "fr_FR", "en_IN", "ja_JP", "ar_EG"})
            for (int purpose = 0; purpose < hw::PurposeCount; ++purpose)
                QTest::addRow("%s purpose %d", locale, purpose)
                    << QString::fromLatin1(locale) << purpose << borrowed[purpose];
    }
    void walk() {
        QFETCH(QString, locale);
        QFETCH(int, purpose);
        QFETCH(qint64, borrowed);
        driver::Window w(qPrintable(locale));
        driver::choosePurpose(w, purpose);
        if (purpose % 2) { // a monthly budget, and the bank charges kept as an amount
            driver::walkTo(w, hw::BudgetStep);
            QTest::mouseClick(driver::button(w, hw::BudgetStep, "M&onthly"), Qt::LeftButton);
            driver::walkTo(w, hw::ChargesStep);
            QTest::mouseClick(driver::button(w, hw::ChargesStep, "&Fixed Amount"), Qt::LeftButton);
        }
        driver::walkTo(w, hw::ResultsStep);
        QVERIFY2(w.texts().isEmpty(), qPrintable(w.texts().join(u'|')));

        const hw::Regional& regional = w.regional();
        const Currency amount = *Currency::fromUnits(borrowed);
        QCOMPARE(w.figures().requirement, amount);
        // The budget's starting figures, fortnightly as the page starts, or monthly.
        QCOMPARE(w.figures().shownExpenditure, *Currency::fromUnits(purpose % 2 ? 450 : 975));
        QCOMPARE(driver::child<QLabel>(&w, QStringLiteral("sknpnMortgage"))->text(),
                 QStringLiteral("Amount borrowed:  ") + regional.currency(amount) +
                     QStringLiteral("  at  ") + regional.percent(0.08));

        // The Table repayment of the amount at 8% over 25 years.
        const double r = double(8.0F / 100.0F / 12.0F);
        const double table = amount.toDouble() * r / (1.0 - std::pow(1.0 + r, -300.0));
        if (!driver::notAffordable(w, 0)->isVisible())
            QCOMPARE(driver::cell(w, 0, driver::First)->text(), regional.currency(table));

        QVERIFY(w.reportContent());

        // The case as a value opens in a window in another locale with the same results.
        const hw::MortgageCase value = w.caseValue();
        driver::Window opened(locale == QLatin1String("de_DE") ? "en_IN" : "de_DE");
        QVERIFY(opened.openCase(value));
        QVERIFY2(opened.texts().isEmpty(), qPrintable(opened.texts().join(u'|')));
        QVERIFY(opened.caseValue() == value);
        // The core works out every figure the pages hand on as the walk did.
        QVERIFY(opened.figures() == w.figures());

        driver::next(w);
        QCOMPARE(int(w.currentStep()), int(hw::ClosingStep));
        QVERIFY(!driver::child<QPushButton>(&w, "cmdNext")->isVisible());
        QVERIFY(w.texts().isEmpty());
    }
};

QTEST_MAIN(EndToEndTest)
#include "tst_endtoend.moc"
