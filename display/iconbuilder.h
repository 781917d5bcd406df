#pragma once

#include "model/shipsystems.h"

#include <QList>

namespace kw {

class DisplayModel;
struct WeaponEntry;
struct ShipRecord;
struct IconArt;
class IconPictureCache;

// Discards every icon and makes the complete set for the systems fitted in the holding box, in
// catalogue order, weapons last; each weapon's Number becomes its position.
void BuildSystemIcons(DisplayModel& display, const FittedSystems& systems, QList<WeaponEntry>& weapons);

// The same icons with their places and sizes but without pictures.
void layoutSystemIcons(DisplayModel& display, const FittedSystems& systems, QList<WeaponEntry>& weapons);

// Starts a new holding-box row when icon i would reach past the right margin.
void WrapHoldingRow(DisplayModel& display, int index);

// Lines up the icons of the holding box one after another in index order, rows wrapped as a
// rebuild fills it, and sizes its canvas to them.
void layOutHoldingBox(DisplayModel& display);

// Icons read from a ship file lie on the display at their stored places; icons alike share the
// cache's pictures.
void addLoadedSystemIcon(DisplayModel& display, const QString& code, float left, float top, const IconArt& art,
                         IconPictureCache& pictures);
void addLoadedWeaponIcon(DisplayModel& display, const WeaponEntry& mount, float left, float top,
                         IconPictureCache& pictures);

} // namespace kw
