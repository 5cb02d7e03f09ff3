#pragma once

#include "calc/MortgageOptions.h"

// The inputs of the options core as the rate page hands them over: the amount,
// the rate and term texts, the monthly income and spending, and their displayed forms.
inline hw::OptionsInput optionsInput(const hw::Regional& regional, double amount,
                                     const QString& rate, const QString& term, double income,
                                     double spending) {
    return {
        *hw::Currency::fromDouble(amount), rate, term, income, spending, regional.currency(income),
        regional.currency(spending)};
}
