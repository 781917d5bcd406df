#include "shell/endprogram.h"

#include "storage/programfolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace kw {

void EndProgram(const QString& programFolder)
{
    const QString temp = scratchFolder(programFolder);
    if (!QFileInfo(temp).isDir())
        return;
    // Read-only scratch files are removed too.
    QDirIterator it(temp, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        if (!QFileInfo(file).isSymLink())
            QFile::setPermissions(file, QFile::permissions(file) | QFileDevice::WriteOwner);
    }
    QDir(temp).removeRecursively();
}

} // namespace kw
