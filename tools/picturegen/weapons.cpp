#include "pictures.h"

#include "palette.h"

namespace pg {

void drawBattery(Canvas &c)
{
    // A turret ring; the class number goes on the white middle.
    c.paint(c.disc(10, 10, 5.5), pal::steel, pal::black);
    c.paint(c.disc(10, 10, 3.6), pal::white);
}

void drawNeedleBeam(Canvas &c)
{
    // A slim, sharp lens of light with a white-hot core.
    c.paint(c.polygon({{10, 4.6}, {14.6, 10}, {10, 15.4}, {5.4, 10}}), pal::skyBlue, pal::black);
    c.vline(10, 7, 13, pal::white);
    c.hline(9, 11, 10, pal::white);
}

void drawPulseTorp(Canvas &c)
{
    c.paint(c.disc(10, 10, 2.8), pal::orange, pal::black);
    c.paint(c.disc(10, 10, 1.0), pal::yellow);
    // Pulse marks radiating from the charge.
    for (const int d : {4, 5}) {
        for (const auto &[x, y] : {std::pair{0, -1}, {0, 1}, {-1, 0}, {1, 0}})
            c.set(10 + x * d, 10 + y * d, pal::red);
    }
    for (const int d : {3, 4})
        for (const auto &[x, y] : {std::pair{-1, -1}, {1, -1}, {-1, 1}, {1, 1}})
            c.set(10 + x * d, 10 + y * d, pal::red);
}

void drawSalvoLauncher(Canvas &c)
{
    // A launcher pod seen from above: four tubes with the missile noses showing.
    c.paint(c.roundRect(6, 6, 14, 14, 1.5), pal::steel, pal::black);
    for (const int y : {8, 11})
        for (const int x : {8, 11})
            c.sprite(x, y, {"rk", "kk"});
}

void drawSalvoRack(Canvas &c)
{
    // Two long-range missiles standing in their cradle.
    for (const int x : {5, 11})
        c.sprite(x, 5, {
                           "..k..",
                           ".krk.",
                           ".krk.",
                           ".kwk.",
                           ".kwk.",
                           "kkwkk",
                           "krwrk",
                           "kkkkk",
                       });
    c.paint(c.rect(6, 13, 14, 14), pal::black);
}

void drawOrtillery(Canvas &c)
{
    // A strike coming down on a planet; the planet runs off the bottom edge,
    // so that edge gets no outline.
    const Mask planet = c.disc(10, 25, 11.4);
    c.paint(planet, pal::skyBlue);
    c.paint(planet.inner() & (c.disc(5, 19, 3.4) | c.disc(15, 17, 2.4)), pal::green);
    c.paint(planet.border() - c.rect(0, 20, 20, 20), pal::black);
    c.paint(c.rect(9, 0, 11, 6) | c.polygon({{4.5, 6.5}, {15.5, 6.5}, {10, 12.2}}), pal::red, pal::black);
    c.paint(c.starburst(10, 13, 3, 2, 2.5), pal::yellow);
}

void drawSubMunitions(Canvas &c)
{
    c.paint(c.roundRect(6, 0, 14, 9, 2), pal::steel, pal::black);
    c.paint(c.rect(7, 1, 13, 2), pal::red);
    for (const auto &[x, y] : {std::pair{2, 11}, {8, 13}, {14, 11}, {4, 16}, {12, 16}})
        c.sprite(x, y, {".kk.", "krrk", "krrk", ".kk."});
}

void drawNova(Canvas &c)
{
    const double cx = 14.5;
    c.paint(c.roundRect(2, 37, 27, 50, 4), pal::steel, pal::black);
    c.paint(c.disc(cx, 43.5, 4.6), pal::orange, pal::black);
    c.paint(c.disc(cx, 43.5, 2.0), pal::yellow);
    c.paint(c.rect(11, 12, 18, 37), pal::lightGrey, pal::black);
    for (const int y : {15, 21, 27, 33})
        c.paint(c.rect(9, y, 20, y + 2), pal::blue, pal::black);
    c.paint(c.starburst(cx, 6.5, 10, 6.5, 7), pal::orange, pal::black);
    c.paint(c.starburst(cx, 6.5, 5, 3.5, 3.5), pal::yellow);
}

void drawWaveGun(Canvas &c)
{
    const double cx = 12.5;
    // Wave fronts spreading from the mouth of the gun.
    const Mask ahead = c.cone(cx, 17, 0, -1, 0.72);
    c.paint(c.ring(cx, 17, 9.6, 12.3) & ahead, pal::skyBlue, pal::black);
    c.paint(c.ring(cx, 17, 13.6, 16.3) & ahead, pal::skyBlue, pal::black);
    c.paint(c.roundRect(3, 30, 22, 39, 3), pal::steel, pal::black);
    c.paint(c.disc(cx, 34.5, 2.6), pal::skyBlue, pal::black);
    c.paint(c.rect(9, 16, 16, 30), pal::lightGrey, pal::black);
    c.hline(10, 15, 22, pal::steel);
    c.hline(10, 15, 25, pal::steel);
    c.paint(c.polygon({{2.5, 8.5}, {22.5, 8.5}, {16.5, 17.5}, {8.5, 17.5}}), pal::steel, pal::black);
    c.paint(c.rect(5, 10, 20, 11), pal::skyBlue);
}

} // namespace pg
