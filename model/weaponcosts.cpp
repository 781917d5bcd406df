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

WeaponFigures weaponMassAndCost(WeaponKind kind, const WeaponOptions& o)
{
    auto threeTimes = [](int mass) { return WeaponFigures{mass, 3 * mass}; };
    switch (kind) {
    case WeaponKind::BeamBattery:
        return threeTimes(batteryMass(o.batteryClass, o.arcCount));
    case WeaponKind::NeedleBeam:
    case WeaponKind::Missile:
        return {2, 6};
    case WeaponKind::PulseTorpedoTube:
        return threeTimes(o.arcCount + 3);
    case WeaponKind::SubmunitionsPack:
        return {1, 3};
    case WeaponKind::SalvoMissileRack:
        return threeTimes(o.salvoER ? 5 : 4);
    case WeaponKind::SalvoLauncher:
    case WeaponKind::OrtillerySystem:
        return {3, 9};
    case WeaponKind::SalvoMagazine:
        return threeTimes(o.magazineMass);
    case WeaponKind::MineLayer:
        return {o.mines + 2, 2 * o.mines + 6};
    }
    return {};
}

} // namespace kw
