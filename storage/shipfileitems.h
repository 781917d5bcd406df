#pragma once

#include "model/numbertext.h"

#include <QByteArrayView>
#include <QString>
#include <array>
#include <cmath>
#include <cstring>
#include <limits>
#include <optional>

namespace kw {

// The items of ship file lines as values, by the reader's rules; anything else is unreadable.
// Inline: a file holds thousands of items, and each of these is little more than a call.

// Counts are 16-bit whole numbers, other figures 32-bit ones.
inline std::optional<int> readCount16(QByteArrayView item)
{
    const auto v = parseWholeNumber(item, std::numeric_limits<qint16>::min(), std::numeric_limits<qint16>::max());
    return v ? std::optional<int>(static_cast<int>(*v)) : std::nullopt;
}

inline std::optional<qint32> readNumber32(QByteArrayView item)
{
    const auto v = parseWholeNumber(item, std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max());
    return v ? std::optional<qint32>(static_cast<qint32>(*v)) : std::nullopt;
}

// "True" or "False" in any case, or a whole number (not 0 is true).
inline std::optional<bool> readBoolean(QByteArrayView item);
// What readBoolean reads besides the writer's own "True" and "False".
std::optional<bool> readOtherBoolean(QByteArrayView item);

inline std::optional<bool> readBoolean(QByteArrayView item)
{
    // The writer's own spelling first: six of these stand on every weapon line.
    if (item.size() == 4 && std::memcmp(item.data(), "True", 4) == 0)
        return true;
    if (item.size() == 5 && std::memcmp(item.data(), "False", 5) == 0)
        return false;
    return readOtherBoolean(item);
}

// A display position: any number within a billion twips either way.
inline std::optional<float> readPosition(QByteArrayView item)
{
    const std::optional<double> v = parseNumber(item);
    if (!v || std::fabs(*v) > 1.0e9)
        return std::nullopt;
    return static_cast<float>(*v);
}

// A mount number as its icon's code, as QString::number writes it.
QString mountCode(int number);

// Decodes the texts of weapon lines. Mounts of one kind repeat their kind and details, so the
// first few dozen different texts are decoded once and then shared instead of allocated anew.
// The texts seen are views into the file's bytes, which must outlive this.
class SharedTexts {
public:
    QString text(QByteArrayView bytes);

private:
    struct Entry {
        QByteArrayView bytes;
        QString text;
    };
    std::array<Entry, 32> m_entries;
    std::size_t m_used = 0;
};

} // namespace kw
