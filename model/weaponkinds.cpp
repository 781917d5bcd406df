#include "model/weaponkinds.h"

#include "model/weaponentry.h"

#include <array>

namespace kw {

namespace {

// The dialog's entry and the mount's text, where the two differ.
struct KindTexts {
    QString entry;
    QString text;
};

const std::array<KindTexts, kWeaponKindCount>& kindTexts()
{
    static const std::array<KindTexts, kWeaponKindCount> texts{{
        {QStringLiteral("Beam Battery"), QStringLiteral("Beam Battery")},
        {QStringLiteral("Needle Beam"), QStringLiteral("Needle Beam")},
        {QStringLiteral("Pulse Torpedo Tube"), QStringLiteral("Pulse Torpedo Tube")},
        {QStringLiteral("Submunitions Pack"), QStringLiteral("Submunitions Pack")},
        {QStringLiteral("Salvo Missile Rack"), QStringLiteral("Salvo Missile Rack")},
        {QStringLiteral("Salvo Missile Launcher"), QStringLiteral("Salvo Launcher")},
        {QStringLiteral("Salvo Missile Magazine"), QStringLiteral("Salvo Magazine")},
        {QStringLiteral("Missile"), QStringLiteral("Missile")},
        {QStringLiteral("Mine Layer"), QStringLiteral("Mine Layer")},
        {QStringLiteral("Ortillery System"), QStringLiteral("Ortillery System")},
    }};
    return texts;
}

const QString kBatteryEnding = QStringLiteral("Battery");

} // namespace

const QStringList& weaponKindEntries()
{
    static const QStringList entries = [] {
        QStringList list;
        for (const KindTexts& kind : kindTexts())
            list << kind.entry;
        return list;
    }();
    return entries;
}

const QString& weaponKindText(WeaponKind kind)
{
    return kindTexts()[static_cast<std::size_t>(kind)].text;
}

QString batteryKind(int batteryClass)
{
    return QStringLiteral("Class %1 Battery").arg(batteryClass);
}

QString batteryClassText(const QString& mountKind)
{
    // "Class " is six characters and " Battery" eight.
    return mountKind.size() > 14 ? mountKind.mid(6, mountKind.size() - 14) : QString();
}

std::optional<WeaponKind> weaponKindOf(const QString& mountKind)
{
    for (int k = 0; k < kWeaponKindCount; ++k) {
        if (mountKind == kindTexts()[k].text)
            return static_cast<WeaponKind>(k);
    }
    if (mountKind.endsWith(kBatteryEnding))
        return WeaponKind::BeamBattery;
    return std::nullopt;
}

SalvoEnd salvoEndOf(const WeaponEntry& mount)
{
    if (mount.Kind == weaponKindText(WeaponKind::SalvoLauncher))
        return SalvoEnd::Launcher;
    if (mount.Kind == weaponKindText(WeaponKind::SalvoMagazine))
        return SalvoEnd::Magazine;
    return SalvoEnd::None;
}

} // namespace kw
