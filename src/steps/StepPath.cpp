// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#include "steps/StepPath.h"

namespace hw {

int nextStep(int current, int purpose) {
    if (current == BudgetStep)
        return FirstRequirementStep + purpose;
    if (isRequirementStep(current))
        return ChargesStep;
    return current + 1;
}

int previousStep(int current, int purpose) {
    if (current == ChargesStep)
        return FirstRequirementStep + purpose;
    if (isRequirementStep(current))
        return BudgetStep;
    return current - 1;
}

PlaceOnPath placeOnPath(int step, int purpose) {
    PlaceOnPath where;
    for (int on = OpeningStep;; on = nextStep(on, purpose)) {
        ++where.count;
        if (on == step)
            where.place = where.count;
        if (on == ClosingStep)
            return where;
    }
}

} // namespace hw
