// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainWindow.h"
#include "calc/LenderTexts.h"
#include "pages/ResultsPage.h"
#include "results/ChartWindow.h"
#include "results/CompareWindow.h"
#include "results/LenderChecksWindow.h"
#include "results/MortgageReport.h"
#include "results/WhatIfWindow.h"

#include <QFileInfo>

// The windows the results page opens: What If, Chart, the report's preview,
// Compare and the lender checks.

namespace hw {

void MainWindow::openWhatIf() {
    ResultsPage& results = resultsPage();
    WhatIfWindow asking(results.optionsInput(), regional_, results.propertyValue(),
                        results.whatIfAsked(), this, results.suggestedLoan());
    asking.exec();
}

void MainWindow::openChart() {
    ChartWindow balances(*options(), context_.figures.requirement, regional_, this);
    balances.exec();
}

void MainWindow::openLenderChecks() {
    LenderChecksWindow checks(context_.entered, context_.figures, regional_, this);
    checks.exec();
    if (checks.lenderFigures() == context_.entered.lender)
        return;
    context_.entered.lender = checks.lenderFigures();
    resultsPage().showLenderSummary();
    if (context_.changed)
        context_.changed();
}

void MainWindow::openPreview() {
    const ResultsPage& results = resultsPage();
    MortgageReport report(*reportContent(), regional_.locale());
    // The What If page's answers are worked out only when it is ticked.
    report.setWhatIfSource([&results, this] {
        return whatIfSummary(results.optionsInput(), regional_, results.propertyValue(),
                             results.whatIfAsked(), results.suggestedLoan());
    });
    report.preview(this);
}

void MainWindow::openCompare(const QStringList& paths) {
    const auto& options = resultsPage().options();
    const Offer thisCase{tr("This case"), optionsInput(), options.value_or(OptionsResult()),
                         options.has_value(),
                         lenderTallyOf(context_.entered, context_.figures, regional_)};
    CompareWindow compare(this, regional_, thisCase,
                          casePath_.isEmpty() ? QString() : QFileInfo(casePath_).path());
    compare.addCases(paths);
    compare.exec();
}

} // namespace hw
