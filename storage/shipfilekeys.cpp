#include "storage/shipfilekeys.h"

#include "storage/bytetext.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace kw {

namespace {

struct KeyName {
    std::string_view name;   // upper case
    ShipFileKey key;
};

using K = ShipFileKey;

// In byte order of the names, for the binary search below.
constexpr std::array kKeyNames = {
    KeyName{"ADFC", K::Adfc},
    KeyName{"AREAECM", K::AreaEcm},
    KeyName{"ARMOUR", K::Armour},
    KeyName{"CARGOSPACE", K::CargoSpace},
    KeyName{"CLASS", K::Class},
    KeyName{"CLOAKINGFIELD", K::CloakingField},
    KeyName{"CREWFACTOR", K::CrewFactor},
    KeyName{"CREWLINE1", K::CrewLine1},
    KeyName{"CREWLINE2", K::CrewLine2},
    KeyName{"CREWLINE3", K::CrewLine3},
    KeyName{"CREWLINE4", K::CrewLine4},
    KeyName{"DCPS", K::Dcps},
    KeyName{"FCS", K::Fcs},
    KeyName{"FIGHTERBAYS", K::FighterBays},
    KeyName{"FTL", K::Ftl},
    KeyName{"HANGARS", K::Hangars},
    KeyName{"HULLINTEGRITY", K::HullIntegrity},
    KeyName{"HULLPOINTS", K::HullPoints},
    KeyName{"HULLTRACK", K::HullTrack},
    KeyName{"LOCALISEDECM", K::LocalisedEcm},
    KeyName{"MD", K::Md},
    KeyName{"MINESWEEPER", K::MineSweeper},
    KeyName{"NAME", K::Name},
    KeyName{"NOVACANNON", K::NovaCannon},
    KeyName{"NPV", K::Npv},
    KeyName{"ORTILLERY", K::Ortillery},
    KeyName{"PASSENGERSPACE", K::PassengerSpace},
    KeyName{"PDSS", K::Pdss},
    KeyName{"PROTECTED", K::Protected},
    KeyName{"REFLEXFIELD", K::ReflexField},
    KeyName{"SALVOLINKS", K::SalvoLinks},
    KeyName{"SCREENS", K::Screens},
    KeyName{"SENSORS", K::Sensors},
    KeyName{"SIDE", K::Side},
    KeyName{"STREAMLINING", K::StreamLining},
    KeyName{"TMF", K::Tmf},
    KeyName{"WAVEGUN", K::WaveGun},
    KeyName{"WEAPONS", K::Weapons},
};

constexpr bool byName(const KeyName& a, const KeyName& b)
{
    return a.name < b.name;
}
static_assert(std::is_sorted(kKeyNames.begin(), kKeyNames.end(), byName));

} // namespace

ShipFileKey shipFileKey(QByteArrayView text)
{
    const UpperName upper(text);
    const KeyName wanted{upper.text(), K::Unknown};
    const auto* it = std::lower_bound(kKeyNames.begin(), kKeyNames.end(), wanted, byName);
    return it != kKeyNames.end() && it->name == wanted.name ? it->key : K::Unknown;
}

} // namespace kw
