#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <optional>

namespace kw::fuzz {

// Puts the input where the code under test reads it; says so when it cannot.
inline std::optional<QString> writeScratchFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        return QStringLiteral("the scratch file %1 could not be written").arg(path);
    return std::nullopt;
}

} // namespace kw::fuzz
