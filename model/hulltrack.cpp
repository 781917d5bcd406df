#include "model/hulltrack.h"

#include "model/shiprecord.h"

namespace kw {

std::array<int, 4> trackRows(int hullPoints)
{
    std::array<int, 4> rows{};
    const int h = hullPoints;
    if (h <= 0)
        return rows;
    if (h < 4) {
        for (int r = 0; r < h; ++r)
            rows[r] = 1;
        return rows;
    }
    if (h % 4 == 0) {
        rows.fill(h / 4);
        return rows;
    }
    rows[3] = h / 4;
    const int rest = h - rows[3];
    if (rest % 3 == 0) {
        rows[0] = rows[1] = rows[2] = rest / 3;
        return rows;
    }
    rows[2] = rest / 3;
    const int upper = rest - rows[2];
    rows[0] = (upper + 1) / 2;
    rows[1] = upper / 2;
    return rows;
}

TrackLayout layoutTrack(int hullPoints, int crewFactor)
{
    TrackLayout track;
    track.rows = trackRows(hullPoints);
    const int boxes = track.rows[0] + track.rows[1] + track.rows[2] + track.rows[3];
    if (boxes <= 0 || crewFactor <= 0)
        return track;

    const int spacing = boxes % crewFactor == 0 ? boxes / crewFactor : boxes / crewFactor + 1;
    track.crewBoxes.reserve(crewFactor);
    for (int mark = 1; mark <= crewFactor; ++mark) {
        int box = qMin(static_cast<qint64>(spacing) * mark - 1, static_cast<qint64>(boxes - 1));
        int row = 0;
        while (box >= track.rows[row]) {
            box -= track.rows[row];
            ++row;
        }
        track.crewBoxes << box;
        ++track.crewLine[row];
        if (track.crewStart[row] == 0)
            track.crewStart[row] = mark;
    }
    return track;
}

void applyTrackLayout(ShipRecord& ship)
{
    const TrackLayout track = layoutTrack(ship.HullPoints, ship.CrewFactor);
    ship.HullTrack = track.rows;
    ship.CrewBoxes = track.crewBoxes;
    ship.CrewStart = track.crewStart;
    ship.CrewLine = track.crewLine;
}

} // namespace kw
