#include "model/numbertext.h"

#include <charconv>
#include <cmath>

namespace kw {

namespace {

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Checks the grammar by hand: this runs for every number of every ship file read.
bool looksLikeNumber(QStringView text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
        ++i;
    qsizetype digits = 0;
    while (i < n && isDigit(text[i])) {
        ++i;
        ++digits;
    }
    if (i < n && text[i] == QLatin1Char('.')) {
        ++i;
        while (i < n && isDigit(text[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return false;
    if (i < n && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
        ++i;
        if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
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

} // namespace

// Plain decimals with few digits are by far the most common numbers in ship files; their value
// is an exact integer divided by an exact power of ten, which the division rounds correctly.
std::optional<double> parsePlainDecimal(QStringView text)
{
    static constexpr double kPowers[] = {1, 10, 100, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    qsizetype i = 0;
    const qsizetype n = text.size();
    const bool negative = n > 0 && text[0] == QLatin1Char('-');
    if (negative || (n > 0 && text[0] == QLatin1Char('+')))
        ++i;
    qint64 mantissa = 0;
    int digits = 0;
    int decimals = -1;
    for (; i < n; ++i) {
        const char16_t c = text[i].unicode();
        if (c >= u'0' && c <= u'9') {
            if (++digits > 15)
                return std::nullopt;
            mantissa = mantissa * 10 + (c - u'0');
            if (decimals >= 0)
                ++decimals;
        } else if (c == u'.' && decimals < 0) {
            decimals = 0;
        } else {
            return std::nullopt;
        }
    }
    if (digits == 0)
        return std::nullopt;
    const double value = static_cast<double>(mantissa) / kPowers[decimals < 0 ? 0 : decimals];
    return negative ? -value : value;
}

std::optional<double> parseNumber(QStringView text)
{
    if (const std::optional<double> plain = parsePlainDecimal(text))
        return plain;
    // The grammar check leaves only ASCII, so the digits fit a small buffer.
    char buffer[64];
    if (text.isEmpty() || text.size() >= static_cast<qsizetype>(sizeof buffer) || !looksLikeNumber(text))
        return std::nullopt;
    qsizetype length = 0;
    for (QChar c : text) {
        if (c != QLatin1Char('+'))
            buffer[length++] = static_cast<char>(c.unicode());
    }
    double value = 0;
    const auto result = std::from_chars(buffer, buffer + length, value);
    if (result.ec != std::errc() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<qint64> parseWholeNumber(QStringView text, qint64 min, qint64 max)
{
    const qsizetype n = text.size();
    const bool negative = n > 0 && text[0] == QLatin1Char('-');
    const qsizetype first = negative ? 1 : 0;
    if (n == first || n - first > 18)
        return std::nullopt;
    qint64 value = 0;
    for (qsizetype i = first; i < n; ++i) {
        if (!isDigit(text[i]))
            return std::nullopt;
        value = value * 10 + (text[i].unicode() - '0');
    }
    if (negative)
        value = -value;
    if (value < min || value > max)
        return std::nullopt;
    return value;
}

QString formatNumber(double value)
{
    if (!std::isfinite(value))
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

QString trimSpaces(const QString& text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin) == QLatin1Char(' '))
        ++begin;
    while (end > begin && text.at(end - 1) == QLatin1Char(' '))
        --end;
    return text.mid(begin, end - begin);
}

} // namespace kw
