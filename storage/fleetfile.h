#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>

namespace kw {

// One ship line of a fleet file: seven fields separated by commas, the seventh running to the
// end of the line.
struct FleetFileLine {
    QString name;     // 1: the name the ship has in the fleet
    QString id;       // 2: its ID
    QString shipName; // 3: the ship's own name
    QString file;     // 4: its ship file's name in the fleet folder
    float left = 0;   // 5, 6: the card's place in twips
    float top = 0;
    std::optional<QString> notes; // 7: absent when the line stops after field 6

    bool operator==(const FleetFileLine&) const = default;
};

struct FleetFileContent {
    QList<FleetFileLine> ships; // the lines read, up to the first one that could not be
    bool faulty = false;        // reading stopped at a line it could not take
};

// Reads a fleet file's text. A first line that is not "Ships=N" gives no ships and no fault. A
// count that is not a number, fewer lines than the count, a line with fewer than five commas,
// a position that is not a number and a file field that is not a plain file name stop the
// reading with a fault; the lines before it are kept.
FleetFileContent readFleetFile(QByteArrayView bytes);

// Writes a fleet file: "Ships=N" and the lines, CR LF after each. Commas in fields 1 to 4
// become ";" and line breaks blanks, so the text always reads back as the same fields. False
// when a text has a character the code page cannot hold; `problem` then names it.
bool writeFleetFile(const QList<FleetFileLine>& ships, QByteArray& out, QString* problem = nullptr);

// The ship files an existing fleet file lists: field 4 of its lines 2 to N + 1 wherever that is
// a plain file name, whatever else is wrong with the file.
QStringList listedShipFiles(QByteArrayView bytes);

// Whether a name can only name a file directly inside its folder: not empty, no path
// separator, not "." or "..".
bool isPlainFileName(QStringView name);

// A number as fleet files and the limit boxes hold them: a decimal with optional sign,
// fraction and exponent, with blanks around it allowed.
std::optional<double> parseFleetNumber(QStringView text);

// The whole number a number text stands for, rounded half to even; nothing when the text is
// not a number or the whole number lies outside [min, max].
std::optional<qint64> roundedFleetNumber(QStringView text, qint64 min, qint64 max);

// Largest file accepted as a fleet file.
constexpr qint64 kMaxFleetFileBytes = 16 * 1024 * 1024;

} // namespace kw
