#include "pictures.h"

#include "palette.h"

namespace pg {

namespace {

constexpr int kSegment = 21; // width of one magazine or mine rack piece

// Fins and nozzle go down first, so the body outline cuts cleanly across them.
void drawFins(Canvas &c, int top)
{
    c.paint(c.polygon({{7, top + 10.5}, {1, top + 17.5}, {1, top + 22.5}, {7, top + 18.5}}), pal::red, pal::black);
    c.paint(c.polygon({{13, top + 10.5}, {19, top + 17.5}, {19, top + 22.5}, {13, top + 18.5}}), pal::red,
            pal::black);
    c.paint(c.profile(10, top + 20, {2, 2, 3}), pal::darkGrey, pal::black);
}

} // namespace

void drawMissile(Canvas &c, Warhead w)
{
    // The warhead sits on a common body; only its shape and colour change.
    int top = 8;
    Mask head(c.width(), c.height());
    QRgb headColour = pal::red;
    switch (w) {
    case Warhead::Standard:
        head = c.profile(10, 0, {0, 1, 1, 2, 2, 2, 3, 3});
        break;
    case Warhead::Emp:
        top = 12;
        head = c.profile(10, 0, {1, 2, 3, 4, 4, 5, 5, 5, 5, 4, 4, 3});
        headColour = pal::blue;
        break;
    case Warhead::Needle:
        head = c.profile(10, 0, {0, 0, 0, 0, 0, 1, 1, 2});
        headColour = pal::skyBlue;
        break;
    }
    drawFins(c, top);
    const Mask whole = head | c.rect(7, top, 13, top + 19);
    c.paint(whole, pal::white, pal::black);
    c.paint(whole.inner() & head, headColour);
    c.hline(8, 12, top + 2, pal::navy);
    c.hline(8, 12, top + 3, pal::navy);
    if (w == Warhead::Emp)
        c.sprite(8, 2, {
                           "...y.",
                           "..yy.",
                           ".yy..",
                           "yyyyy",
                           "..yy.",
                           ".yy..",
                           ".y...",
                       });
}

namespace {

// A rack n segments long: rails along the top and bottom, closed ends, and a
// divider at the right of every segment but the last. Everything in a segment
// is placed relative to its own left edge, so all middle segments match.
void drawSalvoMagazineStrip(Canvas &c, int segments)
{
    const int right = kSegment * segments - 1;
    c.paint(c.roundRect(0, 1, right, 19, 1), pal::pale, pal::black);
    c.hline(1, right - 1, 2, pal::steel);
    c.hline(1, right - 1, 18, pal::steel);
    for (int i = 0; i < segments; ++i) {
        const int x0 = i * kSegment;
        if (i + 1 < segments)
            c.vline(x0 + kSegment - 1, 2, 18, pal::black);
        for (const int dx : {2, 8, 14})
            c.sprite(x0 + dx, 4, {
                                     "..k..",
                                     ".krk.",
                                     ".krk.",
                                     ".kkk.",
                                     ".kwk.",
                                     ".kwk.",
                                     ".kwk.",
                                     ".kwk.",
                                     ".kwk.",
                                     "kkwkk",
                                     "krwrk",
                                     "kkkkk",
                                     ".kdk.",
                                 });
    }
}

// Same rack with one mine per segment.
void drawMineLayerStrip(Canvas &c, int segments)
{
    const int right = kSegment * segments - 1;
    c.paint(c.roundRect(0, 1, right, 19, 1), pal::lightGrey, pal::black);
    c.hline(1, right - 1, 2, pal::darkGrey);
    c.hline(1, right - 1, 18, pal::darkGrey);
    for (int i = 0; i < segments; ++i) {
        const int x0 = i * kSegment;
        if (i + 1 < segments)
            c.vline(x0 + kSegment - 1, 2, 18, pal::black);
        drawMine(c, x0 + 10, 10, 4.3);
    }
}

void drawPiece(Canvas &c, Piece piece, void (*strip)(Canvas &, int))
{
    if (piece == Piece::Single) {
        strip(c, 1);
        return;
    }
    // Cut from one long rack so the pieces line up exactly.
    Canvas whole(3 * kSegment, kSegment);
    strip(whole, 3);
    const int from = piece == Piece::Start ? 0 : (piece == Piece::Middle ? 1 : 2);
    c.copyFrom(whole, from * kSegment, 0);
}

bool segmentsAlike(void (*strip)(Canvas &, int))
{
    Canvas whole(4 * kSegment, kSegment);
    strip(whole, 4);
    Canvas a(kSegment, kSegment), b(kSegment, kSegment);
    a.copyFrom(whole, kSegment, 0);
    b.copyFrom(whole, 2 * kSegment, 0);
    return a.image() == b.image();
}

} // namespace

void drawSalvoMagazine(Canvas &c, Piece piece)
{
    drawPiece(c, piece, drawSalvoMagazineStrip);
}

void drawMineLayer(Canvas &c, Piece piece)
{
    drawPiece(c, piece, drawMineLayerStrip);
}

bool middlePiecesRepeat()
{
    return segmentsAlike(drawSalvoMagazineStrip) && segmentsAlike(drawMineLayerStrip);
}

} // namespace pg
