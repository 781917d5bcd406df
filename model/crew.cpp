#include "model/crew.h"

#include <cmath>

namespace kw {

CrewResult crewFor(double massField, ShipType type)
{
    const double x = massField / crewDivisor(type);
    double crew = std::floor(x);
    if (x != crew)
        crew += 1;
    CrewResult result;
    if (crew <= 0)
        crew = 1;
    if (crew > kMaxCrew) {
        result.crew = kMaxCrew;
        result.capped = true;
        result.cappedMass = crewCapMass(type);
        return result;
    }
    result.crew = static_cast<int>(crew);
    return result;
}

} // namespace kw
