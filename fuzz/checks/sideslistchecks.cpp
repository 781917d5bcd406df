#include "fuzz/checks/sideslistchecks.h"

#include "fuzz/checks/scratchfile.h"
#include "storage/programfolder.h"
#include "storage/sideslist.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace kw::fuzz {

std::optional<QString> sidesListProblem(const QByteArray& bytes, const QString& programFolder)
{
    QDir().mkpath(shipsFolder(programFolder));
    if (std::optional<QString> problem = writeScratchFile(sidesFile(programFolder), bytes))
        return problem;
    QStringList sides;
    QString error;
    if (!readSidesFile(programFolder, sides, &error))
        return QStringLiteral("the list was not read: %1").arg(error);

    // Folders are made, renamed and deleted by these names: none may reach beyond its own
    // folder directly below Ships.
    const QString ships = QDir::cleanPath(QFileInfo(shipsFolder(programFolder)).absoluteFilePath());
    for (const QString& side : sides) {
        const std::optional<QString> path = sideFolder(programFolder, side);
        if (!path)
            continue;
        const QFileInfo folder(*path);
        if (QDir::cleanPath(folder.absolutePath()) != ships || folder.fileName() != side)
            return QStringLiteral("the side \"%1\" names the folder %2").arg(side, folder.absoluteFilePath());
    }

    // The side-names editor writes back what it read; nothing may change on the way.
    if (!writeSides(programFolder, sides, &error))
        return QStringLiteral("the names read could not be written back: %1").arg(error);
    QStringList again;
    if (!readSidesFile(programFolder, again, &error))
        return QStringLiteral("the list written was not read: %1").arg(error);
    if (again != sides)
        return QStringLiteral("%1 names read, %2 after writing them and reading again (first \"%3\", then \"%4\")")
            .arg(sides.size())
            .arg(again.size())
            .arg(sides.value(0), again.value(0));
    return std::nullopt;
}

} // namespace kw::fuzz
