#include "model/numbertext.h"

#include <charconv>
#include <cmath>

namespace kw {

namespace {

// Field texts arrive as UTF-16, file contents as bytes. Numbers are spelt in ASCII either way,
// so one grammar works on the code units of both; no non-ASCII unit is a digit, sign or point.
template <typename Unit>
bool isDigit(Unit c)
{
    return c >= '0' && c <= '9';
}

// Checks the grammar by hand: this runs for every number of every ship file read.
template <typename Unit>
bool looksLikeNumber(const Unit* text, qsizetype n)
{
    qsizetype i = 0;
    if (i < n && (text[i] == '+' || text[i] == '-'))
        ++i;
    qsizetype digits = 0;
    while (i < n && isDigit(text[i])) {
        ++i;
        ++digits;
    }
    if (i < n && text[i] == '.') {
        ++i;
        while (i < n && isDigit(text[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return false;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < n && (text[i] == '+' || text[i] == '-'))
            ++i;
        qsizetype exponent = 0;
        while (i < n && isDigit(text[i])) {
            ++i;
            ++exponent;
        }
        if (exponent == 0)
            return false;
    }
    return i == n;
}

template <typename Unit>
const Unit* skipDigits(const Unit* p, const Unit* end, quint64& mantissa)
{
    // Wraps silently past 19 digits; the caller refuses more than 15 anyway.
    for (; p != end && isDigit(*p); ++p)
        mantissa = mantissa * 10 + static_cast<unsigned>(*p - '0');
    return p;
}

// Plain decimals with few digits are by far the most common numbers in ship files; their value
// is an exact integer divided by an exact power of ten, which the division rounds correctly.
// (The parsers below hand back their value through a reference: copying std::optional<double>
// between them costs a stall on every call.)
template <typename Unit>
bool parsePlainDecimal(const Unit* text, qsizetype n, double& value)
{
    static constexpr double kPowers[] = {1, 10, 100, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    const Unit* p = text;
    const Unit* const end = text + n;
    const bool negative = p != end && *p == '-';
    if (negative || (p != end && *p == '+'))
        ++p;
    quint64 mantissa = 0;
    const Unit* const whole = p;
    p = skipDigits(p, end, mantissa);
    qsizetype digits = p - whole;
    qsizetype decimals = 0;
    if (p != end && *p == '.') {
        const Unit* const fraction = ++p;
        p = skipDigits(p, end, mantissa);
        decimals = p - fraction;
        digits += decimals;
    }
    if (p != end || digits == 0 || digits > 15)
        return false;
    const double magnitude = static_cast<double>(mantissa) / kPowers[decimals];
    value = negative ? -magnitude : magnitude;
    return true;
}

template <typename Unit>
bool parseNumberUnits(const Unit* text, qsizetype n, double& value)
{
    if (parsePlainDecimal(text, n, value))
        return true;
    // The grammar check leaves only ASCII, so the digits fit a small buffer.
    char buffer[64];
    if (n == 0 || n >= static_cast<qsizetype>(sizeof buffer) || !looksLikeNumber(text, n))
        return false;
    qsizetype length = 0;
    for (qsizetype i = 0; i < n; ++i) {
        if (text[i] != '+')
            buffer[length++] = static_cast<char>(text[i]);
    }
    const auto result = std::from_chars(buffer, buffer + length, value);
    return result.ec == std::errc() && std::isfinite(value);
}

template <typename Unit>
bool parseWholeNumberUnits(const Unit* text, qsizetype n, qint64 min, qint64 max, qint64& value)
{
    const bool negative = n > 0 && text[0] == '-';
    const qsizetype first = negative ? 1 : 0;
    if (n == first)
        return false;
    // Every 64-bit value reads, the most negative one too, so whatever the writer wrote reads back.
    constexpr quint64 kLargest = quint64{1} << 63;
    quint64 magnitude = 0;
    for (qsizetype i = first; i < n; ++i) {
        if (!isDigit(text[i]))
            return false;
        const auto digit = static_cast<quint64>(text[i] - '0');
        if (magnitude > (kLargest - digit) / 10)
            return false;
        magnitude = magnitude * 10 + digit;
    }
    if (!negative && magnitude == kLargest)
        return false;
    value = negative ? static_cast<qint64>(0 - magnitude) : static_cast<qint64>(magnitude);
    return value >= min && value <= max;
}

// Bytes as unsigned units, so that the comparisons above see 0x80 and up as large values.
const unsigned char* units(QByteArrayView text)
{
    return reinterpret_cast<const unsigned char*>(text.data());
}

} // namespace

std::optional<double> parseNumber(QStringView text)
{
    double value;
    return parseNumberUnits(text.utf16(), text.size(), value) ? std::optional(value) : std::nullopt;
}

std::optional<double> parseNumber(QByteArrayView text)
{
    double value;
    return parseNumberUnits(units(text), text.size(), value) ? std::optional(value) : std::nullopt;
}

std::optional<qint64> parseWholeNumber(QStringView text, qint64 min, qint64 max)
{
    qint64 value;
    return parseWholeNumberUnits(text.utf16(), text.size(), min, max, value) ? std::optional(value) : std::nullopt;
}

std::optional<qint64> parseWholeNumber(QByteArrayView text, qint64 min, qint64 max)
{
    qint64 value;
    return parseWholeNumberUnits(units(text), text.size(), min, max, value) ? std::optional(value) : std::nullopt;
}

QString formatNumber(double value)
{
    // Most systems of a design are not fitted; their figures share one text instead of each
    // allocating its own.
    if (!std::isfinite(value) || value == 0)
        return QStringLiteral("0");
    if (value == std::floor(value) && std::fabs(value) < 1e15)
        return QString::number(static_cast<qint64>(value));
    QString text = QString::number(value, 'g', 15);
    if (text.contains(QLatin1Char('e')))
        text = QString::number(value, 'f', 15);
    if (text.contains(QLatin1Char('.'))) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
    }
    return text;
}

char* writeTwips(char* first, char* last, float value)
{
    // Most positions are whole twips or quarters of one (icon sizes are multiples of a quarter);
    // below 2^19 such values have no shorter decimal that reads back the same, so they need no
    // search for the shortest digits.
    const float quarters = value * 4;
    if (quarters == std::trunc(quarters) && std::fabs(value) < 524288.0f) {
        const auto q = static_cast<qint64>(quarters);
        const qint64 magnitude = q < 0 ? -q : q;
        if (q < 0)
            *first++ = '-';
        first = std::to_chars(first, last, magnitude / 4).ptr;
        static const char* const fractions[] = {"", ".25", ".5", ".75"};
        for (const char* f = fractions[magnitude % 4]; *f; ++f)
            *first++ = *f;
        return first;
    }
    return std::to_chars(first, last, value).ptr;
}

QString formatTwips(float value)
{
    char buffer[64];
    char* end = writeTwips(buffer, buffer + sizeof buffer, value);
    return QString::fromLatin1(buffer, static_cast<int>(end - buffer));
}

} // namespace kw

namespace kw {

QStringView trimSpaces(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin) == QLatin1Char(' '))
        ++begin;
    while (end > begin && text.at(end - 1) == QLatin1Char(' '))
        --end;
    return text.sliced(begin, end - begin);
}

QString trimSpaces(const QString& text)
{
    const QStringView trimmed = trimSpaces(QStringView(text));
    return trimmed.size() == text.size() ? text : trimmed.toString();
}

} // namespace kw
