#include "shell/endprogram.h"

#include "common/scratchfolder.h"
#include "storage/programfolder.h"

#include <QDir>

namespace kw {

void discardScratchFiles(ScratchFolder& scratch, const QString& programFolder)
{
    scratch.cleanUp();
    // rmdir refuses a folder that holds anything, so nothing of anyone's is lost.
    QDir(programFolder).rmdir(QDir(scratchFolder(programFolder)).dirName());
}

} // namespace kw
