#pragma once

namespace hw {

class frmMortgage;

// The main window as the program opens it: built whole, at its final size,
// centred on the screen, shown.
frmMortgage* showMainWindow();
// The program's start: shows the main window, then the hint about "Tell Me More".
void Main();

} // namespace hw
