// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Currency.h"

#include <cmath>
#include <limits>

namespace hw {

namespace {
// 2^63 as a double: the first value that no longer fits a signed 64-bit integer.
constexpr double TwoTo63 = 9223372036854775808.0;
} // namespace

std::optional<Currency> Currency::fromUnits(std::int64_t units) {
    std::int64_t scaled = 0;
    if (__builtin_mul_overflow(units, Scale, &scaled))
        return std::nullopt;
    return Currency(scaled);
}

std::optional<Currency> Currency::fromDouble(double value) {
    const double scaled = value * static_cast<double>(Scale);
    if (!std::isfinite(scaled))
        return std::nullopt;
    // nearbyint follows the default rounding mode: to nearest, halves to even.
    const double rounded = std::nearbyint(scaled);
    if (rounded >= TwoTo63 || rounded < -TwoTo63)
        return std::nullopt;
    return Currency(static_cast<std::int64_t>(rounded));
}

std::optional<Currency> Currency::fromFloat(float value) {
    return fromDouble(static_cast<double>(value));
}

std::optional<Currency> Currency::plus(Currency other) const {
    std::int64_t result = 0;
    if (__builtin_add_overflow(scaled_, other.scaled_, &result))
        return std::nullopt;
    return Currency(result);
}

std::optional<Currency> Currency::minus(Currency other) const {
    std::int64_t result = 0;
    if (__builtin_sub_overflow(scaled_, other.scaled_, &result))
        return std::nullopt;
    return Currency(result);
}

std::optional<Currency> Currency::times(std::int64_t factor) const {
    std::int64_t result = 0;
    if (__builtin_mul_overflow(scaled_, factor, &result))
        return std::nullopt;
    return Currency(result);
}

std::optional<Currency> Currency::timesFraction(std::int64_t numerator, std::int64_t denominator,
                                                int decimals) const {
    if (denominator <= 0 || decimals < 0 || decimals > 4)
        return std::nullopt;
    // Scaled units in one step of the last decimal kept.
    const auto unit = static_cast<std::int64_t>(powerOfTen(Decimals - decimals));
    // At most 2^63 x 2^63: the product fits 128 bits.
    const __int128 product = static_cast<__int128>(scaled_) * numerator;
    const __int128 step = static_cast<__int128>(unit) * denominator;
    const __int128 magnitude = product < 0 ? -product : product;
    const __int128 steps = (magnitude + step / 2) / step;
    const __int128 result = (product < 0 ? -steps : steps) * unit;
    if (result > std::numeric_limits<std::int64_t>::max() ||
        result < std::numeric_limits<std::int64_t>::min())
        return std::nullopt;
    return Currency(static_cast<std::int64_t>(result));
}

std::optional<Currency> sum(std::span<const Currency> amounts) {
    Currency total;
    for (const Currency amount : amounts) {
        const auto next = total.plus(amount);
        if (!next)
            return std::nullopt;
        total = *next;
    }
    return total;
}

} // namespace hw
