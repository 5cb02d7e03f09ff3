// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>
#include <array>

namespace hw::Skin {

// The skin element that draws a control, with its six position values
// (1 left, 2 top, 3 right, 4 bottom, 5 width, 6 height, in pixels) and the
// move command that animates them:
//     "moveto L T R B W H DURATION EASING"
// where "-" leaves a value as it is, DURATION is in milliseconds and EASING is
// "decel" (slowing to a stop), "accel" or "linear".
class SkinElement {
public:
    explicit SkinElement(QWidget* control) : control_(control) {}

    bool isValid() const { return !control_.isNull(); }
    int value(int number) const;
    // Values are written as text, as the command strings are.
    void setValue(int number, const QString& text);
    // Runs a move command; answers false for a command it does not know.
    bool command(const QString& text);

private:
    QPointer<QWidget> control_;
};

// The skin element of a control, or an invalid one for no control.
SkinElement elementOf(QWidget* control);

} // namespace hw::Skin
