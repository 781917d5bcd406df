#pragma once

#include "common/recentfiles.h"
#include "shell/registry.h"

#include <QSet>
#include <QString>

namespace kw {

class UserPrompts;

// Where the program's own values live, below HKEY_CURRENT_USER.
QString applicationKey();   // "Software\Starmarch Keelwright"
QString versionKey();       // the application key, then the title again
QString prefsKey();         // the application key + "\Prefs"
QString recentFilesKey(RecentKind kind);   // + "\RecentShips" or "\RecentFleets"
QString recentPlaceName(int place);        // "File1" to "File5"

inline const QString kVersionValue = QStringLiteral("Version");
inline const QString kShipAssocPref = QStringLiteral("ShipAssoc");
inline const QString kFleetAssocPref = QStringLiteral("FleetAssoc");

// The program's settings over the registry layer. A value that cannot be read reads as empty;
// a value that cannot be written is reported to the user (each different failure once a run),
// and the program goes on without it.
class Settings {
public:
    Settings(Registry& registry, UserPrompts& prompts);

    QString GetPref(const QString& name) const;
    void SetPref(const QString& name, const QString& value);
    // A value under the application key's subkey named after the title ("Version").
    void SetAppValue(const QString& name, const QString& value);
    // The version that ran last; empty before the first run.
    QString storedVersion() const;
    // The first run: the version stored, both recent lists emptied place by place.
    void InitialiseSettings(const QString& version);

    // The recent-file lists' places, kept in "RecentShips" and "RecentFleets".
    RecentFileStore& recentFileStore() { return m_recentStore; }
    Registry& registry() const { return m_registry; }

    // Tells the user what failed, unless the same was told before in this run.
    void report(const RegistryError& error) const;

private:
    class RecentStore : public RecentFileStore {
    public:
        explicit RecentStore(Settings& settings) : m_settings(settings) {}
        QString readPlace(RecentKind kind, int place) const override;
        void writePlace(RecentKind kind, int place, const QString& path) override;

    private:
        Settings& m_settings;
    };

    QString read(const QString& subKey, const QString& name) const;
    void write(const QString& subKey, const QString& name, const QString& value);

    Registry& m_registry;
    UserPrompts& m_prompts;
    RecentStore m_recentStore{*this};
    mutable QSet<QString> m_reported;
};

} // namespace kw
