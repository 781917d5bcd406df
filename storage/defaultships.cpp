#include "storage/defaultships.h"

#include "storage/filesaving.h"
#include "storage/programfolder.h"
#include "storage/sideslist.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace kw {

bool ensureShipsFolder(const QString& programFolder, QString* error)
{
    const QString ships = shipsFolder(programFolder);
    if (QFileInfo::exists(ships))
        return true;
    if (!QDir().mkpath(ships)) {
        if (error)
            *error = QStringLiteral("The folder %1 could not be created.").arg(QDir::toNativeSeparators(ships));
        return false;
    }
    const QString root = QStringLiteral(":/samples");
    QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = ships + source.mid(root.size());
        QDir().mkpath(QFileInfo(target).absolutePath());
        QFile in(source);
        if (!in.open(QIODevice::ReadOnly) || !saveFileAtomically(target, in.readAll(), error))
            return false;
    }
    // Every side in the list has its folder, samples or not.
    for (const QString& side : readSides(programFolder)) {
        if (isSideFolderName(side) && !createSideFolder(programFolder, side, error))
            return false;
    }
    return true;
}

} // namespace kw
