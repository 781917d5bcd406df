#pragma once

#include "model/iconunits.h"

#include <QRectF>
#include <cmath>

namespace kw {

struct TwipRect {
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;

    float right() const { return left + width; }
    float bottom() const { return top + height; }
    bool operator==(const TwipRect&) const = default;
};

// Only painting rounds to whole pixels; the model keeps exact twips.
inline int twipsToPixels(double twips)
{
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

inline QRect pixelRect(const TwipRect& r)
{
    return {twipsToPixels(r.left), twipsToPixels(r.top), twipsToPixels(r.width), twipsToPixels(r.height)};
}

} // namespace kw
