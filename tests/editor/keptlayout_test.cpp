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
        EXPECT_EQ(editor.ship().SalvoLinkCount(), 2);
        prompts.clear();
    }

    QList<int> fcIcons() const { return editor.display().iconsWithCode("FC"); }
    const SystemIcon& icon(int index) const { return editor.display().icon(index); }
    QPointF at(int index) const { return {icon(index).left, icon(index).top}; }
    // Where the fixture laid out the icon that had this index.
    static QPointF laidOut(int index) { return layoutSpot(index); }
    QList<int> inHoldingBox() const
    {
        QList<int> waiting;
        for (const SystemIcon& i : editor.display().icons()) {
            if (!i.placed())
                waiting << i.index;
        }
        return waiting;
    }
};

TEST_F(KeptLayoutTest, SystemsKeepTheirPlacesWhileCountsGoDownAndUp)
{
    const QList<int> fcBefore = fcIcons();
    ASSERT_EQ(fcBefore.size(), 3);
    const int launcherBefore = mountIcon(editor, 0);
    // The second fire control is put back into the holding box by hand.
    editor.dropIconInHoldingBox(fcBefore[1], {900, 600}, {});

    type(NumericField::FCS, "2");
    type(NumericField::Screens, "1");
    editor.UpdateShip(true);
    ASSERT_EQ(fcIcons().size(), 2);
    EXPECT_EQ(at(fcIcons()[0]), laidOut(fcBefore[0]));
    EXPECT_FALSE(icon(fcIcons()[1]).placed());
    EXPECT_EQ(at(mountIcon(editor, 0)), laidOut(launcherBefore));
    // Only the waiting icons fill the holding box, from its first place on, as a rebuild would.
    const int screen = editor.display().findIcon("Screen");
    EXPECT_EQ(inHoldingBox(), (QList<int>{fcIcons()[1], screen}));
    EXPECT_EQ(at(fcIcons()[1]), QPointF(55, 0));
    EXPECT_EQ(at(screen), QPointF(55 + 157.5f + 55, 0));
    EXPECT_EQ(editor.ship().SalvoLinkCount(), 2);

    editor.dropIconOnDisplay(fcIcons()[1], {1500, 2500}, {});
    type(NumericField::FCS, "3");
    editor.UpdateShip(true);
    ASSERT_EQ(fcIcons().size(), 3);
    EXPECT_EQ(at(fcIcons()[0]), laidOut(fcBefore[0]));
    EXPECT_EQ(at(fcIcons()[1]), QPointF(1500, 2500));
    EXPECT_EQ(inHoldingBox(), (QList<int>{fcIcons()[2], screen + 1}));
}

TEST_F(KeptLayoutTest, MountsKeepTheirIconsAndLinksThroughRemovalsAndAdditions)
{
    const int launcherBefore = mountIcon(editor, 0);
    const int secondMagazineBefore = mountIcon(editor, 2);
    // The two magazines share a row; a removal takes the first, so the second becomes mount 1.
    editor.beginRemoveWeapon();
    prompts.answers.append(PromptAnswer::Yes);
    editor.chooseWeaponRow(1);
    ASSERT_EQ(editor.ship().WeaponCount(), 2);
    addSalvoMounts(editor, 1, 0);
    editor.UpdateShip(true);

    EXPECT_EQ(at(mountIcon(editor, 0)), laidOut(launcherBefore));
    EXPECT_EQ(at(mountIcon(editor, 1)), laidOut(secondMagazineBefore));
    EXPECT_EQ(inHoldingBox(), (QList<int>{mountIcon(editor, 2)}));
    // The link to the removed magazine is gone; the other follows the renumbered icons.
    ASSERT_EQ(editor.ship().SalvoLinks.size(), 1);
    EXPECT_EQ(editor.ship().SalvoLinks[0], (SalvoLink{mountIcon(editor, 0), mountIcon(editor, 1)}));
    EXPECT_EQ(editor.shownLinkLines().size(), 1);
    // Two launchers and one magazine allow a second link.
    EXPECT_TRUE(editor.controls().linkVisible);
    EXPECT_TRUE(editor.iconsMatchDesign());
}

TEST_F(KeptLayoutTest, AnIconBeyondTheShrunkDisplayGoesBackToTheHoldingBox)
{
    type(NumericField::TMF, "200");
    editor.UpdateShip(true);
    const float wide = editor.display().sheet.display.width;
    const int far = fcIcons()[0];
    editor.dropIconOnDisplay(far, {wide - 200, 300}, {});
    type(NumericField::TMF, "100");
    editor.UpdateShip(true);
    ASSERT_LT(editor.display().sheet.display.width, wide - 200);
    EXPECT_EQ(inHoldingBox(), (QList<int>{far}));
    EXPECT_EQ(at(fcIcons()[1]), laidOut(fcIcons()[1]));
}

TEST_F(KeptLayoutTest, WithTheOptionOffAFullUpdateStartsTheLayoutAfresh)
{
    editor.setKeepLayout(false);
    editor.UpdateShip(true);
    EXPECT_EQ(inHoldingBox().size(), editor.display().iconCount());
    EXPECT_EQ(editor.ship().SalvoLinkCount(), 0);
}

} // namespace
