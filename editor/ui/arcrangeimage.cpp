#include "editor/ui/arcrangeimage.h"

#include "display/systempictures.h"

namespace kw {

namespace {

constexpr QRgb kChosenFill = 0xFF1C2F8C;
constexpr QRgb kChosenEdge = 0xFF000000;
constexpr QRgb kOtherFill = 0xFFE4E4E4;
constexpr QRgb kOtherEdge = 0xFF9A9A9A;

// The grey-filled mark of the arc, repainted: its outline and its filling take the two colours.
QImage recolouredMark(int arc, QRgb fill, QRgb edge)
{
    QImage mark = SystemPictures::instance().picture(QStringLiteral("Arc%1s").arg(arc)).convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < mark.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(mark.scanLine(y));
        for (int x = 0; x < mark.width(); ++x) {
            const QRgb pixel = line[x] | 0xFF000000;
            if (pixel == (kPictureKey | 0xFF000000))
                continue;
            line[x] = qGray(pixel) < 64 ? edge : fill;
        }
    }
    return mark;
}

} // namespace

QImage arcRangeImage(const std::array<bool, 6>& arcs, int scale)
{
    QImage image(21, 21, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int a = 0; a < 6; ++a) {
        const QImage mark = arcs[a] ? recolouredMark(a + 1, kChosenFill, kChosenEdge)
                                    : recolouredMark(a + 1, kOtherFill, kOtherEdge);
        PaintTransparent(image, mark, 0, 0);
    }
    scale = qBound(1, scale, 8);
    return scale == 1 ? image : image.scaled(image.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

} // namespace kw
