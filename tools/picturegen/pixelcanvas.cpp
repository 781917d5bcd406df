#include "pixelcanvas.h"

#include "palette.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <stdexcept>
#include <string>

namespace pg {

Mask::Mask(int width, int height)
    : w_(width), h_(height), bits_(std::size_t(width) * std::size_t(height), 0)
{
}

bool Mask::at(int x, int y) const
{
    if (x < 0 || y < 0 || x >= w_ || y >= h_)
        return false;
    return bits_[std::size_t(y) * w_ + x] != 0;
}

void Mask::set(int x, int y, bool on)
{
    if (x < 0 || y < 0 || x >= w_ || y >= h_)
        return;
    bits_[std::size_t(y) * w_ + x] = on ? 1 : 0;
}

Mask Mask::operator|(const Mask &o) const
{
    return where(w_, h_, [&](int x, int y) { return at(x, y) || o.at(x, y); });
}

Mask Mask::operator&(const Mask &o) const
{
    return where(w_, h_, [&](int x, int y) { return at(x, y) && o.at(x, y); });
}

Mask Mask::operator-(const Mask &o) const
{
    return where(w_, h_, [&](int x, int y) { return at(x, y) && !o.at(x, y); });
}

Mask Mask::border() const
{
    return where(w_, h_, [&](int x, int y) {
        return at(x, y) && !(at(x - 1, y) && at(x + 1, y) && at(x, y - 1) && at(x, y + 1));
    });
}

Canvas::Canvas(int width, int height)
    : img_(width, height, QImage::Format_RGB32)
{
    img_.fill(pal::key);
}

QRgb Canvas::at(int x, int y) const
{
    return img_.pixel(x, y) | 0xff000000u;
}

void Canvas::set(int x, int y, QRgb c)
{
    if (x < 0 || y < 0 || x >= width() || y >= height())
        return;
    img_.setPixel(x, y, c | 0xff000000u);
}

void Canvas::hline(int x0, int x1, int y, QRgb c)
{
    for (int x = std::min(x0, x1); x <= std::max(x0, x1); ++x)
        set(x, y, c);
}

void Canvas::vline(int x, int y0, int y1, QRgb c)
{
    for (int y = std::min(y0, y1); y <= std::max(y0, y1); ++y)
        set(x, y, c);
}

void Canvas::line(int x0, int y0, int x1, int y1, QRgb c)
{
    const int dx = std::abs(x1 - x0);
    const int dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1;
    const int sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    for (;;) {
        set(x0, y0, c);
        if (x0 == x1 && y0 == y1)
            break;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}

Mask Canvas::rect(int x0, int y0, int x1, int y1) const
{
    return Mask::where(width(), height(),
                       [=](int x, int y) { return x >= x0 && x <= x1 && y >= y0 && y <= y1; });
}

Mask Canvas::roundRect(int x0, int y0, int x1, int y1, double radius) const
{
    // Corner arcs are centred so the straight edges stay on x0/x1/y0/y1.
    const double l = x0 + radius, r = x1 - radius, t = y0 + radius, b = y1 - radius;
    const double r2 = (radius + 0.3) * (radius + 0.3);
    return Mask::where(width(), height(), [=](int x, int y) {
        if (x < x0 || x > x1 || y < y0 || y > y1)
            return false;
        const double dx = x < l ? l - x : (x > r ? x - r : 0.0);
        const double dy = y < t ? t - y : (y > b ? y - b : 0.0);
        return dx * dx + dy * dy <= r2;
    });
}

Mask Canvas::disc(double cx, double cy, double r) const
{
    return Mask::where(width(), height(), [=](int x, int y) {
        const double dx = x - cx, dy = y - cy;
        return dx * dx + dy * dy <= r * r;
    });
}

Mask Canvas::ring(double cx, double cy, double rInner, double rOuter) const
{
    return disc(cx, cy, rOuter) - disc(cx, cy, rInner);
}

Mask Canvas::polygon(std::initializer_list<Point> corners) const
{
    const std::vector<Point> p(corners);
    return Mask::where(width(), height(), [&](int x, int y) {
        // Even-odd crossing test with half-open edges, so shared edges never
        // count twice.
        bool inside = false;
        for (std::size_t i = 0, j = p.size() - 1; i < p.size(); j = i++) {
            const Point a = p[i], b = p[j];
            if ((a.y > y) != (b.y > y)) {
                const double xCross = a.x + (y - a.y) * (b.x - a.x) / (b.y - a.y);
                if (x < xCross)
                    inside = !inside;
            }
        }
        return inside;
    });
}

Mask Canvas::capsule(Point a, Point b, double halfWidth) const
{
    const double ex = b.x - a.x, ey = b.y - a.y;
    const double len2 = ex * ex + ey * ey;
    return Mask::where(width(), height(), [=](int x, int y) {
        double t = len2 > 0 ? ((x - a.x) * ex + (y - a.y) * ey) / len2 : 0.0;
        t = std::clamp(t, 0.0, 1.0);
        const double dx = x - (a.x + t * ex), dy = y - (a.y + t * ey);
        return dx * dx + dy * dy <= halfWidth * halfWidth;
    });
}

Mask Canvas::starburst(double cx, double cy, double rx, double ry, double rDiag) const
{
    const double ix = rx * 0.28, iy = ry * 0.28;
    const Mask straight = polygon({{cx, cy - ry}, {cx + ix, cy - iy}, {cx + rx, cy}, {cx + ix, cy + iy},
                                   {cx, cy + ry}, {cx - ix, cy + iy}, {cx - rx, cy}, {cx - ix, cy - iy}});
    const double d = rDiag * std::sqrt(0.5), k = rDiag * 0.3;
    const Mask diagonal = polygon({{cx + d, cy - d}, {cx + k, cy}, {cx + d, cy + d}, {cx, cy + k},
                                   {cx - d, cy + d}, {cx - k, cy}, {cx - d, cy - d}, {cx, cy - k}});
    return straight | diagonal;
}

Mask Canvas::cone(double cx, double cy, double ax, double ay, double cosHalf) const
{
    return Mask::where(width(), height(), [=](int x, int y) {
        const double dx = x - cx, dy = y - cy;
        const double along = dx * ax + dy * ay;
        return along > 0 && along * along >= cosHalf * cosHalf * (dx * dx + dy * dy);
    });
}

Mask Canvas::profile(double cx, int y0, std::initializer_list<double> halfWidths) const
{
    const std::vector<double> hw(halfWidths);
    return Mask::where(width(), height(), [&](int x, int y) {
        const int i = y - y0;
        return i >= 0 && i < int(hw.size()) && std::abs(x - cx) <= hw[std::size_t(i)];
    });
}

void Canvas::paint(const Mask &m, QRgb c)
{
    for (int y = 0; y < height(); ++y)
        for (int x = 0; x < width(); ++x)
            if (m.at(x, y))
                set(x, y, c);
}

void Canvas::paint(const Mask &m, QRgb fill, QRgb outline)
{
    paint(m, fill);
    paint(m.border(), outline);
}

void Canvas::sprite(int x0, int y0, std::initializer_list<const char *> rows)
{
    int y = y0;
    for (const char *row : rows) {
        for (int x = x0; *row; ++row, ++x) {
            if (*row == '.')
                continue;
            const auto c = pal::fromLetter(*row);
            if (!c)
                throw std::runtime_error(std::string("unknown sprite colour letter '") + *row + "'");
            set(x, y, *c);
        }
        ++y;
    }
}

void Canvas::copyFrom(const Canvas &src, int sx, int sy)
{
    for (int y = 0; y < height(); ++y)
        for (int x = 0; x < width(); ++x)
            set(x, y, src.at(sx + x, sy + y));
}

} // namespace pg
