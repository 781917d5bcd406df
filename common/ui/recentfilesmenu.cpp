#include "common/ui/recentfilesmenu.h"

namespace kw {

RecentFilesMenu::RecentFilesMenu(const QString& title, RecentKind kind, QWidget* parent)
    : QMenu(title, parent), m_kind(kind)
{
    for (int i = 0; i < kRecentPlaces; ++i) {
        QAction* item = addAction(QString());
        item->setObjectName(QStringLiteral("mnuRecent_%1").arg(i));
        connect(item, &QAction::triggered, this, [this, i] { Q_EMIT itemChosen(i); });
    }
    rebuild();
}

void RecentFilesMenu::follow(const RecentFiles* files)
{
    if (files == m_files)
        return;
    disconnect(m_following);
    m_files = files;
    if (m_files)
        m_following = connect(&m_files->notifier(m_kind), &ChangeNotifier::changed, this, &RecentFilesMenu::rebuild);
    rebuild();
}

void RecentFilesMenu::rebuild()
{
    const RecentMenu menu = ShowRecentFiles(m_files ? m_files->places(m_kind) : QStringList());
    const QList<QAction*> items = actions();
    for (int i = 0; i < kRecentPlaces && i < items.size(); ++i) {
        items[i]->setText(menu.items[i].caption);
        items[i]->setVisible(menu.items[i].visible);
    }
    menuAction()->setEnabled(menu.enabled);
}

} // namespace kw
