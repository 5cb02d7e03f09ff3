// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#include "CaseReport.h"

#include "pages/PurposeChoicePage.h"

#include <QCoreApplication>

namespace hw {

QString rateText(const MortgageCase& entered, const Regional& regional) {
    const QString rate = regional.percent(entered.ratePercent / 100.0);
    // A rate compounding half-yearly says so wherever it stands.
    return entered.compounding == Compounding::HalfYearly
               ? QCoreApplication::translate("hw::ResultsPage", "%1 compounded half-yearly")
                     .arg(rate)
               : rate;
}

ReportContent caseReportContent(const MortgageCase& entered, const CaseFigures& figures,
                                const OptionsResult& options, const Regional& regional) {
    const OptionsInput input = optionsInputOf(entered, figures);
    const auto spare = input.shownIncome.minus(input.shownBudget);
    const ReportCase reportCase{purposeCaption(entered.purpose), figures.requirement,
                                rateText(entered, regional), regional.number(entered.termYears),
                                regional.currency(spare.value_or(Currency()))};
    return reportContent(options, reportCase, regional);
}

} // namespace hw
