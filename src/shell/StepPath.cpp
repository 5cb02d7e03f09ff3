#include "StepPath.h"

#include <cmath>

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

std::vector<int> collapseFrames(double size, int limit, int stride) {
    std::vector<int> frames;
    for (long h = std::lround(size); h >= limit; h -= stride)
        frames.push_back(static_cast<int>(h));
    return frames;
}

} // namespace hw
