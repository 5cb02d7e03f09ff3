// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "money/Currency.h"

// Amounts for the cases the tests build: whole units of the currency, or any
// amount a double holds.
inline hw::Currency units(std::int64_t value) {
    return *hw::Currency::fromUnits(value);
}
inline hw::Currency dollars(double value) {
    return *hw::Currency::fromDouble(value);
}
