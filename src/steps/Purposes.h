// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace hw {

// The nine purposes of a mortgage, in the order of their buttons on the purpose page.
enum PurposeId : int {
    FirstHomeBuyer = 0,
    FirstHomeBuilder,
    HomeImprovement,
    SellingAndBuying,
    SellingAndBuilding,
    AdditionalRealEstate,
    AdditionalBuilding,
    Refinance,
    OtherLoans,
};
constexpr int PurposeCount = OtherLoans + 1;

// The first-home purposes: the household owns no home or rental property yet.
constexpr bool isFirstHome(int purpose) {
    return purpose == FirstHomeBuyer || purpose == FirstHomeBuilder;
}
// Every other purpose may already own a home.
constexpr bool ownsHome(int purpose) {
    return !isFirstHome(purpose);
}
// The purposes that build on the home the household owns, whose value the
// assets page must therefore be given.
constexpr bool needsHomeValue(int purpose) {
    return purpose >= HomeImprovement && purpose <= AdditionalBuilding;
}
// Refinancing moves existing debts to the new loan: there must be some.
constexpr bool needsDebts(int purpose) {
    return purpose == Refinance;
}
// Other loans buy no property: there is no property value to lend against.
constexpr bool buysProperty(int purpose) {
    return purpose != OtherLoans;
}
} // namespace hw
