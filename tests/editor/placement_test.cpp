#include "display/placement.h"
#include "editor/keyboardmover.h"
#include "tests/editor/editorfixture.h"
#include "tests/editor/salvodesign.h"

using namespace kw;
using namespace kw::test;

namespace {

// A frigate with three systems and a launcher and magazine, every icon on the display.
class PlacementEditorTest : public EditorTest {
protected:
    PlacementEditorTest()
    {
        designVigilant();
        type(NumericField::FCS, "1");
        type(NumericField::Screens, "1");
        type(NumericField::DCP, "1");
        addSalvoMounts(editor, 1, 1);
        editor.UpdateShip(true);
        placeAllIcons(editor);
        EXPECT_FALSE(editor.lastWarning().has_value());
        EXPECT_TRUE(editor.display().allPlaced());
        prompts.clear();
    }

    TwipRect rect(int i) const { return editor.display().icon(i).rect(); }
    const QList<int>& selected() const { return editor.display().SelectedIcons; }

    static constexpr QPointF kGrab{5, 5};
};

// A locked ship selects and aligns but does not drag; linking takes the clicks and stops both.
TEST_F(PlacementEditorTest, LockingAndLinkingStopDrags)
{
    editor.setShip_Locked(true);
    EXPECT_FALSE(editor.canDragIcons());
    editor.clickIcon(1, false);
    editor.clickIcon(2, true);
    EXPECT_EQ(selected(), (QList<int>{1, 2}));
    EXPECT_TRUE(editor.alignmentMenuAvailable());

    const TwipRect before = rect(1);
    editor.dropIconOnIcon(1, 1, {50, 50}, kGrab);
    editor.dropIconInHoldingBox(1, {100, 100}, kGrab);
    EXPECT_EQ(rect(1), before);
    EXPECT_TRUE(editor.display().icon(1).placed());

    editor.align(Alignment::Lefts);
    EXPECT_EQ(rect(1).left, rect(2).left);

    editor.setShip_Locked(false);
    editor.startLink();
    ASSERT_EQ(editor.editMode(), EditMode::Linking);
    EXPECT_FALSE(editor.canDragIcons());
    EXPECT_FALSE(editor.alignmentMenuAvailable());
    editor.clickIcon(3, false);   // the DCP icon: no link end, and no selection either
    EXPECT_EQ(selected(), (QList<int>{1, 2}));
    const TwipRect fourth = rect(4);
    editor.dropIconOnDisplay(4, {3000, 3000}, kGrab);
    EXPECT_EQ(rect(4), fourth);
    EXPECT_EQ(editor.editMode(), EditMode::Linking);
}

TEST_F(PlacementEditorTest, AligningOneIconSaysSoAndMovesNothing)
{
    editor.clickIcon(2, false);
    EXPECT_FALSE(editor.alignmentMenuAvailable());
    const TwipRect before = rect(2);
    editor.align(Alignment::Tops);
    EXPECT_EQ(prompts.texts(), QStringList{"You must have more than 1 system selected"});
    EXPECT_EQ(prompts.asked[0].buttons, PromptButtons::Ok);
    EXPECT_EQ(prompts.asked[0].icon, PromptIcon::None);
    EXPECT_EQ(prompts.asked[0].title, kAppTitle);
    EXPECT_EQ(rect(2), before);
}

TEST_F(PlacementEditorTest, TheMoveTimerRepeatsKeyDownsAndStopsOnAnyOtherKeyOrNoSelection)
{
    KeyboardMover mover(editor);
    EXPECT_EQ(mover.timer().objectName(), "tmrMove_Sys_KB");
    EXPECT_EQ(mover.timer().interval(), 100);
    EXPECT_FALSE(mover.keyDown(Qt::Key_Right));   // nothing selected: the keys do nothing
    EXPECT_FALSE(mover.moving());

    // The window's tests hold a key down over ticks; here the key-downs a held key repeats and
    // what else ends the move.
    editor.clickIcon(1, false);
    editor.clickIcon(2, true);
    const TwipRect two = rect(2);
    EXPECT_TRUE(mover.keyDown(Qt::Key_Right));
    mover.tick();
    EXPECT_TRUE(mover.keyDown(Qt::Key_Right));   // a repeated key-down moves once more
    EXPECT_EQ(rect(2).left, two.left + 45);
    mover.keyUp(Qt::Key_Right);
    EXPECT_EQ(mover.MoveKey(), -1);

    mover.keyDown(Qt::Key_Up);
    mover.keyDown(Qt::Key_A);   // any other key stops the move
    EXPECT_FALSE(mover.moving());
    mover.tick();
    EXPECT_EQ(rect(2).top, two.top - 15);

    // Shift-clicking the selection away: the running timer stops at its next tick.
    mover.keyDown(Qt::Key_Down);
    editor.clickIcon(1, true);
    editor.clickIcon(2, true);
    EXPECT_FALSE(editor.display().SelectionActive);
    mover.tick();
    EXPECT_FALSE(mover.moving());
    EXPECT_FALSE(mover.keyDown(Qt::Key_Down));
    EXPECT_EQ(rect(2).top, two.top);
}

TEST_F(PlacementEditorTest, MovingIconsOfAnOpenedShipCountsAsAChange)
{
    const QString path = folder.path() + "/laid.shp";
    ASSERT_TRUE(editor.exportShipFile(path, false, nullptr));
    ASSERT_TRUE(editor.OpenShip(path));
    ASSERT_FALSE(editor.ShipChanged());
    editor.clickIcon(1, false);
    editor.clickIcon(2, true);
    EXPECT_FALSE(editor.ShipChanged());   // selecting alone changes nothing
    editor.nudgeSelection(Qt::Key_Down);
    EXPECT_TRUE(editor.ShipChanged());

    ASSERT_TRUE(editor.OpenShip(path));
    editor.dropIconOnIcon(1, 2, {10, 10}, kGrab);   // onto another icon: stays put
    EXPECT_FALSE(editor.ShipChanged());
    editor.dropIconOnIcon(1, 1, {10, 10}, kGrab);
    EXPECT_TRUE(editor.ShipChanged());
}

} // namespace
