// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QAbstractButton;
class QWidget;

namespace hw::Skin {

// The three stored skins: the main window's frame and the About window take
// the first, the step panels the second, the message box and the information
// window the third. All three share one palette so the program looks as one.
enum class Storage { First, Second, Third };

// The skin element that draws a control.
enum class Element {
    Button,   // push button
    Option,   // two-state button
    Label,    // caption label
    Guidance, // the guidance text at the top of a step
    Title,    // the title bar of a page
    Panel,    // column heading or summary panel
    Message,  // the message area of the message box
    Link,     // a button that opens a web address
    Mark,     // a refusal under the figures it concerns
    Place,    // where the household is in the wizard
};

// Whether the desktop's palette is a dark one; the skin then takes its dark colours.
bool desktopIsDark();
// The style sheet of a stored skin, in its light or its dark colours.
QString storedSkin(Storage storage, bool dark);

// Gives a window (or a step panel) its skin, in the desktop's light or dark
// colours, and gives it again whenever the desktop's palette changes.
void applyToWindow(QWidget* window, Storage storage);
// Draws a control with a skin element; applying again redraws it after its
// caption or size changed.
void applyTo(QWidget* control, Element element);
// Turns a mark the sheet draws by on or off ("best", "dimmed"), drawing the
// control anew when it changes.
void setMarked(QWidget* control, const char* mark, bool on);
// Pressed state of a two-state button.
void setPressed(QAbstractButton* button, bool pressed);
bool isPressed(const QAbstractButton* button);

} // namespace hw::Skin
