#pragma once

#include <QByteArrayView>

namespace kw {

// The keys a ship file line can start with; any other key is Unknown and its line is skipped.
enum class ShipFileKey {
    Unknown, Protected, Name, Class, Side, Tmf, Npv, Ftl, Md, Armour, HullPoints, HullIntegrity, HullTrack,
    StreamLining, CrewFactor, CrewLine1, CrewLine2, CrewLine3, CrewLine4, Fcs, FighterBays, Screens, Adfc,
    Pdss, Dcps, Ortillery, ReflexField, CloakingField, LocalisedEcm, AreaEcm, NovaCannon, WaveGun,
    MineSweeper, Sensors, CargoSpace, PassengerSpace, Hangars, Weapons, SalvoLinks
};

// The key a line's text before "=" names, compared without regard to case.
ShipFileKey shipFileKey(QByteArrayView text);

} // namespace kw
