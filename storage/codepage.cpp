#include "storage/codepage.h"

#include <algorithm>
#include <array>

namespace kw {

namespace {

// 0x80..0x9F of Windows-1252; the five unassigned bytes map to the C1 control characters of the
// same value so that they survive a round trip.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

int byteFor(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (int i = 0; i < 32; ++i) {
        if (kHighControls[i] == c)
            return 0x80 + i;
    }
    return -1;
}

} // namespace

QString decodeCodePage(QByteArrayView bytes)
{
    // Latin-1 already maps every other byte to the right character.
    QString text = QString::fromLatin1(bytes);
    const bool anyHigh = std::any_of(bytes.cbegin(), bytes.cend(), [](char b) {
        const auto u = static_cast<unsigned char>(b);
        return u >= 0x80 && u < 0xA0;
    });
    if (!anyHigh)
        return text;
    QChar* out = text.data();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = out[i].unicode();
        if (c >= 0x80 && c < 0xA0)
            out[i] = QChar(kHighControls[c - 0x80]);
    }
    return text;
}

bool encodeCodePage(const QString& text, QByteArray& out)
{
    out.resize(text.size());
    if (encodeCodePage(text, out.data()))
        return true;
    out.clear();
    return false;
}

bool encodeCodePage(QStringView text, char* out)
{
    for (const QChar c : text) {
        const int b = byteFor(c.unicode());
        if (b < 0)
            return false;
        *out++ = static_cast<char>(b);
    }
    return true;
}

QChar firstUnencodable(QStringView text)
{
    for (QChar c : text) {
        if (byteFor(c.unicode()) < 0)
            return c;
    }
    return {};
}

} // namespace kw
