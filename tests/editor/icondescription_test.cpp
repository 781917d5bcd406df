#include "tests/editor/editorfixture.h"

using namespace kw;
using kw::test::EditorTest;

TEST(IconDescription, EveryIconNamesWhatItStandsFor)
{
    test::TestFolder folder;
    test::FakePrompts prompts;
    ShipEditor editor(prompts, folder.path());
    editor.Load();
    for (auto [field, text] : {std::pair{NumericField::TMF, "200"}, std::pair{NumericField::FCS, "2"},
                               std::pair{NumericField::Cargo, "10"}}) {
        editor.setFieldText(field, text);
        editor.leaveField(field);
    }
    editor.setCheck(CheckBox::Reflex, true);
    editor.addHangarBay(6);
    WeaponEntry battery;
    battery.Kind = "Class 3 Battery";
    battery.Arc = {true, true, false, false, false, true};
    WeaponEntry magazine;
    magazine.Kind = "Salvo Magazine";
    magazine.Details = "6";
    editor.addWeapons({battery, magazine});
    editor.UpdateShip(true);

    QStringList described;
    for (int i = 1; i <= editor.display().iconCount(); ++i)
        described << editor.iconDescription(i);
    EXPECT_EQ(described, (QStringList{"Fire Control Systems: 1 of 2", "Fire Control Systems: 2 of 2", "Reflex Field",
                                      "Cargo Space: 3 of 10", "Cargo Space: 3 of 10", "Cargo Space: 2 of 10",
                                      "Cargo Space: 2 of 10", "Hangar Bays: bay 1, capacity 6",
                                      "Class 3 Battery, arcs 1,2,6", "Salvo Magazine (6), no arcs"}));
    EXPECT_TRUE(editor.iconDescription(0).isEmpty());
    EXPECT_TRUE(editor.iconDescription(11).isEmpty());

    // Until the next full update, a removed mount's icon says so and the others keep theirs.
    editor.beginRemoveWeapon();
    prompts.answers = {PromptAnswer::Yes};
    editor.chooseWeaponRow(0);
    EXPECT_EQ(editor.iconDescription(9), "A weapon mount no longer in the design");
    EXPECT_EQ(editor.iconDescription(10), "Salvo Magazine (6), no arcs");
}
