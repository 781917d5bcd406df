#include "storage/programfolder.h"

#include "storage/sideslist.h"

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

std::optional<QString> sideFolder(const QString& programFolder, const QString& side)
{
    if (!isSideFolderName(side) || isTooLongForAFolder(side))
        return std::nullopt;
    const QString ships = QDir::cleanPath(shipsFolder(programFolder));
    const QString folder = QDir::cleanPath(ships + QLatin1Char('/') + side);
    const QString inside = folder.mid(ships.size() + 1);
    if (!folder.startsWith(ships + QLatin1Char('/')) || inside.isEmpty() || inside.contains(QLatin1Char('/')))
        return std::nullopt;
    return folder;
}

QString scratchFolder(const QString& programFolder)
{
    return programFolder + QStringLiteral("/temp");
}

} // namespace kw
