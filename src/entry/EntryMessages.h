#pragma once

// Messages that more than one place of the data pages gives.

namespace hw::entry {

// The highest percentage a tax rate, bank charges or interest rate may be.
inline constexpr float HighestPercentage = 99.99F;

// A field the page cannot be left without is 0.
inline constexpr const char* RequiredValue = "Please enter required value.";
// An amount, or a sum of amounts, beyond what the program holds.
inline constexpr const char* TooLarge = "This amount is too large.";
// Bank charges of 100 % or more, given as a percentage or as a fixed amount.
inline constexpr const char* BankChargesTooHigh = "Bank Charges must be less than 100%.";

} // namespace hw::entry
