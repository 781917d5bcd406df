#include "bmpwriter.h"

#include <cstdint>

namespace pg {

namespace {

void put16(QByteArray &out, std::uint16_t v)
{
    out.append(char(v & 0xff));
    out.append(char(v >> 8));
}

void put32(QByteArray &out, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out.append(char((v >> (8 * i)) & 0xff));
}

} // namespace

QByteArray bmp24(const QImage &image)
{
    constexpr std::uint32_t headerSize = 14 + 40;
    constexpr std::uint32_t pixelsPerMetre = 3780; // 96 dpi: one pixel per screen pixel
    const int w = image.width();
    const int h = image.height();
    const std::uint32_t rowBytes = (std::uint32_t(w) * 3 + 3) & ~3u;
    const std::uint32_t pixelBytes = rowBytes * std::uint32_t(h);

    QByteArray out;
    out.reserve(int(headerSize + pixelBytes));
    // BITMAPFILEHEADER
    out.append("BM", 2);
    put32(out, headerSize + pixelBytes);
    put16(out, 0);
    put16(out, 0);
    put32(out, headerSize);
    // BITMAPINFOHEADER
    put32(out, 40);
    put32(out, std::uint32_t(w));
    put32(out, std::uint32_t(h)); // positive height: rows stored bottom-up
    put16(out, 1);
    put16(out, 24);
    put32(out, 0); // BI_RGB, uncompressed
    put32(out, pixelBytes);
    put32(out, pixelsPerMetre);
    put32(out, pixelsPerMetre);
    put32(out, 0);
    put32(out, 0);

    for (int y = h - 1; y >= 0; --y) {
        std::uint32_t written = 0;
        for (int x = 0; x < w; ++x) {
            const QRgb c = image.pixel(x, y);
            out.append(char(qBlue(c)));
            out.append(char(qGreen(c)));
            out.append(char(qRed(c)));
            written += 3;
        }
        for (; written < rowBytes; ++written)
            out.append('\0');
    }
    return out;
}

} // namespace pg
