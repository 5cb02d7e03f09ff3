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
};

QTEST_MAIN(CommitTest)
#include "tst_commit.moc"
