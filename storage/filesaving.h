#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace kw {

// What becomes of an existing read-only file at the path: it is refused, unless the user has
// confirmed replacing that very file.
enum class ReadOnlyFile { Refuse, Replace };

// Whether the file exists and is marked read-only (its owner may not write it), however the
// system would let this user write it.
bool isReadOnlyFile(const QString& path);

// Writes a whole file or nothing: the old content, and its permissions, survive any failure.
// On failure `error` says why in words a user can act on.
bool saveFileAtomically(const QString& path, const QByteArray& bytes, QString* error,
                        ReadOnlyFile readOnly = ReadOnlyFile::Refuse);

// Reads a whole file of at most maxBytes; on failure `error` says why.
bool readWholeFile(const QString& path, qint64 maxBytes, QByteArray& bytes, QString* error);

// Reads a whole file the user named (a ship or fleet file to open). Returns what to tell the
// user when it cannot be had: "File not Found" when it is not there, otherwise the file's kind
// ("ship file"), its path and the reason.
std::optional<QString> readUserFile(const QString& path, qint64 maxBytes, const QString& kind, QByteArray& bytes);

} // namespace kw
