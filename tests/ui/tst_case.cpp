// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
// Cases in files: saved and opened again in another locale, offered to be
// saved before leaving, compared side by side, and files that fail said so.
// (Every purpose's case opened in another locale is the end-to-end walk's.)

#include "CaseDriver.h"
#include "Money.h"
#include "PdfText.h"
#include "calc/CaseFile.h"
#include "pages/ResultsPage.h"
#include "results/CompareWindow.h"
#include "store/WholeFile.h"

#include <QApplication>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using hw::MainWindow;

namespace {
// Walks a window to the results of a Selling and Buying case at 7.25 %.
void enterCase(MainWindow& w) {
    driver::choosePurpose(w, hw::SellingAndBuying);
    driver::walkTo(w, hw::RateStep);
    driver::type(driver::field(w, hw::RateStep, "Interest Rate"), QStringLiteral("7.25"));
    driver::next(w);
}
// A complete case of `purpose`, a home and debts beside it, its own rate and term.
hw::MortgageCase caseFor(int purpose) {

    hw::MortgageCase c;
    c.purpose = purpose;
    c.assets[0] = units(400000 + 10000 * purpose);
    c.liabilities[0] = units(250000 + 5000 * purpose);
    c.income[0] = {units(150000), 30.0};
    c.fortnightlyBudget = purpose % 2 == 0;
    c.budget = {units(300), units(100), units(100), units(50), units(50), units(20), units(30)};
    const std::int64_t first[hw::PurposeCount][5] = {
        {500000, 40000}, {150000, 250000, 40000}, {0, 50000, 0, 10000},       {600000, 10000},
        {600000, 10000}, {300000, 0, 20000},      {100000, 300000, 0, 20000}, {20000},
        {50000}};
    for (std::size_t i = 0; i < 5; ++i)
        c.purposes[std::size_t(purpose)].first[i] = units(first[purpose][i]);
    if (purpose == hw::SellingAndBuying)
        c.purposes[std::size_t(purpose)].second = {hw::Currency(), units(500000), units(20000)};
    if (purpose == hw::SellingAndBuilding)
        c.purposes[std::size_t(purpose)].second = {hw::Currency(), units(120000), units(380000)};
    c.valuationFee = units(200);
    c.legalFee = units(500);
    c.chargesPercent = 1.0;
    c.ratePercent = 5.25 + 0.25 * purpose;
    c.termYears = 20 + purpose;
    return c;
}

// Everything the window shows that comes from the case: every field and
// figure of every page, whether it is marked changed, and the case value.
QStringList everyFigure(const MainWindow& w) {
    QStringList shown;
    for (const QLineEdit* edit : w.findChildren<QLineEdit*>())
        shown << edit->parentWidget()->objectName() + edit->objectName() + u' ' +
                     edit->accessibleName() + u'=' + edit->text();
    for (const QLabel* mark : w.findChildren<QLabel*>())
        if (mark->objectName().startsWith(QStringLiteral("lblAvailable")))
            shown << mark->objectName() + (mark->isVisibleTo(&w) ? u'!' : u'.');
    // In the order of the pages, whichever were shown last.
    shown.sort();
    shown << QString::number(w.currentStep()) << (w.isWindowModified() ? "*" : "")
          << QString::fromUtf8(hw::caseFileText({w.caseValue(), {}}));
    return shown;
}

} // namespace

class CaseTest : public QObject {
    Q_OBJECT
private slots:
    // Opening a case replaces the whole case: every purpose opened after every
    // other shows what it shows on a fresh start, unchanged (its bank charges
    // worked out on opening are no change), and a field left being edited by
    // the case before is ready for typing over the new figure.
    void openingReplacesTheWholeCase() {
        QTemporaryDir dir;
        const auto path = [&dir](int purpose) {
            return dir.filePath(QStringLiteral("case%1.hearthwise").arg(purpose));
        };
        QList<QStringList> fresh;
        for (int p = 0; p < hw::PurposeCount; ++p) {
            QVERIFY(hw::writeWholeFile(path(p), hw::caseFileText({caseFor(p), {}})));
            driver::Window w;
            QVERIFY(w.openCaseFile(path(p)));
            QCOMPARE(int(w.currentStep()), int(hw::ResultsStep));
            fresh << everyFigure(w);
            driver::back(w);
            driver::next(w);
            QVERIFY(!w.isWindowModified());
        }
        driver::Window w;
        for (int before = 0; before < hw::PurposeCount; ++before)
            for (int after = 0; after < hw::PurposeCount; ++after) {
                QVERIFY(w.openCaseFile(path(before)) && w.openCaseFile(path(after)));
                QVERIFY2(everyFigure(w) == fresh[after],
                         qPrintable(QStringLiteral("%1 then %2").arg(before).arg(after)));
            }
        QVERIFY(w.texts().isEmpty());
        // Opened while another window has the keyboard, as after the file dialog.
        {
            QWidget other;
            other.show();
            other.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&other));
            QVERIFY(w.openCaseFile(path(1)) && w.openCaseFile(path(hw::OtherLoans)));
        }
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        driver::back(w);
        hw::NumericField* rate = driver::field(w, hw::RateStep, "Interest Rate");
        QCOMPARE(rate->text(), QStringLiteral("7.25"));
        QCOMPARE(rate->selectedText(), rate->text());
        // A case the pages stop short of its results keeps none of the last results.
        hw::MortgageCase noDebts = caseFor(hw::Refinance);
        noDebts.liabilities = {};
        QVERIFY(hw::writeWholeFile(path(0), hw::caseFileText({noDebts, {}})));
        w.answers = {hw::AnswerOk};
        QVERIFY(w.openCaseFile(path(0)) && !w.options());
        // It opens on the page that stops it, with that page's message.
        QCOMPARE(int(w.currentStep()), int(hw::LiabilitiesStep));
        QCOMPARE(w.texts().value(0),
                 QStringLiteral("If you are refinancing your debt must be over $0!"));
    }

    // A case saved to a file: the title names the file and marks changes (none
    // once a figure is typed back). Leaving with changes offers to save them
    // first; Cancel keeps the program open with nothing changed.
    void leavingWithUnsavedChanges() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("ours.hearthwise"));
        driver::Window w;
        w.setClosingFrameDelay(0);
        enterCase(w);
        QVERIFY(w.writeCaseFile(path));
        QCOMPARE(w.windowTitle(),
                 QStringLiteral("Mortgage Options \u2014 ours.hearthwise[*] \u2014 Hearthwise"));
        driver::back(w);
        QVERIFY(!w.isWindowModified());
        driver::type(driver::field(w, hw::RateStep, "Interest Rate"), QStringLiteral("8"));
        QVERIFY(w.isWindowModified());
        driver::type(driver::field(w, hw::RateStep, "Interest Rate"), QStringLiteral("7.25"));
        QVERIFY(!w.isWindowModified());
        driver::type(driver::field(w, hw::RateStep, "Interest Rate"), QStringLiteral("8"));
        w.answers = {hw::AnswerCancel};
        w.leave();
        QCOMPARE(w.texts(), QStringList{"Save the changes to ours.hearthwise before leaving?"});
        QVERIFY(w.isVisible() && w.isWindowModified());
        // Save saves and leaves: the one question.
        w.clear();
        w.answers = {hw::AnswerOk};
        w.leave();
        QCOMPARE(w.texts(), QStringList({"Save the changes to ours.hearthwise before leaving?"}));
        QVERIFY(!w.isVisible() && !w.isWindowModified());
        driver::Window reopened("de_DE");
        QVERIFY(reopened.openCaseFile(path));
        QCOMPARE(reopened.caseValue().ratePercent, 8.0);
        QVERIFY(reopened.casePath() == path && !reopened.isWindowModified());
    }

    // A new case the household typed into is offered to be saved before it is
    // left, by Exit or New Case; walking the pages and opening What If is no
    // change, asking it a question is. Without changes, Exit asks its question.
    void newCaseOffersToSave() {
        driver::Window w;
        w.setClosingFrameDelay(0);
        driver::choosePurpose(w, hw::FirstHomeBuyer);
        driver::walkTo(w, hw::ResultsStep);
        driver::whenModal([](QWidget* asking) { asking->close(); });
        QTest::mouseClick(driver::child<QPushButton>(&w, QStringLiteral("cmdWhatIf")),
                          Qt::LeftButton);
        QVERIFY(!w.hasUnsavedChanges());
        hw::WhatIfSettings asked;
        asked.risePoints = 3.0; // as its Work Out records it
        w.resultsPage().setWhatIfAsked(asked);
        QVERIFY(w.hasUnsavedChanges());
        w.resultsPage().setWhatIfAsked({});
        driver::show(w);
        w.answers = {hw::AnswerNo};
        w.leave();
        QCOMPARE(w.texts(), QStringList{"Are you sure you want to exit?"});
        driver::back(w);
        driver::type(driver::field(w, hw::RateStep, "Interest Rate"), QStringLiteral("6"));
        QVERIFY(w.hasUnsavedChanges());
        w.clear();
        w.answers = {hw::AnswerCancel, hw::AnswerCancel, hw::AnswerNo};
        w.leave();
        // A file dialog opened regardless is closed.
        driver::whenModal([](QWidget* dialog) { dialog->close(); });
        driver::child<QAction>(&w, "openCaseAction")
            ->trigger(); // Cancel: no file dialog, the case stays
        driver::next(w); // the results
        driver::next(w); // the closing page, without Next
        w.newCase();
        QVERIFY(driver::child<QPushButton>(&w, "cmdNext")->isVisible());
        QCOMPARE(w.texts(), QStringList({"Save this case before leaving?",
                                         "Save this case before opening another?",
                                         "Save this case before starting a new one?"}));
        QCOMPARE(w.messages[0].second, int(hw::MsgSaveDontSaveCancel));
        QCOMPARE(int(w.currentStep()), int(hw::OpeningStep));
        QCOMPARE(w.caseValue().ratePercent, 8.0);
        QVERIFY(!w.hasUnsavedChanges() && w.isVisible());
    }

    // The case beside saved cases: one column each, the lowest figure of each
    // row marked, a file that is not a case said so and left out, and the
    // comparison saved as PDF in the user's currency.
    void compare() {
        QTemporaryDir dir;
        driver::Window w("de_DE");
        enterCase(w); // at 7.25 %
        QVERIFY(w.writeCaseFile(dir.filePath(QStringLiteral("bank a.hearthwise"))));
        driver::back(w);
        driver::type(driver::field(w, hw::RateStep, "Interest Rate"), QStringLiteral("6.5"));
        driver::next(w);
        QVERIFY(w.writeCaseFile(dir.filePath(QStringLiteral("bank b.hearthwise"))));
        driver::back(w);
        driver::type(driver::field(w, hw::RateStep, "Interest Rate"), QStringLiteral("8"));
        driver::next(w);
        QVERIFY(hw::writeWholeFile(dir.filePath(QStringLiteral("damaged.hearthwise")), "{"));
        QStringList heads, table, lender;
        QString lowestFirst;
        bool pdf = false;
        driver::whenModal<hw::CompareWindow>([&](hw::CompareWindow* window) {
            QTableWidget* grid = driver::child<QTableWidget>(window, "grdCompare");
            for (int c = 0; c < grid->columnCount(); ++c)
                heads << grid->horizontalHeaderItem(c)->text();
            QList<int> widths;
            for (int c = 0; c < grid->columnCount(); ++c)
                widths << grid->columnWidth(c);
            grid->resizeColumnsToContents(); // as wide as the texts ask
            for (int c = 1; c < grid->columnCount(); ++c) {
                table << grid->item(1, c)->text();
                lender << grid->item(4, c)->text();
                if (grid->item(5, c)->font().bold())
                    lowestFirst = grid->horizontalHeaderItem(c)->text();
                // Every figure whole, the bold ones too; the names whole in their tooltips;
                // the verdicts in line with the figures.
                QVERIFY(widths[c] >= grid->columnWidth(c));
                QCOMPARE(grid->horizontalHeaderItem(c)->toolTip(),
                         grid->horizontalHeaderItem(c)->text());
                QVERIFY(grid->item(8, c)->text() == "Yes" || grid->item(8, c)->text() == "No");
                QCOMPARE(grid->item(8, c)->textAlignment(), grid->item(5, c)->textAlignment());
            }
            pdf = static_cast<bool>(
                window->saveAsPdf(dir.filePath(QStringLiteral("comparison.pdf"))));
            window->accept();
        });
        w.openCompare({dir.filePath(QStringLiteral("bank a.hearthwise")),
                       dir.filePath(QStringLiteral("damaged.hearthwise")),
                       dir.filePath(QStringLiteral("bank b.hearthwise"))});
        QCOMPARE(heads, QStringList({"", "This case", "bank a", "bank b"}));
        QCOMPARE(table, QStringList({"8,00\u00A0%", "7,25\u00A0%", "6,50\u00A0%"}));
        QCOMPARE(lowestFirst, QStringLiteral("bank b")); // the lowest rate, the lowest repayment
        // A German household has no lender country: its checks are none.
        QCOMPARE(lender, QStringList({"None", "None", "None"}));
        QCOMPARE(w.texts().size(), 1);
        QVERIFY(w.texts()[0].contains(QStringLiteral("damaged.hearthwise could not be opened")));
        QVERIFY(pdf);
        // On paper like the report: its title, its date and page.
        const QString paper = pdfText(dir.filePath(QStringLiteral("comparison.pdf")));
        for (const QString& part :
             {QStringLiteral("Compare Cases"), QStringLiteral("Page 1 of "),
              w.regional().locale().toString(QDate::currentDate(), QLocale::LongFormat)})
            QVERIFY2(paper.contains(part), qPrintable(part));
    }

    // A file that cannot be opened or written is said so once, naming the file;
    // the case on the screen stays as it was.
    void filesThatFail() {
        QTemporaryDir dir;
        driver::Window w;
        enterCase(w);
        const hw::MortgageCase before = w.caseValue();
        const QString damaged = dir.filePath(QStringLiteral("damaged.hearthwise"));
        QVERIFY(hw::writeWholeFile(
            damaged, "{\"format\": \"hearthwise-case\", \"version\": \"1.0\", \"rate\": "));
        QVERIFY(!w.openCaseFile(damaged));
        QVERIFY(!w.openCaseFile(dir.filePath(QStringLiteral("missing.hearthwise"))));
        QVERIFY(!w.writeCaseFile(QStringLiteral("/nonexistent/folder/case.hearthwise")));
        const QStringList said = w.texts();
        QCOMPARE(said.size(), 3);
        QVERIFY2(said[0].startsWith(damaged + QStringLiteral(" could not be opened. It is not a "
                                                             "Hearthwise case, or it is damaged")),
                 qPrintable(said[0]));
        QVERIFY(said[1].contains(QStringLiteral("missing.hearthwise could not be opened.")));
        QVERIFY(said[2].startsWith(
            QStringLiteral("The case could not be saved as /nonexistent/folder/case.hearthwise")));
        QVERIFY(w.caseValue() == before);
        QCOMPARE(int(w.currentStep()), int(hw::ResultsStep));
        QVERIFY(w.casePath().isEmpty());
    }
};

QTEST_MAIN(CaseTest)
#include "tst_case.moc"
