#include "editor/ui/icontooltip.h"

#include <QHelpEvent>
#include <QToolTip>

namespace kw {

void showIconToolTip(QWidget* view, const QHelpEvent* event, const QString& description)
{
    if (description.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(event->globalPos(), description, view);
}

} // namespace kw
