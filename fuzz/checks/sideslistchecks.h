#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace kw::fuzz {

// What must hold for any bytes found as the sides list of the program folder `programFolder`
// (which must exist): it reads, writing the names read gives the same list again, and every
// name that may become a side folder names one directly inside Ships.
std::optional<QString> sidesListProblem(const QByteArray& bytes, const QString& programFolder);

} // namespace kw::fuzz
