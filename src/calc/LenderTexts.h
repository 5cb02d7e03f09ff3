// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CaseResults.h"
#include "LenderChecks.h"
#include "OptionTexts.h"
#include "money/Regional.h"

#include <QString>

// The lender checks of a case in plain words, in the household's forms: the
// rule's name, what the case comes to against it, and the verdict.

namespace hw {

// The case as the lender checks read it: the amount borrowed, the property it
// secures, the gross income, the rate and term, and the spare income.
LenderCase lenderCaseOf(const MortgageCase& value, const CaseFigures& figures);

// "Total debt service"
QString lenderRuleName(LenderRule rule);
// "Tested at 9.50% (your rate plus 2 points): housing takes 37.33% of your gross
// income; at most 39.00%"
QString lenderCheckText(LenderCountry country, const LenderCheck& check, const Regional& regional);
// "Passes", "Fails", "Note"
QString verdictText(Verdict verdict);
// "Canada: 3 of 7 types pass the usual lender checks"; empty with no country.
QString lenderSummary(LenderCountry country,
                      const std::array<TypeChecks, MortgageTypeCount>& checks,
                      const Regional& regional);
// "Canada: 6 of 7 pass", as a table cell says it; "None" with no country.
QString lenderTally(LenderCountry country, const std::array<TypeChecks, MortgageTypeCount>& checks,
                    const Regional& regional);
// The same of a case, worked out.
QString lenderTallyOf(const MortgageCase& value, const CaseFigures& figures,
                      const Regional& regional);
// The report's page: a section a type, its verdict in the heading and each
// check a sentence under it, the first section naming the country's sources.
std::vector<ReportSection> lenderSections(LenderCountry country,
                                          const std::array<TypeChecks, MortgageTypeCount>& checks,
                                          const Regional& regional);
// Where each country's rules come from, and since when.
QString lenderSources(LenderCountry country);

} // namespace hw
