#pragma once

#include "display/twips.h"
#include "model/systemcodes.h"
#include "model/weaponentry.h"

#include <QList>
#include <QString>

namespace kw {


struct IconSize {
    float width = kBaseIconTwips;
    float height = kBaseIconTwips;
};

// Size of a system icon by its code (not for weapons).
IconSize systemIconSize(const QString& code);

// Weapon icons are one base icon, except missiles (taller) and mine layers and salvo magazines,
// which are one base width per segment.
IconSize weaponIconSize(const WeaponEntry& mount);

// Segments of a multi-segment weapon icon: a salvo magazine has one per two mass (at least 1),
// a mine layer one per mine. Files can hold any number; the picture is kept to a sane width.
int magazineSegments(const QString& details);
int mineLayerSegments(const QString& details);
constexpr int kMaxIconSegments = 60;


} // namespace kw
