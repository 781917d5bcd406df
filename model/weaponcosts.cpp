#include "model/weaponcosts.h"

namespace kw {

namespace {

int batteryMass(int batteryClass, int arcCount)
{
    if (batteryClass <= 1)
        return 1;
    if (batteryClass == 2)
        return arcCount == 3 ? 2 : 3;
    const int base = 1 << (batteryClass - 1);
    return base + (base / 4) * (arcCount - 1);
}

} // namespace

WeaponFigures weaponMassAndCost(const QString& weaponKind, const WeaponOptions& o)
{
    auto threeTimes = [](int mass) { return WeaponFigures{mass, 3 * mass}; };
    if (weaponKind == QLatin1String("Beam Battery"))
        return threeTimes(batteryMass(o.batteryClass, o.arcCount));
    if (weaponKind == QLatin1String("Needle Beam") || weaponKind == QLatin1String("Missile"))
        return {2, 6};
    if (weaponKind == QLatin1String("Pulse Torpedo Tube"))
        return threeTimes(o.arcCount + 3);
    if (weaponKind == QLatin1String("Submunitions Pack"))
        return {1, 3};
    if (weaponKind == QLatin1String("Salvo Missile Rack"))
        return threeTimes(o.salvoER ? 5 : 4);
    if (weaponKind == QLatin1String("Salvo Launcher") || weaponKind == QLatin1String("Ortillery System"))
        return {3, 9};
    if (weaponKind == QLatin1String("Salvo Magazine"))
        return threeTimes(o.magazineMass);
    if (weaponKind == QLatin1String("Mine Layer"))
        return {o.mines + 2, 2 * o.mines + 6};
    return {};
}

} // namespace kw
