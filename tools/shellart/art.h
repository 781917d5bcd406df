#pragma once

#include <QImage>
#include <QSize>

namespace art {

// The splash: deep space, a blueprint grid, the ship under construction and the title. The
// window writes the version and the credit line on the dark band at the bottom.
QImage splash();
// The main menu's banner: the title beside the ship.
QImage header();
// The application icon: the ship seen from above on a rounded navy square.
QImage icon(int size);

} // namespace art
