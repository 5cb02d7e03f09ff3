#pragma once

namespace hw {

class MainWindow;

// The main window as the program opens it: built whole, at its final size,
// centred on the screen, shown.
MainWindow* showMainWindow();
// The program's start: shows the main window, then the hint about "Tell Me More".
void Main();

} // namespace hw
