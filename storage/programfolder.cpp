#include "storage/programfolder.h"

#include "storage/sideslist.h"

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
