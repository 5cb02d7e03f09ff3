// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Children.h"
#include "MessageRecorder.h"
#include "entry/NumericField.h"
#include "pages/PurposeChoicePage.h"
#include "shell/MainWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTest>
#include <functional>

// Drives the main window the way a user does: clicks into fields, types, and
// presses the real buttons.
namespace driver {

// A caption without its colon and blanks, in any language ("Prix d'achat :", "购买价格：").
inline QString plainCaption(QString caption) {
    caption = caption.trimmed();
    if (caption.endsWith(u':') || caption.endsWith(QChar(0xFF1A)))
        caption.chop(1);
    return caption.trimmed();
}

// Set while the driver looks a text up, which the program itself never asks for.
inline bool lookingUp = false;

// An English text of the windows as the language spoken shows it: the
// translation from the first of `contexts` that has one.
inline QString spoken(const QString& english, std::initializer_list<const char*> contexts) {
    const QScopedValueRollback<bool> looking(lookingUp, true);
    for (const char* context : contexts) {
        const QByteArray source = english.toUtf8();
        const QString shown = QCoreApplication::translate(context, source.constData());
        if (shown != english)
            return shown;
    }
    return english;
}

// A figure of a page as a user finds it: by its label ("Purchase Price"), or
// by what a screen reader calls it ("Total assets"), in the language spoken.
// Exactly one must match.
template <class Edit = hw::NumericField>
Edit* named(const hw::MainWindow& window, int step, const QString& name) {
    QString wanted = name;
    for (const QString& caption : {name + u':', name + QStringLiteral(": "), name})
        if (const QString shown = spoken(caption, {"hw::PageBuilder", "hw::SumPage"});
            shown != caption) {
            wanted = plainCaption(shown);
            break;
        }
    Edit* found = nullptr;
    int matches = 0;
    for (Edit* edit : window.stepPanel(step)->findChildren<Edit*>()) {
        if (plainCaption(edit->accessibleName()) == wanted) {
            found = edit;
            ++matches;
        }
    }
    if (matches != 1)
        qFatal("%d fields called \"%s\" on step %d", matches, qPrintable(name), step);
    return found;
}
inline hw::NumericField* field(const hw::MainWindow& window, int step, const QString& name) {
    return named<hw::NumericField>(window, step, name);
}
// A page's total or other figure it shows.
inline QLineEdit* shown(const hw::MainWindow& window, int step, const QString& name) {
    return named<QLineEdit>(window, step, name);
}
// A button of a page by its caption, mnemonic and all ("&Calculate").
inline QPushButton* button(const hw::MainWindow& window, int step, const QString& caption) {
    const QString shown = spoken(caption, {"hw::PageBuilder", "hw::BudgetPage", "hw::ChargesPage",
                                           "hw::RatePage", "hw::ResultsPage"});
    for (QPushButton* push : window.stepPanel(step)->findChildren<QPushButton*>())
        if (push->text() == shown)
            return push;
    qFatal("no button %s on step %d", qPrintable(caption), step);
}
inline QPushButton* calculate(const hw::MainWindow& window, int step) {
    return button(window, step, QStringLiteral("&Calculate"));
}
inline QPushButton* purposeButton(const hw::MainWindow& window, int purpose) {
    return child<QPushButton>(&window, QStringLiteral("optPurpose%1").arg(purpose));
}
// The results page: a type's figure (0 term, 1 first, 2 last, 3 paid, 4 interest,
// 5 final balance), its "not affordable" mark and its information button.
enum Column { Term, First, Last, Paid, Interest, Final };
inline QLineEdit* cell(const hw::MainWindow& window, std::size_t type, Column column) {
    return child<QLineEdit>(&window, QStringLiteral("row%1cell%2").arg(type).arg(int(column)));
}
inline QLabel* notAffordable(const hw::MainWindow& window, std::size_t type) {
    return child<QLabel>(&window, QStringLiteral("lblAvailable%1").arg(type));
}

inline void show(hw::MainWindow& window) {
    if (window.isActiveWindow())
        return;
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

inline void next(hw::MainWindow& window) {
    QTest::mouseClick(driver::child<QPushButton>(&window, "cmdNext"), Qt::LeftButton);
}
inline void back(hw::MainWindow& window) {
    QTest::mouseClick(driver::child<QPushButton>(&window, "cmdBack"), Qt::LeftButton);
}

// Walks from the opening page to the purpose page and chooses `purpose`.
inline void choosePurpose(hw::MainWindow& window, int purpose) {
    next(window);
    QTest::mouseClick(purposeButton(window, purpose), Qt::LeftButton);
}

// Enters realistic figures for whatever the current page requires; `zeros`
// appended to every amount makes a far larger case of the same shape.
inline void fillRequired(hw::MainWindow& w, const QString& zeros = QString()) {
    const bool owner = w.purpose() >= 2, large = !zeros.isEmpty();
    const struct {
        int step;
        bool needed;
        const char *name, *digits;
    } figures[] = {
        {hw::AssetsStep, owner, "Current Domestic Residence", "350000"},
        {hw::IncomeStep, large, "Annual Gross Taxable Income", "60000"},
        {hw::LiabilitiesStep, owner, "Domestic Mortgage", "120000"},
        {7, true, "Value of Land", "150000"},
        {7, true, "Total Cost to Build", "250000"},
        {7, true, "Your Contribution", "40000"},
        {8, true, "Total Cost of the Improvements", "50000"},
        {9, true, "Selling Price", "400000"},
        {9, true, "Real Estate Fees", "10000"},
        {9, true, "Purchase Price", "500000"},
        {10, true, "Selling Price", "400000"},
        {10, true, "Cost of Land", "120000"},
        {10, true, "Cost to Build", "380000"},
        {11, true, "Purchase Price of new Property", "300000"},
        {12, true, "Cost to Build", "300000"},
        {13, true, "Cash you wish to withhold", "20000"},
        {14, true, "Amount You Want To Borrow", "50000"},
    };
    for (const auto& figure : figures)
        if (figure.step == w.currentStep() && figure.needed)
            type(field(w, figure.step, QLatin1String(figure.name)),
                 QLatin1String(figure.digits) + zeros);
}

// From the current page, fills what is required and presses Next until `step` is shown.
inline void walkTo(hw::MainWindow& window, int step) {
    for (int guard = 0; window.currentStep() != step && guard < 20; ++guard) {
        fillRequired(window);
        next(window);
    }
    QCOMPARE(window.currentStep(), step);
}

// Chooses `purpose` and walks to `step` as a user would, typing only what the
// pages before it cannot be left without (the home's value for a purpose that
// builds on it, debts to refinance, the purpose's own figures).
inline void openOn(hw::MainWindow& window, int purpose, int step) {
    show(window);
    if (step == hw::OpeningStep)
        return;
    choosePurpose(window, purpose);
    for (int guard = 0; window.currentStep() != step && guard < 20; ++guard) {
        const int at = window.currentStep();
        if (at == hw::AssetsStep && hw::needsHomeValue(purpose))
            type(field(window, at, "Current Domestic Residence"), QStringLiteral("350000"));
        else if (at == hw::LiabilitiesStep && hw::needsDebts(purpose))
            type(field(window, at, "Domestic Mortgage"), QStringLiteral("120000"));
        else if (hw::isRequirementStep(at))
            fillRequired(window);
        next(window);
    }
    QCOMPARE(window.currentStep(), step);
}

// Opens a window on `step`, for the purpose whose page it is (the first purpose
// on the common pages).
inline void openOnStep(hw::MainWindow& window, int step) {
    openOn(window, hw::isRequirementStep(step) ? step - hw::FirstRequirementStep : 0, step);
}

// Shows every step in turn, as Next and Back reach them: the first purpose's
// whole path, then each other purpose's own page.
inline void visitEveryStep(hw::MainWindow& w, const std::function<void()>& visit) {
    show(w);
    visit();
    choosePurpose(w, 0);
    for (int guard = 0; guard < hw::StepCount; ++guard) {
        visit();
        if (w.currentStep() == hw::ClosingStep)
            break;
        fillRequired(w);
        next(w);
    }
    for (int purpose = 1; purpose < hw::PurposeCount; ++purpose) {
        while (w.currentStep() != hw::PurposeStep)
            back(w);
        QTest::mouseClick(purposeButton(w, purpose), Qt::LeftButton);
        walkTo(w, hw::requirementStep(purpose));
        visit();
    }
}

// The window every UI test starts from: a main window in `locale`, shown and
// active, whose messages are answered and remembered (`w.texts()`).
struct Window : MessageRecorder, hw::MainWindow {
    explicit Window(const char* locale = "en_US")
        : hw::MainWindow(QLocale(QString::fromLatin1(locale))) {
        driver::show(*this);
    }
};

} // namespace driver
