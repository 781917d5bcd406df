#include "storage/filesaving.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace kw {

namespace {

bool writeWhole(const QString& path, const QByteArray& bytes, QString* error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    if (file.write(bytes) != bytes.size()) {
        if (error)
            *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace

bool isReadOnlyFile(const QString& path)
{
    const QFileInfo info(path);
    return info.isFile() && !(info.permissions() & QFileDevice::WriteOwner);
}

bool saveFileAtomically(const QString& path, const QByteArray& bytes, QString* error, ReadOnlyFile readOnly)
{
    if (!isReadOnlyFile(path))
        return writeWhole(path, bytes, error);
    if (readOnly == ReadOnlyFile::Refuse) {
        if (error)
            *error = QStringLiteral("the file is read-only");
        return false;
    }
    // The replacement is written beside the file and renamed over it; it may only start once the
    // file may be written. Should it fail, the file is read-only again as before.
    const QFileDevice::Permissions permissions = QFile::permissions(path);
    QFile::setPermissions(path, permissions | QFileDevice::WriteOwner | QFileDevice::WriteUser);
    if (writeWhole(path, bytes, error))
        return true;
    QFile::setPermissions(path, permissions);
    return false;
}

bool readWholeFile(const QString& path, qint64 maxBytes, QByteArray& bytes, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    if (file.size() > maxBytes) {
        if (error)
            *error = QStringLiteral("the file is too large (%1 bytes)").arg(file.size());
        return false;
    }
    // Read in pieces: a single read of the whole limit reserves all of it, 16 MB for every ship
    // file opened. The size found above is only a hint, as the file may grow meanwhile.
    constexpr qint64 kPiece = 1 << 16;
    bytes.clear();
    bytes.reserve(qMin(file.size(), maxBytes) + 1);
    while (bytes.size() <= maxBytes) {
        const QByteArray piece = file.read(qMin(kPiece, maxBytes + 1 - bytes.size()));
        if (piece.isEmpty())
            break;
        bytes += piece;
    }
    if (bytes.size() > maxBytes) {
        if (error)
            *error = QStringLiteral("the file is too large");
        return false;
    }
    if (file.error() != QFileDevice::NoError) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

std::optional<QString> readUserFile(const QString& path, qint64 maxBytes, const QString& kind, QByteArray& bytes)
{
    if (!QFileInfo(path).isFile())
        return QStringLiteral("File not Found");
    QString error;
    if (!readWholeFile(path, maxBytes, bytes, &error))
        return QStringLiteral("The %1 %2 could not be read:\r\n%3").arg(kind, QDir::toNativeSeparators(path), error);
    return std::nullopt;
}

} // namespace kw
