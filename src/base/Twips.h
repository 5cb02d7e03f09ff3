// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <cmath>

namespace hw {

// Sizes fixed in twips (1/1440 inch) become logical pixels: 15 twips to the
// pixel at 96 dpi. Qt scales logical pixels by the device pixel ratio itself.
constexpr int TwipsPerPixel = 15;

inline int twips(double value) {
    return static_cast<int>(std::lround(value / TwipsPerPixel));
}
// A place given as left, top, width and height in twips.
inline QRect twipsRect(int left, int top, int width, int height) {
    return {twips(left), twips(top), twips(width), twips(height)};
}
inline double toTwips(int pixels) {
    return static_cast<double>(pixels) * TwipsPerPixel;
}

} // namespace hw
