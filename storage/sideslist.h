#pragma once

#include <QString>
#include <QStringList>

namespace kw {

// The list of sides in Ships/Sides.txt: one name per line, in the order offered to the user.
// A missing or unreadable file gives an empty list.
QStringList readSides(const QString& programFolder);
// The same, telling a missing list (true, empty) from one that exists but cannot be read
// (false, with the reason).
bool readSidesFile(const QString& programFolder, QStringList& sides, QString* error);
bool writeSides(const QString& programFolder, const QStringList& sides, QString* error);

// Side folders below Ships. Each returns false with a reason a user can act on.
bool createSideFolder(const QString& programFolder, const QString& side, QString* error);
bool renameSideFolder(const QString& programFolder, const QString& from, const QString& to, QString* error);
bool deleteSideFolder(const QString& programFolder, const QString& side, QString* error);

// Side names become folder names: the ship name rule, and no "." or "..", which would name
// the Ships folder itself or the folder above it.
bool isValidSideName(const QString& trimmedName);
// Whether a side as the list or a ship file holds it (untrimmed) can have a folder of its own
// directly below Ships. Any path built from a side must pass this first (sideFolder does).
bool isSideFolderName(const QString& side);
// Whether a name is longer than a file system takes for one folder or file name.
bool isTooLongForAFolder(const QString& name);

} // namespace kw
