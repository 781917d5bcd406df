#pragma once

#include <QByteArray>
#include <QString>

namespace kw {

// Ship, fleet and side files are 8-bit Windows-1252 text on every platform. Every byte maps to
// one character and back, so a file read and written again keeps every byte.
QString decodeCodePage(const QByteArray& bytes);

// Encodes text; returns false (and leaves out nothing silently) when a character has no byte
// in the code page, so that a name cannot be written corrupted.
bool encodeCodePage(const QString& text, QByteArray& out);

// The first character of the text that the code page cannot hold, or a null QChar.
QChar firstUnencodable(const QString& text);

} // namespace kw
