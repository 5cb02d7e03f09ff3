// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LenderChecks.h"
#include "MortgageOptions.h"
#include "PageArithmetic.h"
#include "steps/Purposes.h"

#include <array>

namespace hw {

// One purpose page's figures, in the order of its fields: its first part and,
// for the two selling purposes, the buying or building part.
struct PurposeFigures {
    std::array<Currency, 5> first{};
    std::array<Currency, 4> second{};
    friend bool operator==(const PurposeFigures&, const PurposeFigures&) = default;
};

// One row of the income page: the yearly gross and its tax rate.
struct IncomeFigures {
    Currency gross;
    double taxPercent = 0.0;
    friend bool operator==(const IncomeFigures&, const IncomeFigures&) = default;
};

// Everything the household entered, apart from the windows: numbers at the
// precision their fields show (amounts in the currency's decimals,
// percentages and years to two decimals), each page's figures in the order
// of its fields. Read back through the rate page's 32-bit readings, the seven
// types come out exactly as from the fields themselves.
struct MortgageCase {
    int purpose = FirstHomeBuyer;
    std::array<Currency, 10> assets{};
    std::array<Currency, 6> liabilities{};
    std::array<IncomeFigures, 3> income{};
    std::array<Currency, 7> budget{};
    bool fortnightlyBudget = true;
    std::array<PurposeFigures, PurposeCount> purposes{};
    Currency valuationFee;
    Currency legalFee;
    ChargesMode chargesMode = ChargesMode::Percent;
    double chargesPercent = 0.0;
    Currency chargesAmount;
    double ratePercent = 0.0;
    double termYears = 0.0;
    Compounding compounding = Compounding::Monthly;
    LenderFigures lender;
    friend bool operator==(const MortgageCase&, const MortgageCase&) = default;
};

} // namespace hw
