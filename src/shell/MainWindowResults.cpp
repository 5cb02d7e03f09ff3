// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainWindow.h"
#include "pages/ResultsPage.h"
#include "results/ChartWindow.h"
#include "results/CompareWindow.h"
#include "results/MortgageReport.h"
#include "results/WhatIfWindow.h"

#include <QFileInfo>

// The windows the results page opens: What If, Chart, the report's preview and Compare.

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
                         options.has_value()};
    CompareWindow compare(this, regional_, thisCase,
                          casePath_.isEmpty() ? QString() : QFileInfo(casePath_).path());
    compare.addCases(paths);
    compare.exec();
}

} // namespace hw
