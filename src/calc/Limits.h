// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The limits every figure of a case is held to, wherever it is entered: a
// page's field, a What If question or a case file.

namespace hw {

// The highest rate or percentage a field takes: 99.99 % (a tax rate, the bank
// charges, the interest rate).
constexpr double HighestPercent = 99.99;
// Whether a percentage, as its field shows it (two decimals), is one a field takes.
constexpr bool withinHighestPercent(double percent) {
    // The 32-bit reading the calculations make of the figure.
    return static_cast<float>(percent) <= static_cast<float>(HighestPercent);
}
// A term holds at least a month or so and stays within a lifetime, in years.
constexpr double ShortestTermYears = 0.1;
constexpr double LongestTermYears = 100.0;
// Whether a term, as its field shows it, is one the rate page takes (read as
// the calculations read it, in 32 bits).
constexpr bool withinTermLimits(double years) {
    const auto reading = static_cast<float>(years);
    return reading >= static_cast<float>(ShortestTermYears) &&
           reading <= static_cast<float>(LongestTermYears);
}
// The largest amount a question's figure may be: what its field holds.
constexpr double LargestWhatIfAmount = 9.0e14;
// The latest month a lump sum or a fixed rate's end may fall in.
constexpr int LastLumpMonth = 1200;

} // namespace hw
