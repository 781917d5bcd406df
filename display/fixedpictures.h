#pragma once

#include <QImage>
#include <QString>

namespace kw {

// The pictures of the schematic's fixed parts, painted as the display shows them; at a scale
// above 1 with that many device pixels to each pixel, the text drawn at the finer size.
QImage corePicture(const char* name, int width, int height);   // CoreBorder, Bridge, LifeSupport, Reactor
QImage mainDrivePicture(const QString& rating, int scale = 1);  // MD with the rating written on it
QImage ftlPicture(bool tug, int scale = 1);                     // FTL, with a "T" for a tug drive

} // namespace kw
