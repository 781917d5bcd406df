#include "display/displaymodel.h"
#include "display/placement.h"

#include <gtest/gtest.h>

using namespace kw;

namespace {

// Four placed icons of different sizes and one waiting in the holding box.
DisplayModel sampleDisplay()
{
    DisplayModel d;
    d.appendIcon("FC", IconContainer::Display, 300, 300, 157.5f, 157.5f);   // 1
    d.appendIcon("Screen", IconContainer::Display, 900, 450, 315, 315);     // 2
    d.appendIcon("0", IconContainer::Display, 1500, 600, 630, 315);         // 3
    d.appendIcon("Nova", IconContainer::Display, 600, 1200, 450, 765);      // 4
    d.appendIcon("DCP", IconContainer::HoldingBox, 300, 300, 315, 315);     // 5
    return d;
}

class PlacementTest : public ::testing::Test {
protected:
    TwipRect rect(int i) const { return d.icon(i).rect(); }

    DisplayModel d = sampleDisplay();
};

TEST_F(PlacementTest, BandSelectsTheSameIconsWhicheverWayItIsDrawn)
{
    const QPointF a(250, 250);
    const QPointF b(1600, 700);
    for (const auto& [from, to] : {std::pair{a, b}, {b, a}, {QPointF(a.x(), b.y()), QPointF(b.x(), a.y())},
                                   {QPointF(b.x(), a.y()), QPointF(a.x(), b.y())}}) {
        selectBand(d, from, to);
        EXPECT_EQ(d.SelectedIcons, (QList<int>{1, 2, 3})) << from.x() << "," << from.y();
        EXPECT_TRUE(d.SelectionActive);
    }
    // The holding box's icon 5 lies at (300, 300) of its own canvas and is never taken.
    selectBand(d, {0, 0}, {5000, 5000});
    EXPECT_EQ(d.SelectedIcons, (QList<int>{1, 2, 3, 4}));
}

TEST_F(PlacementTest, BandMustHoldTheTopLeftCornerStrictlyInside)
{
    selectBand(d, {300, 200}, {1000, 1000});   // icon 1's left edge lies on the band's edge
    EXPECT_EQ(d.SelectedIcons, (QList<int>{2}));
    selectBand(d, {200, 300}, {1000, 1000});   // its top edge on the band's edge
    EXPECT_EQ(d.SelectedIcons, (QList<int>{2}));
    selectBand(d, {200, 200}, {1000, 1000});
    EXPECT_EQ(d.SelectedIcons, (QList<int>{1, 2}));
    // Only the corner counts: a band over most of icon 4 but not its corner takes nothing.
    selectBand(d, {650, 1250}, {2000, 2500});
    EXPECT_TRUE(d.SelectedIcons.isEmpty());
    EXPECT_FALSE(d.SelectionActive);
}

TEST_F(PlacementTest, ShiftClicksAddAndRemoveAndTheLastStaysTheReference)
{
    clickSelect(d, 1, true);
    clickSelect(d, 3, true);
    clickSelect(d, 2, true);
    EXPECT_EQ(d.SelectedIcons, (QList<int>{1, 3, 2}));
    clickSelect(d, 3, true);   // later entries move down one place
    EXPECT_EQ(d.SelectedIcons, (QList<int>{1, 2}));
    QList<SelectionMarker> markers = selectionMarkers(d);
    ASSERT_EQ(markers.size(), 2);
    EXPECT_FALSE(markers[0].reference);
    EXPECT_TRUE(markers[1].reference);
    EXPECT_EQ(markers[1].icon, 2);

    clickSelect(d, 2, true);   // removing the reference makes the new last one solid
    markers = selectionMarkers(d);
    ASSERT_EQ(markers.size(), 1);
    EXPECT_EQ(markers[0].icon, 1);
    EXPECT_TRUE(markers[0].reference);

    clickSelect(d, 1, true);
    EXPECT_TRUE(d.SelectedIcons.isEmpty());
    EXPECT_FALSE(d.SelectionActive);
}

TEST_F(PlacementTest, PlainClickChoosesTheReferenceOrStartsAfresh)
{
    selectBand(d, {0, 0}, {5000, 5000});
    clickSelect(d, 2, false);   // selected: swaps places with the last entry
    EXPECT_EQ(d.SelectedIcons, (QList<int>{1, 4, 3, 2}));
    clickSelect(d, 2, false);
    EXPECT_EQ(d.SelectedIcons, (QList<int>{1, 4, 3, 2}));
    clickSelect(d, 5, false);   // in the holding box: not selectable
    EXPECT_EQ(d.SelectedIcons, (QList<int>{1, 4, 3, 2}));
    clearSelection(d);
    clickSelect(d, 3, false);
    clickSelect(d, 1, false);   // not selected: replaces the selection
    EXPECT_EQ(d.SelectedIcons, (QList<int>{1}));
    EXPECT_TRUE(d.SelectionActive);
    clickSelect(d, 99, false);
    clickSelect(d, 0, true);
    EXPECT_EQ(d.SelectedIcons, (QList<int>{1}));
}

TEST_F(PlacementTest, MarkersSurroundTheirIconsByOnePixel)
{
    clickSelect(d, 1, true);
    clickSelect(d, 3, true);
    const QList<SelectionMarker> markers = selectionMarkers(d);
    ASSERT_EQ(markers.size(), 2);
    EXPECT_EQ(markers[1].rect, QRect(99, 39, 44, 23));   // 1500,600 630x315 twips: 100,40 42x21 px
    EXPECT_EQ(markers[0].rect, QRect(19, 19, 13, 13));   // 157.5 twips are 10.5 px, rounded away from 0
    EXPECT_FALSE(markers[0].reference);
}

TEST_F(PlacementTest, DropsPutTheGrabPointUnderThePointer)
{
    // Grabbed 5 twips inside the left edge and dropped at (2005, 1010).
    dropOnDisplay(d, 5, {2005, 1010}, {5, 40});
    EXPECT_TRUE(d.icon(5).placed());
    EXPECT_EQ(rect(5), (TwipRect{2000, 970, 315, 315}));

    // Onto itself: a short move; onto another icon: nothing.
    EXPECT_TRUE(dropOnIcon(d, 2, 2, {100, 100}, {40, 40}));
    EXPECT_EQ(rect(2), (TwipRect{960, 510, 315, 315}));
    EXPECT_FALSE(dropOnIcon(d, 2, 3, {10, 10}, {0, 0}));
    EXPECT_EQ(rect(2), (TwipRect{960, 510, 315, 315}));

    // Back into the holding box: out of the selection too.
    clickSelect(d, 1, true);
    clickSelect(d, 2, true);
    dropInHoldingBox(d, 2, {500, 700}, {40, 40});
    EXPECT_FALSE(d.icon(2).placed());
    EXPECT_EQ(rect(2), (TwipRect{460, 660, 315, 315}));
    EXPECT_EQ(d.SelectedIcons, (QList<int>{1}));
    EXPECT_FALSE(dropOnIcon(d, 2, 2, {10, 10}, {0, 0}));   // not on the display
}

TEST_F(PlacementTest, NudgesMoveEverySelectedIconOnePixel)
{
    clickSelect(d, 1, true);
    clickSelect(d, 4, true);
    nudgeSelection(d, 1, 0);
    nudgeSelection(d, 0, -1);
    nudgeSelection(d, 0, -1);
    EXPECT_EQ(rect(1), (TwipRect{315, 270, 157.5f, 157.5f}));
    EXPECT_EQ(rect(4), (TwipRect{615, 1170, 450, 765}));
    EXPECT_EQ(rect(2), (TwipRect{900, 450, 315, 315}));
}

TEST_F(PlacementTest, AlignmentMeasuresFromTheReferenceWhichStaysPut)
{
    struct Case {
        Alignment alignment;
        float left1, top1;   // icon 1, 157.5 square
        float left4, top4;   // icon 4, 450 x 765
    };
    // Reference icon 3: left 1500, top 600, 630 x 315.
    const Case cases[] = {
        {Alignment::Tops, 300, 600, 600, 600},
        {Alignment::Middles, 300, 600 + 157.5f - 78.75f, 600, 600 + 157.5f - 382.5f},
        {Alignment::Bottoms, 300, 915 - 157.5f, 600, 915 - 765},
        {Alignment::Lefts, 1500, 300, 1500, 1200},
        {Alignment::Centers, 1500 + 315 - 78.75f, 300, 1500 + 315 - 225, 1200},
        {Alignment::Rights, 2130 - 157.5f, 300, 2130 - 450, 1200},
    };
    for (const Case& c : cases) {
        DisplayModel m = sampleDisplay();
        clickSelect(m, 1, true);
        clickSelect(m, 4, true);
        clickSelect(m, 3, true);
        ASSERT_TRUE(alignSelection(m, c.alignment));
        EXPECT_EQ(m.icon(1).left, c.left1) << static_cast<int>(c.alignment);
        EXPECT_EQ(m.icon(1).top, c.top1) << static_cast<int>(c.alignment);
        EXPECT_EQ(m.icon(4).left, c.left4) << static_cast<int>(c.alignment);
        EXPECT_EQ(m.icon(4).top, c.top4) << static_cast<int>(c.alignment);
        EXPECT_EQ(m.icon(3).rect(), (TwipRect{1500, 600, 630, 315}));
        EXPECT_EQ(m.icon(2).rect(), (TwipRect{900, 450, 315, 315}));
    }
    // One icon alone has nothing to align to.
    clickSelect(d, 2, true);
    EXPECT_FALSE(alignSelection(d, Alignment::Tops));
}

TEST_F(PlacementTest, HitsFindTheTopmostIconThenFixedPicturesThenBackground)
{
    d.appendIcon("PDS", IconContainer::Display, 1000, 500, 240, 240);   // 6, over icon 2
    EXPECT_EQ(placedIconAt(d, {1050, 550}), 6);
    EXPECT_EQ(placedIconAt(d, {915, 465}), 2);
    EXPECT_EQ(placedIconAt(d, {315, 315}), 1);
    EXPECT_EQ(placedIconAt(d, {299, 299}), 0);
    EXPECT_EQ(holdingIconAt(d, {315, 315}), 5);

    const SheetGeometry& g = d.sheet;
    EXPECT_EQ(hitDisplay(d, {g.bridge.left + 30, g.bridge.top + 30}).kind, DisplayHit::Kind::FixedPicture);
    EXPECT_EQ(hitDisplay(d, {g.ftl.left + 30, g.ftl.top + 30}).kind, DisplayHit::Kind::Background);   // no FTL shown
    d.hull.ftl = HullPicture::Ftl::Standard;
    EXPECT_EQ(hitDisplay(d, {g.ftl.left + 30, g.ftl.top + 30}).kind, DisplayHit::Kind::FixedPicture);
    const DisplayHit onIcon = hitDisplay(d, {1050, 550});
    EXPECT_EQ(onIcon.kind, DisplayHit::Kind::Icon);
    EXPECT_EQ(onIcon.icon, 6);
    EXPECT_EQ(hitDisplay(d, {3000, 100}).kind, DisplayHit::Kind::Background);
}

TEST_F(PlacementTest, RebuildingTheIconsEmptiesTheSelection)
{
    selectBand(d, {0, 0}, {5000, 5000});
    d.removeAllIcons();
    EXPECT_TRUE(d.SelectedIcons.isEmpty());
    EXPECT_FALSE(d.SelectionActive);
    EXPECT_TRUE(selectionMarkers(d).isEmpty());
    nudgeSelection(d, 1, 1);
    EXPECT_FALSE(alignSelection(d, Alignment::Lefts));
}

} // namespace
