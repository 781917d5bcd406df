#include "storage/fleetfile.h"

#include "model/numbertext.h"
#include "storage/bytetext.h"
#include "storage/codepage.h"

#include <cmath>
#include <limits>

namespace kw {

namespace {

// Positions further out than this are not places on a page; the ship file's reader draws the
// same line.
constexpr double kFarthestTwips = 1.0e9;
constexpr int kFields = 7;

QStringView trimBlanks(QStringView text)
{
    while (!text.isEmpty() && (text.front() == u' ' || text.front() == u'\t'))
        text = text.sliced(1);
    while (!text.isEmpty() && (text.back() == u' ' || text.back() == u'\t'))
        text.chop(1);
    return text;
}

// The count of the first line: N for "Ships=N" (the key in any case), nothing when the line is
// no Ships line at all, and a fault when its count is not a number.
struct CountLine {
    bool isShipsLine = false;
    std::optional<qint64> count;
};

CountLine readCountLine(QByteArrayView line)
{
    CountLine result;
    const qsizetype eq = line.indexOf('=');
    if (line.startsWith('#') || eq < 0)
        return result;
    if (decodeCodePage(line.first(eq)).toUpper() != QLatin1String("SHIPS"))
        return result;
    result.isShipsLine = true;
    // However large, the count only bounds the loop over the lines there are.
    result.count = roundedFleetNumber(decodeCodePage(line.sliced(eq + 1)), std::numeric_limits<qint32>::min(),
                                      std::numeric_limits<qint32>::max());
    return result;
}

// Calls take(line) for the lines 2 to N + 1 there are, until it returns false; returns what
// the first line says.
template <typename Take>
CountLine forEachShipLine(QByteArrayView bytes, Take take)
{
    ByteLines lines(bytes);
    const CountLine first = lines.atEnd() ? CountLine() : readCountLine(lines.next());
    for (qint64 i = 1; first.count && i <= *first.count && !lines.atEnd(); ++i) {
        if (!take(lines.next()))
            break;
    }
    return first;
}

// Splits a line at its first six commas; fewer than five commas give nothing.
std::optional<QList<QStringView>> splitShipLine(QStringView line)
{
    QList<QStringView> fields;
    qsizetype start = 0;
    while (fields.size() < kFields - 1) {
        const qsizetype comma = line.indexOf(u',', start);
        if (comma < 0)
            break;
        fields << line.sliced(start, comma - start);
        start = comma + 1;
    }
    if (fields.size() < kFields - 2)
        return std::nullopt;
    fields << line.sliced(start);
    return fields;
}

std::optional<float> readPlace(QStringView text)
{
    const std::optional<double> v = parseFleetNumber(text);
    if (!v || std::fabs(*v) > kFarthestTwips)
        return std::nullopt;
    return static_cast<float>(*v);
}

std::optional<FleetFileLine> readShipLine(QByteArrayView bytes)
{
    const QString text = decodeCodePage(bytes);
    const std::optional<QList<QStringView>> fields = splitShipLine(text);
    if (!fields || !isPlainFileName(fields->at(3)))
        return std::nullopt;
    const std::optional<float> left = readPlace(fields->at(4));
    // With five commas the sixth field runs to the end of the line.
    const std::optional<float> top = readPlace(fields->at(5));
    if (!left || !top)
        return std::nullopt;
    FleetFileLine line;
    line.name = fields->at(0).toString();
    line.id = fields->at(1).toString();
    line.shipName = fields->at(2).toString();
    line.file = fields->at(3).toString();
    line.left = *left;
    line.top = *top;
    if (fields->size() == kFields)
        line.notes = fields->at(6).toString();
    return line;
}

// Commas would shift the fields of the line, line breaks would end it.
QString fieldText(const QString& text, bool commasAllowed)
{
    QString field = text;
    if (!commasAllowed)
        field.replace(QLatin1Char(','), QLatin1Char(';'));
    field.replace(QLatin1Char('\r'), QLatin1Char(' '));
    field.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return field;
}

} // namespace

std::optional<double> parseFleetNumber(QStringView text)
{
    return parseNumber(trimBlanks(text));
}

std::optional<qint64> roundedFleetNumber(QStringView text, qint64 min, qint64 max)
{
    const std::optional<double> v = parseFleetNumber(text);
    if (!v)
        return std::nullopt;
    const double whole = std::nearbyint(*v); // the default rounding mode: halves to even
    if (whole < static_cast<double>(min) || whole > static_cast<double>(max))
        return std::nullopt;
    return static_cast<qint64>(whole);
}

bool isPlainFileName(QStringView name)
{
    if (name.isEmpty() || name == u"." || name == u"..")
        return false;
    for (const QChar c : name) {
        if (c == u'/' || c == u'\\' || c == QChar(0))
            return false;
#ifdef Q_OS_WIN
        if (c == u':')
            return false;
#endif
    }
    return true;
}

FleetFileContent readFleetFile(QByteArrayView bytes)
{
    FleetFileContent content;
    const CountLine first = forEachShipLine(bytes, [&](QByteArrayView bytes) {
        const std::optional<FleetFileLine> line = readShipLine(bytes);
        if (line)
            content.ships << *line;
        return line.has_value();
    });
    // A count that is no number, a line that cannot be read and lines that end before the count
    // all stop the reading.
    content.faulty = first.isShipsLine && (!first.count || content.ships.size() < *first.count);
    return content;
}

QStringList listedShipFiles(QByteArrayView bytes)
{
    QStringList files;
    forEachShipLine(bytes, [&](QByteArrayView line) {
        const QStringList fields = decodeCodePage(line).split(QLatin1Char(','));
        if (fields.size() >= 4 && isPlainFileName(fields[3]))
            files << fields[3];
        return true;
    });
    return files;
}

bool writeFleetFile(const QList<FleetFileLine>& ships, QByteArray& out, QString* problem)
{
    QString text = QStringLiteral("Ships=%1\r\n").arg(ships.size());
    for (const FleetFileLine& ship : ships) {
        text += fieldText(ship.name, false) + QLatin1Char(',') + fieldText(ship.id, false) + QLatin1Char(',')
                + fieldText(ship.shipName, false) + QLatin1Char(',') + fieldText(ship.file, false) + QLatin1Char(',')
                + formatTwips(ship.left) + QLatin1Char(',') + formatTwips(ship.top);
        if (ship.notes)
            text += QLatin1Char(',') + fieldText(*ship.notes, true);
        text += QStringLiteral("\r\n");
    }
    if (encodeCodePage(text, out))
        return true;
    if (problem)
        *problem = QStringLiteral("the character \"%1\" cannot be stored in a fleet file").arg(firstUnencodable(text));
    return false;
}

} // namespace kw
