#include "display/placement.h"
#include "editor/keyboardmover.h"
#include "tests/editor/editorfixture.h"
#include "tests/editor/salvodesign.h"

#include <QTest>
#include <functional>

using namespace kw;
using namespace kw::test;

namespace {

// A frigate with two fire controls, a launcher and a magazine, every icon on the display.
class UndoTest : public EditorTest {
protected:
    UndoTest()
    {
        designVigilant();
        type(NumericField::FCS, "2");
        addSalvoMounts(editor, 1, 1);
        editor.UpdateShip(true);
        placeAllIcons(editor);
        editor.setNameText("Vigilant");
        editor.leaveNameField();
        prompts.clear();
    }
};

struct StepCase {
    const char* name;
    QString caption;
    std::function<void(ShipEditor&, FakePrompts&)> act;
};

void PrintTo(const StepCase& step, std::ostream* out)
{
    *out << step.name;
}

class EveryStep : public UndoTest, public ::testing::WithParamInterface<StepCase> {};

TEST_P(EveryStep, IsOneStepThatUndoAndRedoTakeBackAndRepeatWhole)
{
    const EditorSnapshot before = editor.snapshot();
    const std::size_t steps = editor.undoCount();
    GetParam().act(editor, prompts);
    const EditorSnapshot after = editor.snapshot();
    ASSERT_FALSE(after == before);
    EXPECT_EQ(editor.undoCount(), steps + 1);
    EXPECT_EQ(editor.undoAction(), GetParam().caption);
    ASSERT_TRUE(editor.undoAllowed());

    editor.undo();
    EXPECT_TRUE(editor.snapshot() == before);
    EXPECT_EQ(editor.redoAction(), GetParam().caption);
    EXPECT_EQ(editor.display().SelectedCount(), 0);
    editor.redo();
    EXPECT_TRUE(editor.snapshot() == after);
    EXPECT_FALSE(editor.canRedo());
}

INSTANTIATE_TEST_SUITE_P(
    Editor, EveryStep,
    ::testing::Values(
        StepCase {"FieldTypedAndLeft", "Change Main Drive", [](ShipEditor& e, FakePrompts&) {
            e.setFieldText(NumericField::MD, "5");
            e.setFieldText(NumericField::MD, "6");
            e.leaveField(NumericField::MD);
        }},
        StepCase {"UpDown", "Change Armour Factor", [](ShipEditor& e, FakePrompts&) { e.changeUpDown(NumericField::Armour, 3); }},
        StepCase {"CheckBox", "Change Reflex Field", [](ShipEditor& e, FakePrompts&) { e.setCheck(CheckBox::Reflex, true); }},
        StepCase {"Choice", "Change Hull Integrity", [](ShipEditor& e, FakePrompts&) { e.chooseHull(3); }},
        StepCase {"AddWeaponDialog", "Add Weapon", [](ShipEditor& e, FakePrompts&) {
            ShipEditor::EditStep session(e, "Add Weapon");
            addSalvoMounts(e, 2, 0);
            e.UpdateShip(false);
        }},
        StepCase {"RemoveWeapon", "Remove Weapon", [](ShipEditor& e, FakePrompts& p) {
            e.beginRemoveWeapon();
            p.answers.append(PromptAnswer::Yes);
            e.chooseWeaponRow(0);
        }},
        StepCase {"HangarSession", "Change Hangar Bays", [](ShipEditor& e, FakePrompts&) {
            ShipEditor::EditStep session(e, "Change Hangar Bays");
            e.addHangarBay(4);
            e.changeHangarBay(0, 6);
            e.UpdateShip(false);
        }},
        StepCase {"Link", "Link Salvo Weapons", [](ShipEditor& e, FakePrompts&) {
            e.startLink();
            e.clickIcon(mountIcon(e, 0), false);
            e.clickIcon(mountIcon(e, 1), false);
        }},
        StepCase {"FullUpdate", "UpDate Stats and Display Ship", [](ShipEditor& e, FakePrompts&) { e.UpdateShip(true); }},
        StepCase {"AutoCalc", "Auto Calc", [](ShipEditor& e, FakePrompts&) { e.AutoCalc(); }},
        StepCase {"Drag", "Move Icons", [](ShipEditor& e, FakePrompts&) { e.dropIconOnDisplay(1, {900, 700}, {5, 5}); }},
        StepCase {"ArrowKeyBurst", "Move Icons", [](ShipEditor& e, FakePrompts&) {
            e.finishBand({0, 0}, {6000, 4000}, true);
            KeyboardMover mover(e);
            mover.keyDown(Qt::Key_Right);
            mover.tick();
            mover.keyUp(Qt::Key_Right);     // a held key some systems report as release and press
            mover.keyDown(Qt::Key_Right);
            mover.keyUp(Qt::Key_Right);
            QTest::qWait(KeyboardMover::kBurstGraceMs + 100);
        }},
        StepCase {"Alignment", "Align Icons", [](ShipEditor& e, FakePrompts&) {
            e.clickIcon(1, false);
            e.clickIcon(2, true);
            e.align(Alignment::Lefts);
        }}),
    [](const ::testing::TestParamInfo<StepCase>& info) { return std::string(info.param.name); });

TEST_F(UndoTest, WhatChangesNothingIsNoStepModesRefuseAndTypingLeftOpenIsTheLastStep)
{
    const EditorSnapshot before = editor.snapshot();
    const std::size_t steps = editor.undoCount();
    editor.UpdateShip(false);
    editor.finishBand({0, 0}, {3000, 3000}, true);
    type(NumericField::MD, "4");
    editor.startLink();
    EXPECT_FALSE(editor.undoAllowed());
    editor.clickIcon(mountIcon(editor, 0), false);   // one end only, then given up
    editor.cancelLink();
    editor.beginRemoveWeapon();
    EXPECT_FALSE(editor.undoAllowed());
    editor.cancelRemoveWeapon();
    EXPECT_EQ(editor.undoCount(), steps);

    editor.setFieldText(NumericField::FCS, "3");
    editor.setFieldText(NumericField::FCS, "4");
    editor.undo();
    EXPECT_TRUE(editor.snapshot() == before);
    EXPECT_EQ(editor.redoAction(), "Change Fire Control Systems");
}

TEST_F(UndoTest, SavingKeepsTheStepsAndTheFileLockingAndANewShipForgetThem)
{
    prompts.answers = {PromptAnswer::Yes, PromptAnswer::No};   // by side, not locked
    editor.SaveShip(false);
    const QString file = editor.ship().FileName;
    ASSERT_FALSE(file.isEmpty());
    ASSERT_TRUE(editor.canUndo());
    editor.chooseHull(1);
    editor.undo();
    EXPECT_EQ(editor.fields().hullIndex, 2);
    EXPECT_EQ(editor.ship().FileName, file);

    editor.setShip_Locked(true);
    EXPECT_FALSE(editor.canUndo() || editor.canRedo() || editor.undoAllowed());
    editor.setShip_Locked(false);
    editor.chooseHull(1);
    editor.Load();
    EXPECT_FALSE(editor.canUndo());
}

} // namespace
