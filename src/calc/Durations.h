// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>

namespace hw {

// A length of time in whole months, without dates: "24 years 10 months",
// "25 years", "1 year 1 month", "10 months", "0 months".
QString durationText(int months, const QLocale& locale);

// Years worked out as a fraction (a term, a frequency's time to pay off), to
// the nearest month: 18.08 reads "18 years 1 month", 30.0 "30 years".
QString yearsText(double years, const QLocale& locale);

// A month of the loan with how long it is from the start: "298: 24 years 10 months".
QString monthText(int month, const QLocale& locale);

} // namespace hw
