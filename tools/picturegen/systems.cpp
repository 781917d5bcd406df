#include "pictures.h"

#include "palette.h"

#include <cmath>
#include <cstdlib>

namespace pg {

namespace {

const double kHalfRoot2 = std::sqrt(0.5);
const double kHalfRoot3 = std::sqrt(3.0) / 2.0;

// An ellipse whose long axis lies along the unit direction (ax, ay).
Mask tiltedEllipse(const Canvas &c, Point centre, double ax, double ay, double a, double b)
{
    return Mask::where(c.width(), c.height(), [=](int x, int y) {
        const double dx = x - centre.x, dy = y - centre.y;
        const double along = (dx * ax + dy * ay) / a, across = (-dx * ay + dy * ax) / b;
        return along * along + across * across <= 1.0;
    });
}

// A dish seen at an angle, facing the unit direction (fx, fy): the grey back
// bulges out behind the pale rim.
void drawDish(Canvas &c, Point centre, double fx, double fy, double radius, double depth)
{
    const Point back = {centre.x - fx * depth * 0.45, centre.y - fy * depth * 0.45};
    c.paint(tiltedEllipse(c, back, -fy, fx, radius * 0.93, depth), pal::steel, pal::black);
    c.paint(tiltedEllipse(c, centre, -fy, fx, radius, depth * 0.62), pal::pale, pal::black);
}

// Two wave fronts going out from (cx, cy) along the unit direction (ax, ay).
Mask waves(const Canvas &c, double cx, double cy, double ax, double ay, double r1, double r2)
{
    return (c.ring(cx, cy, r1 - 0.5, r1 + 0.6) | c.ring(cx, cy, r2 - 0.5, r2 + 0.6)) & c.cone(cx, cy, ax, ay, 0.8);
}

// A dotted line: keeps outline pixels greedily so no two dots touch.
Mask dotted(const Mask &line)
{
    Mask dots(line.width(), line.height());
    for (int y = 0; y < line.height(); ++y)
        for (int x = 0; x < line.width(); ++x) {
            if (!line.at(x, y))
                continue;
            bool crowded = false;
            for (int j = -1; j <= 1 && !crowded; ++j)
                for (int i = -1; i <= 1; ++i)
                    crowded = crowded || dots.at(x + i, y + j);
            if (!crowded)
                dots.set(x, y);
        }
    return dots;
}

Mask chevron(const Canvas &c, double cx, int top, int halfSpan, int thickness)
{
    return Mask::where(c.width(), c.height(), [=](int x, int y) {
        const double d = std::abs(x - cx);
        return d <= halfSpan && y >= top + d && y < top + d + thickness;
    });
}

void drawMast(Canvas &c, int x, int top)
{
    c.vline(x, top, 18, pal::black);
    c.line(x, 13, x - 3, 18, pal::black);
    c.line(x, 13, x + 3, 18, pal::black);
    c.hline(x - 4, x + 4, 19, pal::black);
    c.paint(c.disc(x, top, 2.2), pal::red, pal::black);
}

} // namespace

void drawMine(Canvas &c, int cx, int cy, double r)
{
    // A round mine with spikes on the axes and the diagonals.
    c.paint(c.disc(cx, cy, r), pal::darkGrey, pal::black);
    const int tip = int(r) + 2;
    for (int d = tip - 1; d <= tip; ++d) {
        c.set(cx, cy - d, pal::black);
        c.set(cx, cy + d, pal::black);
        c.set(cx - d, cy, pal::black);
        c.set(cx + d, cy, pal::black);
    }
    const int diag = int(r * kHalfRoot2 + 1.0);
    for (const int sx : {-diag, diag})
        for (const int sy : {-diag, diag})
            c.set(cx + sx, cy + sy, pal::black);
    c.set(cx - 1, cy - 2, pal::white);
}

void drawBridge(Canvas &c)
{
    c.paint(c.disc(11, 11, 11.4), pal::paleBlue, pal::black);
    c.paint(chevron(c, 11, 3, 6, 4), pal::blue, pal::black);
    c.paint(chevron(c, 11, 10, 6, 4), pal::blue, pal::black);
}

void drawLifeSupport(Canvas &c)
{
    c.paint(c.disc(11, 11, 11.4), pal::paleGreen, pal::black);
    // A leaf: where two discs overlap, laid corner to corner.
    const double off = 5.25 * kHalfRoot2;
    const Mask leaf = c.disc(11 + off, 11 + off, 8.75) & c.disc(11 - off, 11 - off, 8.75);
    c.line(4, 18, 7, 15, pal::darkGreen);
    c.paint(leaf, pal::green, pal::black);
    c.line(8, 14, 14, 8, pal::paleGreen);
}

void drawReactor(Canvas &c)
{
    c.paint(c.disc(11, 11, 11.4), pal::yellow, pal::black);
    // Three 60 degree blades: down, upper right and upper left.
    const Mask blades = c.ring(11, 11, 3.3, 8.6)
                        & (c.cone(11, 11, 0, 1, kHalfRoot3) | c.cone(11, 11, kHalfRoot3, -0.5, kHalfRoot3)
                           | c.cone(11, 11, -kHalfRoot3, -0.5, kHalfRoot3));
    c.paint(blades | c.disc(11, 11, 1.9), pal::black);
}

void drawCoreBorder(Canvas &c)
{
    const Mask frame = c.roundRect(0, 0, 85, 32, 6) - c.roundRect(3, 3, 82, 29, 3);
    c.paint(frame, pal::steel, pal::black);
}

void drawPds(Canvas &c)
{
    // A gun turret throwing up flak bursts.
    c.paint(c.capsule({5, 11}, {10.5, 5.5}, 1.4), pal::steel, pal::black);
    c.paint(c.disc(5.5, 13, 4.6) & c.rect(0, 0, 15, 13), pal::steel, pal::black);
    c.paint(c.rect(0, 13, 11, 15), pal::darkGrey, pal::black);
    c.sprite(11, 0, {
                        "..y..",
                        ".yoy.",
                        "yoYoy",
                        ".yoy.",
                        "..y..",
                    });
    c.sprite(4, 1, {".y.", "yoy", ".y."});
}

void drawFcs(Canvas &c)
{
    c.paint(c.disc(5, 5, 4.6), pal::white, pal::black);
    c.vline(5, 0, 3, pal::black);
    c.vline(5, 7, 10, pal::black);
    c.hline(0, 3, 5, pal::black);
    c.hline(7, 10, 5, pal::black);
    c.set(5, 5, pal::red);
}

void drawAdfc(Canvas &c)
{
    c.paint(c.disc(5.5, 5.5, 5.8), pal::paleBlue, pal::black);
    c.paint(c.rect(5, 1, 6, 2) | c.rect(5, 9, 6, 10) | c.rect(1, 5, 2, 6) | c.rect(9, 5, 10, 6), pal::black);
    c.paint(Mask::where(c.width(), c.height(), [](int x, int y) { return std::abs(x - 5.5) + std::abs(y - 5.5) <= 2; }),
            pal::blue);
}

void drawFighter(Canvas &c)
{
    c.paint(c.roundRect(0, 0, 19, 29, 3), pal::paleBlue, pal::black);
    const double cx = 9.5;
    const Mask craft = c.profile(cx, 3, {0.5, 0.5, 1.5, 1.5, 1.5, 1.5, 1.5, 1.5, 1.5, 1.5, 1.5, 1.5, 1.5, 1.5, 1.5,
                                         1.5, 1.5, 1.5, 1.5, 0.5})
                       | c.polygon({{cx, 9}, {17.6, 17}, {17.6, 19.6}, {1.4, 19.6}, {1.4, 17}})
                       | c.polygon({{cx, 17}, {14.6, 23.6}, {4.4, 23.6}});
    c.paint(craft, pal::navy, pal::black);
    c.paint(c.rect(9, 6, 10, 8), pal::skyBlue);
    for (int x = 3; x <= 16; x += 3)
        c.hline(x, x + 1, 26, pal::steel);
}

void drawHangar(Canvas &c)
{
    c.paint(c.roundRect(0, 0, 20, 49, 2), pal::steel, pal::black);
    const Mask door = c.rect(2, 2, 18, 10);
    c.paint(door, pal::yellow, pal::black);
    const Mask stripes =
        Mask::where(c.width(), c.height(), [](int x, int y) { return ((x + y) / 2) % 2 == 0; });
    c.paint(door.inner() & stripes, pal::black);
    const Mask shuttle = c.profile(10, 12, {0, 1, 1, 2, 2, 2, 2, 2, 2, 1})
                         | c.polygon({{10, 15}, {16.5, 19.6}, {16.5, 21.6}, {3.5, 21.6}, {3.5, 19.6}});
    c.paint(shuttle, pal::white, pal::black);
    // The bay capacity is written in white on this panel.
    c.paint(c.rect(2, 23, 18, 40), pal::panel, pal::black);
    for (const int y : {43, 45, 47})
        c.hline(3, 17, y, pal::darkGrey);
}

void drawScreens(Canvas &c)
{
    // Four shield arcs around a ship.
    const Mask gaps = Mask::where(c.width(), c.height(),
                                  [](int x, int y) { return std::abs(std::abs(x - 10) - std::abs(y - 10)) <= 1; });
    c.paint(c.ring(10, 10, 6.6, 10.4) - gaps, pal::skyBlue, pal::black);
    c.paint(c.polygon({{10, 5}, {13.6, 14.6}, {10, 12.5}, {6.4, 14.6}}), pal::steel, pal::black);
}

void drawReflex(Canvas &c)
{
    // A shot glancing off a curved reflective field.
    c.paint(c.ring(-4, 10, 18.4, 21.2) & c.rect(0, 1, 20, 19), pal::skyBlue, pal::black);
    const Mask ray = c.capsule({2, 2.5}, {12.5, 9.6}, 1.5) | c.capsule({12.5, 10.4}, {5, 15.5}, 1.5)
                     | c.polygon({{0.6, 19.4}, {8.4, 13.2}, {5.2, 19.8}});
    c.paint(ray, pal::red, pal::black);
}

void drawCloak(Canvas &c)
{
    // Only a shimmer of the ship is left to see: a dotted hull with the sheet
    // showing through every other pixel inside.
    const Mask ship = c.polygon({{10, 0.6}, {13.6, 7}, {13.6, 12}, {17.6, 16}, {17.6, 19.6}, {2.4, 19.6},
                                 {2.4, 16}, {6.4, 12}, {6.4, 7}});
    const Mask checker = Mask::where(c.width(), c.height(), [](int x, int y) { return (x + y) % 2 == 0; });
    c.paint(ship.inner().inner() & checker, pal::lightGrey);
    c.paint(dotted(ship.border()), pal::navy);
}

void drawMineSweeper(Canvas &c)
{
    drawMine(c, 10, 10, 3.6);
    const Mask sign = c.ring(10, 10, 7.6, 10.3) | (c.capsule({4.5, 4.5}, {15.5, 15.5}, 1.2) & c.disc(10, 10, 8.5));
    c.paint(sign, pal::red, pal::black);
}

void drawEnhancedSensors(Canvas &c)
{
    const double h = kHalfRoot2;
    c.paint(c.rect(2, 18, 11, 19), pal::steel, pal::black);
    c.paint(c.rect(6, 14, 7, 17), pal::black);
    drawDish(c, {8.5, 11.5}, h, -h, 6.8, 3.6);
    c.line(9, 11, 12, 8, pal::black);
    c.paint(c.disc(12.5, 7.5, 1.0), pal::red);
    c.paint(waves(c, 12.5, 7.5, h, -h, 4.0, 6.8), pal::blue);
}

void drawSuperiorSensors(Canvas &c)
{
    // The enhanced dish with a second, smaller dish beside it.
    const double h = kHalfRoot2;
    c.paint(c.rect(1, 18, 19, 19), pal::steel, pal::black);
    c.paint(c.rect(4, 14, 5, 17) | c.rect(15, 15, 16, 17), pal::black);
    drawDish(c, {15.5, 13.5}, h, -h, 4.4, 2.4);
    drawDish(c, {6.5, 11.5}, h, -h, 6.2, 3.4);
    c.line(7, 11, 10, 8, pal::black);
    c.paint(c.disc(10.5, 7.5, 1.0), pal::red);
    c.paint(waves(c, 10.5, 7.5, h, -h, 4.0, 6.8), pal::blue);
}

void drawEcm(Canvas &c)
{
    // Jagged noise thrown out to one side.
    drawMast(c, 6, 4);
    const int zigX[] = {10, 12, 14, 16, 18, 20};
    const int zigDy[] = {1, -1, 2, -1, 2, 0};
    for (const int y : {3, 8})
        for (int i = 0; i + 1 < 6; ++i)
            c.line(zigX[i], y + zigDy[i], zigX[i + 1], y + zigDy[i + 1], pal::red);
}

void drawAreaEcm(Canvas &c)
{
    drawMast(c, 10, 7);
    // Jamming spreads all round, except down into the mount.
    c.paint((c.ring(10, 7, 4.5, 5.5) | c.ring(10, 7, 7.5, 8.5)) - c.cone(10, 7, 0, 1, 0.7), pal::red);
}

void drawDamageControl(Canvas &c)
{
    const double h = kHalfRoot2;
    const Mask jaw = Mask::where(c.width(), c.height(), [=](int x, int y) {
        const double dx = x - 14, dy = y - 6;
        const double u = (dx - dy) * h, v = (dx + dy) * h;
        return u > -0.6 && std::abs(v) <= 1.3;
    });
    const Mask wrench = (c.capsule({3, 17}, {12, 8}, 1.7) | c.disc(14, 6, 4.4)) - jaw;
    c.paint(wrench, pal::steel, pal::black);
    c.paint(c.rect(2, 4, 8, 6) | c.rect(4, 2, 6, 8), pal::red, pal::black);
}

void drawMainDrive(Canvas &c)
{
    // An engine pod with side fins over a short bell nozzle. The drive rating is written from
    // about a third of the way down, so the pod stays white through the lower middle and the
    // nozzle keeps to the last rows.
    c.paint(c.polygon({{3.5, 8.5}, {-0.6, 15.6}, {3.5, 15.6}}) | c.polygon({{16.5, 8.5}, {20.6, 15.6}, {16.5, 15.6}}),
            pal::steel, pal::black);
    c.paint(c.roundRect(3, 0, 17, 17, 3), pal::white, pal::black);
    c.paint(c.polygon({{6.5, 17}, {13.5, 17}, {15.6, 19.6}, {4.4, 19.6}}), pal::steel, pal::black);
    c.paint(c.profile(10, 20, {4}), pal::orange);
}

void drawFtl(Canvas &c)
{
    // The flash of a jump with streaks trailing behind it. The lower right
    // corner stays plain: a tug drive gets a "T" there.
    c.paint(c.roundRect(0, 0, 20, 20, 3), pal::white, pal::black);
    c.paint(c.polygon({{10, 1.6}, {12.1, 4.9}, {16.4, 7}, {12.1, 9.1}, {10, 12.4}, {7.9, 9.1}, {3.6, 7}, {7.9, 4.9}}),
            pal::yellow, pal::black);
    c.paint(c.disc(10, 7, 1.5), pal::white);
    c.hline(2, 4, 4, pal::blue);
    c.hline(2, 3, 7, pal::blue);
    c.hline(2, 4, 10, pal::blue);
}

} // namespace pg
