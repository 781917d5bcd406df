#pragma once

#include <QImage>
#include <QRgb>

#include <cstdint>
#include <initializer_list>
#include <vector>

namespace pg {

// A set of pixels of a picture. Geometry works on pixel indices: pixel (x, y)
// stands for the point (x, y), so the middle of a 21 x 21 picture is (10, 10)
// and a shape is exactly the pixels whose point passes the shape's test.
class Mask {
public:
    Mask(int width, int height);

    template<class Test>
    static Mask where(int width, int height, Test test)
    {
        Mask m(width, height);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                if (test(x, y))
                    m.set(x, y);
        return m;
    }

    int width() const { return w_; }
    int height() const { return h_; }
    bool at(int x, int y) const;
    void set(int x, int y, bool on = true);

    Mask operator|(const Mask &o) const;
    Mask operator&(const Mask &o) const;
    Mask operator-(const Mask &o) const;

    // Pixels of the set with a 4-neighbour outside it (the picture edge counts
    // as outside): a one pixel, 8-connected outline.
    Mask border() const;
    Mask inner() const { return *this - border(); }

private:
    int w_;
    int h_;
    std::vector<std::uint8_t> bits_;
};

struct Point {
    double x;
    double y;
};

class Canvas {
public:
    Canvas(int width, int height); // starts all see-through

    int width() const { return img_.width(); }
    int height() const { return img_.height(); }
    const QImage &image() const { return img_; }

    QRgb at(int x, int y) const;
    void set(int x, int y, QRgb c); // outside the picture: ignored
    void hline(int x0, int x1, int y, QRgb c);
    void vline(int x, int y0, int y1, QRgb c);
    void line(int x0, int y0, int x1, int y1, QRgb c); // Bresenham, both ends drawn

    // Shapes, as masks the size of this canvas.
    Mask rect(int x0, int y0, int x1, int y1) const; // inclusive corners
    Mask roundRect(int x0, int y0, int x1, int y1, double radius) const;
    Mask disc(double cx, double cy, double r) const;
    Mask ring(double cx, double cy, double rInner, double rOuter) const;
    Mask polygon(std::initializer_list<Point> corners) const;
    Mask capsule(Point a, Point b, double halfWidth) const; // thick line, round ends
    // Pixels seen from (cx, cy) within the angle around the unit direction
    // (ax, ay) whose half-angle has cosine cosHalf. Plain arithmetic, no
    // trigonometry, so every machine picks the same pixels.
    Mask cone(double cx, double cy, double ax, double ay, double cosHalf) const;
    // Four long points on the axes (reaching rx, ry) and four short ones on
    // the diagonals (reaching rDiag).
    Mask starburst(double cx, double cy, double rx, double ry, double rDiag) const;
    // Symmetric about the column cx: row y0 + i spans |x - cx| <= halfWidths[i].
    Mask profile(double cx, int y0, std::initializer_list<double> halfWidths) const;

    void paint(const Mask &m, QRgb c);
    // Fill the shape and draw its one pixel outline on top.
    void paint(const Mask &m, QRgb fill, QRgb outline);

    // Hand-drawn detail: each string is a row, each letter a palette colour
    // (see pal::fromLetter); '.' leaves the pixel as it is.
    void sprite(int x0, int y0, std::initializer_list<const char *> rows);

    // Copies a width() x height() window of src starting at (sx, sy).
    void copyFrom(const Canvas &src, int sx, int sy);

private:
    QImage img_;
};

} // namespace pg
