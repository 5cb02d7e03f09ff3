// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#include "CaseDriver.h"
#include "OptionsCase.h"
#include "Palettes.h"
#include "results/BalanceChart.h"
#include "results/ChartWindow.h"
#include "results/MortgageReport.h"
#include "results/PreviewWindow.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using hw::ChartWindow;
using hw::Currency;
using hw::MainWindow;

namespace {

hw::OptionsResult options(const hw::Regional& regional, qint64 amount, const char* rate,
                          const char* term, double income, double spending) {
    const hw::OptionsInput input = optionsInput(regional, double(amount), QString::fromUtf8(rate),
                                                QString::fromUtf8(term), income, spending);
    return hw::calculateOptions(input, hw::Schedules::With);
}

// The report of the worked example: $120,000 at 6% over ten years.
hw::ReportContent workedReport() {
    const hw::Regional us{QLocale(QStringLiteral("en_US"))};
    return hw::reportContent(options(us, 120000, "6.00%", "10.00", 5000, 3000),
                             {QStringLiteral("First Home Buyer"), *Currency::fromUnits(120000),
                              QStringLiteral("6.00%"), QStringLiteral("10.00"),
                              QStringLiteral("$2,000.00")},
                             us);
}

// A line of pdfinfo's answer, such as "Pages" or "Page size".
QByteArray pdfInfo(const QString& path, const QByteArray& field) {
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {path});
    info.waitForFinished(30000);
    for (const QByteArray& line : info.readAllStandardOutput().split('\n'))
        if (line.startsWith(field + ':'))
            return line.mid(field.size() + 1).trimmed();
    return {};
}
int pdfPages(const QString& path) {
    const QByteArray pages = pdfInfo(path, "Pages");
    return pages.isEmpty() ? -1 : pages.toInt();
}

} // namespace

class ChartTest : public QObject {
    Q_OBJECT
private slots:
    void axes_data() {
        QTest::addColumn<double>("years");
        QTest::addColumn<double>("money");
        QTest::addColumn<double>("maxYears");
        QTest::addColumn<double>("maxMoney");
        QTest::newRow("twenty-five years") << 25.0 << 233007.0 << 25.0 << 250000.0;
        QTest::newRow("ten years") << 10.0 << 120000.0 << 10.0 << 150000.0;
        QTest::newRow("a century") << 100.0 << 1.0e9 << 100.0 << 1.0e9;
        QTest::newRow("a month") << 1.0 / 12.0 << 500.0 << 0.1 << 500.0;
    }
    void axes() {
        QFETCH(double, years);
        QFETCH(double, money);
        const std::vector<hw::BalanceSeries> series = {
            {0, QStringLiteral("Table"), {QPointF(0.0, money), QPointF(years, 0.0)}}};
        const hw::ChartAxes axes = hw::chartAxes(series);
        QTEST(axes.maxYears, "maxYears");
        QTEST(axes.maxMoney, "maxMoney");
        QVERIFY(axes.maxYears / axes.yearStep <= 10.0);
        QVERIFY(axes.maxMoney / axes.moneyStep <= 10.0);
    }

    void linesToldApart_data() {
        QTest::addColumn<bool>("onDark");
        QTest::newRow("on paper") << false;
        QTest::newRow("on a dark desktop") << true;
    }
    // Every type's line stands out 3:1 from the background, and of any two
    // types whose lines lie on each other, both still show in the plot.
    void linesToldApart() {
        QFETCH(bool, onDark);
        const QColor background = onDark ? palettes::dark().color(QPalette::Base) : Qt::white;
        for (int type = 0; type < hw::MortgageTypeCount; ++type)
            QVERIFY(palettes::contrast(hw::seriesColour(type, onDark).rgb(), background.rgb()) >=
                    3.0);
        hw::ChartLook look;
        look.money = [](double value) { return QString::number(value); };
        look.onDark = onDark;
        const std::vector<QPointF> line = {{0, 100000}, {10, 60000}, {20, 0}};
        for (int a = 0; a < hw::MortgageTypeCount; ++a)
            for (int b = a + 1; b < hw::MortgageTypeCount; ++b) {
                QImage image(480, 360, QImage::Format_RGB32);
                image.fill(background);
                QPainter painter(&image);
                hw::paintBalanceChart(
                    painter, QRectF(image.rect()),
                    {{a, QStringLiteral("A"), line}, {b, QStringLiteral("B"), line}}, look);
                painter.end();
                // The upper half: the plot, the legend below it aside.
                const auto shown = [&](int type) {
                    const QRgb colour = hw::seriesColour(type, onDark).rgb();
                    int count = 0;
                    for (int y = 0; y < image.height() / 2; ++y)
                        for (int x = 0; x < image.width(); ++x)
                            count += image.pixel(x, y) == colour;
                    return count;
                };
                QVERIFY2(shown(a) >= 20 && shown(b) >= 20,
                         qPrintable(QStringLiteral("types %1 and %2").arg(a).arg(b)));
            }
    }

    // The Chart button opens the chart of every affordable type.
    void chartOfTheAffordableTypes() {
        driver::Window w;
        driver::choosePurpose(w, 3);
        driver::walkTo(w, hw::ResultsStep);
        int affordable = 0;
        for (std::size_t k = 0; k < hw::MortgageTypeCount; ++k)
            affordable += driver::notAffordable(w, k)->isVisible() ? 0 : 1;
        int seriesCount = 0;
        driver::whenModal<ChartWindow>([&](ChartWindow* chart) {
            seriesCount = int(chart->chart->series().size());
            driver::child<QPushButton>(chart, "cmdClose")->click();
        });
        QTest::mouseClick(driver::child<QPushButton>(&w, QStringLiteral("cmdChart")),
                          Qt::LeftButton);
        QCOMPARE(seriesCount, affordable);
        QVERIFY(w.texts().isEmpty());
    }

    void scheduleTable() {
        const hw::Regional german{QLocale(QStringLiteral("de_DE"))};
        const auto result = options(german, 200000, "7,50 %", "25,00", 4000, 2500);
        ChartWindow chart(result, *Currency::fromUnits(200000), german);
        auto* schedule = driver::child<QTableWidget>(&chart, "grdSchedule");
        auto* types = driver::child<QComboBox>(&chart, "cboType");
        chart.show();
        QCOMPARE(types->count(), 4); // the three unaffordable types are left out
        QCOMPARE(schedule->rowCount(), 300);
        QCOMPARE(schedule->item(0, 1)->text(), QStringLiteral("1.477,98\u00A0€"));

        types->setCurrentIndex(2); // Revolving Credit with Cash Management
        QCOMPARE(std::size_t(schedule->rowCount()), chart.shownSchedule().size());
        QCOMPARE(chart.shownSchedule().size(),
                 result.types[hw::CashManagementType].schedule.size());
    }

    void copyAndExport() {
        const hw::Regional us{QLocale(QStringLiteral("en_US"))};
        const auto result = options(us, 120000, "6.00%", "10.00", 5000, 3000);
        ChartWindow chart(result, *Currency::fromUnits(120000), us);
        auto* schedule = driver::child<QTableWidget>(&chart, "grdSchedule");
        auto* types = driver::child<QComboBox>(&chart, "cboType");
        chart.show();
        types->setCurrentIndex(3); // Table Endowment, with its fund
        QCOMPARE(schedule->columnCount(), 6);

        schedule->selectRow(1);
        QTest::keyClick(schedule, Qt::Key_C, Qt::ControlModifier);
        // Plain numbers, so that a spreadsheet reads them as numbers.
        const QStringList copied = QApplication::clipboard()->text().split(QStringLiteral("\r\n"));
        QCOMPARE(copied[0], QStringLiteral("Month\tRepayment\tInterest\tPrincipal\tBalance\tFund"));
        QVERIFY(copied[1].startsWith(QStringLiteral("2\t1600.00\t")));
        QCOMPARE(copied.size(), 3); // one row and the end of its line

        schedule->clearSelection();
        QTest::mouseClick(driver::child<QPushButton>(&chart, "copyButton"), Qt::LeftButton);
        QCOMPARE(QApplication::clipboard()->text().count(u'\n'), 97); // the heads and 96 months
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("schedule.csv"));
        QVERIFY(chart.exportCsv(path));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(file.readAll()),
                 hw::scheduleCsv(hw::shownSchedule(hw::TableEndowmentType,
                                                   result.types[hw::TableEndowmentType],
                                                   *Currency::fromUnits(120000))));
        QVERIFY(!chart.exportCsv(QStringLiteral("/nonexistent/folder/schedule.csv")));
    }

    // What Copy gives, pasted into a spreadsheet set to the same region (LibreOffice
    // Calc, reading it as it reads pasted text), is numbers, not text: whatever the
    // region's decimal sign and digits, and with the same values.
    void copiedFiguresAreSpreadsheetNumbers_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("language"); // the spreadsheet's language code
        QTest::newRow("en_US") << "en_US" << 1033;
        QTest::newRow("de_DE, a decimal comma") << "de_DE" << 1031;
        QTest::newRow("fr_FR") << "fr_FR" << 1036;
        QTest::newRow("ar_EG, Arabic-Indic digits on the screen") << "ar_EG" << 3073;
    }
    void copiedFiguresAreSpreadsheetNumbers() {
        QFETCH(QString, locale);
        QFETCH(int, language);
        const QString office = QStandardPaths::findExecutable(QStringLiteral("soffice"));
        if (office.isEmpty())
            QFAIL("LibreOffice Calc (libreoffice-calc-nogui) is needed to read the copy back");
        const hw::Regional regional{QLocale(locale)};
        const auto result = options(regional, 120000, "6.00%", "10.00", 5000, 3000);
        ChartWindow chart(result, *Currency::fromUnits(120000), regional);
        auto* schedule = driver::child<QTableWidget>(&chart, "grdSchedule");
        chart.show();
        driver::child<QComboBox>(&chart, "cboType")->setCurrentIndex(0); // Table
        schedule->selectRow(0);
        QTest::keyClick(schedule, Qt::Key_C, Qt::ControlModifier);
        QTemporaryDir dir;
        QFile pasted(dir.filePath(QStringLiteral("pasted.csv")));
        QVERIFY(pasted.open(QIODevice::WriteOnly));
        pasted.write(QApplication::clipboard()->text().toUtf8());
        pasted.close();
        QProcess calc;
        calc.setWorkingDirectory(dir.path());
        calc.start(office,
                   {QStringLiteral("-env:UserInstallation=file://") + dir.filePath("user"),
                    QStringLiteral("--headless"),
                    QStringLiteral("--infilter=CSV:9,34,76,1,,%1").arg(language),
                    QStringLiteral("--convert-to"), QStringLiteral("xlsx"), pasted.fileName()});
        QVERIFY(calc.waitForFinished(120000));
        QProcess unzip;
        unzip.start(QStringLiteral("unzip"), {QStringLiteral("-p"), dir.filePath("pasted.xlsx"),
                                              QStringLiteral("xl/worksheets/sheet1.xml")});
        QVERIFY(unzip.waitForFinished(30000));
        const QString sheet = QString::fromUtf8(unzip.readAllStandardOutput());
        // Row 2, the first month: every cell a number, the repayment 1332.25.
        static const QRegularExpression cell(
            QStringLiteral("<c r=\"([A-E])2\"[^>]* t=\"(\\w+)\"[^>]*><v>([^<]*)</v>"));
        QStringList numbers;
        for (const QRegularExpressionMatch& match : cell.globalMatch(sheet)) {
            QVERIFY2(match.captured(2) == QLatin1String("n"), qPrintable(sheet));
            numbers << match.captured(3);
        }
        QCOMPARE(numbers, QStringList({"1", "1332.25", "600", "732.25", "119267.75"}));
    }

    // The report saved as PDF on the paper of the region (the tests run in en_US: Letter).
    void reportOnTheRegionsPaper() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("report.pdf"));
        QVERIFY(hw::MortgageReport(workedReport()).saveAsPdf(path));
        QCOMPARE(pdfPages(path), 1);
        QVERIFY2(pdfInfo(path, "Page size").contains("(letter)"), pdfInfo(path, "Page size"));
    }

    // The preview opens at the page's width; its own controls are every one
    // reachable by Tab, the chart page a check box.
    void previewOffersItsActionsByKeyboard() {
        hw::MortgageReport report(workedReport());
        QStringList reached;
        bool offered = false;
        driver::whenModal<hw::PreviewWindow>([&](hw::PreviewWindow* dialog) {
            offered = !driver::child<QCheckBox>(dialog, "chkChartPage")->isChecked() &&
                      driver::child<QPrintPreviewWidget>(dialog, "pages")->zoomMode() ==
                          QPrintPreviewWidget::FitToWidth;
            QWidget* at = dialog->focusWidget();
            for (int i = 0; i < 8 && at; ++i) {
                reached << at->objectName();
                QTest::keyClick(at, Qt::Key_Tab);
                at = dialog->focusWidget();
            }
            QTest::keyClick(driver::child<QCheckBox>(dialog, "chkChartPage"), Qt::Key_Space);
            dialog->reject();
        });
        report.preview(nullptr);
        QVERIFY(offered);
        QVERIFY(report.chartPage());
        for (const char* name : {"cmdPrint", "cmdSavePdf", "chkChartPage", "cmdZoomIn",
                                 "cmdZoomOut", "cmdFitWidth", "cmdClose"})
            QVERIFY2(reached.contains(QLatin1String(name)), qPrintable(reached.join(u' ')));
    }
};

QTEST_MAIN(ChartTest)
#include "tst_chart.moc"
