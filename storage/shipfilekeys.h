#pragma once

#include <QByteArrayView>

namespace kw {

struct ShipSystemRow;

// The keys a ship file line can start with; any other key is Unknown and its line is skipped.
// The systems' keys come from the table of the design's systems.
enum class ShipFileKey {
    Unknown, Protected, Name, Class, Side, Tmf, Npv, Ftl, Md, Armour, HullPoints, HullIntegrity, HullTrack,
    StreamLining, CrewFactor, CrewLine1, CrewLine2, CrewLine3, CrewLine4, System, Weapons, SalvoLinks
};

struct ShipFileKeyHit {
    ShipFileKey key = ShipFileKey::Unknown;
    const ShipSystemRow* system = nullptr;   // a System key: the first system written under it
};

// The key a line's text before "=" names, compared without regard to case.
ShipFileKeyHit shipFileKey(QByteArrayView text);

} // namespace kw
