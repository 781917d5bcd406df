#pragma once

#include <QString>

namespace kw {

// The folder that holds the program's own files (Ships, temp): KEELWRIGHT_HOME when set; else
// the executable's folder when it is writable (a build tree or a portable copy); else the
// per-user data folder.
QString resolveProgramFolder();

QString shipsFolder(const QString& programFolder);
QString sidesFile(const QString& programFolder);
QString sideFolder(const QString& programFolder, const QString& side);
QString scratchFolder(const QString& programFolder);

} // namespace kw
