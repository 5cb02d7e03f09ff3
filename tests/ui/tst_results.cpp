#include "CaseDriver.h"
#include "MessageRecorder.h"
#include "calc/WhatIf.h"
#include "results/ColumnHead.h"
#include "results/frmChart.h"
#include "results/frmPreview.h"
#include "results/rptMortgage.h"

#include <QAction>
#include <QDate>
#include <QLabel>
#include <QPrintPreviewDialog>
#include <QProcess>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using hw::Currency;
using hw::frmChart;
using hw::frmMortgage;

namespace {

// A case entered through the pages, then the rate page typed into and left
// with Next, as the user does it.
void calculate(frmMortgage& w, qint64 amount, const QString& rate, const QString& term,
               double income, double spending) {
    driver::enterCase(w, amount, income, spending);
    driver::type(driver::field(w, hw::RateStep, "Interest Rate"), rate);
    driver::type(driver::field(w, hw::RateStep, "Term in Years"), term);
    driver::next(w);
}

QStringList rowOf(const frmMortgage& w, std::size_t k) {
    return {
        driver::cell(w, k, driver::Term)->text(),     driver::cell(w, k, driver::First)->text(),
        driver::cell(w, k, driver::Last)->text(),     driver::cell(w, k, driver::Paid)->text(),
        driver::cell(w, k, driver::Interest)->text(), driver::cell(w, k, driver::Final)->text()};
}

QList<int> markedRows(const frmMortgage& w) {
    QList<int> marked;
    for (std::size_t k = 0; k < hw::MortgageTypeCount; ++k)
        if (driver::notAffordable(w, k)->isVisible())
            marked << int(k);
    return marked;
}

QString pdfText(const QString& path) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"),
                    {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(30000))
        return {};
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

} // namespace

class ResultsTest : public QObject {
    Q_OBJECT
private slots:
    void workedExampleFillsEveryRow() {
        MessageRecorder messages;
        frmMortgage w(QLocale(QStringLiteral("en_US")));
        driver::show(w);
        calculate(w, 120000, QStringLiteral("6"), QStringLiteral("10"), 5000, 3000);
        QVERIFY(messages.texts().isEmpty());
        QCOMPARE(int(w.currentStep()), int(hw::ResultsStep));
        QCOMPARE(driver::control<QLabel>(w, QStringLiteral("sknpnMortgage"))->text(),
                 QStringLiteral("Amount borrowed:  $120,000.00  at  6.00%"));
        QCOMPARE(rowOf(w, 0), QStringList({"10.00", "$1,332.25", "$1,332.25", "$159,869.52",
                                           "$39,869.52", "$0.00"}));
        QCOMPARE(rowOf(w, 1), QStringList({"10.00", "$1,600.00", "$1,005.00", "$156,300.00",
                                           "$36,300.00", "$0.00"}));
        QCOMPARE(rowOf(w, 2), QStringList({"10.00", "$600.00", "$600.00", "$72,000.00",
                                           "$72,000.00", "$120,000.00"}));
        QCOMPARE(rowOf(w, 3), QStringList({"8.00", "$1,600.00", "$1,600.00", "$153,600.00",
                                           "$7,895.62", "$0.00"}));
        QCOMPARE(rowOf(w, 4), QStringList({"8.25", "$1,600.00", "$1,600.00", "$158,400.00",
                                           "$59,400.00", "$0.00"}));
        QCOMPARE(rowOf(w, 5),
                 QStringList({"6.00", "Variant", "Variant", "$142,599.06", "$22,599.06", "$0.00"}));
        QCOMPARE(rowOf(w, 6),
                 QStringList({"5.83", "Variant", "Variant", "$141,350.84", "$21,350.84", "$0.00"}));
        QVERIFY(markedRows(w).isEmpty());
    }

    // Rows are re-marked on every calculation and keep their old figures behind the mark.
    void recalculationRemarksRows() {
        MessageRecorder messages;
        frmMortgage w(QLocale(QStringLiteral("en_US")));
        driver::show(w);
        calculate(w, 120000, QStringLiteral("6"), QStringLiteral("10"), 5000, 3000);
        calculate(w, 200000, QStringLiteral("7.5"), QStringLiteral("25"), 4000, 2500);
        QCOMPARE(markedRows(w), QList<int>({1, 3, 4}));
        for (int k : {1, 3, 4}) {
            QLabel* mark = driver::notAffordable(w, std::size_t(k));
            QCOMPARE(mark->text(), QStringLiteral("This option is not affordable"));
            // The mark stands where the row's first figures would, and why beside it.
            const auto reason = driver::control<QLabel>(w, QStringLiteral("lblReason%1").arg(k));
            QVERIFY(mark->geometry().contains(
                driver::cell(w, std::size_t(k), driver::Term)->geometry()));
            QVERIFY(reason->geometry().contains(
                driver::cell(w, std::size_t(k), driver::Final)->geometry()));
            QVERIFY(reason->isVisible() && reason->text().startsWith(QStringLiteral("Needs ")));
            QCOMPARE(
                w.stepPanel(int(hw::ResultsStep))
                    ->childAt(driver::cell(w, std::size_t(k), driver::First)->geometry().center()),
                mark);
        }
        // The stale figures behind a mark are hidden, so a screen reader finds only the mark.
        QVERIFY(!driver::cell(w, 1, driver::First)->isVisible() &&
                driver::cell(w, 0, driver::First)->isVisible());
        QCOMPARE(driver::cell(w, 1, driver::First)->text(),
                 QStringLiteral("$1,600.00")); // from the first calculation
        QCOMPARE(driver::cell(w, 0, driver::First)->text(), QStringLiteral("$1,477.98"));
        QCOMPARE(driver::cell(w, 0, driver::Term)->text(), QStringLiteral("25.00"));

        driver::back(w);
        calculate(w, 120000, QStringLiteral("6"), QStringLiteral("10"), 5000, 3000);
        QVERIFY(markedRows(w).isEmpty());
        QCOMPARE(driver::cell(w, 1, driver::First)->text(), QStringLiteral("$1,600.00"));
        QCOMPARE(driver::cell(w, 1, driver::Last)->text(), QStringLiteral("$1,005.00"));
    }

    // Every mark says why, to the mouse and to screen readers, and names its
    // type; the type's button tells its verdict.
    void marksSayWhy() {
        MessageRecorder messages;
        frmMortgage w(QLocale(QStringLiteral("en_US")));
        driver::show(w);
        calculate(w, 120000, QStringLiteral("0"), QStringLiteral("100"), 3000, 3000);
        const QString fund =
            QStringLiteral("The fund never reaches the amount borrowed at this rate");
        const QString spare = QStringLiteral("The spare income does not cover the interest");
        QCOMPARE(driver::notAffordable(w, 4)->toolTip(), fund);
        QCOMPARE(driver::notAffordable(w, 4)->accessibleDescription(), fund);
        QCOMPARE(driver::notAffordable(w, 5)->toolTip(), spare);
        QCOMPARE(driver::notAffordable(w, 6)->accessibleDescription(), spare);
        QCOMPARE(driver::notAffordable(w, 0)->toolTip(),
                 QStringLiteral("Needs $100.00 a month; $0.00 is spare"));
        QCOMPARE(driver::notAffordable(w, 0)->accessibleName(),
                 QStringLiteral("Table: This option is not affordable"));
        QCOMPARE(
            driver::control(w, QStringLiteral("cmdMortgage%1").arg(0))->accessibleDescription(),
            QStringLiteral("Not affordable: Needs $100.00 a month; $0.00 is spare"));
        driver::back(w);
        calculate(w, 120000, QStringLiteral("6"), QStringLiteral("10"), 5000, 3000);
        QCOMPARE(driver::notAffordable(w, 4)->toolTip(), QString());
        QCOMPARE(
            driver::control(w, QStringLiteral("cmdMortgage%1").arg(4))->accessibleDescription(),
            QStringLiteral("Affordable"));
    }

    void termIsChecked_data() {
        QTest::addColumn<QString>("term");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("zero") << "0" << false;
        QTest::newRow("emptied") << "" << false;
        QTest::newRow("under half a month") << "0.04" << false;
        QTest::newRow("just under a tenth") << "0.09" << false;
        QTest::newRow("a tenth") << "0.1" << true;
        QTest::newRow("a hundred") << "100" << true;
        QTest::newRow("over a hundred") << "100.01" << false;
        QTest::newRow("a thousand") << "1000" << false;
    }
    void termIsChecked() {
        QFETCH(QString, term);
        QFETCH(bool, accepted);
        MessageRecorder messages;
        frmMortgage w(QLocale(QStringLiteral("en_US")));
        driver::show(w);
        calculate(w, 120000, QStringLiteral("6"), term, 5000, 3000);
        if (accepted) {
            QVERIFY(messages.texts().isEmpty());
            QCOMPARE(int(w.currentStep()), int(hw::ResultsStep));
            return;
        }
        QCOMPARE(messages.texts(), QStringList({"Term in years must be between 0.1 and 100."}));
        QCOMPARE(int(w.currentStep()), int(hw::RateStep));
        QCOMPARE(QApplication::focusWidget(), driver::field(w, hw::RateStep, "Term in Years"));
    }

    void rateIsCheckedBeforeTerm() {
        MessageRecorder messages;
        frmMortgage w(QLocale(QStringLiteral("en_US")));
        driver::show(w);
        calculate(w, 120000, QStringLiteral("100"), QStringLiteral("0"), 5000, 3000);
        QCOMPARE(messages.texts(), QStringList({"Interest rate must be less than 100%."}));
        QCOMPARE(QApplication::focusWidget(), driver::field(w, hw::RateStep, "Interest Rate"));
    }

    // The page in another locale: figures in its currency form, the report's the same.
    void germanFigures() {
        MessageRecorder messages;
        frmMortgage w(QLocale(QStringLiteral("de_DE")));
        driver::show(w);
        calculate(w, 120000, QStringLiteral("6"), QStringLiteral("10"), 5000, 3000);
        QCOMPARE(driver::cell(w, 4, driver::Term)->text(), QStringLiteral("8,25"));
        QCOMPARE(driver::cell(w, 0, driver::First)->text(), QStringLiteral("1.332,25\u00A0€"));
        QCOMPARE(driver::cell(w, 2, driver::Final)->text(), QStringLiteral("120.000,00\u00A0€"));
        QVERIFY(w.reportContent());
        QCOMPARE(w.reportContent()->records[0].first, driver::cell(w, 0, driver::First)->text());
    }

    // In Arabic (Egypt) every figure stands at the right of its cell, the amounts
    // written with an Arabic currency sign as the terms are, and the schedule's
    // months are in the same digits as its amounts.
    void arabicFiguresAlignAlike() {
        MessageRecorder messages;
        frmMortgage w(QLocale(QStringLiteral("ar_EG")));
        driver::show(w);
        calculate(w, 120000, QStringLiteral("6"), QStringLiteral("10"), 5000, 3000);
        QCOMPARE(int(w.currentStep()), int(hw::ResultsStep));
        // The gap between the drawn text and the cell's right edge, in pixels.
        const auto rightGap = [](QWidget* cell) {
            // As the window draws it: the figures lie on the page's own paper.
            QPixmap drawn(cell->size());
            drawn.fill(cell->window()->palette().color(QPalette::Window));
            cell->render(&drawn, QPoint(), QRegion(), QWidget::DrawChildren);
            const QImage shot = drawn.toImage();
            const QColor paper = shot.pixelColor(2, shot.height() / 2);
            int rightmost = -1;
            for (int x = 3; x < shot.width() - 3; ++x)
                for (int y = 3; y < shot.height() - 3; ++y)
                    if (qAbs(shot.pixelColor(x, y).lightness() - paper.lightness()) > 100)
                        rightmost = x;
            return shot.width() - rightmost;
        };
        const int term = rightGap(driver::cell(w, 0, driver::Term));
        for (QLineEdit* cell : {driver::cell(w, 0, driver::First), driver::cell(w, 0, driver::Paid),
                                driver::cell(w, 2, driver::Final)})
            QVERIFY2(qAbs(rightGap(cell) - term) <= 4, qPrintable(cell->text()));
        frmChart chart(*w.options(), w.figures().requirement, w.regional());
        QCOMPARE(chart.grdSchedule->item(0, 0)->text(), QStringLiteral("١"));
    }

    // Among the affordable types, the lowest first repayment and the lowest
    // total paid as shown are marked (equal figures alike), and no other.
    void lowestFiguresAreMarked() {
        MessageRecorder messages;
        frmMortgage w(QLocale(QStringLiteral("en_US")));
        driver::show(w);
        calculate(w, 200000, QStringLiteral("7.5"), QStringLiteral("25"), 4000, 2500);
        for (const driver::Column column : {driver::First, driver::Paid}) {
            std::optional<hw::Currency> lowest;
            for (std::size_t k = 0; k < hw::MortgageTypeCount; ++k) {
                const auto shown = w.regional().toCurrency(driver::cell(w, k, column)->text());
                if (!driver::notAffordable(w, k)->isVisible() && shown &&
                    (!lowest || shown.value < *lowest))
                    lowest = shown.value;
            }
            QVERIFY(lowest);
            int marked = 0;
            for (std::size_t k = 0; k < hw::MortgageTypeCount; ++k) {
                QLineEdit* cell = driver::cell(w, k, column);
                const auto shown = w.regional().toCurrency(cell->text());
                const bool isLowest =
                    !driver::notAffordable(w, k)->isVisible() && shown && shown.value == *lowest;
                QCOMPARE(!cell->accessibleDescription().isEmpty(), isLowest);
                marked += isLowest ? 1 : 0;
            }
            QVERIFY(marked >= 1);
        }
    }

    void typeButtonsAndHeadsKeepTheirCaptions() {
        frmMortgage w(QLocale(QStringLiteral("en_US")));
        QCOMPARE(driver::control(w, QStringLiteral("cmdMortgage%1").arg(5))->text(),
                 QStringLiteral("Revolving Credit with Cash Management"));
        QCOMPARE(driver::control<QLabel>(w, QStringLiteral("SkinPanel1_2"))->text(),
                 QStringLiteral("Monthly Repayments First                 Last"));
        QCOMPARE(driver::cell(w, 6, driver::First)->text(), QStringLiteral("Variant"));
        QCOMPARE(driver::cell(w, 0, driver::Paid)->text(), QStringLiteral("$0.00"));
        QCOMPARE(driver::cell(w, 0, driver::Term)->text(), QStringLiteral("0.00"));
        QCOMPARE(driver::control(w, QStringLiteral("cmdPreview"))->text().remove(u'&'),
                 QStringLiteral("Preview"));
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

    void previewShowsTheReport() {
        MessageRecorder messages;
        frmMortgage w(QLocale(QStringLiteral("en_US")));
        driver::show(w);
        calculate(w, 120000, QStringLiteral("6"), QStringLiteral("10"), 5000, 3000);
        QString title;
        bool offersPdf = false;
        QTimer::singleShot(0, this, [&] {
            auto* dialog = qobject_cast<hw::frmPreview*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            title = dialog->windowTitle();
            offersPdf = dialog->cmdSavePdf->isVisible();
            dialog->reject();
        });
        QTest::mouseClick(driver::control(w, QStringLiteral("cmdPreview")), Qt::LeftButton);
        QCOMPARE(title, QStringLiteral("Mortgage Options"));
        QVERIFY(offersPdf);
    }

    // The saved report, read back as text: the case it answers on every page,
    // every figure whole in the user's own currency form (none overlapping its
    // neighbour, however large), the final balance, and why a type is not affordable.
    void pdfCarriesTheRecords_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<qint64>("amount");
        QTest::addColumn<QString>("rate");
        QTest::addColumn<QString>("term");
        QTest::addColumn<double>("income");
        QTest::addColumn<double>("spending");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("en_US") << "en_US" << qint64(200000) << "7.5"
                               << "25" << 4000.0 << 2500.0
                               << QStringList{"$200,000.00",
                                              "7.50%",
                                              "25.00",
                                              "$1,500.00",
                                              "$1,477.98",
                                              "$200,000.00",
                                              "Needs $1,916.67 a month; $1,500.00 is spare"};
        QTest::newRow("de_DE") << "de_DE" << qint64(200000) << "7,5"
                               << "25" << 4000.0 << 2500.0
                               << QStringList{"200.000,00 €",
                                              "7,50 %",
                                              "25,00",
                                              "1.500,00 €",
                                              "1.477,98 €",
                                              "Needs 1.916,67 € a month; 1.500,00 € is spare"};
        QTest::newRow("ja_JP") << "ja_JP" << qint64(200000) << "7.5"
                               << "25" << 4000.0 << 2500.0
                               << QStringList{"￥200,000", "￥1,478", "￥1,500",
                                              "Needs ￥1,917 a month; ￥1,500 is spare"};
        QTest::newRow("twelve digits") << "en_US" << qint64(232300000707) << "6.5"
                                       << "30" << 2000000000.0 << 250000.0 << QStringList{};
    }
    void pdfCarriesTheRecords() {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QFAIL("pdftotext (poppler-utils) is needed to read the report");
        QFETCH(QString, locale);
        QFETCH(qint64, amount);
        QFETCH(QString, rate);
        QFETCH(QString, term);
        QFETCH(double, income);
        QFETCH(double, spending);
        QFETCH(QStringList, expected);
        MessageRecorder messages;
        frmMortgage w{QLocale(locale)};
        driver::show(w);
        calculate(w, amount, rate, term, income, spending);
        QVERIFY(messages.texts().isEmpty());
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("report.pdf"));
        hw::rptMortgage report(*w.reportContent(), w.regional().locale());
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

    // The What If page wraps every sentence within the page, and states no
    // loan-to-value for a loan that buys no property.
    void pdfWhatIfPageWraps() {
        MessageRecorder messages;
        frmMortgage w{QLocale(QStringLiteral("en_US"))};
        driver::show(w);
        calculate(w, 200000, QStringLiteral("7.5"), QStringLiteral("25"), 4000, 2500);
        hw::ReportContent content = *w.reportContent();
        content.whatIf = hw::whatIfSummary(w.optionsInput(), w.regional(), 0.0, {});
        content.whatIf << QString(40, u'x').replace(u'x', QStringLiteral("wrapped ")) +
                              QStringLiteral("last-word");
        hw::rptMortgage report(content, w.regional().locale());
        report.setWhatIfPage(true);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("whatif.pdf"));
        QVERIFY(report.saveAsPdf(path));
        const QString text = pdfText(path);
        QVERIFY2(text.contains(QLatin1String("last-word")), qPrintable(text));
        QVERIFY(text.contains(QLatin1String("which is")));
        QVERIFY(!text.contains(QLatin1String("property's value")));
    }

    void pdfFailureIsReported() {
        const hw::ReportContent nothing;
        QVERIFY(!hw::rptMortgage(nothing).saveAsPdf(QStringLiteral("/nonexistent/folder/r.pdf")));
    }
};

QTEST_MAIN(ResultsTest)
#include "tst_results.moc"
