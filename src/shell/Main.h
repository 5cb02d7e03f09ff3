#pragma once

namespace hw {

// The program's start: shows the main window, then the hint about "Tell Me More".
void Main();

} // namespace hw
