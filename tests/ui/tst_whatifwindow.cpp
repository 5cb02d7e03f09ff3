// The What If window through its real controls: each question answered from
// the case on the results page, bad questions refused with one message and the
// last answer kept, nothing on the results page changed, and the report's page.

#include "CaseDriver.h"
#include "MessageRecorder.h"
#include "results/frmPreview.h"
#include "results/frmWhatIf.h"
#include "results/rptMortgage.h"

#include <QApplication>
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QLabel>
#include <QPrintPreviewWidget>
#include <QSet>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using hw::frmMortgage;
using hw::frmWhatIf;

class WhatIfWindowTest : public QObject {
    Q_OBJECT
private slots:
    void answersAndRefusals() {
        MessageRecorder messages;
        frmMortgage w(QLocale(QStringLiteral("en_US")));
        driver::show(w);
        driver::choosePurpose(w, 3);
        driver::walkTo(w, hw::ResultsStep);
        const QString first = w.txtFirst[0]->text();
        QStringList riseAfter, extraBefore, extraAfter, resetAfter;
        QString refusedRiseKept, tableTerm;
        bool reachable = false;
        QTimer::singleShot(0, [&] {
            auto* window = qobject_cast<frmWhatIf*>(QApplication::activeModalWidget());
            if (!window)
                return;
            for (int k = 0; k < 7; ++k)
                riseAfter << window->grdRise->item(k, 3)->text();
            // A rise that is not a step of a quarter point: refused, answer kept.
            window->spnRise->setValue(0.3);
            QTest::mouseClick(window->cmdRise, Qt::LeftButton);
            refusedRiseKept = window->grdRise->item(0, 3)->text();
            tableTerm = window->lblTableTerm->text();
            // Paying 500 more a month on the Table loan.
            window->tabs->setCurrentIndex(2);
            window->spnExtra->setValue(500);
            QTest::mouseClick(window->cmdExtra, Qt::LeftButton);
            extraBefore << window->lblExtra->text();
            // An extra amount larger than the loan: refused, the answer kept.
            window->spnExtra->setValue(1e12);
            QTest::mouseClick(window->cmdExtra, Qt::LeftButton);
            extraAfter << window->lblExtra->text();
            window->spnExtra->setValue(500);
            // A fixed period as long as the term.
            window->tabs->setCurrentIndex(3);
            window->spnFixedYears->setValue(25);
            QTest::mouseClick(window->cmdReset, Qt::LeftButton);
            window->spnFixedYears->setValue(5);
            QTest::mouseClick(window->cmdReset, Qt::LeftButton);
            resetAfter << window->lblReset->text();
            // Every tab has its own Alt key.
            QSet<QChar> keys;
            for (int i = 0; i < window->tabs->count(); ++i) {
                const QString text = window->tabs->tabText(i);
                keys << text.at(text.indexOf(u'&') + 1).toLower();
            }
            reachable = keys.size() == window->tabs->count();
            window->cmdClose->click();
        });
        QTest::mouseClick(w.cmdWhatIf, Qt::LeftButton);
        QCOMPARE(riseAfter.size(), 7);
        QVERIFY(riseAfter.join(u' ').contains(QStringLiteral("ffordable")));
        QCOMPARE(refusedRiseKept, riseAfter[0]);
        QVERIFY(!tableTerm.isEmpty());
        QVERIFY2(extraBefore[0].contains(QStringLiteral("Cleared in month")),
                 qPrintable(extraBefore[0]));
        QCOMPARE(extraAfter, extraBefore);
        QVERIFY(resetAfter[0].contains(QStringLiteral("The repayment goes from")));
        QVERIFY(reachable);
        QCOMPARE(messages.texts(),
                 QStringList({"The rise must be between 0 and 10 percentage points, in steps of "
                              "0.25.",
                              "The extra amount each month must be less than the amount "
                              "borrowed.",
                              "The fixed period must be at least a month and shorter than the "
                              "term."}));
        // The results page is as it was.
        QCOMPARE(w.txtFirst[0]->text(), first);

        // The preview's What If page: one page more when ticked.
        int pagesWithout = 0, pagesWith = 0;
        QTimer::singleShot(0, [&] {
            auto* preview = qobject_cast<hw::frmPreview*>(QApplication::activeModalWidget());
            if (!preview)
                return;
            pagesWithout = preview->pages->pageCount();
            preview->chkWhatIfPage->click();
            pagesWith = preview->pages->pageCount();
            preview->reject();
        });
        QTest::mouseClick(w.cmdPreview, Qt::LeftButton);
        QVERIFY(pagesWithout >= 1);
        QCOMPARE(pagesWith, pagesWithout + 1);

        // The report's What If page, with what was asked last.
        hw::ReportContent content = *w.reportContent();
        content.whatIf = hw::whatIfSummary(w.optionsInput(), w.regional(), w.PropertyValue, {});
        QVERIFY(content.whatIf.join(u'\n').contains(QStringLiteral("The most you could borrow")));
        hw::rptMortgage report(content, w.regional().locale());
        QTemporaryDir folder;
        const QString without = folder.filePath(QStringLiteral("without.pdf"));
        const QString with = folder.filePath(QStringLiteral("with.pdf"));
        QVERIFY(report.saveAsPdf(without));
        report.setWhatIfPage(true);
        QVERIFY(report.saveAsPdf(with));
        QVERIFY(QFileInfo(with).size() > QFileInfo(without).size() + 1000);
    }
};

QTEST_MAIN(WhatIfWindowTest)
#include "tst_whatifwindow.moc"
