#include "shell/ui/desktoplinkopener.h"

#include <QDesktopServices>
#include <QUrl>

namespace kw {

void DesktopLinkOpener::OpenWithShell(const QString& target)
{
    // What becomes of the request is the desktop's business.
    QDesktopServices::openUrl(QUrl(target));
}

} // namespace kw
