// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QUrl>
#include <functional>

class QObject;

namespace hw {

// Opens an address in the user's browser and tells whether that worked. On X11
// desktops Qt hands the address to xdg-open and counts it as opened as soon as
// xdg-open has started, so a desktop without a browser showed nothing. Here the
// opener's own answer counts: one that cannot start, or that exits with an
// error, is a failure, reported when it is known.
namespace LinkOpener {

// The program that opens addresses, "xdg-open" unless a test puts another in
// its place; an empty one (or one not installed) leaves it to QDesktopServices.
void setProgram(const QString& program);

// Result codes, as the About window maps them to messages.
inline constexpr int Opened = 33;
inline constexpr int FileNotFound = 2;
inline constexpr int NoAssociation = 31;

// Starts opening `url`. Answers FileNotFound for an address that cannot be
// used or a local file that does not exist, NoAssociation when nothing can
// open it, Opened otherwise; when the opener later exits with an error,
// `failed` is called with its code, unless `context` is gone by then.
int open(const QUrl& url, QObject* context, std::function<void(int)> failed);

} // namespace LinkOpener

} // namespace hw
