// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#include "FirstSizeMemory.h"

#include "base/Language.h"

#include <QApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <QStyle>
#include <QWidget>

namespace hw {

namespace {

QString storePath() {
    return QStandardPaths::writableLocation(QStandardPaths::CacheLocation) +
           QStringLiteral("/first-size.ini");
}

constexpr auto CircumstancesKey = "circumstances";
constexpr auto SizeKey = "size";

} // namespace

FirstSizeMemory::FirstSizeMemory(const QWidget* window, const QLocale& locale) {
    // The program's build stands for its pages, texts and skin.
    const QFileInfo program(QCoreApplication::applicationFilePath());
    QStringList parts{QStringLiteral(HEARTHWISE_VERSION),
                      QString::number(program.lastModified().toMSecsSinceEpoch()),
                      locale.name(),
                      spokenLanguage(),
                      QApplication::font().key(),
                      window->style()->name()};
    if (const QScreen* screen = window->screen()) {
        const QRect room = screen->availableGeometry();
        parts << QString::number(room.width()) << QString::number(room.height())
              << QString::number(screen->logicalDotsPerInch())
              << QString::number(screen->devicePixelRatio());
    }
    circumstances_ = parts.join(QLatin1Char('|'));

    const QSettings store(storePath(), QSettings::IniFormat);
    const QSize size = store.value(QLatin1String(SizeKey)).toSize();
    if (store.value(QLatin1String(CircumstancesKey)).toString() == circumstances_ &&
        size.isValid() && !size.isEmpty())
        recalled_ = size;
}

void FirstSizeMemory::keep(QSize size) const {
    if (recalled_ == size)
        return;
    QSettings store(storePath(), QSettings::IniFormat);
    store.setValue(QLatin1String(CircumstancesKey), circumstances_);
    store.setValue(QLatin1String(SizeKey), size);
    store.sync();
}

} // namespace hw
