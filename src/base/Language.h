// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace hw {

// The languages the program speaks, by their translation files' names
// ("de", "es", "fr", "zh_CN"), English ("en") first. The region's forms of
// figures do not follow the language: they stay the region's.
QStringList spokenLanguages();
// A language's name in that language ("Français"), as the Language menu lists it.
QString languageName(const QString& language);
// The one of `uiLanguages` (a locale's, "fr-CA" ...) the program speaks first; "en" if none.
QString languageFor(const QStringList& uiLanguages);
// The language to start in: the one last chosen in the Language menu, else the system's.
QString startingLanguage();
// Keeps `language` for the next start; false where it could not be written.
bool rememberLanguage(const QString& language);
// Installs the program's and Qt's own translations of `language` (the file
// dialog's, the print dialog's), in place of those installed before.
void speak(const QString& language);
// The language installed last, "en" before any.
QString spokenLanguage();

} // namespace hw
