#pragma once

#include <QRectF>
#include <cmath>

namespace kw {

// Positions on the System Display are held in twips; 15 twips make one pixel at 96 dpi.
constexpr float kTwipsPerPixel = 15.0f;
constexpr float kBaseIconTwips = 315.0f;   // the base icon: 21 x 21 pixels

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
