#pragma once

#include <QImage>
#include <QString>

namespace kw {

// Everything an icon's picture shows, without the design it came from: the code of a system,
// or a weapon's kind with the variant, arcs and segments its picture shows; the size; a space
// box's share and a hangar bay's capacity. Icons that look alike have equal looks, and a look
// can be painted again at any whole multiple of its size.
struct IconLook {
    QString code;      // a system's code; empty for a weapon
    int kind = -1;     // a weapon's kind; -1 for none that paints
    QString variant;   // the details shown, or a beam battery's class
    int arcs = 0;      // bit a - 1 for arc a
    int segments = 1;  // of a magazine or a mine layer
    int width = 0;     // pixels
    int height = 0;
    int share = 0;
    int capacity = 0;

    bool operator==(const IconLook&) const = default;
};

size_t qHash(const IconLook& look, size_t seed = 0);

// The look's picture with `scale` device pixels to each of its pixels: the system bitmaps are
// enlarged pixel for pixel, the text and lines written on them are drawn at the finer size.
// At scale 1 it is the icon's own picture.
QImage paintIconLook(const IconLook& look, int scale = 1);

} // namespace kw
