#pragma once

#include <QString>
#include <ostream>

// Failing assertions show Qt texts as text rather than as bytes.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}
