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
    // A page the new case never reaches shows none of the case before's totals.
    PageBuilder::showStartingFigures(steps_);
    for (const auto& each : pages_)
        each->load(value);
    // What the fields now show is the case: the same figures, in this locale's form.
    storeCase();
}

bool MainWindow::openCase(const MortgageCase& value) {
    loadCase(value);

    // Every page's own checks and calculations run as the user's Next runs them.
    openingCase_ = true;
    showStep(OpeningStep);
    bool whole = true;
    while (whole && CurrentStep != ResultsStep) {
        const int before = CurrentStep;
        goNext();
        whole = CurrentStep != before;
    }
    openingCase_ = false;
    // What the walk worked out into the fields (a bank charge from its
    // percentage ...) is part of the case as opened.
    storeCase();
    // The page the walk ends on is laid out as any page shown.
    showStep(CurrentStep);
    return whole;
}

} // namespace hw
