#include "CaseDriver.h"
#include "MessageRecorder.h"
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
    void startsOnTheOpeningPage() {
        frmMortgage window(QLocale(QStringLiteral("en_US")));
        window.show();
        QCOMPARE(window.currentStep(), 0);
        QVERIFY(window.stepPanel(int(0))->isEnabled());
        for (int i = 1; i < hw::StepCount; ++i)
            QVERIFY(!window.stepPanel(int(static_cast<std::size_t>(i)))->isEnabled());
        QVERIFY(!window.cmdBack->isEnabled());
        QVERIFY(window.cmdNext->isVisible());
        QVERIFY(!driver::purposeButton(window, int(0))->isEnabled());
        QCOMPARE(window.windowTitle(), QStringLiteral("Hearthwise"));
    }

    void pathOfEachPurpose_data() {
        QTest::addColumn<int>("purpose");
        for (int p = 0; p < hw::PurposeCount; ++p)
            QTest::newRow(qPrintable(QStringLiteral("purpose %1").arg(p))) << p;
    }
    void pathOfEachPurpose() {
        QFETCH(int, purpose);
        MessageRecorder messages;
        frmMortgage window(QLocale(QStringLiteral("en_US")));
        driver::show(window);
        const std::vector<int> path = {0, 1, 2, 3, 4, 5, 6 + purpose, 15, 16, 17, 18};

        QTest::mouseClick(window.cmdNext, Qt::LeftButton);
        QCOMPARE(window.currentStep(), 1);
        QVERIFY(driver::purposeButton(window, int(0))->isEnabled());
        QTest::mouseClick(driver::purposeButton(window, int(static_cast<std::size_t>(purpose))),
                          Qt::LeftButton);
        QCOMPARE(window.purpose(), purpose);
        for (int i = 0; i < hw::PurposeCount; ++i)
            QCOMPARE(driver::purposeButton(window, int(static_cast<std::size_t>(i)))->isChecked(),
                     i == purpose);

        for (std::size_t i = 2; i < path.size(); ++i) {
            driver::fillRequired(window);
            QTest::mouseClick(window.cmdNext, Qt::LeftButton);
            QVERIFY2(int(window.currentStep()) == path[i], qPrintable(messages.texts().join("|")));
            QVERIFY(window.stepPanel(path[i])->isVisible());
            QVERIFY(window.stepPanel(path[i])->isEnabled());
            QVERIFY(!window.stepPanel(path[i - 1])->isEnabled());
            // Every page says where the household is on its purpose's path.
            QVERIFY(window.lblPlace->text().startsWith(
                QStringLiteral("Step %1 of %2: ").arg(i + 1).arg(path.size())));
        }
        // Back from every step returns along the same path.
        for (std::size_t i = path.size() - 1; i > 0; --i) {
            QTest::mouseClick(window.cmdBack, Qt::LeftButton);
            QCOMPARE(int(window.currentStep()), path[i - 1]);
        }
        QVERIFY(messages.messages.isEmpty());
        // Step 1 shown again presses the chosen purpose.
        QTest::mouseClick(window.cmdNext, Qt::LeftButton);
        QVERIFY(driver::purposeButton(window, int(static_cast<std::size_t>(purpose)))->isChecked());
    }

    void buttonPlacesAtTheEnds() {
        MessageRecorder messages;
        frmMortgage window(QLocale(QStringLiteral("en_US")));
        driver::show(window);
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
        {
            frmMortgage w(QLocale(QStringLiteral("en_US")));
            for (int step = 0; step < hw::StepCount; ++step) {
                QStringList names;
                for (QLineEdit* figure :
                     w.stepPanel(int(std::size_t(step)))->findChildren<QLineEdit*>()) {
                    const QString name = figure->accessibleName();
                    QVERIFY2(
                        !name.isEmpty(),
                        qPrintable(
                            QStringLiteral("step %1: %2 unnamed").arg(step).arg(figure->text())));
                    QVERIFY2(
                        !names.contains(name),
                        qPrintable(QStringLiteral("step %1: two named %2").arg(step).arg(name)));
                    names << name;
                }
            }
        }
        frmMortgage w(QLocale(QStringLiteral("en_US")));
        QCOMPARE(driver::cell(w, 0, driver::First)->accessibleName(),
                 QStringLiteral("Table, first monthly repayment"));
        QCOMPARE(driver::field(w, hw::IncomeStep, "Other Annual Gross Income, tax rate")
                     ->accessibleName(),
                 QStringLiteral("Other Annual Gross Income, tax rate"));
    }
};

QTEST_MAIN(NavigationTest)
#include "tst_navigation.moc"
