#include "shell/settings.h"

#include "common/apptitle.h"
#include "common/userprompts.h"

namespace kw {

QString applicationKey()
{
    return QStringLiteral("Software\\") + kAppTitle;
}

QString versionKey()
{
    return applicationKey() + QLatin1Char('\\') + kAppTitle;
}

QString prefsKey()
{
    return applicationKey() + QStringLiteral("\\Prefs");
}

QString recentFilesKey(RecentKind kind)
{
    return applicationKey() + (kind == RecentKind::Ships ? QStringLiteral("\\RecentShips") : QStringLiteral("\\RecentFleets"));
}

QString recentPlaceName(int place)
{
    return QStringLiteral("File%1").arg(place);
}

Settings::Settings(Registry& registry, UserPrompts& prompts) : m_registry(registry), m_prompts(prompts) {}

void Settings::report(const RegistryError& error) const
{
    const QString text = error.message();
    if (m_reported.contains(text))
        return;
    m_reported.insert(text);
    m_prompts.tell(text, PromptIcon::Exclamation);
}

QString Settings::read(const QString& subKey, const QString& name) const
{
    try {
        return m_registry.GetRegString(RegistryRoot::CurrentUser, subKey, name);
    } catch (const RegistryError&) {
        // A value missing from a key that exists reads as empty, like a missing key: a place or
        // a preference the user removed from the file is simply not set.
        return {};
    }
}

void Settings::write(const QString& subKey, const QString& name, const QString& value)
{
    try {
        m_registry.SetRegString(RegistryRoot::CurrentUser, subKey, name, value);
    } catch (const RegistryError& error) {
        report(error);
    }
}

QString Settings::GetPref(const QString& name) const
{
    return read(prefsKey(), name);
}

void Settings::SetPref(const QString& name, const QString& value)
{
    write(prefsKey(), name, value);
}

void Settings::SetAppValue(const QString& name, const QString& value)
{
    write(versionKey(), name, value);
}

QString Settings::storedVersion() const
{
    return read(versionKey(), kVersionValue);
}

void Settings::InitialiseSettings(const QString& version)
{
    SetAppValue(kVersionValue, version);
    for (int place = 1; place <= kRecentPlaces; ++place) {
        m_recentStore.writePlace(RecentKind::Ships, place, QString());
        m_recentStore.writePlace(RecentKind::Fleets, place, QString());
    }
}

QString Settings::RecentStore::readPlace(RecentKind kind, int place) const
{
    return m_settings.read(recentFilesKey(kind), recentPlaceName(place));
}

void Settings::RecentStore::writePlace(RecentKind kind, int place, const QString& path)
{
    m_settings.write(recentFilesKey(kind), recentPlaceName(place), path);
}

} // namespace kw
