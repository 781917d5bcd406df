#include "fleet/fleetcard.h"

#include <QStringList>

namespace kw {

QString shipDescription(const FleetShip& ship)
{
    const QStringList lines = {
        ship.Name + QLatin1Char(' ') + ship.Class,
        QStringLiteral("TMF: ") + QString::number(ship.TMF),
        QStringLiteral("NPV: ") + QString::number(ship.NPV),
        QStringLiteral("Hull: ") + ship.HullIntegrity + QStringLiteral(": ") + QString::number(ship.HullPoints),
        QStringLiteral("Armour: ") + QString::number(ship.Armour),
        QStringLiteral("Streamlining: ") + ship.StreamLining,
    };
    // Each line ends with a single carriage return, the last one too.
    return lines.join(QLatin1Char('\r')) + QLatin1Char('\r');
}

QString defaultNotes(const FleetShip& ship)
{
    return QStringLiteral("(T:%1)(P:%2)").arg(ship.TMF).arg(ship.NPV);
}

} // namespace kw
