#pragma once

#include "fleet/fleetorganizer.h"

#include <QObject>
#include <array>

class QLabel;
class QWidget;

namespace kw {

class FieldEdit;

// The statistics grid below the page: under the headings "Fleet Mass:", "Fleet Points:" and
// "# of Ships:", the row "Limit:" with the boxes txtMass, txtPoints and txtShips, the row
// "Current:" with lblCMass, lblCPoints and lblCShips, and the row "Left:" with lblAMass,
// lblAPoints and lblAShips. A limit is entered when its box loses the focus.
class FleetStatistics : public QObject {
    Q_OBJECT

public:
    FleetStatistics(FleetOrganizer& organizer, QWidget* client);

    void mirror();
    // A menu item or a key may act while a limit is still being typed: it is entered first,
    // as leaving its box would.
    void enterLimitBeingTyped();
    FieldEdit* limitBox(FleetLimit which) const { return m_limits[static_cast<int>(which)]; }

private:
    QLabel* label(QWidget* client, const QString& name, const QString& text, const TwipRect& place, bool readout);

    FleetOrganizer& m_organizer;
    std::array<FieldEdit*, kFleetLimits> m_limits{};
    std::array<QLabel*, kFleetLimits> m_current{};
    std::array<QLabel*, kFleetLimits> m_left{};
};

} // namespace kw
