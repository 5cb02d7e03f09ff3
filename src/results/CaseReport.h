// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/CaseResults.h"
#include "calc/OptionTexts.h"

namespace hw {

// The rate as the results page and the report say it: "6.50%", or "6.50%
// compounded half-yearly" where it compounds so.
QString rateText(const MortgageCase& entered, const Regional& regional);

// What the report "Mortgage Options" shows of a case worked out to its seven
// types: the purpose, amount, term, rate and spare income, each type's row and
// the balances for the chart page. The results page and `--report` both take
// it from here, so the window's PDF and the command line's are the same.
ReportContent caseReportContent(const MortgageCase& entered, const CaseFigures& figures,
                                const OptionsResult& options, const Regional& regional);

} // namespace hw
