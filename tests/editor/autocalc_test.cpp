#include "tests/editor/editorfixture.h"

using namespace kw;
using kw::test::EditorTest;

class AutoCalcTest : public EditorTest {
protected:
    static WeaponEntry mountOfMass(int mass) { return {"Class 3 Battery", {}, 0, mass, 3 * mass}; }
};

TEST_F(AutoCalcTest, FindsTheSmallestMassThatFitsWithinTheCaps)
{
    editor.AutoCalc();   // needs less than 3
    EXPECT_EQ(editor.ship().TMF, 3);

    type(NumericField::MD, "4");
    editor.addWeapons({mountOfMass(20)});
    editor.AutoCalc();
    const qint64 mass = editor.ship().TMF;
    EXPECT_GE(editor.figures().tmfAvailable.toDouble(), 0);
    EXPECT_EQ(editor.editMode(), EditMode::Normal);
    EXPECT_TRUE(editor.ShipDisplayed());
    // One less would not fit.
    type(NumericField::TMF, QString::number(mass - 1));
    EXPECT_LT(editor.figures().tmfAvailable.toDouble(), 0);

    replaceWeapons({mountOfMass(400)});
    editor.AutoCalc();   // average hull: at most 440
    EXPECT_EQ(editor.ship().TMF, 440);

    editor.chooseHull(static_cast<int>(HullIntegrity::FixedFB2));
    replaceWeapons({mountOfMass(3000)});
    editor.AutoCalc();
    EXPECT_EQ(field(NumericField::Hull), "132");
    EXPECT_EQ(editor.ship().TMF, 2659);

    // The crew cap of a merchant ship is its own, not the warship's.
    editor.chooseShipType(static_cast<int>(ShipType::MerchantShip));
    replaceWeapons({mountOfMass(7000)});
    editor.AutoCalc();
    EXPECT_EQ(editor.ship().TMF, 6649);
}

TEST_F(AutoCalcTest, ASearchThatNeverSettlesEndsWithAMessage)
{
    // The user changes the design between every two steps, so the mass needed never equals
    // the mass tried: the search must still end.
    editor.chooseHull(static_cast<int>(HullIntegrity::FixedFB2));
    type(NumericField::FCS, "10");
    int pumps = 0;
    editor.setEventPump([&] {
        ++pumps;
        editor.setFieldText(NumericField::FCS, pumps % 2 ? "40" : "10");
    });
    prompts.clear();
    editor.AutoCalc();
    EXPECT_EQ(pumps, ShipEditor::kMaxAutoCalcSteps);
    EXPECT_EQ(editor.editMode(), EditMode::Normal);
    EXPECT_EQ(prompts.lastText(), "Auto Calc found no mass that fits this design within 10000 steps.\r\n"
                                  "The last mass tried is kept.");
}

TEST_F(AutoCalcTest, AShipOpenedWhileItSearchesEndsTheSearchAndIsLeftAsOpened)
{
    const QString vigilant = folder.write("Ships/Blue/Vigilant.shp", test::readFile(test::dataFile("ships/vigilant.shp")));
    editor.addWeapons({mountOfMass(200)});
    int pumped = 0;
    editor.setEventPump([&] {
        if (++pumped == 2)
            ASSERT_TRUE(editor.OpenShip(vigilant));
    });
    editor.AutoCalc();
    EXPECT_EQ(pumped, 2);
    EXPECT_EQ(editor.editMode(), EditMode::Normal);
    EXPECT_EQ(editor.ship().Name, "Vigilant");
    EXPECT_EQ(field(NumericField::TMF), "100");
    EXPECT_FALSE(editor.ShipChanged());
    // Its stored layout is kept: the one icon lies where the file put it.
    ASSERT_EQ(editor.display().iconCount(), 1);
    EXPECT_EQ(editor.display().icon(1).left, 1200);
}
