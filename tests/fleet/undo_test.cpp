// Undo and redo: every kind of step takes the whole fleet back to where it was and forward again.
#include "tests/fleet/fleetfixture.h"

#include <functional>

using namespace kw;
using kw::test::FleetTest;

namespace {

class UndoTest : public FleetTest {
protected:
    // Runs one user action (its typing committed as leaving the box does), then undoes it,
    // expecting the whole fleet as it was, and redoes it, expecting the fleet as the action
    // left it.
    void expectStep(const QString& action, const std::function<void()>& act)
    {
        const FleetState before = fleet.fleetState();
        act();
        fleet.commitTyping();
        const FleetState after = fleet.fleetState();
        ASSERT_FALSE(after == before) << action.toStdString();
        ASSERT_EQ(fleet.undoAction(), action);
        EXPECT_EQ(fleet.redoAction(), "");
        fleet.Undo();
        EXPECT_TRUE(fleet.fleetState() == before) << "undo " << action.toStdString();
        EXPECT_EQ(fleet.redoAction(), action);
        fleet.Redo();
        EXPECT_TRUE(fleet.fleetState() == after) << "redo " << action.toStdString();
        ++steps;
    }
    void drag(int k, QPointF to)
    {
        ASSERT_TRUE(fleet.moveOverCard(k, QPointF(15, 30), true));
        fleet.dropOnPage(to);
    }
    int undoAll()
    {
        int taken = 0;
        for (; !fleet.undoAction().isEmpty(); ++taken)
            fleet.Undo();
        return taken;
    }

    int steps = 0;
};

} // namespace

TEST_F(UndoTest, EveryKindOfStepGoesBackAndForwardAsOneStep)
{
    const FleetState empty = fleet.fleetState();
    expectStep("Add Ship", [this] { addFromSide("Hood"); });
    expectStep("Add Ship", [this] { addFromSide("Scout"); });
    expectStep("Add Ship", [this] { openOther(test::fleetShip("Cruiser")); });
    expectStep("Move Ships", [this] { drag(2, QPointF(6000, 4000)); });
    expectStep("Move Ships", [this] {
        ASSERT_TRUE(fleet.moveOverCard(3, QPointF(15, 30), true));
        fleet.dropOnCard(3, QPointF(45, 60));
    });
    expectStep("Change ID", [this] {
        fleet.typeCardId(2, "");
        fleet.typeCardId(2, "S");
        fleet.typeCardId(2, "S2");
    });
    expectStep("Change Name", [this] { fleet.typeCardName(1, "Flagship"); });
    expectStep("Change Notes", [this] { fleet.typeCardNotes(3, "fast, cheap"); });
    expectStep("Change Mass Limit", [this] {
        fleet.typeLimitText(FleetLimit::Mass, "5");
        fleet.typeLimitText(FleetLimit::Mass, "500");
        fleet.leaveLimit(FleetLimit::Mass);
    });
    expectStep("Change Ship Limit", [this] { fleet.enterLimit(FleetLimit::Ships, "4"); });
    // The middle ship goes: the later one is renumbered, and all of it comes back.
    const QImage scoutPicture = fleet.card(2).picture;
    expectStep("Remove Ship", [this] {
        fleet.chooseFleetEntry(1);
        fleet.Remove();
    });
    const FleetState done = fleet.fleetState();

    EXPECT_EQ(undoAll(), steps);
    EXPECT_TRUE(fleet.fleetState() == empty);
    EXPECT_EQ(fleet.undoAction(), "");
    while (!fleet.redoAction().isEmpty())
        fleet.Redo();
    EXPECT_TRUE(fleet.fleetState() == done);
    fleet.Undo();
    // The picture is the one the card had, not made again.
    EXPECT_EQ(fleet.card(2).picture.cacheKey(), scoutPicture.cacheKey());
    EXPECT_EQ(ids(), (QStringList{"1", "S2", "3"}));
    EXPECT_EQ(fleet.currentText(FleetLimit::Ships), "3");
}

TEST_F(UndoTest, WhatIsNoStep)
{
    addFromSide("Hood");
    addFromSide("Scout");
    const FleetState before = fleet.fleetState();
    // A drop that moves nothing, refused typing, typing taken back, a limit text that is no
    // number, a click or a scroll: the last step is still the second ship.
    ASSERT_TRUE(fleet.moveOverCard(2, QPointF(0, 0), true));
    fleet.dropOnCard(1, QPointF(10, 10));
    ASSERT_TRUE(fleet.moveOverCard(2, QPointF(15, 30), true));
    fleet.dropOnCard(2, QPointF(15, 30));
    fleet.typeCardId(1, "123");
    fleet.typeCardName(1, "Hoodx");
    fleet.typeCardName(1, "Hood");
    fleet.enterLimit(FleetLimit::Points, "abc");
    fleet.chooseFleetEntry(0);
    fleet.setScroll(10, 10);
    fleet.commitTyping();
    fleet.Remove();
    fleet.Undo();
    EXPECT_TRUE(fleet.fleetState() == before);
    EXPECT_EQ(fleet.undoAction(), "Add Ship");

    // Undo in the middle of a drag leaves the card where it was and takes back the last step.
    ASSERT_TRUE(fleet.moveOverCard(1, QPointF(15, 30), true));
    fleet.Undo();
    EXPECT_EQ(fleet.draggedCard(), 0);
    EXPECT_EQ(fleet.ShipCount(), 1);
    EXPECT_TRUE(fleet.card(1).stripVisible);
}

TEST_F(UndoTest, TypingIsOneStepUntilTheBoxIsLeftOrAnotherStepComes)
{
    addFromSide("Hood");
    fleet.typeCardName(1, "Hoo");
    fleet.typeCardName(1, "Hoot");
    // Undo would take back what is being typed, so nothing may be redone meanwhile.
    EXPECT_EQ(fleet.undoAction(), "Change Name");
    fleet.typeCardId(1, "A");
    fleet.typeLimitText(FleetLimit::Points, "9");
    addFromSide("Scout");
    fleet.typeCardNotes(2, "x");
    fleet.Undo(); // the notes being typed
    EXPECT_EQ(fleet.card(2).misc, "(T:40)(P:120)");
    EXPECT_EQ(fleet.redoAction(), "Change Notes");
    fleet.typeCardNotes(2, "y");
    EXPECT_EQ(fleet.redoAction(), "");

    // Each of them was a step of its own, in the order typed.
    QStringList taken;
    while (!fleet.undoAction().isEmpty()) {
        taken << fleet.undoAction();
        fleet.Undo();
    }
    EXPECT_EQ(taken, (QStringList{"Change Notes", "Add Ship", "Change Points Limit", "Change ID", "Change Name",
                                  "Add Ship"}));
    // The limit box held a text that was never entered: undo brings back its old text.
    EXPECT_EQ(fleet.limitText(FleetLimit::Points), "-1");
}

TEST_F(UndoTest, TheChangedMarkTheSelectionAndHowLongStepsLast)
{
    addFromSide("Hood");
    ASSERT_TRUE(saveAs(path("F/Alpha.flt")));
    EXPECT_EQ(fleet.undoAction(), "Add Ship") << "saving keeps the steps";
    addFromSide("Scout");
    fleet.chooseFleetEntry(1);
    fleet.pressRightOnCard(2, QPointF(5, 5));
    fleet.Undo();
    // Back at the fleet as saved, with nothing selected.
    EXPECT_FALSE(fleet.FleetChanged());
    EXPECT_EQ(fleet.selectedFleetEntry(), -1);
    EXPECT_EQ(fleet.selectTag(), -1);
    EXPECT_FALSE(fleet.selectionVisible());
    EXPECT_EQ(fleet.describedCard(), 0);
    fleet.Undo();
    EXPECT_TRUE(fleet.FleetChanged());
    fleet.Redo();
    EXPECT_FALSE(fleet.FleetChanged());

    // A fleet that cannot be opened leaves the steps; an opened or a new fleet has none.
    prompts.files = {path("nowhere.flt")};
    EXPECT_FALSE(fleet.Open());
    prompts.clear();
    EXPECT_EQ(fleet.undoAction(), "Add Ship");
    EXPECT_TRUE(fleet.OpenFleet(path("F/Alpha.flt")));
    EXPECT_EQ(fleet.undoAction() + fleet.redoAction(), "");
    fleet.typeCardName(1, "Renamed");
    prompts.answers = {PromptAnswer::No};
    EXPECT_TRUE(fleet.NewFleet());
    EXPECT_EQ(fleet.undoAction() + fleet.redoAction(), "");
}
