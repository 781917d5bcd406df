#include "model/hulltrack.h"

#include <gtest/gtest.h>

using namespace kw;

TEST(HullTrack, RowsNeverGrowDownwards)
{
    EXPECT_EQ(trackRows(10), (std::array<int, 4>{3, 3, 2, 2}));
    EXPECT_EQ(trackRows(11), (std::array<int, 4>{3, 3, 3, 2}));
    EXPECT_EQ(trackRows(5), (std::array<int, 4>{2, 1, 1, 1}));
    EXPECT_EQ(trackRows(30), (std::array<int, 4>{8, 8, 7, 7}));
    EXPECT_EQ(trackRows(3), (std::array<int, 4>{1, 1, 1, 0}));
    EXPECT_EQ(trackRows(0), (std::array<int, 4>{0, 0, 0, 0}));
    for (int h = 1; h <= 132; ++h) {
        const auto rows = trackRows(h);
        EXPECT_EQ(rows[0] + rows[1] + rows[2] + rows[3], h);
        for (int r = 1; r < 4; ++r)
            EXPECT_LE(rows[r], rows[r - 1]) << h;
    }
}

TEST(HullTrack, CrewMarksSpreadAlongTheTrack)
{
    const TrackLayout thirty = layoutTrack(30, 5);
    EXPECT_EQ(thirty.crewBoxes, (QList<int>{5, 3, 1, 0, 6}));
    EXPECT_EQ(thirty.crewLine, (std::array<int, 4>{1, 1, 1, 2}));
    EXPECT_EQ(thirty.crewStart, (std::array<int, 4>{1, 2, 3, 4}));

    const TrackLayout full = layoutTrack(12, 12);
    EXPECT_EQ(full.crewBoxes, (QList<int>{0, 1, 2, 0, 1, 2, 0, 1, 2, 0, 1, 2}));

    // Spacing 2 on ten boxes: the sixth mark falls past the end and sits on the last box.
    const TrackLayout ten = layoutTrack(10, 6);
    EXPECT_EQ(ten.crewBoxes, (QList<int>{1, 0, 2, 1, 1, 1}));
    EXPECT_EQ(ten.crewLine, (std::array<int, 4>{1, 2, 1, 2}));
}

TEST(HullTrack, NoBoxesOrNoCrewMeansNoMarks)
{
    for (auto [hull, crew] : {std::pair{0, 5}, std::pair{30, 0}, std::pair{-3, 2}}) {
        const TrackLayout t = layoutTrack(hull, crew);
        EXPECT_TRUE(t.crewBoxes.isEmpty());
        EXPECT_EQ(t.crewLine, (std::array<int, 4>{}));
    }
    // More crew than boxes: every mark still lands on a box.
    const TrackLayout crowded = layoutTrack(2, 5);
    EXPECT_EQ(crowded.crewBoxes, (QList<int>{0, 0, 0, 0, 0}));
    EXPECT_EQ(crowded.crewLine, (std::array<int, 4>{1, 4, 0, 0}));
}
