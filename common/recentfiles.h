#pragma once

#include "common/changenotifier.h"

#include <QString>
#include <QStringList>
#include <array>

namespace kw {

// The two recent-file lists: 0 the ship files ("RecentShips"), 1 the fleet files ("RecentFleets").
enum class RecentKind { Ships = 0, Fleets = 1 };
inline constexpr int kRecentKinds = 2;
inline constexpr int kRecentPlaces = 5;

// Where the lists are kept: five places per kind, numbered 1 to 5, place 1 the most recent, an
// empty text for an empty place. The program keeps them with its settings.
class RecentFileStore {
public:
    virtual ~RecentFileStore() = default;
    virtual QString readPlace(RecentKind kind, int place) const = 0;
    virtual void writePlace(RecentKind kind, int place, const QString& path) = 0;
};

// A store that lives as long as the program runs.
class MemoryRecentFileStore : public RecentFileStore {
public:
    QString readPlace(RecentKind kind, int place) const override;
    void writePlace(RecentKind kind, int place, const QString& path) override;

private:
    std::array<std::array<QString, kRecentPlaces>, kRecentKinds> m_places;
};

// The recent-file lists over their store. Each list has its own change notice, so the window
// that shows a list rebuilds its menu exactly when that list is rewritten.
class RecentFiles {
public:
    explicit RecentFiles(RecentFileStore& store) : m_store(store) {}

    // Puts a path at the head of its list: a path already there moves up without being
    // repeated, and the oldest of five drops out. The head path again changes nothing.
    void AddRecentFile(const QString& path, RecentKind kind);
    // The path at place 1 to 5; empty for an empty place or a place outside the list.
    QString GetRecentFile(int place, RecentKind kind) const;
    // The five places in order.
    QStringList places(RecentKind kind) const;

    const ChangeNotifier& notifier(RecentKind kind) const { return m_notifiers[static_cast<int>(kind)]; }

private:
    RecentFileStore& m_store;
    std::array<ChangeNotifier, kRecentKinds> m_notifiers;
};

// What a recent-files submenu shows: one item per place, captioned "&1.  " and the path, the
// empty places hidden; the submenu is enabled only while place 1 holds a path.
struct RecentMenuItem {
    QString caption;
    bool visible = false;
};
struct RecentMenu {
    std::array<RecentMenuItem, kRecentPlaces> items;
    bool enabled = false;
};
RecentMenu ShowRecentFiles(const QStringList& places);

} // namespace kw
