#pragma once

#include <QImage>

namespace pg {

// Every picture at 4x on a white, lightly gridded sheet, with the key colour
// shown as see-through, followed by the pictures combined the way the program
// combines them. For looking at the art; it is not part of the output.
QImage contactSheet();

} // namespace pg
