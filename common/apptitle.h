#pragma once

#include <QString>

namespace kw {

// The application's own title: the title of every box without one of its own, and the name
// the settings are kept under.
inline const QString kAppTitle = QStringLiteral("Starmarch Keelwright");

} // namespace kw
