// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QFontMetrics;
class QLineEdit;
class QLocale;

namespace hw {

// The width `sample` needs in `metrics` when each of its digits may be any
// digit of `locale`: every digit is measured as the widest one.
int widestFigureAdvance(const QFontMetrics& metrics, const QString& sample, const QLocale& locale);

// Keeps `edit` exactly wide enough to show in full any figure written like
// one of `samples` (the largest amount, its negative form ...), with its frame
// and padding, and never narrower than `least` pixels. The width follows the
// edit's font and style sheet whenever they change (a bold total, a larger
// font, another screen).
void fitToFigures(QLineEdit* edit, const QStringList& samples, int least = 0);

} // namespace hw
