#include "common/ui/listmirror.h"

#include <QComboBox>
#include <QListWidget>
#include <QSignalBlocker>

namespace kw {

void showEntries(QComboBox* box, const QStringList& entries, int chosen)
{
    const QSignalBlocker block(box);
    QStringList shown;
    for (int i = 0; i < box->count(); ++i)
        shown << box->itemText(i);
    if (shown != entries) {
        box->clear();
        box->addItems(entries);
    }
    box->setCurrentIndex(chosen);
}

void showEntries(QListWidget* list, const QStringList& entries, int chosen)
{
    const QSignalBlocker block(list);
    bool same = list->count() == entries.size();
    for (int i = 0; same && i < list->count(); ++i)
        same = list->item(i)->text() == entries[i];
    if (!same) {
        list->clear();
        list->addItems(entries);
    }
    if (same && list->currentRow() == chosen && (chosen < 0 || list->item(chosen)->isSelected()))
        return;
    list->setCurrentRow(chosen);
    if (chosen < 0)
        list->clearSelection();
    else
        list->scrollToItem(list->item(chosen));
}

} // namespace kw
