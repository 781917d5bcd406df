#pragma once

#include <QString>

namespace kw {

// A program folder without a Ships folder gets the built-in one: the sides list, a folder per
// side and the sample designs. An existing Ships folder is never touched.
bool ensureShipsFolder(const QString& programFolder, QString* error);

} // namespace kw
