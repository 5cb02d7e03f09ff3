// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Durations.h"

#include <QCoreApplication>
#include <QTranslator>
#include <cmath>
#include <limits>

namespace hw {

namespace {
// The texts of this file, in its translation context.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(hw::Durations)
};
// English's own plural forms ("1 year", "2 years") are a translation too:
// installed as the application starts, beneath any language spoken later.
void installEnglishPlurals() {
    static QTranslator plurals;
    if (plurals.load(QStringLiteral(":/i18n/hearthwise_en.qm")))
        QCoreApplication::installTranslator(&plurals);
}
Q_COREAPP_STARTUP_FUNCTION(installEnglishPlurals)

} // namespace

QString durationText(int months, const QLocale& locale) {
    const int years = months / 12;
    const int rest = months % 12;
    // The count picks the language's plural form; %1 shows it in the region's digits.
    const QString yearPart = Texts::tr("%1 year(s)", nullptr, years).arg(locale.toString(years));
    const QString monthPart = Texts::tr("%1 month(s)", nullptr, rest).arg(locale.toString(rest));
    if (years == 0)
        return monthPart;
    if (rest == 0)
        return yearPart;
    return Texts::tr("%1 %2").arg(yearPart, monthPart);
}

QString yearsText(double years, const QLocale& locale) {
    const double months = std::round(years * 12.0);
    // A term beyond any loan (or none at all) is shown as the figure it is.
    if (!std::isfinite(months) || months < 0 || months > std::numeric_limits<int>::max())
        return locale.toString(years, 'f', 2);
    return durationText(static_cast<int>(months), locale);
}

QString monthText(int month, const QLocale& locale) {
    return Texts::tr("%1: %2").arg(locale.toString(month), durationText(month, locale));
}

} // namespace hw
