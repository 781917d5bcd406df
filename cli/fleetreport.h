#pragma once

#include <QJsonObject>

namespace kw {

class FleetOrganizer;

// The fleet held by the organizer as the JSON object of the command-line contract.
QJsonObject fleetReportJson(const FleetOrganizer& organizer);

} // namespace kw
