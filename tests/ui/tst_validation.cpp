#include "CaseDriver.h"
#include "MessageRecorder.h"

#include <QLabel>
#include <QTest>

using hw::frmMortgage;
using hw::NumericField;

namespace {
// A window on `step` with `purpose` chosen, without passing the pages before it.
void openOn(frmMortgage& w, int purpose, int step) {
    driver::show(w);
    w.Purpose = static_cast<std::int16_t>(purpose);
    w.TargetStep = static_cast<std::int16_t>(step);
    w.ShowStep();
}
} // namespace

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
        for (auto* field : w.fraStep[std::size_t(step)]->findChildren<NumericField*>())
            if (!field->isReadOnly())
                field->setText(w.regional().currency(0.0));
        w.txtFHBuyer[0]->setText(QStringLiteral("$0.00"));
        driver::next(w);
        QCOMPARE(messages.texts(), QStringList({message}));
        QCOMPARE(int(w.CurrentStep), step);
        auto* focused = qobject_cast<NumericField*>(QApplication::focusWidget());
        QVERIFY(focused);
        const auto group = w.fraStep[std::size_t(step)]->findChildren<NumericField*>();
        QVERIFY(group.contains(focused));
    }

    void sellingPriceThenPurchasePrice() {
        MessageRecorder messages;
        frmMortgage w(QLocale(QStringLiteral("en_US")));
        openOn(w, 3, 9);
        driver::next(w);
        QCOMPARE(messages.texts(), QStringList({"Please enter Selling Price."}));
        QVERIFY(w.txtSBuying[0]->hasFocus());
        driver::type(w.txtSBuying[0], QStringLiteral("400000"));
        driver::next(w);
        QCOMPARE(messages.texts().last(), QStringLiteral("Please enter Purchase Price."));
        QVERIFY(w.txtBuying[1]->hasFocus());
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
        driver::type(w.txtIncome[0], income);
        for (int i = 0; i < 3; ++i)
            driver::type(w.txtIncome[std::size_t(1 + 3 * i)], rates[i]);
        driver::next(w);
        if (focus < 0) {
            QVERIFY(messages.messages.isEmpty());
            QCOMPARE(w.CurrentStep, hw::BudgetStep);
            return;
        }
        QCOMPARE(messages.texts(), QStringList({message}));
        QVERIFY(w.txtIncome[std::size_t(focus)]->hasFocus());
    }

    void refinanceNeedsDebts() {
        MessageRecorder messages;
        frmMortgage w(QLocale(QStringLiteral("en_US")));
        openOn(w, 7, hw::LiabilitiesStep);
        driver::next(w);
        QCOMPARE(messages.texts(),
                 QStringList({"If you are refinancing your debt must be over $0!"}));
        QCOMPARE(w.CurrentStep, hw::LiabilitiesStep);
        w.Purpose = 8;
        driver::next(w);
        QCOMPARE(w.CurrentStep, hw::IncomeStep);
    }

    void borrowingNothingIsRefused() {
        MessageRecorder messages;
        frmMortgage w(QLocale(QStringLiteral("en_US")));
        openOn(w, 0, 6);
        driver::type(w.txtFHBuyer[1], QStringLiteral("200000")); // contribution above the price
        driver::next(w);
        QCOMPARE(messages.texts(), QStringList({"The amount you want to borrow must be over $0!"}));
        QCOMPARE(w.txtTotal[0]->text(), QStringLiteral("($100,000.00)"));
        driver::back(w);
        QCOMPARE(w.CurrentStep, hw::BudgetStep);
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
        NumericField* field = step == hw::RateStep      ? w.txtRate[0]
                              : step == hw::ChargesStep ? w.txtCharges[0]
                                                        : w.txtIncome[4];
        driver::type(field, typed);
        driver::back(w);
        QCOMPARE(field->text(), after);
        QVERIFY(messages.messages.isEmpty());
    }

    void fixedAmountRefusedAbove100() {
        MessageRecorder messages;
        frmMortgage w(QLocale(QStringLiteral("en_US")));
        openOn(w, 0, hw::ChargesStep);
        driver::type(w.txtCharges[0], QStringLiteral("120"));
        QTest::mouseClick(w.optCharges[1], Qt::LeftButton);
        QCOMPARE(messages.texts(), QStringList({"Bank Charges must be less than 100%."}));
        QVERIFY(w.optCharges[0]->isChecked());
        QVERIFY(w.txtCharges[1]->isReadOnly());
        QVERIFY(w.txtCharges[0]->hasFocus());
        QTest::mouseClick(w.cmdTotal[9], Qt::LeftButton);
        QCOMPARE(messages.messages.size(), 2);
    }

    void firstHomePurposesClearOwnedHome() {
        MessageRecorder messages;
        frmMortgage w(QLocale(QStringLiteral("en_US")));
        driver::show(w);
        driver::choosePurpose(w, 2);
        driver::next(w);
        QVERIFY(w.txtAssets[0]->hasFocus());
        driver::type(w.txtAssets[0], QStringLiteral("350000"));
        driver::back(w);
        QTest::mouseClick(w.optPurpose[0], Qt::LeftButton);
        driver::next(w);
        QCOMPARE(w.txtAssets[0]->text(), QStringLiteral("$0.00"));
        QVERIFY(!w.txtAssets[0]->isEnabled() && !w.txtAssets[1]->isEnabled());
        QVERIFY(w.txtAssets[2]->hasFocus());
        // Only a look: back to a purpose that owns a home, and the home's value is back.
        driver::back(w);
        QTest::mouseClick(w.optPurpose[1], Qt::LeftButton);
        driver::next(w);
        driver::back(w);
        QTest::mouseClick(w.optPurpose[2], Qt::LeftButton);
        driver::next(w);
        QVERIFY(w.txtAssets[0]->isEnabled() && w.txtAssets[0]->hasFocus());
        QCOMPARE(w.txtAssets[0]->text(), QStringLiteral("350000.00")); // being edited
    }

    // A fixed charge beyond the total before bank charges is refused where it was
    // typed, the mode stays as chosen, and the page set-up keeps the figure.
    void fixedAmountIsCheckedWhereTyped() {
        MessageRecorder messages;
        frmMortgage w(QLocale(QStringLiteral("en_US")));
        openOn(w, 8, 14);
        driver::type(w.txtOther[0], QStringLiteral("100000"));
        driver::next(w);
        QCOMPARE(int(w.CurrentStep), int(hw::ChargesStep));
        QTest::mouseClick(w.optCharges[1], Qt::LeftButton);
        driver::type(w.txtCharges[1], QStringLiteral("150000"));
        QTest::mouseClick(w.cmdTotal[9], Qt::LeftButton);
        QCOMPARE(messages.texts(), QStringList({"Bank Charges must be less than 100%."}));
        QVERIFY(w.txtCharges[1]->hasFocus());
        QCOMPARE(w.txtCharges[0]->text(), QStringLiteral("1.00%"));
        driver::type(w.txtCharges[1], QStringLiteral("777"));
        QTest::mouseClick(w.cmdTotal[9], Qt::LeftButton);
        QCOMPARE(messages.messages.size(), 1);
        QCOMPARE(w.txtCharges[0]->text(), QStringLiteral("0.77%"));
        QCOMPARE(w.txtTotal[9]->text(), QStringLiteral("$101,477.00"));
        // Pressing "Fixed Amount" again keeps the mode and its pressed button.
        QTest::mouseClick(w.optCharges[1], Qt::LeftButton);
        QVERIFY(w.optCharges[1]->isChecked() && !w.txtCharges[1]->isReadOnly());
        driver::back(w);
        driver::next(w);
        QCOMPARE(w.txtCharges[1]->text(), QStringLiteral("$777.00"));
        QCOMPARE(w.txtTotal[9]->text(), QStringLiteral("$101,477.00"));
        QCOMPARE(messages.messages.size(), 1);
    }

    // The typical run: Selling and Buying from the purpose page to the rate page.
    void typicalRunToTheSummary() {
        MessageRecorder messages;
        frmMortgage w(QLocale(QStringLiteral("en_US")));
        driver::show(w);
        driver::choosePurpose(w, 3);
        driver::next(w);
        driver::type(w.txtAssets[0], QStringLiteral("400000"));
        driver::type(w.txtAssets[7], QStringLiteral("0.10"));
        driver::type(w.txtAssets[8], QStringLiteral("0.20"));
        QTest::mouseClick(w.cmdAssets, Qt::LeftButton);
        QCOMPARE(w.txtTotalAssets->text(), QStringLiteral("$400,000.30"));
        driver::next(w);
        driver::type(w.txtLiabilities[0], QStringLiteral("140000"));
        driver::type(w.txtLiabilities[4], QStringLiteral("10000"));
        driver::next(w);
        QCOMPARE(w.TotalLiabilities, *hw::Currency::fromUnits(150000));
        driver::next(w); // income at its starting values
        QCOMPARE(w.txtAfterTaxIncome->text(), QStringLiteral("$4,250.00"));
        QCOMPARE(w.MonthlyIncomeAfterTax, 4250.0);
        QTest::mouseClick(w.optBudget[1], Qt::LeftButton);
        driver::next(w);
        QCOMPARE(w.txtTotalBudget->text(), QStringLiteral("$450.00"));
        QCOMPARE(w.CurrentStep, 9);
        QCOMPARE(w.txtSBuying[2]->text(), QStringLiteral("$150,000.00"));
        driver::type(w.txtSBuying[0], QStringLiteral("400000"));
        driver::type(w.txtSBuying[1], QStringLiteral("10000"));
        QCOMPARE(w.txtBuying[0]->text(), QStringLiteral("$240,000.00"));
        driver::type(w.txtBuying[1], QStringLiteral("500000"));
        driver::type(w.txtBuying[2], QStringLiteral("20000"));
        driver::next(w);
        QCOMPARE(w.txtTotal[3]->text(), QStringLiteral("$280,000.00"));
        QCOMPARE(w.PropertyValue, 500000.0F);
        QCOMPARE(w.CurrentStep, hw::ChargesStep);
        QCOMPARE(w.txtCosts[0]->text(), QStringLiteral("$280,000.00"));
        QCOMPARE(w.txtCosts[3]->text(), QStringLiteral("$280,700.00"));
        QCOMPARE(w.txtCharges[1]->text(), QStringLiteral("$2,807.00"));
        driver::next(w);
        QCOMPARE(w.MortgageRequirement, *hw::Currency::fromUnits(283507));
        QCOMPARE(w.CurrentStep, hw::RateStep);
        QCOMPARE(w.lblMortgage[0]->text(), QStringLiteral("Mortgage Requirement:    $283,507.00"));
        QCOMPARE(w.lblMortgage[1]->text(), QStringLiteral("        Loan Value Ratio:    56.14%"));
        QCOMPARE(w.lblMortgage[2]->text(),
                 QStringLiteral("Total Monthly Income After Tax:   $4,250.00"));
        QCOMPARE(w.lblMortgage[3]->text(),
                 QStringLiteral("            Monthly Expenditure:   $450.00"));
        QCOMPARE(w.lblMortgage[4]->text(),
                 QString(32, QChar(u' ')) + QStringLiteral("Spare:   $3,800.00"));
        QVERIFY(messages.messages.isEmpty());
        QVERIFY(w.txtRate[0]->hasFocus());
    }
};

QTEST_MAIN(ValidationTest)
#include "tst_validation.moc"
