#include "storage/programfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace kw {

QString resolveProgramFolder()
{
    const QString home = qEnvironmentVariable("KEELWRIGHT_HOME");
    if (!home.isEmpty())
        return QDir::cleanPath(home);
    const QString exeFolder = QCoreApplication::applicationDirPath();
    if (!exeFolder.isEmpty() && QFileInfo(exeFolder).isWritable())
        return exeFolder;
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QString shipsFolder(const QString& programFolder)
{
    return programFolder + QStringLiteral("/Ships");
}

QString sidesFile(const QString& programFolder)
{
    return shipsFolder(programFolder) + QStringLiteral("/Sides.txt");
}

QString sideFolder(const QString& programFolder, const QString& side)
{
    return shipsFolder(programFolder) + QLatin1Char('/') + side;
}

QString scratchFolder(const QString& programFolder)
{
    return programFolder + QStringLiteral("/temp");
}

} // namespace kw
