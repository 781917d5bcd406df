#pragma once

#include "model/shipchoices.h"

namespace kw {

struct CrewResult {
    int crew = 1;
    bool capped = false;   // the crew hit its ceiling; the mass field must be cut to cappedMass
    qint64 cappedMass = 0;
};

// Crew units for a mass: one per started divisor's worth, at least 1, at most kMaxCrew.
CrewResult crewFor(double massField, ShipType type);

} // namespace kw
