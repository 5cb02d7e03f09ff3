// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QPushButton>

namespace hw {

// One of a group of two-state buttons that offers one choice (the nine
// purposes, Fortnightly / Monthly, Percent / Fixed Amount): a push button drawn
// by the skin, pressed while chosen. To a screen reader it is a radio button,
// checked while pressed.
class OptionButton : public QPushButton {
    Q_OBJECT
public:
    explicit OptionButton(const QString& caption, QWidget* parent = nullptr);
};

// The arrow keys move through `buttons` in order, wrapping round, and choose
// the one they reach, as in any group of radio buttons: Down and Right to the
// next, Up and Left to the one before, whatever columns they stand in.
void arrowKeysChooseAmong(const QList<QAbstractButton*>& buttons);

} // namespace hw
