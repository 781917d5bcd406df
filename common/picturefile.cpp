#include "common/picturefile.h"

#include "storage/filesaving.h"

#include <QBuffer>
#include <QFileInfo>

namespace kw {

QString pictureFilter()
{
    return QStringLiteral("Windows Bitmap (*.bmp)|*.bmp|PNG Picture (*.png)|*.png|PDF Document (*.pdf)|*.pdf|");
}

PictureFormat pictureFormatOf(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("png"))
        return PictureFormat::Png;
    if (suffix == QLatin1String("pdf"))
        return PictureFormat::Pdf;
    return PictureFormat::Bitmap;
}

QString withPictureSuffix(const QString& path)
{
    return QFileInfo(path).suffix().isEmpty() ? path + QStringLiteral(".bmp") : path;
}

bool savePictureFile(const QImage& picture, const QString& path, PictureFormat format, QString* error)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (format == PictureFormat::Pdf || !picture.save(&buffer, format == PictureFormat::Png ? "PNG" : "BMP")) {
        *error = QStringLiteral("the picture could not be encoded");
        return false;
    }
    return saveFileAtomically(path, bytes, error);
}

} // namespace kw
