#pragma once

#include "entry/NumericField.h"
#include "shell/frmMortgage.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

// Drives the main window the way a user does: clicks into fields, types, and
// presses the real buttons.
namespace driver {

inline void show(hw::frmMortgage& window) {
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

// Clicks into the field, types the text over its selected value (or empties it) and
// leaves it with Tab.
inline void type(hw::NumericField* field, const QString& text) {
    QTest::mouseClick(field, Qt::LeftButton);
    QVERIFY(field->hasFocus());
    field->selectAll();
    if (text.isEmpty())
        QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Tab);
}

inline void next(hw::frmMortgage& window) {
    QTest::mouseClick(window.cmdNext, Qt::LeftButton);
}
inline void back(hw::frmMortgage& window) {
    QTest::mouseClick(window.cmdBack, Qt::LeftButton);
}

// Walks from the opening page to the purpose page and chooses `purpose`.
inline void choosePurpose(hw::frmMortgage& window, int purpose) {
    next(window);
    QTest::mouseClick(window.optPurpose[static_cast<std::size_t>(purpose)], Qt::LeftButton);
}

// Enters realistic figures for whatever the current page requires; `zeros`
// appended to every amount makes a far larger case of the same shape.
inline void fillRequired(hw::frmMortgage& w, const QString& zeros = QString()) {
    const auto amount = [&](const char* digits) { return QString::fromLatin1(digits) + zeros; };
    switch (w.CurrentStep) {
    case hw::AssetsStep:
        if (w.Purpose >= 2)
            type(w.txtAssets[0], amount("350000"));
        break;
    case hw::IncomeStep:
        if (!zeros.isEmpty())
            type(w.txtIncome[0], amount("60000"));
        break;
    case hw::LiabilitiesStep:
        if (w.Purpose >= 2)
            type(w.txtLiabilities[0], amount("120000"));
        break;
    case 7:
        type(w.txtFHBuilder[0], amount("150000"));
        type(w.txtFHBuilder[1], amount("250000"));
        type(w.txtFHBuilder[2], amount("40000"));
        break;
    case 8:
        type(w.txtImprovement[1], amount("50000"));
        break;
    case 9:
        type(w.txtSBuying[0], amount("400000"));
        type(w.txtSBuying[1], amount("10000"));
        type(w.txtBuying[1], amount("500000"));
        break;
    case 10:
        type(w.txtSBuilding[0], amount("400000"));
        type(w.txtBuilding[1], amount("120000"));
        type(w.txtBuilding[2], amount("380000"));
        break;
    case 11:
        type(w.txtRealEstate[0], amount("300000"));
        break;
    case 12:
        type(w.txtABuilding[1], amount("300000"));
        break;
    case 13:
        type(w.txtRefinance[0], amount("20000"));
        break;
    case 14:
        type(w.txtOther[0], amount("50000"));
        break;
    default:
        break;
    }
}

// From the current page, fills what is required and presses Next until `step` is shown.
inline void walkTo(hw::frmMortgage& window, int step) {
    for (int guard = 0; window.CurrentStep != step && guard < 20; ++guard) {
        fillRequired(window);
        next(window);
    }
    QCOMPARE(int(window.CurrentStep), step);
}

} // namespace driver
