#pragma once

#include <QImage>
#include <QString>

namespace kw {

// What a saved picture is written as.
enum class PictureFormat { Bitmap, Png, Pdf };

// The file types "Save Ship Picture" and "Save Fleet Picture" offer; the Windows bitmap comes
// first, so it is the one the dialog starts with.
QString pictureFilter();

// The format a name asks for by its extension (in any case); a name with no extension or one
// we do not write gets a bitmap, as every picture used to be.
PictureFormat pictureFormatOf(const QString& path);
// The name, with ".bmp" added when it has no extension.
QString withPictureSuffix(const QString& path);

// Writes a picture as a bitmap or a PNG, whole or not at all. On failure `error` says why.
bool savePictureFile(const QImage& picture, const QString& path, PictureFormat format, QString* error);

} // namespace kw
