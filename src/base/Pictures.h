#pragma once

#include <QIcon>
#include <QPixmap>

namespace hw {

// The pictures of the opening and closing pages, drawn for the screen's pixel ratio.
QPixmap openingPicture();
QPixmap closingPicture();
// The program's icon: the house of the opening page on a paper tile.
QIcon programIcon();

} // namespace hw
