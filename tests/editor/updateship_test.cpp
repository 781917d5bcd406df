#include "tests/editor/editorfixture.h"

using namespace kw;
using kw::test::EditorTest;

using UpdateShipTest = EditorTest;

TEST_F(UpdateShipTest, AFreshEditorShowsTheNewShipAndItsClassFollowsTheMass)
{
    EXPECT_EQ(field(NumericField::TMF), "3");
    EXPECT_EQ(editor.fields().classes, QStringList{"Scout/Courier (SC)"});
    EXPECT_EQ(editor.ship().FTL, "Standard");
    EXPECT_EQ(editor.figures().crew, "1");
    EXPECT_FALSE(editor.ShipChanged() || editor.ShipDisplayed());
    EXPECT_TRUE(prompts.asked.isEmpty());

    // The class follows the mass until the user chooses one the mass still allows.
    type(NumericField::TMF, "20");
    EXPECT_EQ(editor.ship().Class, "Frigate (FF)");
    type(NumericField::TMF, "30");
    EXPECT_EQ(editor.ship().Class, "Destroyer (DD)");
    type(NumericField::TMF, "20");
    EXPECT_EQ(editor.ship().Class, "Frigate (FF)");
    type(NumericField::TMF, "25");
    editor.chooseClass(1);
    EXPECT_EQ(editor.ship().Class, "Destroyer (DD)");
    type(NumericField::TMF, "24");
    EXPECT_EQ(editor.ship().Class, "Destroyer (DD)");
    EXPECT_EQ(editor.fields().classIndex, 1);
}

TEST_F(UpdateShipTest, TheWorkedFrigate)
{
    designVigilant();
    EXPECT_EQ(mass(SystemLabel::MD), 20);
    EXPECT_EQ(cost(SystemLabel::MD), 40);
    EXPECT_EQ(mass(SystemLabel::FTL), 10);
    EXPECT_EQ(mass(SystemLabel::HULL), 30);
    EXPECT_EQ(editor.ship().HullPoints, 30);
    const EditorFigures& shown = editor.figures();
    EXPECT_EQ(QStringList({shown.crew, shown.tmfUsed, shown.tmfAvailable, shown.npv}), QStringList({"5", "60", "40", "220"}));
    type(NumericField::FCS, "1");   // the window shows 61, 39 and 224 then
    EXPECT_EQ(editor.ship().NPV, 224);
    EXPECT_TRUE(editor.ShipChanged());
}

TEST_F(UpdateShipTest, HangarHalvesGoToTheEvenTotal)
{
    designVigilant();
    editor.addHangarBay(3);
    editor.UpdateShip(false);
    EXPECT_EQ(editor.figures().mass[static_cast<int>(SystemLabel::HANGAR)], "4.5");
    EXPECT_EQ(editor.figures().tmfUsed, "64");   // 60 + 4.5
    EXPECT_EQ(editor.figures().npv, "234");      // 220 + 13.5
    editor.addHangarBay(3);
    editor.UpdateShip(false);
    EXPECT_EQ(editor.figures().tmfUsed, "69");
    EXPECT_EQ(editor.figures().npv, "247");
}

TEST_F(UpdateShipTest, TheCrewAndTheHullCapTheMass)
{
    // The crew cap cuts the mass field, but not the calculation that found it.
    editor.chooseHull(static_cast<int>(HullIntegrity::FixedFB2));
    type(NumericField::TMF, "2700");
    EXPECT_EQ(editor.figures().crew, "132");
    EXPECT_EQ(field(NumericField::TMF), "2659");
    EXPECT_EQ(editor.ship().TMF, 2700);
    EXPECT_EQ(mass(SystemLabel::FTL), 270);   // still on 2700
    const qint64 used = editor.figures().tmfUsed.toLongLong();
    EXPECT_EQ(editor.figures().tmfAvailable.toLongLong(), 2659 - used);
    // The fixed hull is raised to the crew shown by the previous calculation.
    EXPECT_EQ(field(NumericField::Hull), "1");
    editor.UpdateShip(false);
    EXPECT_EQ(editor.ship().TMF, 2659);
    EXPECT_EQ(field(NumericField::Hull), "132");
    EXPECT_EQ(editor.ship().HullPoints, 132);

    editor.chooseHull(static_cast<int>(HullIntegrity::Average));
    type(NumericField::TMF, "1000");
    EXPECT_EQ(field(NumericField::TMF), "440");
    EXPECT_EQ(editor.ship().TMF, 440);
    editor.chooseHull(static_cast<int>(HullIntegrity::Fragile));
    type(NumericField::TMF, "5000");
    EXPECT_EQ(editor.ship().TMF, 1320);
}

TEST_F(UpdateShipTest, ABrokenRuleIsShownAndTheDisplayIsNotRefreshed)
{
    editor.chooseShipType(static_cast<int>(ShipType::MerchantShip));
    type(NumericField::TMF, "100");
    WeaponEntry battery{"Class 1 Battery", {}, 0, 11};
    editor.addWeapons({battery});
    prompts.clear();
    editor.UpdateShip(true);
    EXPECT_EQ(prompts.texts(), QStringList{"Your merchant ship may not have more than 10% it's mass in weapons.\r"
                                           "You have 11, while your limit is 10."});
    EXPECT_EQ(editor.lastWarning(), prompts.lastText());
    EXPECT_FALSE(editor.ShipDisplayed());
    EXPECT_EQ(editor.display().iconCount(), 0);
    EXPECT_FALSE(editor.Busy());
    battery.Mass = 10;
    replaceWeapons({battery});
    editor.UpdateShip(true);
    EXPECT_FALSE(editor.lastWarning());
    EXPECT_TRUE(editor.ShipDisplayed());
}

TEST_F(UpdateShipTest, ALockedDesignIgnoresEditsAndAStationFixesTheDrivesBeforeItsOneRecalculation)
{
    designVigilant();
    editor.chooseStreamlining(1);
    editor.setShip_Locked(true);
    editor.chooseShipType(static_cast<int>(ShipType::MilitaryStation));
    EXPECT_EQ(editor.fields().shipType, 0);
    type(NumericField::TMF, "200");
    EXPECT_EQ(editor.ship().TMF, 100);
    editor.UpdateShip(true);
    EXPECT_FALSE(editor.ShipDisplayed());

    editor.setShip_Locked(false);
    prompts.clear();
    editor.chooseShipType(static_cast<int>(ShipType::MilitaryStation));
    EXPECT_TRUE(prompts.asked.isEmpty()) << prompts.lastText().toStdString();
    EXPECT_EQ(field(NumericField::MD), "0");
    EXPECT_EQ(editor.fields().ftlIndex, 0);
    EXPECT_EQ(editor.fields().streamliningIndex, 0);
    EXPECT_FALSE(editor.controls().mobilityEnabled);
    EXPECT_EQ(editor.ship().Class, "Star Base (SB)");
    EXPECT_EQ(editor.ship().FTL, "None");
    editor.chooseShipType(static_cast<int>(ShipType::MerchantShip));
    EXPECT_TRUE(editor.controls().mobilityEnabled);
    EXPECT_EQ(editor.fields().ftlIndex, 0);   // enabled again, values not restored
}

TEST_F(UpdateShipTest, ChoicesThatExcludeOrShowOtherControls)
{
    editor.setCheck(CheckBox::Nova, true);
    editor.setCheck(CheckBox::Wave, true);
    EXPECT_FALSE(editor.fields().check(CheckBox::Nova));
    EXPECT_EQ(mass(SystemLabel::NOVA), 0);
    editor.setCheck(CheckBox::Nova, true);
    EXPECT_FALSE(editor.fields().check(CheckBox::Wave));
    EXPECT_EQ(mass(SystemLabel::WAVE), 0);

    // Only a tug shows its tow capacity, and only the fixed hull its rating.
    designVigilant();
    editor.chooseFtl(2);
    EXPECT_TRUE(editor.controls().towCapacityVisible);
    EXPECT_EQ(editor.ship().FTL, "Tug");
    editor.chooseFtl(0);
    EXPECT_FALSE(editor.controls().towCapacityVisible);
    EXPECT_EQ(editor.ship().FTL, "None");
    editor.chooseHull(5);
    EXPECT_TRUE(editor.controls().hullRatingVisible);
    EXPECT_EQ(field(NumericField::Hull), "30");   // filled with the hull points
    editor.chooseHull(2);
    EXPECT_FALSE(editor.controls().hullRatingVisible);
}

// Rounding and clamping are the field checks'; here which fields recalculate after a refusal.
TEST_F(UpdateShipTest, TheArmourRecalculatesAfterARefusalAndTheMainDriveDoesNot)
{
    type(NumericField::Armour, "12");
    type(NumericField::MD, "4");
    prompts.clear();
    EXPECT_FALSE(type(NumericField::Armour, "lots"));
    EXPECT_EQ(field(NumericField::Armour), "0");
    EXPECT_EQ(editor.ship().Armour, 0);
    EXPECT_EQ(prompts.asked.size(), 1);
    EXPECT_EQ(prompts.asked[0].buttons, PromptButtons::Ok);
    EXPECT_FALSE(type(NumericField::MD, "x"));
    EXPECT_EQ(field(NumericField::MD), "0");
    EXPECT_EQ(editor.ship().MD, 4);
}

TEST_F(UpdateShipTest, TheMassFieldRecalculatesOnlyWhenTheMassChanged)
{
    type(NumericField::TMF, "50");
    // A count typed but not yet left shows whether a calculation ran: it would count it.
    editor.setFieldText(NumericField::FCS, "3");
    EXPECT_TRUE(type(NumericField::TMF, " 50 "));
    EXPECT_EQ(field(NumericField::TMF), "50");
    EXPECT_EQ(mass(SystemLabel::FCS), 0);
    EXPECT_TRUE(type(NumericField::TMF, "51"));
    EXPECT_EQ(mass(SystemLabel::FCS), 3);

    // Enter checks the text before calculating.
    editor.setFieldText(NumericField::TMF, "abc");
    EXPECT_FALSE(editor.pressEnterInMassField());
    EXPECT_EQ(field(NumericField::TMF), "3");
    EXPECT_EQ(editor.ship().TMF, 51);
}

TEST_F(UpdateShipTest, TheNameIsTrimmedAndMustServeAsAFileName)
{
    editor.setNameText("  Bad/Name ");
    EXPECT_FALSE(editor.leaveNameField());
    EXPECT_EQ(editor.fields().name, "Bad/Name");
    EXPECT_EQ(prompts.lastText(), invalidShipNameMessage());
    editor.setNameText("   ");
    EXPECT_FALSE(editor.leaveNameField());
    editor.setNameText(" Good ");
    EXPECT_TRUE(editor.leaveNameField());
    EXPECT_EQ(editor.fields().name, "Good");
}

TEST_F(UpdateShipTest, UpDownControlsSetTheirFieldAndRecalculate)
{
    editor.changeUpDown(NumericField::Screens, 2);
    EXPECT_EQ(field(NumericField::Screens), "2");
    EXPECT_EQ(mass(SystemLabel::SCREENS), 6);
    editor.changeUpDown(NumericField::Screens, 9);
    EXPECT_EQ(field(NumericField::Screens), "5");
}
