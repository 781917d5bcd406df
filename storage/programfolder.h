#pragma once

#include <QString>
#include <optional>

namespace kw {

// The folder that holds the program's own files (Ships, temp): KEELWRIGHT_HOME when set; else
// the executable's folder when it is writable (a build tree or a portable copy); else the
// per-user data folder.
QString resolveProgramFolder();

QString shipsFolder(const QString& programFolder);
QString sidesFile(const QString& programFolder);
// The folder of a side, directly below Ships; nothing when the side cannot name one there (it
// breaks the side name rule or is too long for a folder name). Every path built from a side
// comes from here, and is checked once more after cleaning to lie directly inside Ships.
std::optional<QString> sideFolder(const QString& programFolder, const QString& side);
QString scratchFolder(const QString& programFolder);

} // namespace kw
