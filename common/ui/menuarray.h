#pragma once

#include <QKeySequence>
#include <QList>
#include <QString>
#include <initializer_list>

class QAction;
class QMenu;

namespace kw {

// One item of a menu array: its caption ("-" for a separator) and its shortcut.
struct MenuEntry {
    const char* caption;
    QKeySequence shortcut = {};
};

// Appends the entries to the menu as items of one control array, with separators counted: the
// first is named prefix + "_" + firstIndex, the next firstIndex + 1, and so on.
QList<QAction*> addMenuArray(QMenu* menu, const QString& prefix, int firstIndex, std::initializer_list<MenuEntry> entries);

} // namespace kw
