#include "shell/endprogram.h"

#include "storage/programfolder.h"

#include <QDir>

namespace kw {

void discardScratchFiles(const QString& programFolder)
{
    // rmdir refuses a folder that holds anything, so nothing of anyone's is lost.
    QDir(programFolder).rmdir(QDir(scratchFolder(programFolder)).dirName());
}

} // namespace kw
