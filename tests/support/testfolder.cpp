#include "tests/support/testfolder.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QFileInfo>

namespace kw::test {

TestFolder::TestFolder(const QStringList& sides)
{
    QDir().mkpath(ships());
    QByteArray list;
    for (const QString& side : sides) {
        QDir().mkpath(ships() + QLatin1Char('/') + side);
        list += side.toLatin1() + "\r\n";
    }
    write(QStringLiteral("Ships/Sides.txt"), list);
}

QString TestFolder::write(const QString& relativePath, const QByteArray& bytes) const
{
    const QString full = m_dir.path() + QLatin1Char('/') + relativePath;
    QDir().mkpath(QFileInfo(full).absolutePath());
    QFile file(full);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return full;
}

QString dataFile(const QString& name)
{
    return QStringLiteral(KEELWRIGHT_TEST_DATA) + QLatin1Char('/') + name;
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

std::optional<QString> pdfInfo(const QString& path)
{
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdfinfo"));
    if (tool.isEmpty())
        return std::nullopt;
    QProcess info;
    info.start(tool, {path});
    info.waitForFinished();
    return QString::fromLatin1(info.readAllStandardOutput());
}

} // namespace kw::test
