#include "display/hulldrawing.h"

#include "display/displaymodel.h"
#include "model/numbertext.h"
#include "model/shiprecord.h"

namespace kw {

void DisplayHull(DisplayModel& display, const ShipRecord& ship, const QString& mainDriveText, int ftlIndex,
                 int streamliningIndex)
{
    HullPicture& hull = display.hull;
    hull.armourBoxes = qMax(0, ship.Armour);
    for (int r = 0; r < 4; ++r) {
        hull.trackRows[r] = qMax(0, ship.HullTrack[r]);
        hull.crewMarks[r].clear();
    }
    // Marks are taken in track order; a file may promise more than it lists, or list boxes
    // beyond its row, and such marks are simply not drawn.
    qsizetype mark = 0;
    for (int r = 0; r < 4; ++r) {
        for (int k = 0; k < ship.CrewLine[r] && mark < ship.CrewBoxes.size(); ++k, ++mark) {
            const int box = ship.CrewBoxes[mark];
            if (box >= 0 && box < hull.trackRows[r])
                hull.crewMarks[r] << box;
        }
    }

    const std::optional<double> md = parseNumber(mainDriveText);
    hull.mdShown = md && *md > 0;
    hull.mdText = hull.mdShown ? mainDriveText : QString();
    hull.ftl = ftlIndex == 1 ? HullPicture::Ftl::Standard
                             : (ftlIndex == 2 ? HullPicture::Ftl::Tug : HullPicture::Ftl::Hidden);
    hull.gridShown = true;
    hull.streamliningCaption = streamliningIndex == 2   ? QStringLiteral("Full Streamlining")
                               : streamliningIndex == 1 ? QStringLiteral("Partial Streamlining")
                                                        : QString();
}

} // namespace kw
