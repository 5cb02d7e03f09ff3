// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QSize>
#include <QString>
#include <optional>

class QWidget;

namespace hw {

// The main window's first size, remembered between starts together with all
// it depends on (the program, the screen, the font, the style, the language).
// Knowing it, a start need not build the largest page before the window is
// first painted.
class FirstSizeMemory {
public:
    FirstSizeMemory(const QWidget* window, const QLocale& locale);
    // The size the window had on the last start like this one, if any.
    std::optional<QSize> recall() const;
    // Keeps `size` for the next start; a size that cannot be kept is measured
    // again then, so a failure here needs no word to the user.
    void keep(QSize size) const;

private:
    QString circumstances_;
};

} // namespace hw
