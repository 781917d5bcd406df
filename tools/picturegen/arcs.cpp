#include "pictures.h"

#include "palette.h"

#include <algorithm>
#include <cmath>

namespace pg {

namespace {

// The ring is a hexagon with a flat top: each arc is one side, reaching from
// kInner to kOuter measured straight out from the centre of that side.
constexpr double kInner = 6.6;
constexpr double kOuter = 10.4;
// Half the see-through gap between neighbouring segments, so an outlined arc
// next to a grey one still reads as two marks.
constexpr double kHalfGap = 0.55;

} // namespace

Mask arcSegment(int width, int height, int sector)
{
    // Outward directions of the six sides, clockwise from straight up (y grows down).
    const double s = std::sqrt(3.0) / 2.0;
    const double nx[6] = {0.0, s, s, 0.0, -s, -s};
    const double ny[6] = {-1.0, -0.5, 0.5, 1.0, 0.5, -0.5};
    const double cx = (width - 1) / 2.0, cy = (height - 1) / 2.0;
    const int k = sector - 1;
    Mask seg = Mask::where(width, height, [&](int x, int y) {
        const double dx = x - cx, dy = y - cy;
        const double own = dx * nx[k] + dy * ny[k];
        double rival = -1e9;
        for (int j = 0; j < 6; ++j)
            if (j != k)
                rival = std::max(rival, dx * nx[j] + dy * ny[j]);
        // own - rival is the distance to the dividing line between the two
        // sides, because neighbouring directions differ by a unit vector.
        return own >= kInner && own <= kOuter && own - rival >= kHalfGap;
    });
    // Trim the lone pixels the slanted cuts leave at the tips; they would
    // show as stray dots instead of a clean corner.
    return Mask::where(width, height, [&](int x, int y) {
        const int neighbours = seg.at(x - 1, y) + seg.at(x + 1, y) + seg.at(x, y - 1) + seg.at(x, y + 1);
        return seg.at(x, y) && neighbours >= 2;
    });
}

void drawArc(Canvas &c, int sector, bool shaded)
{
    const Mask seg = arcSegment(c.width(), c.height(), sector);
    if (shaded)
        c.paint(seg, pal::arcGrey, pal::black);
    else
        c.paint(seg.border(), pal::black);
}

} // namespace pg
