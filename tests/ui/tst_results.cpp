// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#include "CaseDriver.h"
#include "OptionsCase.h"
#include "PdfText.h"
#include "calc/CaseFile.h"
#include "calc/WhatIf.h"
#include "results/ChartWindow.h"
#include "results/ColumnHead.h"
#include "results/LenderChecksWindow.h"
#include "results/MortgageReport.h"
#include "results/PreviewWindow.h"
#include "results/ReportCommand.h"

#include <QAction>
#include <QComboBox>
#include <QDate>
#include <QLabel>
#include <QPrintPreviewDialog>
#include <QProcess>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using hw::ChartWindow;
using hw::Currency;
using hw::MainWindow;

namespace {

// A case of Other Loans opened as a saved case is: `amount` borrowed at `rate`
// per cent over `term` years, with a monthly income of `income` untaxed and a
// monthly spending of `spending`; no fees and no bank charges.
void calculate(MainWindow& w, qint64 amount, double rate, double term, double income,
               double spending) {
    hw::MortgageCase value;
    value.purpose = hw::OtherLoans;
    value.income[0].gross = *Currency::fromDouble(income * 12);
    value.budget[0] = *Currency::fromDouble(spending);
    value.fortnightlyBudget = false;
    value.purposes[hw::OtherLoans].first[0] = *Currency::fromUnits(amount);
    value.ratePercent = rate;
    value.termYears = term;
    QVERIFY(w.openCase(value));
}

QList<int> markedRows(const MainWindow& w) {
    QList<int> marked;
    for (std::size_t k = 0; k < hw::MortgageTypeCount; ++k)
        if (driver::notAffordable(w, k)->isVisible())
            marked << int(k);
    return marked;
}

} // namespace

class ResultsTest : public QObject {
    Q_OBJECT
private slots:
    // Every row shows the core's texts for the case, in the window's own forms.
    void rowsShowTheCoreTexts_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("heading");
        QTest::newRow("en_US") << "en_US"
                               << "Amount borrowed:  $120,000.00  at  6.00%";
        QTest::newRow("de_DE") << "de_DE"
                               << "Amount borrowed:  120.000,00\u00A0€  at  6,00\u00A0%";
        QTest::newRow("ja_JP") << "ja_JP"
                               << "Amount borrowed:  ￥120,000  at  6.00%";
    }
    void rowsShowTheCoreTexts() {
        QFETCH(QString, locale);
        driver::Window w(qPrintable(locale));
        calculate(w, 120000, 6, 10, 5000, 3000);
        QVERIFY(w.texts().isEmpty());
        QTEST(driver::child<QLabel>(&w, QStringLiteral("sknpnMortgage"))->text(), "heading");
        const hw::Regional& regional = w.regional();
        const QString term = regional.number(10.0);
        const auto core = hw::calculateOptions(
            optionsInput(regional, 120000, regional.percent(0.06), term, 5000, 3000));
        for (std::size_t k = 0; k < hw::MortgageTypeCount; ++k) {
            const hw::RowTexts texts = hw::rowTexts(int(k), core.types[k], term, regional);
            QCOMPARE(driver::cell(w, k, driver::Term)->text(), texts.term);
            QCOMPARE(driver::cell(w, k, driver::First)->text(),
                     texts.first.value_or(QStringLiteral("Variant")));
            QCOMPARE(driver::cell(w, k, driver::Last)->text(),
                     texts.last.value_or(QStringLiteral("Variant")));
            QCOMPARE(driver::cell(w, k, driver::Paid)->text(), texts.paid);
            QCOMPARE(driver::cell(w, k, driver::Interest)->text(), texts.interest);
            if (texts.finalBalance)
                QCOMPARE(driver::cell(w, k, driver::Final)->text(), *texts.finalBalance);
        }
        QVERIFY(markedRows(w).isEmpty());
        QCOMPARE(w.reportContent()->records[0].first, driver::cell(w, 0, driver::First)->text());
    }

    // Rows are re-marked on every calculation. A type that cannot be afforded
    // keeps its own figures readable, dimmed, with the mark and why under them.
    void recalculationRemarksRows() {
        driver::Window w;
        calculate(w, 120000, 6, 10, 5000, 3000);
        calculate(w, 200000, 7.5, 25, 4000, 2500);
        QCOMPARE(markedRows(w), QList<int>({1, 3, 4}));
        for (int k : {1, 3, 4}) {
            QLabel* mark = driver::notAffordable(w, std::size_t(k));
            QCOMPARE(mark->text(), QStringLiteral("This option is not affordable"));
            const auto reason = driver::child<QLabel>(&w, QStringLiteral("lblReason%1").arg(k));
            QVERIFY(reason->isVisible() && reason->text().startsWith(QStringLiteral("Needs ")));
            const QRect button =
                driver::child<QWidget>(&w, QStringLiteral("cmdMortgage%1").arg(k))->geometry();
            const QLineEdit* first = driver::cell(w, std::size_t(k), driver::First);
            QVERIFY(first->isVisible() && first->property("dimmed").toBool());
            // Under the figures, within the row.
            for (const QWidget* note :
                 {static_cast<QWidget*>(mark), static_cast<QWidget*>(reason)}) {
                const QRect place(note->mapTo(first->parentWidget(), QPoint()), note->size());
                QVERIFY(place.top() >= first->geometry().bottom());
                QVERIFY(place.bottom() <= button.bottom() + 1);
            }
        }
        QCOMPARE(driver::cell(w, 1, driver::First)->text(), QStringLiteral("$1,916.67"));
        QCOMPARE(driver::cell(w, 0, driver::First)->text(), QStringLiteral("$1,477.98"));

        // Among the affordable types, the lowest first repayment and the lowest
        // total paid are marked, and no other.
        const auto lowest = [&w](driver::Column column) {
            QList<int> rows;
            for (std::size_t k = 0; k < hw::MortgageTypeCount; ++k)
                if (!driver::cell(w, k, column)->accessibleDescription().isEmpty())
                    rows << int(k);
            return rows;
        };
        // Interest Only pays $1,250.00 a month and $375,000.01 in all, and still
        // owes the $200,000.00: it is never the lowest. Table's $1,477.98 a month
        // is, and the credit-card revolving type's $415,853.46 in all.
        QCOMPARE(lowest(driver::First), QList<int>({0}));
        QCOMPARE(lowest(driver::Paid), QList<int>({6}));

        driver::back(w);
        calculate(w, 120000, 6, 10, 5000, 3000);
        QVERIFY(markedRows(w).isEmpty());
        QCOMPARE(driver::cell(w, 1, driver::Last)->text(), QStringLiteral("$1,005.00"));
        QVERIFY(driver::cell(w, 1, driver::Last)->isVisible());
    }

    // Every mark says why, to the mouse and to screen readers (which the
    // real-desktop layer reads), and loses its reason with the mark.
    void marksSayWhy() {
        driver::Window w;
        calculate(w, 120000, 0, 100, 3000, 3000);
        QCOMPARE(driver::notAffordable(w, 4)->toolTip(),
                 QStringLiteral("The fund never reaches the amount borrowed at this rate"));
        QCOMPARE(driver::notAffordable(w, 5)->accessibleDescription(),
                 QStringLiteral("The spare income does not cover the interest"));
        QCOMPARE(driver::notAffordable(w, 0)->toolTip(),
                 QStringLiteral("Needs $100.00 a month; $0.00 is spare"));
        // A type with no figures shows none; one that has them shows them.
        QVERIFY(!driver::cell(w, 4, driver::Paid)->isVisible());
        QVERIFY(!driver::cell(w, 5, driver::Paid)->isVisible());
        QCOMPARE(driver::cell(w, 0, driver::Paid)->text(), QStringLiteral("$120,000.00"));
        driver::back(w);
        calculate(w, 120000, 6, 10, 5000, 3000);
        QCOMPARE(driver::notAffordable(w, 4)->toolTip(), QString());
    }

    // A new case checks the loan as the lenders of the system's region do, a
    // Canadian rate compounding half-yearly; the lender checks' window changes
    // the country, and the line under the results and the case follow.
    void lenderChecks() {
        driver::Window w("fr_CA");
        QCOMPARE(w.caseValue().lender.country, hw::LenderCountry::Canada);
        QCOMPARE(w.caseValue().compounding, hw::Compounding::HalfYearly);
        calculate(w, 200000, 7.5, 25, 9000, 3000);
        auto* line = driver::child<QLabel>(&w, QStringLiteral("lblLenderChecks"));
        QVERIFY(!line->isVisible());
        QString summary;
        driver::whenModal<hw::LenderChecksWindow>([&summary](hw::LenderChecksWindow* checks) {
            checks->countryBox->setCurrentIndex(
                checks->countryBox->findData(int(hw::LenderCountry::Ireland)));
            summary = checks->summary->text();
            // A figure still being typed as the window is left with Escape counts.
            auto* heating = driver::child<hw::NumericField>(checks, QStringLiteral("txtLender1"));
            heating->takeFocus();
            QTest::keyClicks(heating, QStringLiteral("150"));
            QVERIFY(heating->isEditing());
            QTest::keyClick(checks, Qt::Key_Escape);
        });
        QTest::mouseClick(driver::child<QPushButton>(&w, QStringLiteral("cmdLenderChecks")),
                          Qt::LeftButton);
        QCOMPARE(w.caseValue().lender.country, hw::LenderCountry::Ireland);
        QCOMPARE(w.caseValue().lender.heatingMonthly, *Currency::fromUnits(150));
        // $200,000 on $108,000 a year is 1.85 times: every type passes.
        QCOMPARE(summary, QStringLiteral("Ireland: 7 of 7 types pass the usual lender checks"));
        QVERIFY(line->isVisible() && line->text() == summary);
        QVERIFY(hw::caseFileText({w.caseValue(), {}}).contains("\"country\": \"ie\""));
        // The report's page of them, when ticked: each type with its checks.
        hw::MortgageReport report(*w.reportContent(), w.regional().locale());
        QVERIFY(report.hasLenderChecks());
        report.setLenderChecksPage(true);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("lender.pdf"));
        QVERIFY(report.saveAsPdf(path));
        const QString text = pdfText(path);
        QVERIFY2(text.contains(QLatin1String("Lender Checks")) &&
                     text.contains(QLatin1String("Central Bank of Ireland")) &&
                     text.count(QLatin1String("Loan to income (Passes)")) == 7,
                 qPrintable(text));

        // The command line's report of the saved case is the preview's, page for page.
        const QString saved = dir.filePath(QStringLiteral("ours.hearthwise"));
        QVERIFY(hw::writeWholeFile(saved, hw::caseFileText({w.caseValue(), {}})));
        report.setLenderChecksPage(false);
        report.setChartPage(true);
        QVERIFY(report.saveAsPdf(path));
        const QString command = dir.filePath(QStringLiteral("command.pdf"));
        const hw::CommandOutput output = hw::runReportCommand(
            {"hearthwise", "--report", saved, "--pdf", command, "--chart"}, w.regional().locale());
        QVERIFY2(output.exitCode == 0 && output.err.isEmpty(), output.err.constData());
        const QString written = pdfText(command);
        QCOMPARE(written, pdfText(path));
        QVERIFY(written.contains(QLatin1String("000,00")));
    }

    void headLines_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("one line") << "Mortgage Type" << QStringList({"Mortgage Type"});
        QTest::newRow("leading blank") << " Term    Years" << QStringList({"Term", "Years"});
        QTest::newRow("three blanks")
            << "Total   Amount Paid" << QStringList({"Total", "Amount Paid"});
        QTest::newRow("sub-columns") << "Monthly Repayments First                 Last"
                                     << QStringList({"Monthly Repayments", "First\tLast"});
    }
    void headLines() {
        QFETCH(QString, caption);
        QTEST(hw::ColumnHead::lines(caption), "lines");
    }

    // The saved report, read back as text: the case it answers on every page,
    // every figure whole in the user's own currency form (none overlapping its
    // neighbour, however large), the final balance, and why a type is not affordable.
    void pdfCarriesTheRecords_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<qint64>("amount");
        QTest::addColumn<double>("rate");
        QTest::addColumn<double>("term");
        QTest::addColumn<double>("income");
        QTest::addColumn<double>("spending");
        QTest::addColumn<QStringList>("expected");
        const QString spare = QStringLiteral("Needs %1 a month; %2 is spare");
        // clang-format off
        QTest::newRow("en_US") << "en_US" << qint64(200000) << 7.5 << 25.0 << 4000.0 << 2500.0
            << QStringList{"$200,000.00", "7.50%", "25.00", "$1,477.98", spare.arg("$1,916.67", "$1,500.00")};
        QTest::newRow("de_DE") << "de_DE" << qint64(200000) << 7.5 << 25.0 << 4000.0 << 2500.0
            << QStringList{"200.000,00 €", "7,50 %", "1.477,98 €", spare.arg("1.916,67 €", "1.500,00 €")};
        QTest::newRow("ja_JP") << "ja_JP" << qint64(200000) << 7.5 << 25.0 << 4000.0 << 2500.0
            << QStringList{"￥200,000", "￥1,478", spare.arg("￥1,917", "￥1,500")};
        QTest::newRow("twelve digits") << "en_US" << qint64(232300000707) << 6.5 << 30.0 << 2000000000.0 << 250000.0
            << QStringList{};
        // clang-format on
    }
    void pdfCarriesTheRecords() {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QFAIL("pdftotext (poppler-utils) is needed to read the report");
        QFETCH(QString, locale);
        QFETCH(qint64, amount);
        QFETCH(double, rate);
        QFETCH(double, term);
        QFETCH(double, income);
        QFETCH(double, spending);
        QFETCH(QStringList, expected);
        driver::Window w(qPrintable(locale));
        calculate(w, amount, rate, term, income, spending);
        QVERIFY(w.texts().isEmpty());
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("report.pdf"));
        hw::MortgageReport report(*w.reportContent(), w.regional().locale());
        report.setChartPage(true);
        QVERIFY(report.saveAsPdf(path));
        // pdftotext writes the no-break space of "200.000,00 €" as a plain one,
        // and the full-width yen sign as the plain one.
        const auto plain = [](QString value) {
            return value.replace(QChar(0x00A0), u' ').replace(QChar(0xFFE5), QChar(0x00A5));
        };
        const QString text = plain(pdfText(path));
        const hw::ReportContent& content = *w.reportContent();
        for (const QString& value : expected)
            QVERIFY2(text.contains(plain(value)), qPrintable(value + u'\n' + text));
        for (const hw::ReportRecord& record : content.records)
            for (const QString& figure : {record.first, record.last, record.paid, record.interest,
                                          record.finalBalance, record.reason})
                QVERIFY2(text.contains(plain(figure)), qPrintable(figure + u'\n' + text));
        // Both pages carry the case, the date and their number.
        const QString date =
            w.regional().locale().toString(QDate::currentDate(), QLocale::LongFormat);
        QCOMPARE(text.count(QLatin1String("Monthly spare income:")), 2);
        QCOMPARE(text.count(plain(date)), 2);
        QVERIFY(text.contains(QLatin1String("Page 1 of 2")));
        QVERIFY(text.contains(QLatin1String("Page 2 of 2")));
        // The first page explains its table below it, rather than standing two-thirds empty.
        const qsizetype notes = text.indexOf(QLatin1String("Reading the table"));
        QVERIFY(notes >= 0 && notes < text.indexOf(QLatin1String("Page 1 of 2")));
        // One record per type, in type order.
        const QStringList lines = text.split(u'\n');
        qsizetype line = 0;
        for (int k = 0; k < hw::MortgageTypeCount; ++k) {
            // A long name may wrap: its first two words open the record.
            const QString opening = hw::mortgageTypeName(k).section(u' ', 0, 1);
            while (line < lines.size() && !lines[line].trimmed().startsWith(opening))
                ++line;
            QVERIFY2(line < lines.size(), qPrintable(opening));
            ++line;
        }
    }

    // The What If page has a heading per question and wraps every sentence
    // within the page, and states no loan-to-value for a loan that buys no property.
    void pdfWhatIfPageWraps() {
        driver::Window w;
        calculate(w, 200000, 7.5, 25, 4000, 2500);
        hw::ReportContent content = *w.reportContent();
        content.whatIf = hw::whatIfSummary(w.optionsInput(), w.regional(), 0.0, {});
        content.whatIf.back().notes << QString(40, u'x').replace(u'x', QStringLiteral("wrapped ")) +
                                           QStringLiteral("last-word");
        hw::MortgageReport report(content, w.regional().locale());
        report.setWhatIfPage(true);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("whatif.pdf"));
        QVERIFY(report.saveAsPdf(path));
        const QString text = pdfText(path);
        QVERIFY2(text.contains(QLatin1String("last-word")), qPrintable(text));
        QVERIFY(text.contains(QLatin1String("which is")));
        QVERIFY(text.contains(QLatin1String("How much could we borrow")));
        QVERIFY(!text.contains(QLatin1String("property's value")));
    }

    // A household whose bank quotes its rate compounded half-yearly picks so on
    // the rate page, and the results follow.
    void halfYearlyCompoundingOnTheRatePage() {
        driver::Window w;
        calculate(w, 200000, 7.5, 15, 10000, 0);
        QCOMPARE(driver::cell(w, hw::TableType, driver::First)->text(),
                 QStringLiteral("$1,854.02"));
        driver::back(w);
        QCOMPARE(int(w.currentStep()), int(hw::RateStep));
        QTest::keyClick(&w, Qt::Key_Y, Qt::AltModifier);
        QTest::qWait(200);
        driver::next(w);
        QCOMPARE(driver::cell(w, hw::TableType, driver::First)->text(),
                 QStringLiteral("$1,841.03"));
        QVERIFY(w.caseValue().compounding == hw::Compounding::HalfYearly);
        QCOMPARE(w.reportContent()->interestRate, QStringLiteral("7.50% compounded half-yearly"));
    }

    void pdfFailureIsReported() {
        const hw::ReportContent nothing;
        QVERIFY(
            !hw::MortgageReport(nothing).saveAsPdf(QStringLiteral("/nonexistent/folder/r.pdf")));
    }
};

QTEST_MAIN(ResultsTest)
#include "tst_results.moc"
