// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
// Moving through the program by keyboard and with a screen reader, through
// Qt's accessibility interfaces: the choices as radio buttons that the arrow
// keys move through, no nameless stop in the Tab chain, every figure and page
// named, Back and Next where they belong. The results as read over AT-SPI are
// the real-desktop layer's.

#include "CaseDriver.h"
#include "shell/FirstSizeMemory.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QTest>

using hw::MainWindow;

namespace {
QAccessibleInterface* accessible(QObject* object) {
    return QAccessible::queryAccessibleInterface(object);
}
} // namespace

class NavigationTest : public QObject {
    Q_OBJECT
private slots:
    // The nine purposes, Fortnightly / Monthly and Percent / Fixed Amount are
    // radio buttons, checked as pressed; the arrow keys go through both columns.
    void choicesAreRadioButtons() {
        driver::Window w;
        driver::next(w);
        for (QPushButton* button :
             {driver::purposeButton(w, int(0)), driver::purposeButton(w, int(8)),
              driver::button(w, hw::BudgetStep, QStringLiteral("M&onthly")),
              driver::button(w, hw::ChargesStep, QStringLiteral("&Percent"))})
            QCOMPARE(accessible(button)->role(), QAccessible::RadioButton);
        QVERIFY(accessible(driver::purposeButton(w, int(0)))->state().checked);
        QCOMPARE(accessible(driver::purposeButton(w, int(3)))->text(QAccessible::Name),
                 QStringLiteral("Selling and Buying"));

        driver::purposeButton(w, int(4))->setFocus(Qt::TabFocusReason);
        QTest::keyClick(driver::purposeButton(w, int(4)),
                        Qt::Key_Down); // from the foot of the left column
        QCOMPARE(int(w.purpose()), 5);
        QCOMPARE(QApplication::focusWidget(), driver::purposeButton(w, int(5)));
        QVERIFY(accessible(driver::purposeButton(w, int(5)))->state().checked);
        QVERIFY(!accessible(driver::purposeButton(w, int(0)))->state().checked);
        QTest::keyClick(driver::purposeButton(w, int(5)), Qt::Key_Up);
        QCOMPARE(int(w.purpose()), 4);
        QTest::keyClick(driver::purposeButton(w, int(4)), Qt::Key_Left);
        QTest::keyClick(driver::purposeButton(w, int(3)), Qt::Key_Right);
        QCOMPARE(int(w.purpose()), 4);
    }

    // Tab goes from control to control of the page and the furniture, never to
    // the page's scroller; a click on blank page space leaves the focus alone;
    // the page entered is named and its entry field has the focus.
    void noNamelessStop() {
        driver::Window w;
        driver::next(w);
        driver::child<QPushButton>(&w, "cmdNext")->setFocus(Qt::TabFocusReason);
        for (int i = 0; i < 14; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget* at = QApplication::focusWidget();
            QVERIFY2(!qobject_cast<QScrollArea*>(at) &&
                         !accessible(at)->text(QAccessible::Name).isEmpty(),
                     qPrintable(at->metaObject()->className()));
        }
        QTest::mouseClick(driver::purposeButton(w, int(hw::OtherLoans)), Qt::LeftButton);
        driver::walkTo(w, hw::IncomeStep);
        QCOMPARE(QApplication::focusWidget(),
                 driver::field(w, hw::IncomeStep, "Annual Gross Taxable Income"));
        QCOMPARE(w.stepPanel(int(hw::IncomeStep))->accessibleName(),
                 QStringLiteral("Income, step 5 of 11"));
        QCOMPARE(driver::child<QLabel>(&w, "lblPlace")->text(),
                 QStringLiteral("Step 5 of 11: Income"));
        QCOMPARE(w.windowTitle(), QStringLiteral("Income \u2014 Hearthwise"));
        QTest::mouseClick(w.stepPanel(int(hw::IncomeStep)), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(QApplication::focusWidget(),
                 driver::field(w, hw::IncomeStep, "Annual Gross Taxable Income"));
        // Next and Back by their keys take the focus straight to the page's
        // field: a screen reader does not hear Exit or another control on the way.
        QStringList trail;
        const QObject listening; // goes before the trail does
        connect(qApp, &QApplication::focusChanged, &listening, [&trail](QWidget*, QWidget* now) {
            trail << (now ? accessible(now)->text(QAccessible::Name) : QString());
        });
        for (const Qt::Key key : {Qt::Key_N, Qt::Key_B}) {
            trail.clear();
            QTest::keyClick(QApplication::focusWidget(), key, Qt::AltModifier);
            QTest::qWait(200); // the button's animated click
            QCOMPARE(trail.size(), 1);
            QCOMPARE(trail,
                     QStringList{accessible(QApplication::focusWidget())->text(QAccessible::Name)});
        }
    }
    // As the program starts, the window appears with its opening page and builds
    // the others just after; a key pressed before then still finds them.
    void pagesBuiltAfterTheFirstPaint() {
        MainWindow early(QLocale(QStringLiteral("en_US")), nullptr,
                         MainWindow::Pages::AfterFirstPaint);
        QVERIFY(!early.stepPanel(hw::AssetsStep)->findChild<hw::NumericField*>());
        QTest::mouseClick(driver::child<QPushButton>(&early, "cmdNext"), Qt::LeftButton);
        QCOMPARE(int(early.currentStep()), int(hw::PurposeStep));
        QVERIFY(driver::purposeButton(early, int(0))->isEnabled());
    }
    // The window opens at the size of a window built whole, for the results'
    // largest figures: measured on the first start, remembered on the next,
    // and taken afresh where what was remembered is out of date.
    void firstSizeRemembered() {
        QTemporaryDir cache;
        const QByteArray usualCache = qgetenv("XDG_CACHE_HOME");
        qputenv("XDG_CACHE_HOME", cache.path().toLocal8Bit());
        const QLocale english(QStringLiteral("en_US"));
        const QSize whole = MainWindow(english).size();
        const auto opened = [&english] {
            auto window =
                std::make_unique<MainWindow>(english, nullptr, MainWindow::Pages::AfterFirstPaint);
            const QSize atFirst = window->size();
            driver::show(*window);
            if (!QTest::qWaitFor(
                    [&] { return window->stepPanel(hw::ResultsStep)->findChild<QLabel*>(); }))
                return std::pair{QSize(), QSize()};
            return std::pair{atFirst, window->size()};
        };
        QCOMPARE(opened(), std::pair(whole, whole)); // nothing remembered
        QCOMPARE(opened(), std::pair(whole, whole)); // remembered
        const QWidget plain;
        hw::FirstSizeMemory(&plain, english).keep(QSize(300, 200));
        QCOMPARE(opened(), std::pair(QSize(300, 200), whole));
        qputenv("XDG_CACHE_HOME", usualCache);
    }
    // Next gives way to Back at the closing page, and Back leaves the opening page.
    void buttonPlacesAtTheEnds() {
        driver::Window window;
        auto* next = driver::child<QPushButton>(&window, "cmdNext");
        auto* back = driver::child<QPushButton>(&window, "cmdBack");
        const int nextLeft = next->geometry().left(), backLeft = back->geometry().left();
        for (int i = 0; i < 10; ++i)
            QTest::mouseClick(next, Qt::LeftButton);
        QCOMPARE(window.currentStep(), 18);
        QVERIFY(!next->isVisible() && back->isEnabled());
        QTRY_COMPARE(back->geometry().left(), nextLeft);
        QTest::mouseClick(back, Qt::LeftButton);
        QVERIFY(next->isVisible() && next->isEnabled());
        QTRY_COMPARE(back->geometry().left(), backLeft);
        for (int i = 0; i < 9; ++i)
            QTest::mouseClick(back, Qt::LeftButton);
        QCOMPARE(window.currentStep(), 0);
        QVERIFY(!back->isVisible() && !back->isEnabled());
    }

    // A screen reader can tell every figure of every page from the others.
    void everyFigureHasItsOwnName() {
        MainWindow w(QLocale(QStringLiteral("en_US")));
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
