#include "CaseDriver.h"
#include "MessageRecorder.h"

#include <QTest>

using hw::frmMortgage;
using hw::NumericField;

// Opens a window in `locale` on the page that holds the field under test,
// walked to as a user does (a purpose page with its own purpose).
struct Page {
    explicit Page(const char* locale, int step = hw::ChargesStep)
        : window(QLocale(QString::fromLatin1(locale))) {
        driver::openOn(window, hw::isRequirementStep(step) ? step - hw::FirstRequirementStep : 0,
                       step);
    }
    frmMortgage window;
};

class FieldsTest : public QObject {
    Q_OBJECT
private slots:
    void focusAndFormatRoundTrip_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("editing");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("message");
        const QString euro = QString(QChar(0x00A0)) + QString::fromUtf8("€");
        QTest::newRow("en_US amount") << "en_US"
                                      << "$1,234.50"
                                      << "1234.50"
                                      << "9"
                                      << "$9.00"
                                      << "";
        QTest::newRow("en_US cents") << "en_US"
                                     << "$0.00"
                                     << "0.00"
                                     << "1234.5"
                                     << "$1,234.50"
                                     << "";
        QTest::newRow("en_US second point refused") << "en_US"
                                                    << "$0.00"
                                                    << "0.00"
                                                    << "1.2.3"
                                                    << "0.00"
                                                    << "Please enter a number.";
        QTest::newRow("en_US fraction of a cent refused")
            << "en_US"
            << "$0.00"
            << "0.00"
            << "12.345"
            << "0.00"
            << "Please enter an amount with no more decimals than the currency shows.";
        // The yen has no decimals: none to edit, and a fraction is refused, not rounded.
        QTest::newRow("ja_JP whole yen") << "ja_JP"
                                         << "￥154,625"
                                         << "154625"
                                         << "200"
                                         << "￥200"
                                         << "";
        QTest::newRow("ja_JP fraction refused")
            << "ja_JP"
            << "￥0"
            << "0"
            << "15000000.5"
            << "0"
            << "This currency has no decimals: please enter a whole amount.";
        QTest::newRow("de_DE comma") << "de_DE"
                                     << "1.234,50" + euro << "1234,50"
                                     << "1234,5"
                                     << "1.234,50" + euro << "";
        QTest::newRow("de_DE point") << "de_DE"
                                     << "0,00" + euro << "0,00"
                                     << "7.5"
                                     << "7,50" + euro << "";
    }
    void focusAndFormatRoundTrip() {
        QFETCH(QString, locale);
        QFETCH(QString, shown);
        QFETCH(QString, editing);
        QFETCH(QString, typed);
        QFETCH(QString, after);
        QFETCH(QString, message);
        MessageRecorder messages;
        Page page(qPrintable(locale));
        NumericField* field = driver::field(page.window, hw::ChargesStep, "Valuation Fees");
        field->setText(shown);
        driver::field(page.window, hw::ChargesStep, "Legal or Conveyancing Costs")->setFocus();
        QTest::mouseClick(field, Qt::LeftButton);
        QCOMPARE(field->text(), editing);
        QCOMPARE(field->selectedText(), editing);
        QTest::keyClicks(field, typed);
        QTest::keyClick(field, Qt::Key_Tab);
        QCOMPARE(field->text(), after);
        // A refusal: one message, and the field is back to its value, with the focus.
        QCOMPARE(messages.texts(), message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(field->hasFocus(), !message.isEmpty());
    }

    void keystrokeFilter_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("text");
        QTest::newRow("letters") << "12ab"
                                 << "12";
        QTest::newRow("minus") << "-5"
                               << "5";
        QTest::newRow("comma") << "1,000"
                               << "1000";
        QTest::newRow("space and percent") << "8 %"
                                           << "8";
        QTest::newRow("currency sign") << "$3"
                                       << "3";
        QTest::newRow("second point") << "1.2.3"
                                      << "1.2.3";
    }
    void keystrokeFilter() {
        QFETCH(QString, keys);
        QFETCH(QString, text);
        Page page("en_US");
        NumericField* field =
            driver::field(page.window, hw::ChargesStep, "Legal or Conveyancing Costs");
        QTest::mouseClick(field, Qt::LeftButton);
        QTest::keyClicks(field, keys);
        QCOMPARE(field->text(), text);
        QTest::keyClick(field, Qt::Key_Backspace);
        QCOMPARE(field->text(), text.chopped(1));
    }

    void emptiedFieldsShowZero() {
        Page page("en_US", hw::RateStep);
        auto& w = page.window;
        for (NumericField* field : {driver::field(w, hw::RateStep, "Interest Rate"),
                                    driver::field(w, hw::RateStep, "Term in Years")}) {
            QTest::mouseClick(field, Qt::LeftButton);
            field->selectAll();
            QTest::keyClick(field, Qt::Key_Delete);
            QTest::keyClick(field, Qt::Key_Tab);
        }
        QCOMPARE(driver::field(w, hw::RateStep, "Interest Rate")->text(), QStringLiteral("0.00%"));
        QCOMPARE(driver::field(w, hw::RateStep, "Term in Years")->text(), QStringLiteral("0.00"));
        driver::type(driver::field(w, hw::RateStep, "Interest Rate"), QStringLiteral("7.5"));
        QCOMPARE(driver::field(w, hw::RateStep, "Interest Rate")->text(), QStringLiteral("7.50%"));
        driver::type(driver::field(w, hw::RateStep, "Interest Rate"), QStringLiteral("150"));
        QCOMPARE(driver::field(w, hw::RateStep, "Interest Rate")->text(),
                 QStringLiteral("150.00%"));
    }

    void pastedTextAndHugeAmountsAreRefused_data() {
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("message");
        QTest::newRow("letters") << "twelve"
                                 << "Please enter a number.";
        QTest::newRow("beyond the currency range") << "99999999999999999"
                                                   << "This amount is too large.";
    }
    void pastedTextAndHugeAmountsAreRefused() {
        QFETCH(QString, pasted);
        QFETCH(QString, message);
        MessageRecorder messages;
        Page page("en_US");
        NumericField* field = driver::field(page.window, hw::ChargesStep, "Valuation Fees");
        driver::field(page.window, hw::ChargesStep, "Legal or Conveyancing Costs")->setFocus();
        QTest::mouseClick(field, Qt::LeftButton);
        field->insert(pasted); // as a paste from the context menu: no keystroke filter
        QTest::keyClick(field, Qt::Key_Tab);
        QVERIFY2(messages.texts() == QStringList({message}), qPrintable(field->text()));
        QVERIFY(field->hasFocus());
        QCOMPARE(field->text(), QStringLiteral("200.00"));
        QTest::keyClick(field, Qt::Key_Tab);
        QCOMPARE(field->text(), QStringLiteral("$200.00"));
        QCOMPARE(messages.messages.size(), 1);
    }

    void subtotalRefresh() {
        Page page("en_US");
        auto& w = page.window;
        driver::field(w, hw::ChargesStep, "Subtotal")->setText(QStringLiteral("$100,000.00"));
        driver::type(driver::field(w, hw::ChargesStep, "Valuation Fees"), QStringLiteral("300"));
        QCOMPARE(driver::field(w, hw::ChargesStep, "Valuation Fees")->text(),
                 QStringLiteral("$300.00"));
        QCOMPARE(driver::field(w, hw::ChargesStep, "Total Before Bank Charges")->text(),
                 QStringLiteral("$100,800.00"));
    }

    void equityRefresh() {
        Page page("en_US", 9);
        auto& w = page.window;
        driver::field(w, 9, "Total Current Debts")->setText(QStringLiteral("$50,000.00"));
        driver::type(driver::field(w, 9, "Real Estate Fees"), QStringLiteral("10000"));
        driver::type(driver::field(w, 9, "Selling Price"), QStringLiteral("300000"));
        QCOMPARE(driver::field(w, 9, "Your Equity")->text(), QStringLiteral("$240,000.00"));
    }

    void anyChangeMakesTheTotalStale() {
        Page page("en_US", hw::AssetsStep);
        auto& w = page.window;
        driver::type(driver::field(w, hw::AssetsStep, "Savings"), QStringLiteral("100"));
        QTest::mouseClick(driver::calculate(w, hw::AssetsStep), Qt::LeftButton);
        QCOMPARE(driver::shown(w, hw::AssetsStep, "Total assets")->text(),
                 QStringLiteral("$100.00"));
        // Changed after its Calculate, the page is worked out again as Next leaves it.
        driver::type(driver::field(w, hw::AssetsStep, "Shares"), QStringLiteral("200"));
        driver::next(w);
        QCOMPARE(driver::shown(w, hw::AssetsStep, "Total assets")->text(),
                 QStringLiteral("$300.00"));
    }

    void displayFieldsAreNotTabStops() {
        Page page("en_US", 6);
        auto& w = page.window;
        QVERIFY(driver::field(w, 6, "Purchase Price")->hasFocus());
        QTest::keyClick(driver::field(w, 6, "Purchase Price"), Qt::Key_Tab);
        QVERIFY(driver::field(w, 6, "Your Contribution")->hasFocus());
        QTest::keyClick(driver::field(w, 6, "Your Contribution"), Qt::Key_Tab);
        QVERIFY(!driver::field(w, 6, "Total Current Debts")->hasFocus());
        QVERIFY(driver::field(w, 6, "Total Current Debts")->isReadOnly());
    }

    void startingStates() {
        frmMortgage w(QLocale(QStringLiteral("en_US")));
        QVERIFY(driver::button(w, hw::BudgetStep, QStringLiteral("&Fortnightly"))->isChecked() &&
                !driver::button(w, hw::BudgetStep, QStringLiteral("M&onthly"))->isChecked());
        QVERIFY(driver::button(w, hw::ChargesStep, QStringLiteral("&Percent"))->isChecked() &&
                !driver::button(w, hw::ChargesStep, QStringLiteral("&Fixed Amount"))->isChecked());
        QCOMPARE(driver::field(w, hw::IncomeStep, "Annual Gross Taxable Income")->text(),
                 QStringLiteral("$60000.00"));
        QCOMPARE(driver::field(w, hw::IncomeStep, "Annual Gross Taxable Income, tax rate")->text(),
                 QStringLiteral("15.00%"));
        QCOMPARE(driver::field(w, hw::RateStep, "Term in Years")->text(), QStringLiteral("25.00"));
        QCOMPARE(driver::field(w, 13, "Total Current Debts")->text(), QStringLiteral("0.00"));
        frmMortgage de(QLocale(QStringLiteral("de_DE")));
        QCOMPARE(driver::field(de, hw::ChargesStep, "Valuation Fees")->text(),
                 de.regional().currency(200.0));
    }
};

QTEST_MAIN(FieldsTest)
#include "tst_fields.moc"
