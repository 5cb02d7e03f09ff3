// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Durations.h"

#include <QCoreApplication>
#include <cmath>
#include <limits>

namespace hw {

namespace {
QString tr(const char* text) {
    return QCoreApplication::translate("hw::Durations", text);
}
QString count(int n, const char* one, const char* many, const QLocale& locale) {
    return (n == 1 ? tr(one) : tr(many)).arg(locale.toString(n));
}
} // namespace

QString durationText(int months, const QLocale& locale) {
    const int years = months / 12;
    const int rest = months % 12;
    const QString yearPart = count(years, "%1 year", "%1 years", locale);
    const QString monthPart = count(rest, "%1 month", "%1 months", locale);
    if (years == 0)
        return monthPart;
    if (rest == 0)
        return yearPart;
    return tr("%1 %2").arg(yearPart, monthPart);
}

QString yearsText(double years, const QLocale& locale) {
    const double months = std::round(years * 12.0);
    // A term beyond any loan (or none at all) is shown as the figure it is.
    if (!std::isfinite(months) || months < 0 || months > std::numeric_limits<int>::max())
        return locale.toString(years, 'f', 2);
    return durationText(static_cast<int>(months), locale);
}

QString monthText(int month, const QLocale& locale) {
    return tr("%1: %2").arg(locale.toString(month), durationText(month, locale));
}

} // namespace hw
