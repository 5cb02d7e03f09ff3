// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#include "CaseDriver.h"

#include <QTest>

using hw::MainWindow;
using hw::NumericField;

// Opens a window in `locale` on the page that holds the field under test,
// walked to as a user does (a purpose page with its own purpose).
struct Page {
    explicit Page(const char* locale, int step = hw::ChargesStep) : window(locale) {
        driver::openOnStep(window, step);
    }
    driver::Window window;
};

class FieldsTest : public QObject {
    Q_OBJECT
private slots:
    // A figure of the charges page clicked into, typed over (or pasted into,
    // past the keystroke filter) and left with Tab: its editing form, then its
    // display form; or a refusal: one message, the field back to its value in its
    // editing form, with the focus.
    void focusAndFormatRoundTrip_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("editing");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("pasted");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("message");
        const char* const fee = "Valuation Fees";
        const char* const bank = "Bank charges percentage";
        const QString nan = QStringLiteral("Please enter a number.");
        const QString negative = QStringLiteral("Please enter a number of 0 or more.");
        const struct {
            const char *name, *locale, *field, *shown, *editing, *typed;
            bool pasted;
            const char* after;
            QString message;
        } rows[] = {
            // clang-format off
            {"en_US amount", "en_US", fee, "$1,234.50", "1234.50", "9", false, "$9.00", ""},
            {"en_US cents", "en_US", fee, "$0.00", "0.00", "1234.5", false, "$1,234.50", ""},
            {"en_US second point", "en_US", fee, "$0.00", "0.00", "1.2.3", false, "0.00", nan},
            {"en_US fraction of a cent", "en_US", fee, "$0.00", "0.00", "12.345", false, "0.00",
             "Please enter an amount with no more decimals than the currency shows."},
            // The yen has no decimals: none to edit, and a fraction is refused, not rounded.
            {"ja_JP whole yen", "ja_JP", fee, "￥154,625", "154625", "200", false, "￥200", ""},
            {"ja_JP fraction", "ja_JP", fee, "￥0", "0", "15000000.5", false, "0",
             "This currency has no decimals: please enter a whole amount."},
            {"de_DE comma", "de_DE", fee, "1.234,50 €", "1234,50", "1234,5", false, "1.234,50 €", ""},
            {"de_DE point", "de_DE", fee, "0,00 €", "0,00", "7.5", false, "7,50 €", ""},
            {"pasted letters", "en_US", fee, "$200.00", "200.00", "twelve", true, "200.00", nan},
            {"pasted beyond the range", "en_US", fee, "$200.00", "200.00", "99999999999999999", true, "200.00",
             "This amount is too large."},
            {"pasted negative", "en_US", fee, "$200.00", "200.00", "-5", true, "200.00", negative},
            {"pasted negative rate", "en_US", bank, "1.00%", "1.00", "-50", true, "1.00", negative},
            // clang-format on
        };
        for (const auto& row : rows)
            QTest::newRow(row.name)
                << row.locale << row.field
                << QString::fromUtf8(row.shown).replace(u' ', QChar(0xA0)) << row.editing
                << row.typed << row.pasted
                << QString::fromUtf8(row.after).replace(u' ', QChar(0xA0)) << row.message;
    }
    void focusAndFormatRoundTrip() {
        QFETCH(QString, locale);
        QFETCH(QString, field);
        QFETCH(QString, shown);
        QFETCH(QString, typed);
        QFETCH(bool, pasted);
        QFETCH(QString, message);
        Page page(qPrintable(locale));
        NumericField* edit = driver::field(page.window, hw::ChargesStep, field);
        edit->setText(shown);
        driver::field(page.window, hw::ChargesStep, "Legal or Conveyancing Costs")->setFocus();
        QTest::mouseClick(edit, Qt::LeftButton);
        QTEST(edit->text(), "editing");
        QTEST(edit->selectedText(), "editing");
        if (pasted)
            edit->insert(typed);
        else
            QTest::keyClicks(edit, typed);
        QTest::keyClick(edit, Qt::Key_Tab);
        QTEST(edit->text(), "after");
        QCOMPARE(page.window.texts(), message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(edit->hasFocus(), !message.isEmpty());
        QTest::keyClick(edit, Qt::Key_Tab);
        if (!message.isEmpty())
            QCOMPARE(edit->text(), shown);
    }

    void keystrokeFilter_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("text");
        const char* const rows[][3] = {
            {"letters", "12ab", "12"},    {"minus", "-5", "5"},
            {"comma", "1,000", "1000"},   {"space and percent", "8 %", "8"},
            {"currency sign", "$3", "3"}, {"second point", "1.2.3", "1.2.3"}};
        for (const auto& row : rows)
            QTest::newRow(row[0]) << row[1] << row[2];
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
    }

    // A page's total follows its figures: worked out as the page is entered and
    // as 200,000 is typed, it is the total Calculate then shows.
    void totalsFollowTheFigures_data() {
        QTest::addColumn<int>("step");
        QTest::addColumn<QStringList>("fieldTotalEntryTyped");
        QTest::newRow("assets") << int(hw::AssetsStep)
                                << QStringList{"Shares", "Total assets", "$0.00", "$200,000.00"};
        QTest::newRow("income") << int(hw::IncomeStep)
                                << QStringList{"Annual Gross Taxable Income",
                                               "Monthly income after tax", "$4,250.00",
                                               "$14,166.67"};
        QTest::newRow("budget") << int(hw::BudgetStep)
                                << QStringList{
                                       "Household Shopping (Food and Groceries, Meals out...)",
                                       "Monthly expenditure", "$975.00", "$434,091.67"};
        QTest::newRow("a first home's price")
            << int(hw::FirstRequirementStep)
            << QStringList{"Purchase Price", "Total", "$100,000.00", "$200,000.00"};
    }
    void totalsFollowTheFigures() {
        QFETCH(int, step);
        QFETCH(QStringList, fieldTotalEntryTyped);
        driver::Window w;
        driver::openOnStep(w, step);
        const QLineEdit* total = driver::shown(w, step, fieldTotalEntryTyped[1]);
        QCOMPARE(total->text(), fieldTotalEntryTyped[2]);
        driver::type(driver::field(w, step, fieldTotalEntryTyped[0]), QStringLiteral("200000"));
        QCOMPARE(total->text(), fieldTotalEntryTyped[3]);
        QTest::mouseClick(driver::calculate(w, step), Qt::LeftButton);
        QCOMPARE(total->text(), fieldTotalEntryTyped[3]);
        QVERIFY(w.texts().isEmpty());
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
};

QTEST_MAIN(FieldsTest)
#include "tst_fields.moc"
