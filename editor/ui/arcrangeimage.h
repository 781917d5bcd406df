#pragma once

#include <QImage>
#include <array>

namespace kw {

// The picture of an arc range for the Add Weapon dialog: the six arc marks of the record
// sheet around an empty centre, the chosen arcs filled dark and the others pale, so each image
// shows what clicking it chooses. Transparent outside the marks; scale enlarges the pixels.
QImage arcRangeImage(const std::array<bool, 6>& arcs, int scale = 1);

} // namespace kw
