#include "common/ui/menuarray.h"

#include <QAction>
#include <QMenu>

namespace kw {

QList<QAction*> addMenuArray(QMenu* menu, const QString& prefix, int firstIndex, std::initializer_list<MenuEntry> entries)
{
    QList<QAction*> items;
    int index = firstIndex;
    for (const MenuEntry& entry : entries) {
        const QString caption = QString::fromLatin1(entry.caption);
        QAction* action = caption == QLatin1String("-") ? menu->addSeparator() : menu->addAction(caption);
        action->setObjectName(prefix + QLatin1Char('_') + QString::number(index++));
        action->setShortcut(entry.shortcut);
        items << action;
    }
    return items;
}

} // namespace kw
