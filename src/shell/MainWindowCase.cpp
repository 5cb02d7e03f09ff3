// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#include "CurrentPageStack.h"
#include "MainWindow.h"
#include "entry/PageBuilder.h"
#include "pages/ResultsPage.h"

// The case as a value: what the pages hold, and opened into them.

namespace hw {

MortgageCase MainWindow::caseValue() const {
    return context_.entered;
}

OptionsInput MainWindow::optionsInput() const {
    return resultsPage().optionsInput();
}

const std::optional<OptionsResult>& MainWindow::options() const {
    return resultsPage().options();
}

const std::optional<ReportContent>& MainWindow::reportContent() const {
    return resultsPage().reportContent();
}

void MainWindow::loadCase(const MortgageCase& value) {
    buildRemainingPages();
    // The whole case comes from `value`: every page, what the pages worked
    // out and the results; nothing of the case before.
    context_.figures = CaseFigures();
    context_.entered.purpose = value.purpose;
    // No page holds the lender checks' figures: the case keeps them.
    context_.entered.lender = value.lender;
    // A page the new case never reaches shows none of the case before's totals.
    PageBuilder::showStartingFigures(steps_);
    for (const auto& each : pages_)
        each->load(value);
    // What the fields now show is the case: the same figures, in this locale's form.
    storeCase();
}

bool MainWindow::openCase(const MortgageCase& value) {
    loadCase(value);
    // The core works the case out; each page on its way shows what it comes to,
    // and the case opens on its results or on the page that stops it.
    const CaseResults results = workOutCase(context_.entered, regional_, Schedules::With);
    context_.figures = results.figures;
    showWorkedOutUpTo(results, results.reached);
    // What the core filled in (the debts, a bank charge from its percentage
    // ...) is part of the case as opened.
    storeCase();
    showStep(results.reached);
    page(results.reached).refused(results.refusal);
    return !results.refusal;
}

int MainWindow::showWorkedOutUpTo(const CaseResults& results, int last) {
    int step = OpeningStep;
    for (;; step = nextStep(step, results.worked.purpose)) {
        page(step).showWorkedOut(results);
        if (step == last || step == results.reached)
            return step;
    }
}

} // namespace hw
