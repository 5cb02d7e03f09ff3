#pragma once

#include <QPixmap>

namespace hw {

// The pictures of the opening and closing pages, drawn for the screen's pixel ratio.
QPixmap openingPicture();
QPixmap closingPicture();

} // namespace hw
