#pragma once

#include "model/weaponentry.h"

#include <QString>

namespace kw {

struct SystemIcon;

// What an icon's picture shows besides its code: a cargo or passenger box's share, a hangar
// bay's capacity, or the weapon mount it stands for.
struct IconArt {
    int share = 0;              // "CSpace" / "PSpace"
    int capacity = 0;           // "Hangar"
    const WeaponEntry* mount = nullptr;
};

// Paints the icon's picture for its code and size (set before painting).
void paintIconPicture(SystemIcon& icon, const IconArt& art);

} // namespace kw
