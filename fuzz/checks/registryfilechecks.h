#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace kw::fuzz {

// What must hold for any bytes found as the settings file: they are read or refused with a
// reason, and what is read is written and read back to the same keys and values.
std::optional<QString> registryFileProblem(const QByteArray& bytes);

} // namespace kw::fuzz
