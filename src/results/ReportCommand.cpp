// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReportCommand.h"

#include "CaseReport.h"
#include "MortgageReport.h"
#include "calc/LenderTexts.h"

#include <QCoreApplication>
#include <QDir>

namespace hw {

CommandOutput runReportCommand(const QStringList& arguments, const QLocale& locale) {
    const auto request = commandRequest(arguments);
    if (const auto* answer = std::get_if<CommandOutput>(&request))
        return *answer;
    const CommandRequest& asked = std::get<CommandRequest>(request);
    if (!asked.report)
        return runCommand(arguments, locale);
    const Regional regional(locale);
    // The chart page draws each type's balances over time.
    const auto worked = workOutCaseAt(asked.casePath, regional, Schedules::With);
    if (const auto* answer = std::get_if<CommandOutput>(&worked))
        return *answer;
    const CaseResults& results = std::get<CaseResults>(worked);
    ReportContent content =
        caseReportContent(results.worked, results.figures, *results.options, regional);
    const LenderCase lender = lenderCaseOf(results.worked, results.figures);
    content.lenderChecks = lenderSections(lender.figures.country, lenderChecks(lender), regional);
    MortgageReport report(std::move(content), locale);
    report.setChartPage(asked.chart);
    if (const WriteOutcome written = report.saveAsPdf(asked.pdfPath); !written) {
        const QString line = QCoreApplication::translate("hw::ReportCommand",
                                                         "The report could not be saved as %1: %2")
                                 .arg(QDir::toNativeSeparators(asked.pdfPath), written.why);
        return {2, {}, line.toUtf8() + '\n'};
    }
    return {};
}

} // namespace hw
