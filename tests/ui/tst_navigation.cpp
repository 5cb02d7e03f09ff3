#include "CaseDriver.h"
#include "shell/frmMortgage.h"
#include "steps/Purposes.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using hw::frmMortgage;

class NavigationTest : public QObject {
    Q_OBJECT
private slots:
    // As the program starts, the window appears with its opening page and builds
    // the others just after; a key pressed before then still finds them.
    void pagesBuiltAfterTheFirstPaint() {
        frmMortgage early(QLocale(QStringLiteral("en_US")), nullptr,
                          frmMortgage::Pages::AfterFirstPaint);
        QVERIFY(!early.stepPanel(hw::AssetsStep)->findChild<hw::NumericField*>());
        QTest::mouseClick(early.cmdNext, Qt::LeftButton);
        QCOMPARE(int(early.currentStep()), int(hw::PurposeStep));
        QVERIFY(driver::purposeButton(early, int(0))->isEnabled());

        frmMortgage shown(QLocale(QStringLiteral("en_US")), nullptr,
                          frmMortgage::Pages::AfterFirstPaint);
        driver::show(shown);
        QTRY_VERIFY(shown.stepPanel(hw::AssetsStep)->findChild<hw::NumericField*>() != nullptr);
        QCOMPARE(driver::control<QLabel>(shown, QStringLiteral("sknLabel%1").arg(hw::ResultsStep))
                     ->text()
                     .left(20),
                 QStringLiteral("These figures repres"));
        // As wide as a window built whole, for the results' largest figures.
        frmMortgage whole(QLocale(QStringLiteral("en_US")));
        QCOMPARE(shown.width(), whole.width());
    }
    void buttonPlacesAtTheEnds() {
        driver::Window window;
        const int nextLeft = window.cmdNext->geometry().left();
        const int backLeft = window.cmdBack->geometry().left();
        for (int i = 0; i < 9; ++i)
            QTest::mouseClick(window.cmdNext, Qt::LeftButton);
        QCOMPARE(window.currentStep(), 17);
        QVERIFY(window.cmdBack->isVisible() && window.cmdNext->isVisible());

        QTest::mouseClick(window.cmdNext, Qt::LeftButton);
        QCOMPARE(window.currentStep(), 18);
        QVERIFY(!window.cmdNext->isVisible());
        QVERIFY(window.cmdBack->isVisible() && window.cmdBack->isEnabled());
        QTRY_COMPARE(window.cmdBack->geometry().left(), nextLeft);

        QTest::mouseClick(window.cmdBack, Qt::LeftButton);
        QCOMPARE(window.currentStep(), 17);
        QVERIFY(window.cmdNext->isVisible() && window.cmdNext->isEnabled());
        QTRY_COMPARE(window.cmdBack->geometry().left(), backLeft);
        QTRY_COMPARE(window.cmdNext->geometry().left(), nextLeft);

        for (int i = 0; i < 9; ++i)
            QTest::mouseClick(window.cmdBack, Qt::LeftButton);
        QCOMPARE(window.currentStep(), 0);
        QVERIFY(!window.cmdBack->isVisible());
        QVERIFY(!window.cmdBack->isEnabled());
    }

    // A screen reader can tell every figure of every page from the others.
    void everyFigureHasItsOwnName() {
        frmMortgage w(QLocale(QStringLiteral("en_US")));
        for (int step = 0; step < hw::StepCount; ++step) {
            QStringList names;
            for (QLineEdit* figure : w.stepPanel(step)->findChildren<QLineEdit*>()) {
                const QString name = figure->accessibleName();
                QVERIFY2(!name.isEmpty() && !names.contains(name),
                         qPrintable(QStringLiteral("step %1: \"%2\" for %3")
                                        .arg(step)
                                        .arg(name, figure->objectName())));
                names << name;
            }
        }
        QCOMPARE(driver::cell(w, 0, driver::First)->accessibleName(),
                 QStringLiteral("Table, first monthly repayment"));
    }
};

QTEST_MAIN(NavigationTest)
#include "tst_navigation.moc"
