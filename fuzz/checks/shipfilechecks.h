#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

namespace kw {
struct ShipFileData;
struct ShipRecord;
}

namespace kw::fuzz {

// What must hold for any bytes offered as a ship file. Each check returns what went wrong, or
// nothing; a crash, a hang or an unbounded allocation on the way is a failure as well, which
// the fuzzer's sanitizers and limits report.

// Opens ship files the way the editor does, one after the other in one editor, as a user who
// opens file after file. Each check also takes the design apart again as saving would.
class ShipFileOpening {
public:
    // The editor's program folder (its sides list) and the opened files live below `scratch`.
    explicit ShipFileOpening(const QString& scratch);
    ~ShipFileOpening();

    std::optional<QString> check(const QByteArray& bytes);

private:
    struct Parts;
    std::unique_ptr<Parts> m_parts;
};

// Reading, writing and reading again keeps the design: the icons with their codes and places,
// the systems, the weapon mounts, the hangar bays, the salvo links and every figure the file
// holds; writing what was written reads gives the same bytes again.
std::optional<QString> roundTripProblem(const QByteArray& bytes);

// The most icons the design's counts, flags, spaces, bays and mounts make.
qint64 allowedIcons(const ShipRecord& ship);

// The design a ship file holds, one line per fact, for comparing two readings.
QStringList designSummary(const ShipFileData& data);

} // namespace kw::fuzz
