#pragma once

#include <QString>

namespace kw {

// The systems whose mass and points the editor shows beside their fields, in the order the
// calculation adds them up. The names are the suffixes of the editor's tmf.../npv... labels.
enum class SystemLabel {
    MD, FTL, FCS, HULL, SL, ARMOUR, SCREENS, REFLEX, CLOAK, MINESWEEPER, FIGHTERS, PDS, ADFC,
    CARGO, PASSANGER, NOVA, WAVE, ESENSORS, SUPSENSORS, ECM, AREAECM, DCP, HANGAR
};
constexpr int kSystemLabelCount = 23;

QString systemLabelName(SystemLabel label);

} // namespace kw
