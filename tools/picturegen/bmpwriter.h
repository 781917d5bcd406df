#pragma once

#include <QByteArray>
#include <QImage>

namespace pg {

// A 24 bits per pixel Windows bitmap of the image, written by hand so the
// bytes never depend on which Qt image plugin happens to be installed.
QByteArray bmp24(const QImage &image);

} // namespace pg
