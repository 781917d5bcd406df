#include "storage/filesaving.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace kw {

bool saveFileAtomically(const QString& path, const QByteArray& bytes, QString* error)
{
    QSaveFile file(path);
    // A read-only target is replaced all the same, as a user who confirmed an overwrite expects.
    if (QFileInfo::exists(path))
        QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::WriteOwner | QFileDevice::WriteUser);
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
    bytes = file.read(maxBytes + 1);
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

} // namespace kw
