// What a screen reader meets, through Qt's accessibility interfaces: the
// choices as radio buttons that the arrow keys move through, no nameless stop
// in the Tab chain, pages named, and the results in the order they stand.

#include "CaseDriver.h"
#include "MessageRecorder.h"

#include <QAccessible>
#include <QLabel>
#include <QScrollArea>
#include <QTest>

using hw::frmMortgage;

namespace {
QAccessibleInterface* accessible(QObject* object) {
    return QAccessible::queryAccessibleInterface(object);
}
// Where `child` stands among the accessible children of its parent.
int placeOf(QWidget* child) {
    QAccessibleInterface* self = accessible(child);
    return self->parent()->indexOfChild(self);
}
} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT
private slots:
    // The nine purposes, Fortnightly / Monthly and Percent / Fixed Amount are
    // radio buttons, checked as pressed; the arrow keys go through both columns.
    void choicesAreRadioButtons() {
        MessageRecorder messages;
        frmMortgage w{QLocale(QStringLiteral("en_US"))};
        driver::show(w);
        driver::next(w);
        for (QPushButton* button :
             {w.optPurpose[0], w.optPurpose[8], w.optBudget[1], w.optCharges[0]})
            QCOMPARE(accessible(button)->role(), QAccessible::RadioButton);
        QVERIFY(accessible(w.optPurpose[0])->state().checked);
        QCOMPARE(accessible(w.optPurpose[3])->text(QAccessible::Name),
                 QStringLiteral("Selling and Buying"));

        w.optPurpose[4]->setFocus(Qt::TabFocusReason);
        QTest::keyClick(w.optPurpose[4], Qt::Key_Down); // from the foot of the left column
        QCOMPARE(int(w.Purpose), 5);
        QCOMPARE(QApplication::focusWidget(), w.optPurpose[5]);
        QVERIFY(accessible(w.optPurpose[5])->state().checked);
        QVERIFY(!accessible(w.optPurpose[0])->state().checked);
        QTest::keyClick(w.optPurpose[5], Qt::Key_Up);
        QCOMPARE(int(w.Purpose), 4);
        QTest::keyClick(w.optPurpose[4], Qt::Key_Left);
        QTest::keyClick(w.optPurpose[3], Qt::Key_Right);
        QCOMPARE(int(w.Purpose), 4);
    }

    // Tab goes from control to control of the page and the furniture, never to
    // the page's scroller; a click on blank page space leaves the focus alone;
    // the page entered is named and its entry field has the focus.
    void noNamelessStop() {
        MessageRecorder messages;
        frmMortgage w{QLocale(QStringLiteral("en_US"))};
        driver::show(w);
        driver::next(w);
        w.cmdNext->setFocus(Qt::TabFocusReason);
        for (int i = 0; i < 14; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget* at = QApplication::focusWidget();
            QVERIFY2(!qobject_cast<QScrollArea*>(at) &&
                         !accessible(at)->text(QAccessible::Name).isEmpty(),
                     qPrintable(at->metaObject()->className()));
        }
        QTest::mouseClick(w.optPurpose[hw::OtherLoans], Qt::LeftButton);
        driver::walkTo(w, hw::IncomeStep);
        QCOMPARE(QApplication::focusWidget(), w.txtIncome[0]);
        QCOMPARE(w.fraStep[hw::IncomeStep]->accessibleName(), QStringLiteral("Income"));
        QCOMPARE(w.windowTitle(), QStringLiteral("Income \u2014 Hearthwise"));
        QTest::mouseClick(w.fraStep[hw::IncomeStep], Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(QApplication::focusWidget(), w.txtIncome[0]);
    }

    // The results in the order they stand: What If, Chart, Preview; each
    // not-affordable mark beside its own type.
    void resultsInScreenOrder() {
        MessageRecorder messages;
        frmMortgage w{QLocale(QStringLiteral("en_US"))};
        driver::show(w);
        driver::choosePurpose(w, hw::SellingAndBuying);
        driver::walkTo(w, hw::RateStep);
        driver::type(w.txtRate[0], QStringLiteral("18")); // some types beyond the budget
        driver::next(w);
        QVERIFY(placeOf(w.cmdWhatIf) < placeOf(w.cmdChart));
        QVERIFY(placeOf(w.cmdChart) < placeOf(w.cmdPreview));
        bool anyMark = false;
        for (std::size_t k = 0; k + 1 < w.lblAvailable.size(); ++k) {
            if (!w.lblAvailable[k]->isVisible())
                continue;
            anyMark = true;
            QVERIFY(placeOf(w.cmdMortgage[k]) < placeOf(w.lblAvailable[k]));
            QVERIFY(placeOf(w.lblAvailable[k]) < placeOf(w.cmdMortgage[k + 1]));
        }
        QVERIFY(anyMark);
    }
};

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
