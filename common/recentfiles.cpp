#include "common/recentfiles.h"

namespace kw {

namespace {

bool validPlace(int place)
{
    return place >= 1 && place <= kRecentPlaces;
}

} // namespace

QString MemoryRecentFileStore::readPlace(RecentKind kind, int place) const
{
    return validPlace(place) ? m_places[static_cast<int>(kind)][place - 1] : QString();
}

void MemoryRecentFileStore::writePlace(RecentKind kind, int place, const QString& path)
{
    if (validPlace(place))
        m_places[static_cast<int>(kind)][place - 1] = path;
}

void RecentFiles::AddRecentFile(const QString& path, RecentKind kind)
{
    // An empty path would read as an empty place at the head of the list.
    if (path.isEmpty() || path == m_store.readPlace(kind, 1))
        return;
    ChangeScope scope(m_notifiers[static_cast<int>(kind)]);
    const QStringList before = places(kind);
    // The first place holding the path or nothing takes the shift; with neither, the oldest.
    int stop = kRecentPlaces;
    for (int place = 1; place <= kRecentPlaces; ++place) {
        const QString& entry = before[place - 1];
        if (entry == path || entry.isEmpty()) {
            stop = place;
            break;
        }
    }
    for (int place = stop; place >= 2; --place)
        m_store.writePlace(kind, place, before[place - 2]);
    m_store.writePlace(kind, 1, path);
}

QString RecentFiles::GetRecentFile(int place, RecentKind kind) const
{
    return validPlace(place) ? m_store.readPlace(kind, place) : QString();
}

QStringList RecentFiles::places(RecentKind kind) const
{
    QStringList list;
    for (int place = 1; place <= kRecentPlaces; ++place)
        list << m_store.readPlace(kind, place);
    return list;
}

RecentMenu ShowRecentFiles(const QStringList& places)
{
    RecentMenu menu;
    for (int i = 0; i < kRecentPlaces; ++i) {
        const QString path = places.value(i);
        menu.items[i].visible = !path.isEmpty();
        if (!path.isEmpty())
            menu.items[i].caption = QStringLiteral("&%1.  ").arg(i + 1) + path;
    }
    // The menu is rebuilt from place 5 to place 1, so the first place has the last word.
    menu.enabled = !places.value(0).isEmpty();
    return menu;
}

} // namespace kw
