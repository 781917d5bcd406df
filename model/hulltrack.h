#pragma once

#include <QList>
#include <array>

namespace kw {

struct ShipRecord;

// The damage track: hull boxes split into up to four rows, and the rows' crew-factor marks.
struct TrackLayout {
    std::array<int, 4> rows{};        // boxes per row
    QList<int> crewBoxes;             // mark i (1-based) at [i - 1]: 0-based position in its row
    std::array<int, 4> crewStart{};   // number of the row's first mark, 0 for none
    std::array<int, 4> crewLine{};    // marks per row
};

// Rows never grow from top to bottom; the spare boxes go to the upper rows.
std::array<int, 4> trackRows(int hullPoints);

// Marks are spread evenly along the track; a mark past the last box sits on the last box.
// A track without boxes or without crew carries no marks.
TrackLayout layoutTrack(int hullPoints, int crewFactor);

// Lays out the track from the design's hull points and crew and stores it in the record.
void applyTrackLayout(ShipRecord& ship);

} // namespace kw
