#include "CaseDriver.h"

#include <QKeySequence>
#include <QLabel>
#include <QMenuBar>
#include <QTest>

using hw::frmMortgage;
using hw::NumericField;

namespace {

// Opens a window on `step` of `purpose`, walked to as a user does.
struct Page {
    explicit Page(int step, int purpose = 8) { driver::openOn(window, purpose, step); }
    driver::Window window;
};

// A key as X11 delivers it: Delete carries U+007F, Ctrl+letter its control character.
void realKey(QWidget* to, Qt::Key key, QChar text, Qt::KeyboardModifiers modifiers = {}) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers, QString(text));
    QApplication::sendEvent(to, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, QString(text));
    QApplication::sendEvent(to, &release);
}

} // namespace

// Every action of the main window reads committed fields, whichever way it is chosen.
class CommitTest : public QObject {
    Q_OBJECT
private slots:
    void altShortcutCommitsTheFieldBeingEdited() {
        Page page(hw::RateStep);
        auto& w = page.window;
        QVERIFY(driver::field(w, hw::RateStep, "Interest Rate")->hasFocus());
        QTest::keyClicks(driver::field(w, hw::RateStep, "Interest Rate"), QStringLiteral("5.5"));
        // An Alt shortcut presses the button without moving the focus (offscreen Qt
        // delivers no mnemonics; the real-desktop tests press Alt+N itself).
        w.cmdNext->click();
        QCOMPARE(int(w.currentStep()), int(hw::ResultsStep));
        QCOMPARE(driver::field(w, hw::RateStep, "Interest Rate")->text(), QStringLiteral("5.50%"));
        QCOMPARE(w.options()->monthlyRate, 5.5F / 100.0F / 12.0F);
        QVERIFY(w.messages.isEmpty());
    }

    void refusedTextStopsTheAction_data() {
        QTest::addColumn<int>("how");
        QTest::newRow("Alt+N") << 0;
        QTest::newRow("Enter on Next") << 1;
        QTest::newRow("Calculate") << 2;
    }
    void refusedTextStopsTheAction() {
        QFETCH(int, how);
        Page page(hw::LiabilitiesStep);
        auto& w = page.window;
        NumericField* field = driver::field(w, hw::LiabilitiesStep, "Domestic Mortgage");
        QVERIFY(field->hasFocus());
        QTest::keyClicks(field, QStringLiteral("1.2.3"));
        if (how == 0)
            w.cmdNext->click(); // as Alt+N does: the focus stays in the field
        else if (how == 1)
            w.cmdNext->animateClick(); // as Enter on a focused Next would: focus stays
        else
            driver::calculate(w, hw::LiabilitiesStep)->click();
        QTest::qWait(how == 1 ? 250 : 0);
        QCOMPARE(w.texts(), QStringList({"Please enter a number."}));
        QCOMPARE(int(w.currentStep()), int(hw::LiabilitiesStep));
        QCOMPARE(driver::shown(w, hw::LiabilitiesStep, "Total liabilities")->text(),
                 QStringLiteral("$0.00"));
        QVERIFY(field->hasFocus());
        QVERIFY(field->isEditing());
        QCOMPARE(field->selectedText(), QStringLiteral("0.00"));
    }

    void enterPressesTheFocusedButton() {
        Page page(hw::OpeningStep);
        auto& w = page.window;
        QCOMPARE(w.focusWidget(), static_cast<QWidget*>(w.cmdNext));
        QTest::keyClick(w.cmdNext, Qt::Key_Return);
        QCOMPARE(int(w.currentStep()), int(hw::PurposeStep));
    }

    void editingKeysWork() {
        Page page(hw::IncomeStep);
        NumericField* field =
            driver::field(page.window, hw::IncomeStep, "Annual Gross Taxable Income");
        QVERIFY(field->hasFocus());
        QTest::keyClicks(field, QStringLiteral("123456"));
        QTest::keyClick(field, Qt::Key_Home);
        realKey(field, Qt::Key_Delete, QChar(0x7f));
        QCOMPARE(field->text(), QStringLiteral("23456"));
        realKey(field, Qt::Key_A, QChar(0x01), Qt::ControlModifier);
        QCOMPARE(field->selectedText(), QStringLiteral("23456"));
        realKey(field, Qt::Key_X, QChar(0x18), Qt::ControlModifier);
        QCOMPARE(field->text(), QString());
        realKey(field, Qt::Key_Z, QChar(0x1a), Qt::ControlModifier);
        QCOMPARE(field->text(), QStringLiteral("23456"));
        // Typed text is still filtered.
        QTest::keyClicks(field, QStringLiteral("-x,"));
        QCOMPARE(field->text(), QStringLiteral("23456"));
    }

    void refusedPageFieldIsReadyForTypingWhileTheWindowIsInactive() {
        // Under a window manager the main window is activated only after the
        // message box has gone; the field must not wait for that.
        Page page(9, 3);
        auto& w = page.window;
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QVERIFY(!w.page(9).validate());
        QCOMPARE(w.texts(), QStringList({"Please enter Selling Price."}));
        QCOMPARE(w.focusWidget(), static_cast<QWidget*>(driver::field(w, 9, "Selling Price")));
        QVERIFY(driver::field(w, 9, "Selling Price")->isEditing());
        QCOMPARE(driver::field(w, 9, "Selling Price")->selectedText(), QStringLiteral("0.00"));
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTest::keyClicks(driver::field(w, 9, "Selling Price"), QStringLiteral("650000"));
        QTest::keyClick(driver::field(w, 9, "Selling Price"), Qt::Key_Tab);
        QCOMPARE(driver::field(w, 9, "Selling Price")->text(), QStringLiteral("$650,000.00"));
    }

    // No two controls that can be reached on one page share an Alt letter.
    void noMnemonicClashes() {
        for (int purpose = 0; purpose < hw::PurposeCount; ++purpose) {
            driver::Window w;
            driver::choosePurpose(w, purpose);
            // Every page of the purpose's path, walked to with Next.
            for (int guard = 0; guard < hw::StepCount; ++guard) {
                const int step = w.currentStep();
                QMap<QKeySequence, QString> taken;
                QStringList captions;
                for (QAction* entry : w.menuBar()->actions())
                    captions << entry->text();
                for (auto* button : w.findChildren<QAbstractButton*>())
                    if (button->isVisibleTo(&w))
                        captions << button->text();
                for (auto* label : w.findChildren<QLabel*>())
                    if (label->buddy() && label->isVisibleTo(&w))
                        captions << label->text();
                for (const QString& caption : captions) {
                    const QKeySequence letter = QKeySequence::mnemonic(caption);
                    if (letter.isEmpty())
                        continue;
                    QVERIFY2(!taken.contains(letter),
                             qPrintable(QStringLiteral("purpose %1 step %2: '%3' and '%4'")
                                            .arg(purpose)
                                            .arg(step)
                                            .arg(taken.value(letter), caption)));
                    taken.insert(letter, caption);
                }
                if (step == hw::ClosingStep)
                    break;
                driver::fillRequired(w);
                driver::next(w);
            }
        }
    }
};

QTEST_MAIN(CommitTest)
#include "tst_commit.moc"
