#pragma once

#include <QList>

namespace kw {

class DisplayModel;
struct WeaponEntry;
struct ShipRecord;
struct IconArt;

// The icon counts the editor's fields hold when the icons are rebuilt.
struct IconCounts {
    qint64 fcs = 0;
    qint64 screens = 0;
    qint64 fighterBays = 0;
    qint64 pds = 0;
    qint64 adfc = 0;
    bool reflex = false;
    bool cloak = false;
    bool mineSweeper = false;
    bool nova = false;
    bool wave = false;
    bool ecm = false;
    bool areaEcm = false;
    qint64 cargo = 0;
    qint64 passengers = 0;
    int sensors = 0;
    qint64 dcps = 0;
    QList<int> hangars;
};

// Discards every icon and makes the complete set for the design in the holding box, in
// catalogue order, weapons last; each weapon's Number becomes its position.
void BuildSystemIcons(DisplayModel& display, const IconCounts& counts, QList<WeaponEntry>& weapons);

// The same icons with their places and sizes but without pictures.
void layoutSystemIcons(DisplayModel& display, const IconCounts& counts, QList<WeaponEntry>& weapons);

// Starts a new holding-box row when icon i would reach past the right margin.
void WrapHoldingRow(DisplayModel& display, int index);

// Icons read from a ship file lie on the display at their stored places.
void addLoadedSystemIcon(DisplayModel& display, const QString& code, float left, float top, const IconArt& art);
void addLoadedWeaponIcon(DisplayModel& display, const WeaponEntry& mount, float left, float top);

} // namespace kw
