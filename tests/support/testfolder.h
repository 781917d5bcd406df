#pragma once

#include "tests/support/qtprinting.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <optional>

namespace kw::test {

// A throw-away program folder with a Ships folder, a sides list and one folder per side.
class TestFolder {
public:
    explicit TestFolder(const QStringList& sides = {QStringLiteral("Blue"), QStringLiteral("Red")});
    QString path() const { return m_dir.path(); }
    QString ships() const { return m_dir.path() + QStringLiteral("/Ships"); }
    // Writes a file below the folder and returns its full path.
    QString write(const QString& relativePath, const QByteArray& bytes) const;

private:
    QTemporaryDir m_dir;
};

// A fixture file below tests/data.
QString dataFile(const QString& name);
QByteArray readFile(const QString& path);
// What pdfinfo says of a PDF file ("Pages:", "Page size:"...), or nothing where poppler's tools
// are not installed.
std::optional<QString> pdfInfo(const QString& path);

} // namespace kw::test
