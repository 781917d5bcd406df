#pragma once

#include <QByteArray>
#include <QString>

namespace kw {

// Writes a whole file or nothing: the old content survives any failure. On failure `error`
// says why in words a user can act on.
bool saveFileAtomically(const QString& path, const QByteArray& bytes, QString* error);

// Reads a whole file of at most maxBytes; on failure `error` says why.
bool readWholeFile(const QString& path, qint64 maxBytes, QByteArray& bytes, QString* error);

} // namespace kw
