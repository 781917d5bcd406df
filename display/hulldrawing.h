#pragma once

#include <QString>

namespace kw {

class DisplayModel;
struct ShipRecord;

// Draws armour, damage track, crew marks, drives, grid and streamlining caption from the
// stored track and the editor's drive and streamlining choices.
void DisplayHull(DisplayModel& display, const ShipRecord& ship, const QString& mainDriveText, int ftlIndex,
                 int streamliningIndex);

} // namespace kw
