#pragma once

#include <QByteArrayView>
#include <QtEndian>
#include <bit>
#include <cstring>
#include <string_view>

namespace kw {

// Reading 8-bit files as bytes: keys, numbers and separators are ASCII, so only the text
// values need decoding, and a line can be taken apart without copying it.

// Hands out the lines of a text one by one, without their ends: CR LF, LF and a lone CR each
// end a line (files edited on other machines mix them).
class ByteLines {
public:
    explicit ByteLines(QByteArrayView text) : m_rest(text) {}

    bool atEnd() const { return m_rest.isEmpty(); }
    // What is left after the lines handed out so far.
    QByteArrayView rest() const { return m_rest; }

    // The next line; only while not atEnd().
    QByteArrayView next()
    {
        const char* const begin = m_rest.data();
        const char* const end = begin + m_rest.size();
        // The next LF is remembered, so a file of lone CRs is not searched to its end per line.
        if (!m_lf || m_lf < begin) {
            const void* lf = std::memchr(begin, '\n', static_cast<size_t>(end - begin));
            m_lf = lf ? static_cast<const char*>(lf) : end;
        }
        const char* stop = m_lf;
        const char* after = m_lf == end ? end : m_lf + 1;
        if (const void* cr = std::memchr(begin, '\r', static_cast<size_t>(m_lf - begin))) {
            stop = static_cast<const char*>(cr);
            after = stop + 1 == m_lf && m_lf != end ? m_lf + 1 : stop + 1;
        }
        m_rest = QByteArrayView(after, end - after);
        return QByteArrayView(begin, stop - begin);
    }

private:
    QByteArrayView m_rest;
    const char* m_lf = nullptr;   // the first LF at or after the rest, or its end
};

// Takes a value apart at its commas, item by item; items are views into the value. A value
// has at least one item, possibly empty; asking past the last gives a null view.
class ItemCursor {
public:
    explicit ItemCursor(QByteArrayView value) : m_next(value.data()), m_end(value.data() + value.size()) {}

    bool atEnd() const { return m_done; }

    QByteArrayView next()
    {
        if (m_done)
            return {};
        const char* const start = m_next;
        m_next = findComma(m_next, m_end);
        const QByteArrayView item(start, m_next - start);
        if (m_next == m_end)
            m_done = true;
        else
            ++m_next;
        return item;
    }

private:
    // The first comma in [p, end), or end. Looks at eight bytes at a time: a file holds thousands
    // of items, and searching them byte by byte took as long as reading their numbers.
    static const char* findComma(const char* p, const char* end)
    {
        constexpr quint64 kOnes = 0x0101010101010101;
        constexpr quint64 kHighs = 0x8080808080808080;
        for (; end - p >= 8; p += 8) {
            // Read as little-endian so that the first byte is the lowest. A byte of x is zero
            // where the word holds a comma; the lowest flagged byte is exact.
            const quint64 x = qFromLittleEndian<quint64>(p) ^ (kOnes * ',');
            const quint64 zeros = (x - kOnes) & ~x & kHighs;
            if (zeros)
                return p + std::countr_zero(zeros) / 8;
        }
        while (p != end && *p != ',')
            ++p;
        return p;
    }

    const char* m_next;
    const char* m_end;
    bool m_done = false;
};

// A short text upper-cased the way QString::toUpper does it to the decoded text, for comparing
// with ASCII names such as file keys. A text whose upper case is not ASCII, or is longer than
// 32 characters (far more than any key), cannot equal one and comes out empty.
class UpperName {
public:
    explicit UpperName(QByteArrayView text);

    std::string_view text() const { return {m_chars, static_cast<size_t>(m_size)}; }

private:
    static constexpr qsizetype kCapacity = 32;
    char m_chars[kCapacity] = {};
    qsizetype m_size = 0;
};

// Whether an upper-cased name equals an ASCII text in any case.
inline bool sameUpperCase(std::string_view upper, std::string_view text)
{
    if (upper.size() != text.size())
        return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i] >= 'a' && text[i] <= 'z' ? static_cast<char>(text[i] - 'a' + 'A') : text[i];
        if (upper[i] != c)
            return false;
    }
    return true;
}

} // namespace kw
