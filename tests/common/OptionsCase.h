// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/MortgageOptions.h"

// The inputs of the options core as the rate page hands them over: the amount,
// the rate and term as the page shows them, read as it reads them, the monthly
// income and spending, and the figures shown for them.
inline hw::OptionsInput optionsInput(const hw::Regional& regional, double amount,
                                     const QString& rate, const QString& term, double income,
                                     double spending) {
    const auto shown = [&regional](double value) {
        return regional.toCurrency(regional.currency(value)).valueOr(hw::Currency());
    };
    return {*hw::Currency::fromDouble(amount),
            regional.toFloat(rate, hw::Regional::Percent).valueOr(0.0F),
            regional.toFloat(term).valueOr(0.0F),
            income,
            spending,
            shown(income),
            shown(spending)};
}
