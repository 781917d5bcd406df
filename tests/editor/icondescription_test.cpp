#include "tests/editor/editorfixture.h"

using namespace kw;
using kw::test::EditorTest;

using IconDescription = EditorTest;

TEST_F(IconDescription, EveryIconNamesWhatItStandsFor)
{
    type(NumericField::TMF, "200");
    type(NumericField::FCS, "2");
    type(NumericField::Cargo, "10");
    editor.setCheck(CheckBox::Reflex, true);
    editor.addHangarBay(6);
    const WeaponEntry battery{"Class 3 Battery", {true, true, false, false, false, true}};
    editor.addWeapons({battery, WeaponEntry{"Salvo Magazine", {}, 0, 0, 0, "6"}});
    editor.UpdateShip(true);

    QStringList described;
    for (int i = 1; i <= editor.display().iconCount(); ++i)
        described << editor.iconDescription(i);
    EXPECT_EQ(described, (QStringList{"Fire Control Systems: 1 of 2", "Fire Control Systems: 2 of 2", "Reflex Field",
                                      "Cargo Space: 3 of 10", "Cargo Space: 3 of 10", "Cargo Space: 2 of 10",
                                      "Cargo Space: 2 of 10", "Hangar Bays: bay 1, capacity 6",
                                      "Class 3 Battery, arcs 1,2,6", "Salvo Magazine (6), no arcs"}));
    EXPECT_EQ(editor.iconDescription(0) + editor.iconDescription(11), "");

    // Until the next full update, a removed mount's icon says so and the others keep theirs.
    editor.beginRemoveWeapon();
    prompts.answers = {PromptAnswer::Yes};
    editor.chooseWeaponRow(0);
    EXPECT_EQ(editor.iconDescription(9), "A weapon mount no longer in the design");
    EXPECT_EQ(editor.iconDescription(10), "Salvo Magazine (6), no arcs");
}
