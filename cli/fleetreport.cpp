#include "cli/fleetreport.h"

#include "fleet/fleetorganizer.h"
#include "model/numbertext.h"

#include <QFileInfo>
#include <QJsonArray>

namespace kw {

namespace {

QJsonObject perLimit(const FleetOrganizer& organizer, qint64 (*value)(const FleetOrganizer&, FleetLimit))
{
    QJsonObject o;
    o[QStringLiteral("mass")] = value(organizer, FleetLimit::Mass);
    o[QStringLiteral("points")] = value(organizer, FleetLimit::Points);
    o[QStringLiteral("ships")] = value(organizer, FleetLimit::Ships);
    return o;
}

QString listLabelOf(const FleetOrganizer& organizer, int k)
{
    for (const FleetListEntry& entry : organizer.fleetList()) {
        if (entry.itemData == k)
            return entry.label;
    }
    return {};
}

QJsonObject shipJson(const FleetOrganizer& organizer, int k)
{
    const FleetCard& card = organizer.card(k);
    const FleetShip& ship = organizer.FleetShips()[k - 1];
    QJsonObject o;
    o[QStringLiteral("number")] = k;
    o[QStringLiteral("listLabel")] = listLabelOf(organizer, k);
    o[QStringLiteral("id")] = card.id;
    o[QStringLiteral("name")] = card.name;
    o[QStringLiteral("notes")] = card.misc;
    o[QStringLiteral("file")] = QFileInfo(ship.FileName).fileName();
    // Twips as the card holds them, without the noise a float gains on its way to a double.
    o[QStringLiteral("left")] = formatTwips(card.left).toDouble();
    o[QStringLiteral("top")] = formatTwips(card.top).toDouble();
    o[QStringLiteral("shipName")] = ship.Name;
    o[QStringLiteral("class")] = ship.Class;
    o[QStringLiteral("tmf")] = ship.TMF;
    o[QStringLiteral("npv")] = ship.NPV;
    o[QStringLiteral("hullIntegrity")] = ship.HullIntegrity;
    o[QStringLiteral("hullPoints")] = ship.HullPoints;
    o[QStringLiteral("armour")] = QString::number(ship.Armour);
    o[QStringLiteral("streamLining")] = ship.StreamLining;
    o[QStringLiteral("description")] = card.description;
    o[QStringLiteral("picture")] = QJsonObject{{QStringLiteral("width"), card.picture.width()},
                                               {QStringLiteral("height"), card.picture.height()}};
    return o;
}

} // namespace

QJsonObject fleetReportJson(const FleetOrganizer& organizer)
{
    QJsonObject o;
    o[QStringLiteral("shipCount")] = organizer.ShipCount();
    o[QStringLiteral("fleetMass")] = organizer.FleetMass();
    o[QStringLiteral("fleetPoints")] = organizer.FleetPoints();
    o[QStringLiteral("limits")] = perLimit(organizer,
                                           [](const FleetOrganizer& f, FleetLimit l) { return qint64{f.limit(l)}; });
    o[QStringLiteral("left")] = perLimit(
        organizer, [](const FleetOrganizer& f, FleetLimit l) { return f.leftText(l).toLongLong(); });
    o[QStringLiteral("error")] = organizer.readingError() ? QJsonValue(*organizer.readingError()) : QJsonValue();
    QJsonArray ships;
    for (int k = 1; k <= organizer.ShipCount(); ++k)
        ships.append(shipJson(organizer, k));
    o[QStringLiteral("ships")] = ships;
    return o;
}

} // namespace kw
