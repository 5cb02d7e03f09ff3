// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Purposes.h"

namespace hw {

// The nineteen steps of the wizard. The requirement page of purpose p is step
// FirstRequirementStep + p; only the chosen purpose's page lies on the path.
enum Step : int {
    OpeningStep = 0,
    PurposeStep = 1,
    AssetsStep = 2,
    LiabilitiesStep = 3,
    IncomeStep = 4,
    BudgetStep = 5,
    FirstRequirementStep = 6,
    LastRequirementStep = 14,
    ChargesStep = 15,
    RateStep = 16,
    ResultsStep = 17,
    ClosingStep = 18,
};
constexpr int StepCount = 19;
static_assert(LastRequirementStep - FirstRequirementStep + 1 == PurposeCount);

// The page on which the purpose's own figures are entered.
constexpr int requirementStep(int purpose) {
    return FirstRequirementStep + purpose;
}

constexpr bool isRequirementStep(int step) {
    return step >= FirstRequirementStep && step <= LastRequirementStep;
}

// The step that Next leads to from `current` for the chosen purpose.
int nextStep(int current, int purpose);
// The step that Back leads to.
int previousStep(int current, int purpose);

// Where a step stands on the purpose's path: its place counted from 1, and
// how many steps the path has. A step off the path has place 0.
struct PlaceOnPath {
    int place = 0;
    int count = 0;
};
PlaceOnPath placeOnPath(int step, int purpose);

} // namespace hw
