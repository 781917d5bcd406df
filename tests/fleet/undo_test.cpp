// Undo and redo: every kind of step takes the whole fleet back to where it was and forward again.
#include "tests/fleet/fleetfixture.h"

#include <functional>

using namespace kw;
using kw::test::FleetTest;

namespace {

class UndoTest : public FleetTest {
protected:
    // One user action (its typing committed as leaving the box does) undone gives the whole
    // fleet as it was, redone the fleet as the action left it.
    void expectStep(const QString& action, const std::function<void()>& act)
    {
        const FleetState before = fleet.fleetState();
        act();
        fleet.commitTyping();
        const FleetState after = fleet.fleetState();
        ASSERT_EQ(fleet.undoAction(), action);
        fleet.Undo();
        EXPECT_TRUE(fleet.fleetState() == before) << "undo " << action.toStdString();
        ASSERT_EQ(fleet.redoAction(), action);
        fleet.Redo();
        EXPECT_TRUE(fleet.fleetState() == after) << "redo " << action.toStdString();
    }
    void drag(int k, QPointF grab, QPointF to)
    {
        ASSERT_TRUE(fleet.moveOverCard(k, grab, true));
        fleet.dropOnPage(to);
    }
    QStringList undoAll()
    {
        QStringList taken;
        for (; !fleet.undoAction().isEmpty(); fleet.Undo())
            taken << fleet.undoAction();
        return taken;
    }
};

} // namespace

TEST_F(UndoTest, EveryKindOfStepGoesBackAndForwardAsOneStep)
{
    const FleetState empty = fleet.fleetState();
    expectStep("Add Ship", [this] { addFromSide("Hood"); });
    expectStep("Add Ship", [this] { openOther(test::fleetShip("Scout")); });
    expectStep("Add Ship", [this] { addFromSide("Cruiser"); });
    expectStep("Move Ships", [this] { drag(2, QPointF(15, 30), QPointF(6000, 4000)); });
    expectStep("Change ID", [this] {
        fleet.typeCardId(2, "");
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
    // The middle ship goes and the later one is renumbered; all of it comes back.
    const qint64 scoutPicture = fleet.card(2).picture.cacheKey();
    expectStep("Remove Ship", [this] {
        fleet.chooseFleetEntry(1);
        fleet.Remove();
    });
    const FleetState done = fleet.fleetState();

    EXPECT_EQ(undoAll().size(), 10);
    EXPECT_TRUE(fleet.fleetState() == empty);
    while (!fleet.redoAction().isEmpty())
        fleet.Redo();
    EXPECT_TRUE(fleet.fleetState() == done);
    fleet.Undo();
    EXPECT_EQ(fleet.card(2).picture.cacheKey(), scoutPicture) << "the picture is kept, not made again";
    EXPECT_EQ(ids(), (QStringList{"1", "S2", "3"}));
}

TEST_F(UndoTest, TypingIsOneStepPerBoxAndWhatChangesNothingIsNone)
{
    addFromSide("Hood");
    fleet.typeCardName(1, "Hoo");
    fleet.typeCardName(1, "Hoot");
    EXPECT_EQ(fleet.undoAction(), "Change Name");
    fleet.typeCardId(1, "A");
    fleet.typeCardId(1, "ABC");
    fleet.enterLimit(FleetLimit::Points, "abc");
    drag(1, QPointF(15, 30), QPointF(15, 765 + 30));
    // Undo in the middle of a drag lets the card go, then takes back the ID being typed.
    ASSERT_TRUE(fleet.moveOverCard(1, QPointF(15, 30), true));
    fleet.Undo();
    EXPECT_EQ(fleet.draggedCard(), 0);
    EXPECT_TRUE(fleet.card(1).stripVisible);
    EXPECT_EQ(fleet.redoAction(), "Change ID");
    fleet.typeCardNotes(1, "x");
    EXPECT_EQ(fleet.redoAction(), "") << "typing is a new step";
    fleet.typeCardNotes(1, "(T:120)(P:350)");
    EXPECT_EQ(undoAll(), (QStringList{"Change Name", "Add Ship"}));
}

TEST_F(UndoTest, TheChangedMarkTheSelectionAndHowLongStepsLast)
{
    addFromSide("Hood");
    ASSERT_TRUE(saveAs(path("F/Alpha.flt")));
    addFromSide("Scout");
    fleet.chooseFleetEntry(1);
    fleet.pressRightOnCard(2, QPointF(5, 5));
    fleet.Undo();
    // Back at the fleet as saved, with nothing selected.
    EXPECT_FALSE(fleet.FleetChanged());
    EXPECT_EQ(fleet.selectedFleetEntry(), -1);
    EXPECT_FALSE(fleet.selectionVisible());
    EXPECT_EQ(fleet.describedCard(), 0);
    fleet.Undo();
    EXPECT_TRUE(fleet.FleetChanged()) << "saving kept the steps";
    fleet.Redo();
    EXPECT_FALSE(fleet.FleetChanged());

    // A fleet that cannot be opened leaves the steps; an opened or a new fleet has none.
    prompts.files = {path("nowhere.flt")};
    EXPECT_FALSE(fleet.Open());
    EXPECT_EQ(fleet.undoAction(), "Add Ship");
    EXPECT_TRUE(fleet.OpenFleet(path("F/Alpha.flt")));
    EXPECT_EQ(fleet.undoAction() + fleet.redoAction(), "");
    fleet.typeCardName(1, "Renamed");
    prompts.answers = {PromptAnswer::No};
    EXPECT_TRUE(fleet.NewFleet());
    EXPECT_EQ(fleet.undoAction() + fleet.redoAction(), "");
}
