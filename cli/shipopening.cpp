#include "cli/shipopening.h"

#include "cli/clioutput.h"

namespace kw {

int openShip(OpenedShip& opened, const QString& path)
{
    opened.editor.Load();
    opened.prompts.messages.clear();
    if (!opened.editor.OpenShip(path)) {
        const QString why = opened.prompts.messages.isEmpty() ? QStringLiteral("cannot open")
                                                              : opened.prompts.messages.last();
        return refuse(
            QStringLiteral("%1: %2").arg(path, QString(why).replace(QStringLiteral("\r\n"), QStringLiteral(" "))));
    }
    return -1;
}

} // namespace kw
