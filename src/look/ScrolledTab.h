// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QTabWidget;
class QWidget;

namespace hw {

// Where the screen is too small for `window` with its tabs' pages whole, each
// page scrolls within its tab, so that the window fits the screen. (A page
// that fits is left as it is: a scrolled page takes the height its wrapped
// texts would like, not the least it needs.)
void scrollTabsOnSmallScreens(QTabWidget* tabs, QWidget* window);

} // namespace hw
