#pragma once

#include <QString>
#include <optional>

namespace kw {

// The folder that holds the program's own files (Ships, temp): KEELWRIGHT_HOME when set; else
// the executable's folder when it is a portable copy (it holds Ships already, or the marker
// file); else the per-user data folder. A build tree is no portable copy, so a clean rebuild
// never takes designs with it.
QString resolveProgramFolder();
// The same rule over given folders.
QString chooseProgramFolder(const QString& home, const QString& executableFolder, const QString& userDataFolder);
// The file that makes the executable's folder a portable program folder.
inline const QString kPortableMarker = QStringLiteral("Keelwright.portable");

QString shipsFolder(const QString& programFolder);
QString sidesFile(const QString& programFolder);
// The folder of a side, directly below Ships; nothing when the side cannot name one there (it
// breaks the side name rule or is too long for a folder name). Every path built from a side
// comes from here, and is checked once more after cleaning to lie directly inside Ships.
std::optional<QString> sideFolder(const QString& programFolder, const QString& side);
QString scratchFolder(const QString& programFolder);

} // namespace kw
