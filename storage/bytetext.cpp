#include "storage/bytetext.h"

#include "storage/codepage.h"

#include <QString>

namespace kw {

UpperName::UpperName(QByteArrayView text)
{
    // Upper case never makes a text shorter, so a long one cannot become a short name.
    if (text.size() > kCapacity)
        return;
    bool ascii = true;
    for (qsizetype i = 0; i < text.size() && ascii; ++i) {
        const char c = text[i];
        ascii = static_cast<unsigned char>(c) < 0x80;
        m_chars[i] = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    }
    if (ascii) {
        m_size = text.size();
        return;
    }
    // Letters of the code page can turn into ASCII ones ("ß" into "SS"): ask Unicode.
    const QString upper = decodeCodePage(text).toUpper();
    if (upper.size() > kCapacity)
        return;
    for (qsizetype i = 0; i < upper.size(); ++i) {
        if (upper[i].unicode() >= 0x80)
            return;
        m_chars[i] = static_cast<char>(upper[i].unicode());
    }
    m_size = upper.size();
}

} // namespace kw
