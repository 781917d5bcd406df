#pragma once

#include "fleet/fleetcard.h"
#include "storage/fleetship.h"

#include <QList>
#include <QString>
#include <array>

namespace kw {

inline constexpr int kFleetLimits = 3;

// What the user's edits change in a fleet, and so what undo brings back: the ships with their
// cards and list entries, the totals, the three limits and the statistics block as it shows
// them. Copies are cheap (the lists and pictures are shared until one side changes), so a step
// keeps a whole copy.
struct FleetState {
    QList<FleetShip> ships; // ship k at k - 1
    QList<FleetCard> cards;
    QList<FleetListEntry> fleetList;
    qint64 fleetMass = 0;
    qint64 fleetPoints = 0;
    std::array<int, kFleetLimits> limits{-1, -1, -1};
    // The limit boxes (txtMass...) and the labels of the rows Current (lblCMass...) and Left
    // (lblAMass...).
    std::array<QString, kFleetLimits> limitTexts;
    std::array<QString, kFleetLimits> currentTexts;
    std::array<QString, kFleetLimits> leftTexts;
    bool hasShips = false;

    bool operator==(const FleetState&) const = default;
};

// The names of the steps, as the Edit menu shows them after "&Undo" and "&Redo".
namespace FleetStep {
inline const QString AddShip = QStringLiteral("Add Ship");
inline const QString RemoveShip = QStringLiteral("Remove Ship");
inline const QString MoveShips = QStringLiteral("Move Ships");
inline const QString ChangeId = QStringLiteral("Change ID");
inline const QString ChangeName = QStringLiteral("Change Name");
inline const QString ChangeNotes = QStringLiteral("Change Notes");
// In the order of the limits: mass, points, ships.
inline const std::array<QString, kFleetLimits> ChangeLimit = {
    QStringLiteral("Change Mass Limit"), QStringLiteral("Change Points Limit"), QStringLiteral("Change Ship Limit")};
} // namespace FleetStep

} // namespace kw
