// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QStandardPaths>
#include <QTranslator>
#include <memory>

namespace hw {

namespace {

constexpr auto LanguageKey = "language";

QString settingsPath() {
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) +
           QStringLiteral("/settings.ini");
}

// The translations installed now: the program's and Qt's own. (English's plurals are
// the core's, installed as the application starts.)
struct Installed {
    QString language = QStringLiteral("en");
    std::unique_ptr<QTranslator> program, qt;
};
Installed& installed() {
    static Installed translations;
    return translations;
}

std::unique_ptr<QTranslator> loaded(const QString& path) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(path))
        return nullptr;
    QCoreApplication::installTranslator(translator.get());
    return translator;
}

} // namespace

QStringList spokenLanguages() {
    return {QStringLiteral("en"), QStringLiteral("de"), QStringLiteral("es"), QStringLiteral("fr"),
            QStringLiteral("zh_CN")};
}

QString languageName(const QString& language) {
    if (language == QLatin1String("zh_CN"))
        return QStringLiteral("简体中文");
    const QLocale locale(language);
    QString name = locale.nativeLanguageName();
    // "français" in a menu of proper names reads "Français".
    if (!name.isEmpty())
        name[0] = locale.toUpper(name.left(1)).at(0);
    return name;
}

QString languageFor(const QStringList& uiLanguages) {
    for (QString wanted : uiLanguages) {
        wanted.replace(u'-', u'_');
        const QString base = wanted.section(u'_', 0, 0);
        // Simplified Chinese is written in mainland China and Singapore; a
        // Traditional reader gets English rather than the other script.
        if (base == QLatin1String("zh")) {
            const QLocale locale(wanted);
            if (wanted.contains(QLatin1String("Hans")) ||
                (locale.script() == QLocale::SimplifiedHanScript && wanted != base))
                return QStringLiteral("zh_CN");
            continue;
        }
        if (spokenLanguages().contains(base))
            return base;
    }
    return QStringLiteral("en");
}

QString startingLanguage() {
    const QSettings settings(settingsPath(), QSettings::IniFormat);
    const QString chosen = settings.value(QLatin1String(LanguageKey)).toString();
    if (spokenLanguages().contains(chosen))
        return chosen;
    return languageFor(QLocale::system().uiLanguages());
}

bool rememberLanguage(const QString& language) {
    QSettings settings(settingsPath(), QSettings::IniFormat);
    settings.setValue(QLatin1String(LanguageKey), language);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

void speak(const QString& language) {
    Installed& now = installed();
    now.program.reset();
    now.qt.reset();
    now.language = language;
    // English is the program's own (its plural forms are installed as it starts).
    if (language != QLatin1String("en"))
        now.program = loaded(QStringLiteral(":/i18n/hearthwise_%1.qm").arg(language));
    now.qt = loaded(QLibraryInfo::path(QLibraryInfo::TranslationsPath) +
                    QStringLiteral("/qt_%1.qm").arg(language));
}

QString spokenLanguage() {
    return installed().language;
}

} // namespace hw
