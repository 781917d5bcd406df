#pragma once

#include "common/recentfiles.h"

#include <QMenu>

namespace kw {

// A File menu's recent-files submenu: the items mnuRecent_0 to mnuRecent_4 as ShowRecentFiles
// lays them out, rebuilt whenever the list of its kind changes. Without a list it stays
// disabled.
class RecentFilesMenu : public QMenu {
    Q_OBJECT

public:
    RecentFilesMenu(const QString& title, RecentKind kind, QWidget* parent = nullptr);

    // The list to show; the menu follows its changes from now on.
    void follow(const RecentFiles* files);
    const RecentFiles* files() const { return m_files; }
    void rebuild();

Q_SIGNALS:
    // Item index (0 to 4) was chosen: it stands for place index + 1.
    void itemChosen(int index);

private:
    RecentKind m_kind;
    const RecentFiles* m_files = nullptr;
    QMetaObject::Connection m_following;
};

} // namespace kw
