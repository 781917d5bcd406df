#pragma once

#include "model/weaponkinds.h"

namespace kw {

// Options of the weapon being configured in the Add Weapon dialog.
struct WeaponOptions {
    int batteryClass = 1;      // 1 to 10
    int arcCount = 6;          // arcs the chosen arc picture covers
    bool salvoER = false;      // salvo missile rack: extended range
    int magazineMass = 2;      // salvo magazine: 2 to 30
    int mines = 1;             // mine layer: 1 to 10
};

struct WeaponFigures {
    int mass = 0;
    int cost = 0;
};

// Mass and points of one mount of the kind.
WeaponFigures weaponMassAndCost(WeaponKind kind, const WeaponOptions& options);

} // namespace kw
