// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace hw {

// 10 to the power `exponent` (0 to 19): a currency's unit in its smallest
// shown part (10^2 cents), or a shown part in ten-thousandths (10^(4-2)).
constexpr std::uint64_t powerOfTen(int exponent) {
    std::uint64_t power = 1;
    for (int i = 0; i < exponent; ++i)
        power *= 10;
    return power;
}

// A money amount held as a 64-bit integer count of ten-thousandths, so sums of
// entered amounts are exact to the cent and beyond. Every operation that could
// leave the range reports it through an empty optional instead of wrapping.
class Currency {
public:
    static constexpr int Decimals = 4;
    static constexpr std::int64_t Scale = 10000;

    constexpr Currency() = default;
    static constexpr Currency fromScaled(std::int64_t scaled) { return Currency(scaled); }
    static std::optional<Currency> fromUnits(std::int64_t units);
    // Nearest representable amount, halves to even; empty when not finite or out of range.
    static std::optional<Currency> fromDouble(double value);
    static std::optional<Currency> fromFloat(float value);

    constexpr std::int64_t scaled() const { return scaled_; }
    double toDouble() const { return static_cast<double>(scaled_) / Scale; }
    float toFloat() const { return static_cast<float>(toDouble()); }
    constexpr bool isZero() const { return scaled_ == 0; }
    constexpr bool isNegative() const { return scaled_ < 0; }
    // The size of the amount in units of 10^-decimals (0 to 4), halves away
    // from zero (the sign is isNegative()): magnitudeIn(2) counts whole cents.
    constexpr std::uint64_t magnitudeIn(int decimals) const {
        const std::uint64_t magnitude = scaled_ < 0
                                            ? std::uint64_t{0} - static_cast<std::uint64_t>(scaled_)
                                            : static_cast<std::uint64_t>(scaled_);
        const std::uint64_t step = powerOfTen(Decimals - decimals);
        return (magnitude + step / 2) / step;
    }

    std::optional<Currency> plus(Currency other) const;
    std::optional<Currency> minus(Currency other) const;
    std::optional<Currency> times(std::int64_t factor) const;
    // This amount times numerator / denominator (denominator above 0), worked
    // out exactly and rounded once to `decimals` decimals (0 to 4), halves away
    // from zero: 1 % of 500,699.50 is 5,007.00. Empty when it leaves the range.
    std::optional<Currency> timesFraction(std::int64_t numerator, std::int64_t denominator,
                                          int decimals) const;

    friend constexpr auto operator<=>(Currency, Currency) = default;

private:
    constexpr explicit Currency(std::int64_t scaled) : scaled_(scaled) {}
    std::int64_t scaled_ = 0;
};

// Exact sum of the amounts, or empty when it leaves the range.
std::optional<Currency> sum(std::span<const Currency> amounts);

} // namespace hw
