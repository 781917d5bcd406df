#pragma once

#include "model/shipchoices.h"

#include <QList>
#include <QString>
#include <array>

namespace kw {

// The systems whose mass and points the editor shows beside their fields, in the order the
// calculation adds them up. The names are the suffixes of the editor's tmf.../npv... labels.
enum class SystemLabel {
    MD, FTL, FCS, HULL, SL, ARMOUR, SCREENS, REFLEX, CLOAK, MINESWEEPER, FIGHTERS, PDS, ADFC,
    CARGO, PASSANGER, NOVA, WAVE, ESENSORS, SUPSENSORS, ECM, AREAECM, DCP, HANGAR
};
constexpr int kSystemLabelCount = 23;

QString systemLabelName(SystemLabel label);

// What the editor's fields hold, as whole numbers, for the per-system figures.
struct SystemInputs {
    qint64 tmf = 0;
    qint64 md = 0;
    FtlChoice ftl = FtlChoice::Standard;
    qint64 towCapacity = 0;
    qint64 fcs = 0;
    HullIntegrity hull = HullIntegrity::Average;
    qint64 hullRating = 0;
    StreamliningChoice streamlining = StreamliningChoice::None;
    qint64 armour = 0;
    qint64 screens = 0;
    bool reflex = false;
    bool cloak = false;
    bool mineSweeper = false;
    qint64 fighterBays = 0;
    qint64 pds = 0;
    qint64 adfc = 0;
    qint64 cargo = 0;
    qint64 passengers = 0;
    bool nova = false;
    bool wave = false;
    int sensors = 0;
    bool ecm = false;
    bool areaEcm = false;
    qint64 dcps = 0;
    QList<int> hangars;
};

struct SystemFigure {
    double mass = 0;
    double cost = 0;
};

using SystemFigures = std::array<SystemFigure, kSystemLabelCount>;

// Mass and points of every system; each system's mass is rounded on its own, halves up.
SystemFigures computeSystemFigures(const SystemInputs& in);

} // namespace kw
