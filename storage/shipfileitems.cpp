#include "storage/shipfileitems.h"

#include "storage/codepage.h"

namespace kw {

std::optional<bool> readOtherBoolean(QByteArrayView item)
{
    // No letter of the code page outside ASCII folds to an ASCII one, so bytes compare as text.
    if (item.compare("True", Qt::CaseInsensitive) == 0)
        return true;
    if (item.compare("False", Qt::CaseInsensitive) == 0)
        return false;
    if (const auto v = readNumber32(item))
        return *v != 0;
    return std::nullopt;
}

QString mountCode(int number)
{
    // Every weapon icon has a code, and allocating a string for each was a good part of reading
    // a file. The codes of the first thousand mounts are in a table the strings point into.
    struct Code {
        char16_t digits[3];
        qsizetype length;
    };
    static constexpr auto kCodes = [] {
        std::array<Code, 1000> codes{};
        for (int n = 0; n < 1000; ++n) {
            Code& code = codes[n];
            code.length = n < 10 ? 1 : n < 100 ? 2 : 3;
            int rest = n;
            for (qsizetype i = code.length - 1; i >= 0; --i, rest /= 10)
                code.digits[i] = static_cast<char16_t>(u'0' + rest % 10);
        }
        return codes;
    }();
    if (number < 0 || number >= static_cast<int>(kCodes.size()))
        return QString::number(number);
    const Code& code = kCodes[number];
    return QString::fromRawData(reinterpret_cast<const QChar*>(code.digits), code.length);
}

QString SharedTexts::text(QByteArrayView bytes)
{
    if (bytes.isEmpty())
        return decodeCodePage(bytes);   // allocates nothing, and keeps null apart from empty
    for (std::size_t i = 0; i < m_used; ++i) {
        if (m_entries[i].bytes == bytes)
            return m_entries[i].text;
    }
    if (m_used == m_entries.size())
        return decodeCodePage(bytes);
    Entry& entry = m_entries[m_used++];
    entry = {bytes, decodeCodePage(bytes)};
    return entry.text;
}

} // namespace kw
