#include "display/fixedpictures.h"

#include "display/sheetfonts.h"
#include "display/systempictures.h"
#include "display/twips.h"

#include <QFontMetrics>
#include <QPainter>

namespace kw {

namespace {

constexpr int kDrivePixels = 21;

QImage blank(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

// A drive picture with `scale` device pixels to each of its pixels, the bitmap enlarged pixel
// for pixel.
QImage drivePicture(const char* name, int scale)
{
    QImage image = blank(kDrivePixels * scale, kDrivePixels * scale);
    const QImage& picture = SystemPictures::instance().picture(QString::fromLatin1(name));
    PaintTransparent(image, scale == 1 ? picture : picture.scaled(picture.size() * scale, Qt::IgnoreAspectRatio,
                                                                  Qt::FastTransformation),
                     0, 0);
    image.setDevicePixelRatio(scale);
    return image;
}

} // namespace

QImage corePicture(const char* name, int width, int height)
{
    QImage image = blank(width, height);
    PaintTransparent(image, SystemPictures::instance().picture(QString::fromLatin1(name)), 0, 0);
    return image;
}

QImage mainDrivePicture(const QString& rating, int scale)
{
    QImage image = drivePicture("MD", qMax(1, scale));
    const QFont& font = driveFont();
    const QFontMetrics m(font);
    QPainter p(&image);
    p.setFont(image.devicePixelRatio() > 1 ? smoothFont(font) : font);
    p.setPen(Qt::black);
    // Centred across, 50 twips above the middle from the top of the text.
    const double left = kDrivePixels / 2.0 - m.horizontalAdvance(rating) / 2.0;
    const double top = (kDrivePixels * kTwipsPerPixel / 2.0 - 50) / kTwipsPerPixel;
    p.drawText(QPointF(left, top + m.ascent()), rating);
    return image;
}

QImage ftlPicture(bool tug, int scale)
{
    QImage image = drivePicture("FTL", qMax(1, scale));
    if (tug) {
        const QFont& font = driveFont();
        const QFontMetrics m(font);
        const QString t = QStringLiteral("T");
        QPainter p(&image);
        p.setFont(image.devicePixelRatio() > 1 ? smoothFont(font) : font);
        p.setPen(Qt::black);
        const double left = kDrivePixels - m.horizontalAdvance(t) - 35 / kTwipsPerPixel;
        const double top = kDrivePixels - m.height() - 2 / kTwipsPerPixel;
        p.drawText(QPointF(left, top + m.ascent()), t);
    }
    return image;
}

} // namespace kw
