#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace kw {

struct WeaponEntry;

// The kinds of weapon mount, in the order the Add Weapon dialog lists them.
enum class WeaponKind {
    BeamBattery, NeedleBeam, PulseTorpedoTube, SubmunitionsPack, SalvoMissileRack, SalvoLauncher, SalvoMagazine,
    Missile, MineLayer, OrtillerySystem
};
constexpr int kWeaponKindCount = 10;

// The dialog's entries, in list order ("Salvo Missile Launcher", ...).
const QStringList& weaponKindEntries();

// The text a mount records as its kind ("Salvo Launcher"). A beam battery's mounts record their
// class instead (batteryKind); its text here is the one its figures are looked up by.
const QString& weaponKindText(WeaponKind kind);

// A beam battery mount's kind: "Class 3 Battery".
QString batteryKind(int batteryClass);
// What a battery's kind says between "Class " and " Battery" ("12"); empty when too short.
QString batteryClassText(const QString& mountKind);

// The kind a mount's text stands for: exactly one of the texts above, or any text ending in
// "Battery" for a beam battery. None for any other text.
std::optional<WeaponKind> weaponKindOf(const QString& mountKind);

// The details a salvo missile rack or a missile records for the option chosen.
inline constexpr QLatin1String kStandardDetails("STD");
inline constexpr QLatin1String kExtendedRangeDetails("ER");   // rack
inline constexpr QLatin1String kEmpDetails("EMP");            // missile
inline constexpr QLatin1String kNeedleDetails("Needle");      // missile

// Salvo links join a launcher to a magazine; no other mount takes part, not even a rack.
enum class SalvoEnd { None, Launcher, Magazine };
SalvoEnd salvoEndOf(const WeaponEntry& mount);

} // namespace kw
