// The side browser, adding ships, and the page of cards: selecting, scrolling, dragging and the
// strip's texts.
#include "tests/fleet/fleetfixture.h"

using namespace kw;
using kw::test::FleetTest;

namespace {

constexpr double kTwipsPerMm = 1440 / 25.4;

class PageTest : public FleetTest {
protected:
    // Drags card k by the pointer at `grab` inside it and drops it with its top-left corner at
    // the place given in millimetres.
    void placeCard(int k, double leftMm, double topMm)
    {
        const QPointF grab(15, 30);
        ASSERT_TRUE(fleet.moveOverCard(k, grab, true));
        fleet.dropOnPage(QPointF(leftMm * kTwipsPerMm, topMm * kTwipsPerMm) + grab);
    }
};

} // namespace

// The window's tests click through the lists, drag with the mouse and read the description;
// here what they do not reach: the card a ship gets, rounding, what counts as a change.
TEST_F(PageTest, TheSidesAndTheirShips)
{
    EXPECT_EQ(fleet.sides(), (QStringList{"Blue", "Red"}));
    EXPECT_EQ(fleet.addFolder(), folder.ships() + "/Blue");
    EXPECT_EQ(fleet.selectedAddEntry(), -1);

    addFromSide("Cruiser");
    EXPECT_EQ(fleet.fleetList(), (QList<FleetListEntry>{{"Cruiser", 1}}));
    const FleetCard& card = fleet.card(1);
    EXPECT_EQ(QStringList({card.id, card.name, card.misc}), QStringList({"1", "Cruiser", "(T:300)(P:700)"}));
    EXPECT_EQ(QPointF(card.left, card.top), QPointF(0, 765));
    EXPECT_EQ(card.stripRect().top, 0);
    EXPECT_EQ(card.miscWidth(), card.width() - 60);
    EXPECT_EQ(card.description, "Cruiser Heavy Cruiser (CH)\rTMF: 300\rNPV: 700\rHull: Average - 30%: 90\r"
                                "Armour: 0\rStreamlining: None\r");
    EXPECT_TRUE(fleet.FleetChanged());

    // A side that cannot be a folder below Ships lists nothing; an empty list loads.
    folder.write("Ships/Sides.txt", "../Ships/Blue\r\n");
    fleet.Load();
    EXPECT_TRUE(fleet.addList().isEmpty());
    folder.write("Ships/Sides.txt", "");
    fleet.Load();
    EXPECT_TRUE(fleet.sides().isEmpty());
    EXPECT_EQ(fleet.sideIndex(), -1);
}

TEST_F(PageTest, OpenOtherLabelsTheShipByItsFirstNameLine)
{
    openOther(test::fleetShip("Odd"));
    EXPECT_EQ(prompts.dialogs.value(0).proposedName, "");
    // Its one mount has no icon, so its card gets no picture of a sheet that would leave it out.
    EXPECT_EQ(prompts.texts(), QStringList{"No picture could be made of the ship " + QDir::toNativeSeparators(test::fleetShip("Odd"))
                                           + ":\r\nThe System Display no longer matches the design.\r\n"
                                             "Press UpDate Stats and Display Ship and place the systems again."});
    prompts.clear();
    EXPECT_EQ(fleet.fleetList()[0].label, "Odd One");
    // The card reads every line, so the last name wins there.
    EXPECT_EQ(fleet.card(1).name, "Weapon Kind Taken As Name");
    EXPECT_EQ(fleet.card(1).description, "Weapon Kind Taken As Name Escort\rTMF: 0\rNPV: 0\rHull: : 12\rArmour: 0\r"
                                         "Streamlining: None\r");
    // Texts the program sets are not cut, and may be shortened by typing.
    EXPECT_EQ(fleet.typeCardName(1, "Weapon Kind Taken As Nam"), "Weapon Kind Taken As Nam");
    EXPECT_EQ(fleet.typeCardName(1, "Weapon Kind Taken As Name!"), "Weapon Kind Taken As Nam");

    const QString nameless = folder.write("elsewhere/Nameless.shp", "TMF=10\r\n");
    openOther(nameless);
    EXPECT_EQ(fleet.fleetList()[1].label, "Nameless.shp");

    prompts.files << std::nullopt;
    fleet.OpenOther();
    openOther(folder.path() + "/elsewhere/Gone.shp");
    EXPECT_EQ(prompts.texts(), QStringList{"File not Found"});
    EXPECT_EQ(fleet.ShipCount(), 2);
}

TEST_F(PageTest, SelectingScrollsToTheWholeMillimetreAndOnlyACardDroppedOnThePageIsAChange)
{
    addFromSide("Hood");
    addFromSide("Scout");
    placeCard(1, 200, 150);
    placeCard(2, 100.4, 80.6);
    // The margin taken off and rounded to a whole millimetre.
    fleet.chooseFleetEntry(1);
    EXPECT_EQ(fleet.hScroll(), 33);
    EXPECT_EQ(fleet.vScroll(), 17);

    fleet.chooseFleetEntry(0);
    const FleetCard& hood = fleet.card(1);
    EXPECT_EQ(fleet.selectTag(), 1);
    EXPECT_EQ(fleet.selectionRect(), QRect(qRound(hood.left / 15) - 1, qRound((hood.top - 765) / 15) - 1,
                                           hood.picture.width() + 2, 51 + hood.picture.height() + 2));
    // A click on the page hides the mark; the list keeps its entry.
    fleet.clickPage();
    EXPECT_FALSE(fleet.selectionVisible());
    EXPECT_EQ(fleet.selectedFleetEntry(), 0);

    // Only a card dropped on the page is a change.
    ASSERT_TRUE(saveAs(path("F/Alpha.flt")));

    // A plain move only remembers where the pointer is in the card, to the nearest twip.
    EXPECT_FALSE(fleet.moveOverCard(1, QPointF(10.4, 20.6), false));
    EXPECT_EQ(QPoint(fleet.GrabX(), fleet.GrabY()), QPoint(10, 21));
    EXPECT_EQ(fleet.draggedCard(), 0);

    ASSERT_TRUE(fleet.moveOverCard(1, QPointF(100, 200), true));
    EXPECT_FALSE(fleet.moveOverCard(1, QPointF(5, 5), true)) << "the grab stays while dragging";
    fleet.dropOnPage(QPointF(5000, 3000));
    EXPECT_EQ(QPointF(fleet.card(1).left, fleet.card(1).top), QPointF(4900, 2800));
    EXPECT_EQ(fleet.selectionRect().topLeft(), QPoint(qRound(4900 / 15.0) - 1, qRound((2800 - 765) / 15.0) - 1));
    EXPECT_TRUE(fleet.FleetChanged());

    // Dropped on another card or outside the page: the card stays, its strip comes back.
    ASSERT_TRUE(saveAs(path("F/Alpha.flt")));
    const QPointF scoutPlace(fleet.card(2).left, fleet.card(2).top);
    ASSERT_TRUE(fleet.moveOverCard(2, QPointF(0, 0), true));
    fleet.dropOnCard(1, QPointF(10, 10));
    ASSERT_TRUE(fleet.moveOverCard(2, QPointF(0, 0), true));
    fleet.endDragElsewhere();
    EXPECT_EQ(QPointF(fleet.card(2).left, fleet.card(2).top), scoutPlace);
    EXPECT_TRUE(fleet.card(2).stripVisible);
    EXPECT_EQ(fleet.draggedCard(), 0);
    EXPECT_FALSE(fleet.FleetChanged());
    fleet.dropOnPage(QPointF(500, 500));
    EXPECT_EQ(QPointF(fleet.card(2).left, fleet.card(2).top), scoutPlace) << "a drop without a drag moves nothing";
}

TEST_F(PageTest, WhatLiesWhereAndWhereADropLands)
{
    addFromSide("Hood");
    addFromSide("Scout");
    placeCard(2, 10, 20);
    const FleetCard& hood = fleet.card(1);
    const FleetCard& scout = fleet.card(2);
    const QPointF inHood(hood.left + 30, hood.top + 30);
    EXPECT_EQ(hitPage(fleet.cards(), inHood), (PageHit{PageHit::Kind::Picture, 1}));
    EXPECT_EQ(hitPage(fleet.cards(), QPointF(30, 30)), (PageHit{PageHit::Kind::Strip, 1}));
    EXPECT_EQ(hitPage(fleet.cards(), QPointF(14000, 9000)), PageHit{});
    // The later card lies over the earlier one; a picture's right and bottom edges are outside it.
    placeCard(2, 5, 10);
    EXPECT_EQ(hitPage(fleet.cards(), QPointF(scout.left + 1, hood.top + 1)), (PageHit{PageHit::Kind::Picture, 2}));
    EXPECT_EQ(hitPage(fleet.cards(), QPointF(scout.left - 1, hood.top + 1)), (PageHit{PageHit::Kind::Picture, 1}));
    placeCard(2, 150, 20);
    const QPointF inScout(scout.left + 30, scout.top + 30);

    // Where the drops land the window's tests show with the mouse; here the page's edges.
    EXPECT_EQ(fleet.dropTarget(QPointF(6000, 6000)), DropTarget::Elsewhere) << "nothing is dragged";
    ASSERT_TRUE(fleet.moveOverCard(1, QPointF(15, 30), true));
    EXPECT_EQ(hitPage(fleet.cards(), QPointF(30, 30)), PageHit{}) << "the dragged card's strip is hidden";
    EXPECT_EQ(fleet.dropTarget(QPointF(6000, 6000)), DropTarget::Page);
    EXPECT_EQ(fleet.dropTarget(QPointF(hood.left + 45, hood.top + 60)), DropTarget::DraggedCard);
    fleet.dropAt(QPointF(6000, 6000));
    EXPECT_EQ(QPointF(hood.left, hood.top), QPointF(5985, 5970));
    // On another card, on a strip, or off the page: it stays, with its strip back.
    for (const QPointF at : {inScout, QPointF(scout.left + 30, scout.top - 30), QPointF(-15, 300),
                             QPointF(15137, 300), QPointF(300, 10205)}) {
        ASSERT_TRUE(fleet.moveOverCard(1, QPointF(15, 30), true));
        EXPECT_EQ(fleet.dropTarget(at), DropTarget::Elsewhere);
        fleet.dropAt(at);
        EXPECT_EQ(QPointF(hood.left, hood.top), QPointF(5985, 5970));
        EXPECT_TRUE(hood.stripVisible);
        EXPECT_EQ(fleet.draggedCard(), 0);
    }
}

TEST_F(PageTest, TheStripsTexts)
{
    addFromSide("Hood");
    ASSERT_TRUE(saveAs(path("F/Alpha.flt")));
    EXPECT_EQ(fleet.typeCardId(1, "A,"), "A");
    EXPECT_TRUE(fleet.FleetChanged());
    EXPECT_EQ(fleet.typeCardName(1, ",Hood,"), "Hood");
    EXPECT_EQ(fleet.typeCardNotes(1, "fast, cheap, and a very long note indeed"),
              "fast, cheap, and a very long note indeed");
    EXPECT_EQ(fleet.typeCardNotes(1, "two\r\nlines"), "twolines");
    EXPECT_EQ(fleet.typeCardId(7, "X"), "");
}
