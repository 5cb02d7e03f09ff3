// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#include "CaseDriver.h"
#include "MessageRecorder.h"

#include <QLabel>
#include <QTest>

using hw::MainWindow;
using hw::NumericField;

using driver::openOn;

class ValidationTest : public QObject {
    Q_OBJECT
private slots:
    // A page's refusal as Next meets it (the checks themselves are the core's
    // table): the figures typed ("Caption=text"), Next pressed; the page's one
    // message, the page kept and the focus on the field the refusal names.
    void pagesRefuse_data() {
        QTest::addColumn<int>("purpose");
        QTest::addColumn<int>("step");
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        // clang-format off
        QTest::newRow("assets") << 2 << int(hw::AssetsStep) << QStringList{"Current Domestic Residence=0"}
            << "Please enter required value." << "Current Domestic Residence";
        QTest::newRow("a purpose's second part") << 3 << 9 << QStringList{"Selling Price=400000"}
            << "Please enter Purchase Price." << "Purchase Price";
        QTest::newRow("a tax rate") << 0 << int(hw::IncomeStep) << QStringList{"Other Annual Gross Income, tax rate=120"}
            << "Tax rate must be less than 100%." << "Other Annual Gross Income, tax rate";
        QTest::newRow("the term emptied") << 0 << int(hw::RateStep) << QStringList{"Term in Years="}
            << "Term in years must be between 0.1 and 100." << "Term in Years";
        // clang-format on
    }
    void pagesRefuse() {
        QFETCH(int, purpose);
        QFETCH(int, step);
        QFETCH(QStringList, typed);
        QFETCH(QString, focus);
        driver::Window w;
        openOn(w, purpose, step);
        for (const QString& entry : typed)
            driver::type(driver::field(w, step, entry.section(u'=', 0, 0)), entry.section(u'=', 1));
        driver::next(w);
        QTEST(w.texts().value(0), "message");
        QCOMPARE(w.texts().size(), 1);
        QCOMPARE(w.currentStep(), step);
        QCOMPARE(QApplication::focusWidget(), driver::field(w, step, focus));
    }

    // A percentage out of range, left by Back, is put back as it was.
    void backRepairsPercentages_data() {
        QTest::addColumn<int>("step");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("after");
        const QString rate = QStringLiteral("Interest Rate");
        const int rateStep = hw::RateStep;
        // clang-format off
        QTest::newRow("rate 150") << rateStep << rate << "150" << "8.00%";
        QTest::newRow("rate 99.99") << rateStep << rate << "99.99" << "99.99%";
        QTest::newRow("bank 100") << int(hw::ChargesStep) << "Bank charges percentage" << "100" << "1.00%";
        QTest::newRow("tax 120") << int(hw::IncomeStep) << "Other Annual Gross Income, tax rate" << "120" << "0.00%";
        // clang-format on
    }
    void backRepairsPercentages() {
        QFETCH(int, step);
        QFETCH(QString, field);
        QFETCH(QString, typed);
        driver::Window w;
        openOn(w, 0, step);
        driver::type(driver::field(w, step, field), typed);
        driver::back(w);
        QTEST(driver::field(w, step, field)->text(), "after");
        QVERIFY(w.messages.isEmpty());
    }

    void fixedAmountRefusedAbove100() {
        driver::Window w;
        openOn(w, 0, hw::ChargesStep);
        NumericField* percentage = driver::field(w, hw::ChargesStep, "Bank charges percentage");
        driver::type(percentage, QStringLiteral("120"));
        QTest::mouseClick(driver::button(w, hw::ChargesStep, QStringLiteral("&Fixed Amount")),
                          Qt::LeftButton);
        QCOMPARE(w.texts(), QStringList({"Bank Charges must be less than 100%."}));
        QVERIFY(driver::button(w, hw::ChargesStep, QStringLiteral("&Percent"))->isChecked());
        QVERIFY(driver::field(w, hw::ChargesStep, "Bank charges amount")->isReadOnly());
        QVERIFY(percentage->hasFocus());
    }

    // A first-home purpose leaves the owned home out, and shows it again on
    // the way back to a purpose that owns one.
    void firstHomePurposesClearOwnedHome() {
        driver::Window w;
        driver::choosePurpose(w, 2);
        driver::next(w);
        NumericField* home = driver::field(w, hw::AssetsStep, "Current Domestic Residence");
        QVERIFY(home->hasFocus());
        driver::type(home, QStringLiteral("350000"));
        const auto purposeThenAssets = [&w](int purpose) {
            driver::back(w);
            QTest::mouseClick(driver::purposeButton(w, purpose), Qt::LeftButton);
            driver::next(w);
        };
        purposeThenAssets(0);
        QCOMPARE(home->text(), QStringLiteral("$0.00"));
        QVERIFY(!home->isEnabled() &&
                !driver::field(w, hw::AssetsStep, "Combined Rental Properties")->isEnabled());
        QVERIFY(driver::field(w, hw::AssetsStep, "Combined Value of Vehicles")->hasFocus());
        purposeThenAssets(1);
        purposeThenAssets(2);
        QVERIFY(home->isEnabled() && home->hasFocus());
        QCOMPARE(home->text(), QStringLiteral("350000.00")); // being edited
    }

    // A fixed charge beyond the total before bank charges is refused where it was
    // typed, the mode stays as chosen, and the page set-up keeps the figure.
    void fixedAmountIsCheckedWhereTyped() {
        driver::Window w;
        openOn(w, 8, 14);
        driver::type(driver::field(w, 14, "Amount You Want To Borrow"), QStringLiteral("100000"));
        driver::next(w);
        QCOMPARE(int(w.currentStep()), int(hw::ChargesStep));
        QAbstractButton* fixed =
            driver::button(w, hw::ChargesStep, QStringLiteral("&Fixed Amount"));
        NumericField* amount = driver::field(w, hw::ChargesStep, "Bank charges amount");
        const QLineEdit* total = driver::shown(w, hw::ChargesStep, "Total");
        QTest::mouseClick(fixed, Qt::LeftButton);
        driver::type(amount, QStringLiteral("150000"));
        QTest::mouseClick(driver::calculate(w, hw::ChargesStep), Qt::LeftButton);
        QCOMPARE(w.texts(), QStringList({"Bank Charges must be less than 100%."}));
        QVERIFY(amount->hasFocus());
        QCOMPARE(driver::field(w, hw::ChargesStep, "Bank charges percentage")->text(),
                 QStringLiteral("1.00%"));
        driver::type(amount, QStringLiteral("777"));
        QTest::mouseClick(driver::calculate(w, hw::ChargesStep), Qt::LeftButton);
        QCOMPARE(w.messages.size(), 1);
        QCOMPARE(driver::field(w, hw::ChargesStep, "Bank charges percentage")->text(),
                 QStringLiteral("0.77%"));
        QCOMPARE(total->text(), QStringLiteral("$101,477.00"));
        // Pressing "Fixed Amount" again keeps the mode and its pressed button.
        QTest::mouseClick(fixed, Qt::LeftButton);
        QVERIFY(fixed->isChecked() && !amount->isReadOnly());
        driver::back(w);
        driver::next(w);
        QCOMPARE(amount->text(), QStringLiteral("$777.00"));
        QCOMPARE(total->text(), QStringLiteral("$101,477.00"));
        QCOMPARE(w.messages.size(), 1);
    }

    // The sale's equity and the charges page's total follow the figures as they
    // are typed; the rate page sums
    // the case up (the loan, its share of the property, the income, the spending
    // and what is spare a month) and takes the focus on its rate.
    void chargesAndTheSummary() {
        driver::Window w;
        openOn(w, hw::SellingAndBuying, 9);
        driver::type(driver::field(w, 9, "Selling Price"), QStringLiteral("400000"));
        driver::type(driver::field(w, 9, "Real Estate Fees"), QStringLiteral("10000"));
        QCOMPARE(driver::field(w, 9, "Your Equity")->text(), QStringLiteral("$390,000.00"));
        driver::walkTo(w, hw::ChargesStep);
        const QLineEdit* total = driver::field(w, hw::ChargesStep, "Total Before Bank Charges");
        QCOMPARE(total->text(), QStringLiteral("$110,700.00"));
        driver::type(driver::field(w, hw::ChargesStep, "Valuation Fees"), QStringLiteral("300"));
        QCOMPARE(total->text(), QStringLiteral("$110,800.00"));
        driver::next(w);
        // Each figure as shown, and named with its caption for a screen reader.
        QStringList summary;
        for (int i = 0; i < 5; ++i) {
            const auto* figure = driver::child<QLabel>(&w, QStringLiteral("lblMortgage%1").arg(i));
            QVERIFY(figure->accessibleName().endsWith(" " + figure->text()));
            summary << figure->accessibleName();
        }
        QCOMPARE(summary,
                 QStringList({"Mortgage Requirement: $111,908.00", "Loan to Value Ratio: 22.16%",
                              "Total Monthly Income After Tax: $4,250.00",
                              "Monthly Expenditure: $975.00", "Spare: $3,275.00"}));
        QVERIFY(w.messages.isEmpty());
        QVERIFY(driver::field(w, hw::RateStep, "Interest Rate")->hasFocus());
    }
};

QTEST_MAIN(ValidationTest)
#include "tst_validation.moc"
