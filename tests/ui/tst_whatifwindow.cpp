// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
// The What If window through its real controls: each question answered from
// the case on the results page, its figures typed as on the main pages in the
// user's locale, bad questions refused with one message and the last answer
// kept, nothing on the results page changed, and the report's page.

#include "CaseDriver.h"
#include "results/MortgageReport.h"
#include "results/PreviewWindow.h"
#include "results/WhatIfWindow.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPrintPreviewWidget>
#include <QRadioButton>
#include <QSet>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

using hw::MainWindow;
using hw::NumericField;
using hw::WhatIfWindow;

namespace {

// Everything the tab shown says: its answer, whichever form it takes.
QString answerOf(WhatIfWindow* window) {
    QString said;
    const QWidget* tab = driver::child<QTabWidget>(window, "whatIfTabs")->currentWidget();
    for (QLabel* label : tab->findChildren<QLabel*>())
        said += label->text();
    for (QTableWidget* table : tab->findChildren<QTableWidget*>())
        for (int row = 0; row < table->rowCount(); ++row)
            for (int column = 0; column < table->columnCount(); ++column)
                said += table->item(row, column) ? table->item(row, column)->text() : QString();
    return said;
}

// Opens the What If window on a complete Selling and Buying case and runs `look` in it.
template <class Look> void inWhatIf(MainWindow& w, Look look) {
    driver::choosePurpose(w, hw::SellingAndBuying);
    driver::walkTo(w, hw::ResultsStep);
    bool ran = false;
    driver::whenModal<WhatIfWindow>([&](WhatIfWindow* window) {
        // The main window's own activation may still be on its way: wait it out.
        for (int i = 0; i < 50 && !window->isActiveWindow(); ++i) {
            window->activateWindow();
            QTest::qWait(10);
        }
        if (!window->isActiveWindow())
            return;
        look(window);
        ran = true;
        driver::child<QPushButton>(window, "cmdClose")->click();
    });
    QTest::mouseClick(driver::child<QPushButton>(&w, QStringLiteral("cmdWhatIf")), Qt::LeftButton);
    QVERIFY(ran);
}

} // namespace

class WhatIfWindowTest : public QObject {
    Q_OBJECT
private slots:
    // A figure typed into a question's field, then Work Out pressed with Alt+W
    // (which leaves the focus in the field): read by the main pages' rules in
    // the user's locale, or refused with one message naming the range, the
    // focus back on the figure and the last answer kept.
    void typedFigures_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("message");
        const char* const rise =
            "The rise must be between 0 and 10 percentage points, in steps of 0.25.";
        const struct {
            const char *name, *locale;
            int tab;
            const char *field, *typed, *shown, *message;
        } rows[] = {
            // clang-format off
            {"de_DE extra with a point", "de_DE", 2, "txtExtra", "250.5", "250,50 €", ""},
            {"not a quarter step", "en_US", 0, "txtRise", "0.3", "0.30", rise},
            {"negative, not made positive", "en_US", 0, "txtRise", "-1", "2.00",
             "Please enter a number of 0 or more."},
            {"a month is whole", "en_US", 2, "txtLumpMonth", "1.5", "1", "Please enter a whole number."},
            {"fixed as long as the term", "en_US", 3, "txtFixedYears", "25", "25.00",
             "The fixed period must be at least a month and shorter than the term."},
            // clang-format on
        };
        for (const auto& row : rows)
            QTest::newRow(row.name)
                << row.locale << row.tab << row.field << row.typed
                << QString::fromUtf8(row.shown).replace(u' ', QChar(0xA0)) << row.message;
    }
    void typedFigures() {
        QFETCH(QString, locale);
        QFETCH(int, tab);
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QString, message);
        driver::Window w(qPrintable(locale));
        QString before, after, text;
        bool focusKept = false;
        inWhatIf(w, [&](WhatIfWindow* window) {
            driver::child<QTabWidget>(window, "whatIfTabs")->setCurrentIndex(tab);
            QTest::keyClick(window, Qt::Key_W, Qt::AltModifier);
            QTest::qWait(200); // the button's animated click
            before = answerOf(window);
            auto* edit = window->findChild<NumericField*>(field);
            QTest::mouseClick(edit, Qt::LeftButton);
            QTest::keyClicks(edit, typed);
            QTest::keyClick(edit, Qt::Key_W, Qt::AltModifier);
            QTest::qWait(200); // the button's animated click
            focusKept = edit->hasFocus();
            QTest::keyClick(edit, Qt::Key_Tab);
            text = edit->text();
            after = answerOf(window);
        });
        QCOMPARE(w.texts(), message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(text, shown);
        if (message.isEmpty()) {
            QVERIFY(after != before);
        } else {
            QVERIFY(focusKept);
            QCOMPARE(after, before);
        }
    }

    // Paying extra answers both ways side by side; how often you pay follows
    // the type chosen. A screen reader names every answer table, and each
    // choice of type by its caption, not by the type chosen.
    void extraBothWaysAndHowOften() {
        driver::Window w;
        double kept = 0.0, shortened = 0.0;
        int oftenRows = 0;
        QStringList tableNames, choiceNames;
        QString emptiedMonth, costs;
        inWhatIf(w, [&](WhatIfWindow* window) {
            driver::child<QTabWidget>(window, "whatIfTabs")->setCurrentIndex(2);
            driver::child<hw::NumericField>(window, "txtLump")
                ->setText(QStringLiteral("$20,000.00"));
            // The month emptied takes its start again, not month 0.
            driver::type(driver::child<hw::NumericField>(window, "txtLumpMonth"), QString());
            driver::child<QPushButton>(window, "extraButton")->click();
            emptiedMonth = driver::child<hw::NumericField>(window, "txtLumpMonth")->text();
            // The costs of switching start at 0: the loan already carries the fees.
            costs = driver::child<hw::NumericField>(window, "txtCosts")->text();
            const auto amount = [&](int row) {
                return w.regional()
                    .toCurrency(
                        driver::child<QTableWidget>(window, "grdExtraWays")->item(row, 1)->text())
                    .value.toDouble();
            };
            shortened = amount(0);
            kept = amount(1);
            driver::child<QTabWidget>(window, "whatIfTabs")->setCurrentIndex(4);
            QTest::mouseClick(
                driver::child<QWidget>(window, "optOftenType")->findChildren<QRadioButton*>().at(1),
                Qt::LeftButton);
            oftenRows = driver::child<QTableWidget>(window, "grdOften")->rowCount();
            const auto name = [](QWidget* widget) {
                return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
            };
            for (QTableWidget* table : window->findChildren<QTableWidget*>())
                tableNames << name(table);
            for (const char* choice : {"optExtraType", "optOftenType"})
                choiceNames << name(driver::child<QWidget>(window, choice));
        });
        QCOMPARE(tableNames.size(), 6);
        QVERIFY(!tableNames.contains(QString()));
        QCOMPARE(choiceNames, QStringList({"Mortgage type", "Mortgage type"}));
        QVERIFY(w.texts().isEmpty());
        QVERIFY(kept > 0.0 && kept < shortened);
        QCOMPARE(oftenRows, 3);
        QCOMPARE(emptiedMonth, QStringLiteral("1"));
        QCOMPARE(costs, QStringLiteral("$0.00"));
    }

    void answersLeaveTheResultsAsTheyWere() {
        driver::Window w;
        const auto before = [&w] {
            return driver::cell(w, 0, driver::First)->text() +
                   driver::cell(w, 6, driver::Paid)->text();
        };
        QString first;
        QSet<QChar> keys;
        int tabs = 0;
        inWhatIf(w, [&](WhatIfWindow* window) {
            first = before();
            for (const char* name : {"riseButton", "extraButton", "resetButton"})
                driver::child<QPushButton>(window, name)->click();
            // Every tab has its own Alt key.
            const QTabWidget* tabWidget = driver::child<QTabWidget>(window, "whatIfTabs");
            tabs = tabWidget->count();
            for (int i = 0; i < tabs; ++i) {
                const QString text = tabWidget->tabText(i);
                keys << text.at(text.indexOf(u'&') + 1).toLower();
            }
        });
        QVERIFY(w.texts().isEmpty());
        QCOMPARE(keys.size(), tabs);
        QCOMPARE(before(), first);

        // The preview's What If page: one page more when ticked.
        int pagesWithout = 0, pagesWith = 0;
        QString title;
        driver::whenModal<hw::PreviewWindow>([&](hw::PreviewWindow* preview) {
            title = preview->windowTitle();
            pagesWithout = driver::child<QPrintPreviewWidget>(preview, "pages")->pageCount();
            driver::child<QCheckBox>(preview, "chkWhatIfPage")->click();
            pagesWith = driver::child<QPrintPreviewWidget>(preview, "pages")->pageCount();
            preview->reject();
        });
        QTest::mouseClick(driver::child<QPushButton>(&w, QStringLiteral("cmdPreview")),
                          Qt::LeftButton);
        QCOMPARE(title, QStringLiteral("Mortgage Options"));
        QVERIFY(pagesWithout >= 1);
        QCOMPARE(pagesWith, pagesWithout + 1);
    }
};

QTEST_MAIN(WhatIfWindowTest)
#include "tst_whatifwindow.moc"
