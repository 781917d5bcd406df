#pragma once

#include <QImage>
#include <QString>

namespace kw {

// The pictures of the schematic's fixed parts, painted as the display shows them.
QImage corePicture(const char* name, int width, int height);   // CoreBorder, Bridge, LifeSupport, Reactor
QImage mainDrivePicture(const QString& rating);                 // MD with the rating written on it
QImage ftlPicture(bool tug);                                    // FTL, with a "T" for a tug drive

} // namespace kw
