#include "model/hullclasses.h"

namespace kw {

namespace {

struct ClassRange {
    qint64 from;
    qint64 to;
    const char* names[3];
};

// Each row lists the names for masses from..to; rows cover the masses without gaps.
constexpr ClassRange kWarships[] = {
    {3, 7, {"Scout/Courier (SC)"}},
    {8, 10, {"Scout/Courier (SC)", "Corvette (CT)"}},
    {11, 13, {"Corvette (CT)"}},
    {14, 16, {"Corvette (CT)", "Frigate (FF)"}},
    {17, 23, {"Frigate (FF)"}},
    {24, 26, {"Frigate (FF)", "Destroyer (DD)"}},
    {27, 29, {"Destroyer (DD)"}},
    {30, 36, {"Destroyer (DD)", "Heavy Destroyer (HD)"}},
    {37, 39, {"Heavy Destroyer (HD)"}},
    {40, 49, {"Heavy Destroyer (HD)", "Light Cruiser (CL)"}},
    {50, 50, {"Heavy Destroyer (HD)", "Light Cruiser (CL)", "Escort Cruiser (E)"}},
    {51, 59, {"Light Cruiser (CL)", "Escort Cruiser (E)"}},
    {60, 60, {"Light Cruiser (CL)", "Escort Cruiser (E)", "Heavy Cruiser (CH)"}},
    {61, 70, {"Escort Cruiser (E)", "Heavy Cruiser (CH)"}},
    {71, 79, {"Heavy Cruiser (CH)"}},
    {80, 90, {"Heavy Cruiser (CH)", "Battlecruiser (BC)"}},
    {91, 99, {"Battlecruiser (BC)"}},
    {100, 110, {"Battlecruiser (BC)", "Battleship (BB)"}},
    {111, 119, {"Battleship (BB)"}},
    {120, 139, {"Battleship (BB)", "Battle Dreadnought (BDN)"}},
    {140, 140, {"Battleship (BB)", "Battle Dreadnought (BDN)", "Dreadnought (DN)"}},
    {141, 159, {"Battle Dreadnought (BDN)", "Dreadnought (DN)"}},
    {160, 160, {"Battle Dreadnought (BDN)", "Dreadnought (DN)", "Superdreadnought (SDN)"}},
    {161, 180, {"Dreadnought (DN)", "Superdreadnought (SDN)"}},
    {181, INT64_MAX, {"Superdreadnought (SDN)"}},
};

constexpr ClassRange kCarriers[] = {
    {80, 119, {"Escort Carrier (CVE)"}},
    {120, 140, {"Escort Carrier (CVE)", "Light Carrier (CVL)"}},
    {141, 149, {"Light Carrier (CVL)"}},
    {150, 159, {"Light Carrier (CVL)", "Attack Carrier (CVA)"}},
    {160, 180, {"Light Carrier (CVL)", "Heavy Carrier (CVA)", "Attack Carrier (CVA)"}},
    {181, INT64_MAX, {"Heavy Carrier (CVH)", "Attack Carrier (CVA)", "Super Carrier (CVS)"}},
};

template <std::size_t N>
void appendFor(const ClassRange (&table)[N], qint64 tmf, QStringList& out)
{
    for (const ClassRange& range : table) {
        if (tmf < range.from || tmf > range.to)
            continue;
        for (const char* name : range.names) {
            if (name)
                out << QString::fromLatin1(name);
        }
        return;
    }
}

} // namespace

QStringList GetClasses(ShipType type, qint64 tmf)
{
    if (isStation(type)) {
        return {QStringLiteral("Star Base (SB)"), QStringLiteral("Research Station (RS)"),
                QStringLiteral("Battle Station (BS)"), QStringLiteral("Outpost (O)"),
                QStringLiteral("Civilian Station(CS)"), QStringLiteral("Orbital Defence Platform (ODP)")};
    }
    QStringList classes;
    appendFor(kWarships, tmf, classes);
    appendFor(kCarriers, tmf, classes);
    return classes;
}

} // namespace kw
