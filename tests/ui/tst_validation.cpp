#include "CaseDriver.h"
#include "MessageRecorder.h"

#include <QLabel>
#include <QTest>

using hw::frmMortgage;
using hw::NumericField;

using driver::openOn;

class ValidationTest : public QObject {
    Q_OBJECT
private slots:
    void rules_data() {
        QTest::addColumn<int>("purpose");
        QTest::addColumn<int>("step");
        QTest::addColumn<QString>("message");
        QTest::newRow("home improvement assets") << 2 << 2 << "Please enter required value.";
        QTest::newRow("first home buyer price") << 0 << 6 << "Please enter required value.";
        QTest::newRow("builder cost") << 1 << 7 << "Please enter required value.";
        QTest::newRow("improvements") << 2 << 8 << "Please enter required value.";
        QTest::newRow("selling price first") << 3 << 9 << "Please enter Selling Price.";
        QTest::newRow("selling to build") << 4 << 10 << "Please enter Selling Price.";
        QTest::newRow("additional purchase") << 5 << 11 << "Please enter Purchase Price.";
        QTest::newRow("additional build") << 6 << 12 << "Please enter Cost to build.";
    }
    void rules() {
        QFETCH(int, purpose);
        QFETCH(int, step);
        QFETCH(QString, message);
        MessageRecorder messages;
        frmMortgage w(QLocale(QStringLiteral("en_US")));
        openOn(w, purpose, step);
        for (auto* field : w.stepPanel(int(std::size_t(step)))->findChildren<NumericField*>())
            if (!field->isReadOnly())
                field->setText(w.regional().currency(0.0));
        driver::field(w, 6, "Purchase Price")->setText(QStringLiteral("$0.00"));
        driver::next(w);
        QCOMPARE(messages.texts(), QStringList({message}));
        QCOMPARE(int(w.currentStep()), step);
        auto* focused = qobject_cast<NumericField*>(QApplication::focusWidget());
        QVERIFY(focused);
        const auto group = w.stepPanel(int(std::size_t(step)))->findChildren<NumericField*>();
        QVERIFY(group.contains(focused));
    }

    void sellingPriceThenPurchasePrice() {
        MessageRecorder messages;
        frmMortgage w(QLocale(QStringLiteral("en_US")));
        openOn(w, 3, 9);
        driver::next(w);
        QCOMPARE(messages.texts(), QStringList({"Please enter Selling Price."}));
        QVERIFY(driver::field(w, 9, "Selling Price")->hasFocus());
        driver::type(driver::field(w, 9, "Selling Price"), QStringLiteral("400000"));
        driver::next(w);
        QCOMPARE(messages.texts().last(), QStringLiteral("Please enter Purchase Price."));
        QVERIFY(driver::field(w, 9, "Purchase Price")->hasFocus());
    }

    void incomeRulesInOrder_data() {
        QTest::addColumn<QString>("income");
        QTest::addColumn<QStringList>("rates");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("focus");
        QTest::newRow("income first")
            << "0" << QStringList{"150", "0", "0"} << "Please enter your income value." << 0;
        QTest::newRow("first failing rate")
            << "1000" << QStringList{"10", "120", "130"} << "Tax rate must be less than 100%." << 4;
        QTest::newRow("100 fails")
            << "1000" << QStringList{"100", "0", "0"} << "Tax rate must be less than 100%." << 1;
        QTest::newRow("99.99 passes") << "1000" << QStringList{"99.99", "0", "0"} << "" << -1;
    }
    void incomeRulesInOrder() {
        QFETCH(QString, income);
        QFETCH(QStringList, rates);
        QFETCH(QString, message);
        QFETCH(int, focus);
        MessageRecorder messages;
        frmMortgage w(QLocale(QStringLiteral("en_US")));
        openOn(w, 0, hw::IncomeStep);
        driver::type(driver::field(w, hw::IncomeStep, "Annual Gross Taxable Income"), income);
        const QStringList rateFields = {"Annual Gross Taxable Income, tax rate",
                                        "Other Annual Gross Income, tax rate",
                                        "Any Other Annual Gross Income, tax rate"};
        for (int i = 0; i < 3; ++i)
            driver::type(driver::field(w, hw::IncomeStep, rateFields[i]), rates[i]);
        driver::next(w);
        if (focus < 0) {
            QVERIFY(messages.messages.isEmpty());
            QCOMPARE(w.currentStep(), hw::BudgetStep);
            return;
        }
        QCOMPARE(messages.texts(), QStringList({message}));
        QVERIFY(driver::field(w, hw::IncomeStep,
                              focus == 0 ? QStringLiteral("Annual Gross Taxable Income")
                                         : rateFields[(focus - 1) / 3])
                    ->hasFocus());
    }

    void refinanceNeedsDebts() {
        MessageRecorder messages;
        frmMortgage w(QLocale(QStringLiteral("en_US")));
        openOn(w, 7, hw::LiabilitiesStep);
        driver::next(w);
        QCOMPARE(messages.texts(),
                 QStringList({"If you are refinancing your debt must be over $0!"}));
        QCOMPARE(w.currentStep(), hw::LiabilitiesStep);
        // Other loans need no debts.
        driver::back(w);
        driver::back(w);
        QTest::mouseClick(driver::purposeButton(w, hw::OtherLoans), Qt::LeftButton);
        driver::next(w);
        driver::next(w);
        driver::next(w);
        QCOMPARE(w.currentStep(), hw::IncomeStep);
    }

    void borrowingNothingIsRefused() {
        MessageRecorder messages;
        frmMortgage w(QLocale(QStringLiteral("en_US")));
        openOn(w, 0, 6);
        driver::type(driver::field(w, 6, "Your Contribution"),
                     QStringLiteral("200000")); // contribution above the price
        driver::next(w);
        QCOMPARE(messages.texts(), QStringList({"The amount you want to borrow must be over $0!"}));
        QCOMPARE(driver::shown(w, hw::FirstRequirementStep + (0), "Total")->text(),
                 QStringLiteral("($100,000.00)"));
        driver::back(w);
        QCOMPARE(w.currentStep(), hw::BudgetStep);
    }

    void backRepairsPercentages_data() {
        QTest::addColumn<int>("step");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("after");
        QTest::newRow("rate 150") << int(hw::RateStep) << "150"
                                  << "8.00%";
        QTest::newRow("rate 99.99") << int(hw::RateStep) << "99.99"
                                    << "99.99%";
        QTest::newRow("bank 100") << int(hw::ChargesStep) << "100"
                                  << "1.00%";
        QTest::newRow("tax 120") << int(hw::IncomeStep) << "120"
                                 << "0.00%";
    }
    void backRepairsPercentages() {
        QFETCH(int, step);
        QFETCH(QString, typed);
        QFETCH(QString, after);
        MessageRecorder messages;
        frmMortgage w(QLocale(QStringLiteral("en_US")));
        openOn(w, 0, step);
        NumericField* field =
            step == hw::RateStep ? driver::field(w, hw::RateStep, "Interest Rate")
            : step == hw::ChargesStep
                ? driver::field(w, hw::ChargesStep, "Bank charges percentage")
                : driver::field(w, hw::IncomeStep, "Other Annual Gross Income, tax rate");
        driver::type(field, typed);
        driver::back(w);
        QCOMPARE(field->text(), after);
        QVERIFY(messages.messages.isEmpty());
    }

    void fixedAmountRefusedAbove100() {
        MessageRecorder messages;
        frmMortgage w(QLocale(QStringLiteral("en_US")));
        openOn(w, 0, hw::ChargesStep);
        driver::type(driver::field(w, hw::ChargesStep, "Bank charges percentage"),
                     QStringLiteral("120"));
        QTest::mouseClick(driver::button(w, hw::ChargesStep, QStringLiteral("&Fixed Amount")),
                          Qt::LeftButton);
        QCOMPARE(messages.texts(), QStringList({"Bank Charges must be less than 100%."}));
        QVERIFY(driver::button(w, hw::ChargesStep, QStringLiteral("&Percent"))->isChecked());
        QVERIFY(driver::field(w, hw::ChargesStep, "Bank charges amount")->isReadOnly());
        QVERIFY(driver::field(w, hw::ChargesStep, "Bank charges percentage")->hasFocus());
        QTest::mouseClick(driver::calculate(w, hw::ChargesStep), Qt::LeftButton);
        QCOMPARE(messages.messages.size(), 2);
    }

    void firstHomePurposesClearOwnedHome() {
        MessageRecorder messages;
        frmMortgage w(QLocale(QStringLiteral("en_US")));
        driver::show(w);
        driver::choosePurpose(w, 2);
        driver::next(w);
        QVERIFY(driver::field(w, hw::AssetsStep, "Current Domestic Residence")->hasFocus());
        driver::type(driver::field(w, hw::AssetsStep, "Current Domestic Residence"),
                     QStringLiteral("350000"));
        driver::back(w);
        QTest::mouseClick(driver::purposeButton(w, int(0)), Qt::LeftButton);
        driver::next(w);
        QCOMPARE(driver::field(w, hw::AssetsStep, "Current Domestic Residence")->text(),
                 QStringLiteral("$0.00"));
        QVERIFY(!driver::field(w, hw::AssetsStep, "Current Domestic Residence")->isEnabled() &&
                !driver::field(w, hw::AssetsStep, "Combined Rental Properties")->isEnabled());
        QVERIFY(driver::field(w, hw::AssetsStep, "Combined Value of Vehicles")->hasFocus());
        // Only a look: back to a purpose that owns a home, and the home's value is back.
        driver::back(w);
        QTest::mouseClick(driver::purposeButton(w, int(1)), Qt::LeftButton);
        driver::next(w);
        driver::back(w);
        QTest::mouseClick(driver::purposeButton(w, int(2)), Qt::LeftButton);
        driver::next(w);
        QVERIFY(driver::field(w, hw::AssetsStep, "Current Domestic Residence")->isEnabled() &&
                driver::field(w, hw::AssetsStep, "Current Domestic Residence")->hasFocus());
        QCOMPARE(driver::field(w, hw::AssetsStep, "Current Domestic Residence")->text(),
                 QStringLiteral("350000.00")); // being edited
    }

    // A fixed charge beyond the total before bank charges is refused where it was
    // typed, the mode stays as chosen, and the page set-up keeps the figure.
    void fixedAmountIsCheckedWhereTyped() {
        MessageRecorder messages;
        frmMortgage w(QLocale(QStringLiteral("en_US")));
        openOn(w, 8, 14);
        driver::type(driver::field(w, 14, "Amount You Want To Borrow"), QStringLiteral("100000"));
        driver::next(w);
        QCOMPARE(int(w.currentStep()), int(hw::ChargesStep));
        QTest::mouseClick(driver::button(w, hw::ChargesStep, QStringLiteral("&Fixed Amount")),
                          Qt::LeftButton);
        driver::type(driver::field(w, hw::ChargesStep, "Bank charges amount"),
                     QStringLiteral("150000"));
        QTest::mouseClick(driver::calculate(w, hw::ChargesStep), Qt::LeftButton);
        QCOMPARE(messages.texts(), QStringList({"Bank Charges must be less than 100%."}));
        QVERIFY(driver::field(w, hw::ChargesStep, "Bank charges amount")->hasFocus());
        QCOMPARE(driver::field(w, hw::ChargesStep, "Bank charges percentage")->text(),
                 QStringLiteral("1.00%"));
        driver::type(driver::field(w, hw::ChargesStep, "Bank charges amount"),
                     QStringLiteral("777"));
        QTest::mouseClick(driver::calculate(w, hw::ChargesStep), Qt::LeftButton);
        QCOMPARE(messages.messages.size(), 1);
        QCOMPARE(driver::field(w, hw::ChargesStep, "Bank charges percentage")->text(),
                 QStringLiteral("0.77%"));
        QCOMPARE(driver::shown(w, hw::ChargesStep, "Total")->text(), QStringLiteral("$101,477.00"));
        // Pressing "Fixed Amount" again keeps the mode and its pressed button.
        QTest::mouseClick(driver::button(w, hw::ChargesStep, QStringLiteral("&Fixed Amount")),
                          Qt::LeftButton);
        QVERIFY(driver::button(w, hw::ChargesStep, QStringLiteral("&Fixed Amount"))->isChecked() &&
                !driver::field(w, hw::ChargesStep, "Bank charges amount")->isReadOnly());
        driver::back(w);
        driver::next(w);
        QCOMPARE(driver::field(w, hw::ChargesStep, "Bank charges amount")->text(),
                 QStringLiteral("$777.00"));
        QCOMPARE(driver::shown(w, hw::ChargesStep, "Total")->text(), QStringLiteral("$101,477.00"));
        QCOMPARE(messages.messages.size(), 1);
    }

    // The typical run: Selling and Buying from the purpose page to the rate page.
    void typicalRunToTheSummary() {
        MessageRecorder messages;
        frmMortgage w(QLocale(QStringLiteral("en_US")));
        driver::show(w);
        driver::choosePurpose(w, 3);
        driver::next(w);
        driver::type(driver::field(w, hw::AssetsStep, "Current Domestic Residence"),
                     QStringLiteral("400000"));
        driver::type(driver::field(w, hw::AssetsStep, "Savings"), QStringLiteral("0.10"));
        driver::type(driver::field(w, hw::AssetsStep, "Shares"), QStringLiteral("0.20"));
        QTest::mouseClick(driver::calculate(w, hw::AssetsStep), Qt::LeftButton);
        QCOMPARE(driver::shown(w, hw::AssetsStep, "Total assets")->text(),
                 QStringLiteral("$400,000.30"));
        driver::next(w);
        driver::type(driver::field(w, hw::LiabilitiesStep, "Domestic Mortgage"),
                     QStringLiteral("140000"));
        driver::type(driver::field(w, hw::LiabilitiesStep, "Credit Card Balances"),
                     QStringLiteral("10000"));
        driver::next(w);
        QCOMPARE(w.figures().totalLiabilities, *hw::Currency::fromUnits(150000));
        driver::next(w); // income at its starting values
        QCOMPARE(driver::shown(w, hw::IncomeStep, "Monthly income after tax")->text(),
                 QStringLiteral("$4,250.00"));
        QCOMPARE(w.figures().monthlyIncomeAfterTax, 4250.0);
        QTest::mouseClick(driver::button(w, hw::BudgetStep, QStringLiteral("M&onthly")),
                          Qt::LeftButton);
        driver::next(w);
        QCOMPARE(driver::shown(w, hw::BudgetStep, "Monthly expenditure")->text(),
                 QStringLiteral("$450.00"));
        QCOMPARE(w.currentStep(), 9);
        QCOMPARE(driver::field(w, 9, "Total Current Debts")->text(), QStringLiteral("$150,000.00"));
        driver::type(driver::field(w, 9, "Selling Price"), QStringLiteral("400000"));
        driver::type(driver::field(w, 9, "Real Estate Fees"), QStringLiteral("10000"));
        QCOMPARE(driver::field(w, 9, "Your Equity")->text(), QStringLiteral("$240,000.00"));
        driver::type(driver::field(w, 9, "Purchase Price"), QStringLiteral("500000"));
        driver::type(driver::field(w, 9, "Cash you wish to withhold"), QStringLiteral("20000"));
        driver::next(w);
        QCOMPARE(driver::shown(w, hw::FirstRequirementStep + (3), "Total")->text(),
                 QStringLiteral("$280,000.00"));
        QCOMPARE(w.figures().propertyValue, 500000.0F);
        QCOMPARE(w.currentStep(), hw::ChargesStep);
        QCOMPARE(driver::field(w, hw::ChargesStep, "Subtotal")->text(),
                 QStringLiteral("$280,000.00"));
        QCOMPARE(driver::field(w, hw::ChargesStep, "Total Before Bank Charges")->text(),
                 QStringLiteral("$280,700.00"));
        QCOMPARE(driver::field(w, hw::ChargesStep, "Bank charges amount")->text(),
                 QStringLiteral("$2,807.00"));
        driver::next(w);
        QCOMPARE(w.figures().requirement, *hw::Currency::fromUnits(283507));
        QCOMPARE(w.currentStep(), hw::RateStep);
        QStringList summary;
        for (int i = 0; i < 5; ++i)
            summary << driver::control<QLabel>(w, QStringLiteral("lblMortgage%1").arg(i))->text();
        QCOMPARE(summary,
                 QStringList({"$283,507.00", "56.14%", "$4,250.00", "$450.00", "$3,800.00"}));
        QVERIFY(messages.messages.isEmpty());
        QVERIFY(driver::field(w, hw::RateStep, "Interest Rate")->hasFocus());
    }
};

QTEST_MAIN(ValidationTest)
#include "tst_validation.moc"
