#pragma once

#include "model/shipchoices.h"
#include "model/shipsystems.h"
#include "model/systemlabels.h"

#include <array>

namespace kw {

// What the calculation works from: the editor's fields as whole numbers and choices, and the
// systems fitted.
struct SystemInputs {
    qint64 tmf = 0;
    qint64 md = 0;
    FtlChoice ftl = FtlChoice::Standard;
    qint64 towCapacity = 0;
    HullIntegrity hull = HullIntegrity::Average;
    qint64 hullRating = 0;
    StreamliningChoice streamlining = StreamliningChoice::None;
    qint64 armour = 0;
    FittedSystems systems;
};

struct SystemFigure {
    double mass = 0;
    double cost = 0;
};

using SystemFigures = std::array<SystemFigure, kSystemLabelCount>;

// Mass and points of every system; each system's mass is rounded on its own, halves up.
SystemFigures computeSystemFigures(const SystemInputs& in);

// One hangar bay by the hangar row's rule, for the hangar editor; the capacity a mass holds is
// not rounded.
double hangarBayMass(double capacity);
double hangarBayPoints(double mass);
double hangarBayCapacity(double mass);

} // namespace kw
