#include "storage/fleetship.h"

#include "storage/bytetext.h"
#include "storage/codepage.h"
#include "storage/shipfileitems.h"

namespace kw {

FleetShip readFleetShip(QByteArrayView bytes)
{
    FleetShip ship;
    ByteLines lines(bytes);
    while (!lines.atEnd()) {
        const QByteArrayView line = lines.next();
        const qsizetype eq = line.indexOf('=');
        if (line.startsWith('#') || eq < 0)
            continue;
        const UpperName key(line.first(eq));
        const QByteArrayView value = line.sliced(eq + 1);
        const std::string_view name = key.text();
        if (name == "NAME") {
            ship.Name = decodeCodePage(value);
        } else if (name == "CLASS") {
            ship.Class = decodeCodePage(value);
        } else if (name == "TMF") {
            ship.TMF = readNumber32(value).value_or(ship.TMF);
        } else if (name == "NPV") {
            ship.NPV = readNumber32(value).value_or(ship.NPV);
        } else if (name == "ARMOUR") {
            ship.Armour = readCount16(value).value_or(ship.Armour);
        } else if (name == "HULLINTEGRITY") {
            ship.HullIntegrity = decodeCodePage(value);
        } else if (name == "HULLPOINTS") {
            ship.HullPoints = readCount16(value).value_or(ship.HullPoints);
        } else if (name == "STREAMLINING") {
            ship.StreamLining = decodeCodePage(value);
        }
    }
    return ship;
}

} // namespace kw
