// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#include "CaseDriver.h"

#include <QKeySequence>
#include <QLabel>
#include <QMenuBar>
#include <QTest>

using hw::NumericField;

// Every action of the main window reads committed fields, whichever way it is chosen.
class CommitTest : public QObject {
    Q_OBJECT
private slots:
    // (Alt+N, which presses Next with the focus left in the field: the desktop layer.)
    void refusedTextStopsTheAction_data() {
        QTest::addColumn<bool>("byEnter");
        QTest::newRow("Enter on Next") << true;
        QTest::newRow("Calculate") << false;
    }
    void refusedTextStopsTheAction() {
        QFETCH(bool, byEnter);
        driver::Window w;
        driver::openOn(w, hw::OtherLoans, hw::LiabilitiesStep);
        NumericField* field = driver::field(w, hw::LiabilitiesStep, "Domestic Mortgage");
        QVERIFY(field->hasFocus());
        QTest::keyClicks(field, QStringLiteral("1.2.3"));
        if (byEnter)
            driver::child<QPushButton>(&w, "cmdNext")
                ->animateClick(); // as Enter on a focused Next would: focus stays
        else
            driver::calculate(w, hw::LiabilitiesStep)->click();
        QTest::qWait(byEnter ? 250 : 0);
        QCOMPARE(w.texts(), QStringList({"Please enter a number."}));
        QCOMPARE(int(w.currentStep()), int(hw::LiabilitiesStep));
        QCOMPARE(driver::shown(w, hw::LiabilitiesStep, "Total liabilities")->text(),
                 QStringLiteral("$0.00"));
        QVERIFY(field->hasFocus());
        QVERIFY(field->isEditing());
        QCOMPARE(field->selectedText(), QStringLiteral("0.00"));
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
