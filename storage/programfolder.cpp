#include "storage/programfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace kw {

QString resolveProgramFolder()
{
    return chooseProgramFolder(qEnvironmentVariable("KEELWRIGHT_HOME"), QCoreApplication::applicationDirPath(),
                               QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

QString chooseProgramFolder(const QString& home, const QString& executableFolder, const QString& userDataFolder)
{
    if (!home.isEmpty())
        return QDir::cleanPath(home);
    if (!executableFolder.isEmpty()
        && (QFileInfo(shipsFolder(executableFolder)).isDir() || QFileInfo::exists(executableFolder + QLatin1Char('/') + kPortableMarker)))
        return executableFolder;
    return userDataFolder;
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
