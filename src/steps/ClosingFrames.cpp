// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#include "steps/ClosingFrames.h"

#include <cmath>

namespace hw {

std::vector<int> collapseFrames(double size, int limit, int stride) {
    std::vector<int> frames;
    for (long h = std::lround(size); h >= limit; h -= stride)
        frames.push_back(static_cast<int>(h));
    return frames;
}

} // namespace hw
