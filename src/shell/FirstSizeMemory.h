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
// first painted. What was remembered is read once, as the memory is made.
class FirstSizeMemory {
public:
    FirstSizeMemory(const QWidget* window, const QLocale& locale);
    // The size the window had on the last start like this one, if any.
    const std::optional<QSize>& recalled() const { return recalled_; }
    // Keeps `size` for the next start where it is not what was recalled; a
    // size that cannot be kept is measured again then, so a failure here needs
    // no word to the user.
    void keep(QSize size) const;

private:
    QString circumstances_;
    std::optional<QSize> recalled_;
};

} // namespace hw
