#include "tests/editor/editorfixture.h"
#include "tests/editor/salvodesign.h"

using namespace kw;
using namespace kw::test;

namespace {

// A frigate with three fire controls, a launcher and two magazines, laid out on the display
// with the launcher linked to both magazines; full updates keep the layout.
class KeptLayoutTest : public EditorTest {
protected:
    KeptLayoutTest()
    {
        editor.setKeepLayout(true);
        designVigilant();
        type(NumericField::FCS, "3");
        addSalvoMounts(editor, 1, 2);
        editor.UpdateShip(true);
        placeAllIcons(editor);
        for (int magazine : {1, 2}) {
            editor.startLink();
            editor.clickIcon(mountIcon(editor, 0), false);
            editor.clickIcon(mountIcon(editor, magazine), false);
        }
    }

    QList<int> fc() const { return editor.display().iconsWithCode("FC"); }
    QPointF at(int index) const { return {editor.display().icon(index).left, editor.display().icon(index).top}; }
    QList<int> inHoldingBox() const
    {
        QList<int> waiting;
        for (const SystemIcon& icon : editor.display().icons()) {
            if (!icon.placed())
                waiting << icon.index;
        }
        return waiting;
    }
};

TEST_F(KeptLayoutTest, SystemsKeepTheirPlacesWhileCountsGoDownAndUp)
{
    // The second fire control goes back into the holding box by hand, and stays there.
    editor.dropIconInHoldingBox(fc()[1], {900, 600}, {});
    type(NumericField::FCS, "2");
    type(NumericField::Screens, "1");
    editor.UpdateShip(true);
    const int screen = editor.display().findIcon("Screen");
    ASSERT_EQ(fc().size(), 2);
    EXPECT_EQ(at(fc()[0]), layoutSpot(1));
    EXPECT_EQ(at(mountIcon(editor, 0)), layoutSpot(4));
    // Only the waiting icons fill the holding box, from its first place on.
    EXPECT_EQ(inHoldingBox(), (QList<int>{fc()[1], screen}));
    EXPECT_EQ(at(screen), QPointF(55 + 157.5 + 55, 0));

    editor.dropIconOnDisplay(fc()[1], {1500, 2500}, {});
    type(NumericField::FCS, "3");
    editor.UpdateShip(true);
    EXPECT_EQ(at(fc()[1]), QPointF(1500, 2500));
    EXPECT_EQ(inHoldingBox(), (QList<int>{fc()[2], screen + 1}));
    EXPECT_EQ(editor.ship().SalvoLinkCount(), 2);
}

TEST_F(KeptLayoutTest, MountsKeepTheirIconsAndLinksThroughRemovalsAndAdditions)
{
    // The magazines share a row; a removal takes the first, so the second becomes mount 1.
    editor.beginRemoveWeapon();
    prompts.answers.append(PromptAnswer::Yes);
    editor.chooseWeaponRow(1);
    addSalvoMounts(editor, 1, 0);
    editor.UpdateShip(true);

    EXPECT_EQ(at(mountIcon(editor, 0)), layoutSpot(4));
    EXPECT_EQ(at(mountIcon(editor, 1)), layoutSpot(6));
    EXPECT_EQ(inHoldingBox(), (QList<int>{mountIcon(editor, 2)}));
    // The link to the removed magazine is gone; the other follows the renumbered icons.
    EXPECT_EQ(editor.ship().SalvoLinks, (QList<SalvoLink>{{mountIcon(editor, 0), mountIcon(editor, 1)}}));
    EXPECT_TRUE(editor.controls().linkVisible);   // two launchers, one magazine
}

TEST_F(KeptLayoutTest, AnIconBeyondTheShrunkDisplayGoesBackToTheHoldingBox)
{
    type(NumericField::TMF, "200");
    editor.UpdateShip(true);
    const float wide = editor.display().sheet.display.width;
    editor.dropIconOnDisplay(fc()[0], {wide - 200, 300}, {});
    type(NumericField::TMF, "100");
    editor.UpdateShip(true);
    ASSERT_LT(editor.display().sheet.display.width, wide - 200);
    EXPECT_EQ(inHoldingBox(), (QList<int>{fc()[0]}));
    EXPECT_EQ(at(fc()[1]), layoutSpot(2));
}

} // namespace
