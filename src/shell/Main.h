// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace hw {

class MainWindow;

// The main window as the program opens it: built whole, at its final size,
// centred on the screen, shown.
MainWindow* showMainWindow();
// The program's start: shows the main window, then the hint about "Tell Me
// More", then opens `caseFile` where one is named, as Open Case does (a file
// refused keeps the new case, with the one message).
void Main(const QString& caseFile = {});

} // namespace hw
