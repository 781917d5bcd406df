#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace kw {

// Ship, fleet and side files are 8-bit Windows-1252 text on every platform. Every byte maps to
// one character and back, so a file read and written again keeps every byte.
QString decodeCodePage(QByteArrayView bytes);

// Encodes text; returns false (and leaves out nothing silently) when a character has no byte
// in the code page, so that a name cannot be written corrupted.
bool encodeCodePage(const QString& text, QByteArray& out);
// The same straight into a buffer with room for text.size() bytes; after a failure the buffer
// holds nothing of use.
bool encodeCodePage(QStringView text, char* out);

// The first character of the text that the code page cannot hold, or a null QChar.
QChar firstUnencodable(QStringView text);

} // namespace kw
