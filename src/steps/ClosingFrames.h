// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

namespace hw {

// Frame sizes of the closing animation: from `size` down by `stride` while at
// least `limit`, all in twips. A window already below the limit gets no frame.
std::vector<int> collapseFrames(double size, int limit, int stride = 250);

} // namespace hw
