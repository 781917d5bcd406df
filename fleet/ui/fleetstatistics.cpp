#include "fleet/ui/fleetstatistics.h"

#include "common/ui/fieldedit.h"
#include "common/ui/typedtext.h"
#include "fleet/ui/organizerlayout.h"

#include <QLabel>

namespace kw {

namespace {

struct Column {
    const char* heading;
    const char* box;
    const char* current;
    const char* left;
};
// In the order of FleetLimit.
constexpr Column kColumns[kFleetLimits] = {{"Fleet Mass:", "txtMass", "lblCMass", "lblAMass"},
                                           {"Fleet Points:", "txtPoints", "lblCPoints", "lblAPoints"},
                                           {"# of Ships:", "txtShips", "lblCShips", "lblAShips"}};
constexpr const char* kRowCaptions[] = {"Limit:", "Current:", "Left:"};

TwipRect cell(int column, float top)
{
    return {OrganizerLayout::columnLefts[column], top, OrganizerLayout::columnWidth, OrganizerLayout::rowHeight};
}

} // namespace

FleetStatistics::FleetStatistics(FleetOrganizer& organizer, QWidget* client) : QObject(client), m_organizer(organizer)
{
    using namespace OrganizerLayout;
    for (int row = 0; row < 3; ++row)
        label(client, QStringLiteral("lblRow_%1").arg(row), QString::fromLatin1(kRowCaptions[row]),
              {rowCaptionLeft, rowTops[row], rowCaptionWidth, rowHeight}, false);
    for (int i = 0; i < kFleetLimits; ++i) {
        const Column& column = kColumns[i];
        const auto which = static_cast<FleetLimit>(i);
        label(client, QStringLiteral("lblHeading_%1").arg(i), QString::fromLatin1(column.heading),
              cell(i, headingTop), false);
        auto* box = new FieldEdit(QString::fromLatin1(column.box), client);
        box->setGeometry(pixelRect(cell(i, rowTops[0])));
        bindTypedText(box, [this, which](const QString& text) { return m_organizer.typeLimitText(which, text); });
        box->setLeaveCheck([this, which] {
            m_organizer.leaveLimit(which);
            return true;
        });
        m_limits[i] = box;
        m_current[i] = label(client, QString::fromLatin1(column.current), QString(), cell(i, rowTops[1]), true);
        m_left[i] = label(client, QString::fromLatin1(column.left), QString(), cell(i, rowTops[2]), true);
    }
}

QLabel* FleetStatistics::label(QWidget* client, const QString& name, const QString& text, const TwipRect& place,
                               bool readout)
{
    auto* label = new QLabel(text, client);
    label->setObjectName(name);
    label->setGeometry(pixelRect(place));
    if (readout) {
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setIndent(3);
    }
    return label;
}

void FleetStatistics::mirror()
{
    for (int i = 0; i < kFleetLimits; ++i) {
        const auto which = static_cast<FleetLimit>(i);
        m_limits[i]->showText(m_organizer.limitText(which));
        m_current[i]->setText(m_organizer.currentText(which));
        m_left[i]->setText(m_organizer.leftText(which));
    }
}

void FleetStatistics::enterLimitBeingTyped()
{
    for (int i = 0; i < kFleetLimits; ++i) {
        if (m_limits[i]->hasFocus())
            m_organizer.leaveLimit(static_cast<FleetLimit>(i));
    }
}

} // namespace kw
