// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#include "CurrentPageStack.h"
#include "MainWindow.h"
#include "base/Language.h"
#include "base/Message.h"
#include "pages/ResultsPage.h"

#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

// The Language menu, and the window made again in the language chosen.

namespace hw {

void MainWindow::buildLanguageMenu() {
    QMenu* menu = new QMenu(tr("Lan&guage"), this);
    menu->setObjectName(QStringLiteral("mnuLanguage"));
    auto* group = new QActionGroup(menu);
    for (const QString& language : spokenLanguages()) {
        // Each language by its own name, which its reader finds in any language.
        QAction* entry = menu->addAction(languageName(language));
        entry->setObjectName(QStringLiteral("mnuLanguage_") + language);
        entry->setCheckable(true);
        entry->setChecked(language == spokenLanguage());
        group->addAction(entry);
        onAction(entry, [this, language] { changeLanguage(language); });
    }
    menuBar()->addMenu(menu);
}

void MainWindow::changeLanguage(const QString& language) {
    if (language == spokenLanguage())
        return;
    speak(language);
    if (!rememberLanguage(language))
        ShowMessage(tr("Hearthwise speaks %1 now, but could not keep the choice for its next "
                       "start.")
                        .arg(languageName(language)),
                    MsgOkOnly);
    remakeInSpokenLanguage();
}

void MainWindow::remakeInSpokenLanguage() {
    buildRemainingPages();
    storeCase();
    // The case and how far it was saved stay as they are; only the words change.
    const MortgageCase value = caseValue();
    const WhatIfSettings whatIf = resultsPage().whatIfAsked();
    const int step = currentStep_;
    const MortgageCase savedTyped = savedTyped_;
    const WhatIfSettings savedWhatIf = savedWhatIf_;

    // Everything built in the language before goes: the pages, the menus and the
    // furniture. The shared columns let go of the scroller before it goes.
    context_.columns.forget();
    menuBar()->clear();
    for (QMenu* menu : findChildren<QMenu*>(Qt::FindDirectChildrenOnly))
        delete menu;
    delete takeCentralWidget();
    for (auto& each : pages_)
        each.reset();
    results_ = nullptr;
    stepPanels_ = {};

    makePages();
    setWindowTitle(tr("Hearthwise"));
    buildMenu();
    for (int each = 0; each < StepCount; ++each)
        unbuiltSteps_.push_back(each);
    buildFurniture();
    buildRemainingPages();

    // The case again, worked out as far as the page that was shown.
    loadCase(value);
    resultsPage().setWhatIfAsked(whatIf);
    const CaseResults results = workOutCase(context_.entered, regional_, Schedules::With);
    context_.figures = results.figures;
    const int shown = showWorkedOutUpTo(results, step);
    storeCase();
    savedTyped_ = savedTyped;
    savedWhatIf_ = savedWhatIf;
    showStep(shown);
    // The control that had the focus went with the window it stood in.
    focusEntryOf(shown);
    refreshTitle();
}

} // namespace hw
