#include "fleet/fleetcard.h"

namespace kw {

QString shipDescription(const FleetShip& ship)
{
    const QChar br = QLatin1Char('\r');
    return ship.Name + QLatin1Char(' ') + ship.Class + br                                        //
        + QStringLiteral("TMF: ") + QString::number(ship.TMF) + br                               //
        + QStringLiteral("NPV: ") + QString::number(ship.NPV) + br                               //
        + QStringLiteral("Hull: ") + ship.HullIntegrity + QStringLiteral(": ") + QString::number(ship.HullPoints) + br
        + QStringLiteral("Armour: ") + QString::number(ship.Armour) + br                         //
        + QStringLiteral("Streamlining: ") + ship.StreamLining + br;
}

QString defaultNotes(const FleetShip& ship)
{
    return QStringLiteral("(T:%1)(P:%2)").arg(ship.TMF).arg(ship.NPV);
}

} // namespace kw
