#pragma once

#include "storage/fleetfile.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

namespace kw {

// Saving a fleet: the fleet file and, in the fleet folder beside it (the fleet file's path
// without ".flt"), a copy of every ship file under the name its line gives. Everything is read
// and checked before anything on disk is touched, and nothing is removed that the fleet did
// not write.

// A ship of the fleet as it is to be saved: its line (field 4 is filled in by the plan) and the
// ship file it came from.
struct ShipToSave {
    FleetFileLine line;
    QString sourcePath;
};

struct FleetCopy {
    QString name;
    QByteArray bytes;
};

struct FleetSavePlan {
    QString fleetPath;
    QString folder;
    QByteArray fleetText;
    QList<FleetCopy> copies;
    QStringList stale; // copies of the fleet being replaced that are no longer needed
};

// The folder that travels with a fleet file.
QString fleetFolderOf(const QString& fleetPath);

// The name a ship file's copy takes in a fleet folder: its own, with commas and backslashes
// (which would break the fleet file's line) as ";" and characters the fleet file cannot hold
// as "_".
QString copyNameFor(const QString& shipFileName);

// Reads every ship file, names the copies (ships from one file, or from files of one name and
// the same content, share a copy; a different ship of a name already taken gets "Name (2).shp"),
// writes the fleet file's text and checks the folder. Returns the message that refuses the save
// (the plan is then of no use).
std::optional<QString> planFleetSave(const QString& fleetPath, QList<ShipToSave> ships, FleetSavePlan& plan);

// Writes the copies, then the fleet file, then removes the stale copies. Returns the message
// that says what failed, naming the path; a failure before the fleet file is written leaves the
// old fleet readable.
std::optional<QString> writeFleetSave(const FleetSavePlan& plan, bool* fleetWritten);

} // namespace kw
