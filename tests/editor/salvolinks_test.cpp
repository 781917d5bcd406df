#include "display/placement.h"
#include "tests/editor/editorfixture.h"
#include "tests/editor/salvodesign.h"

using namespace kw;
using namespace kw::test;

namespace {

const QString kStartMessage = QStringLiteral("Click on a magazine and a Launcher to connect them.");
const QString kLauncherTaken = QStringLiteral("A Salvo Launcher is already selected for this Link");
const QString kMagazineTaken = QStringLiteral("A Salvo Magazine is already selected for this Link");

class SalvoLinkTest : public EditorTest {
protected:
    // A frigate with one screen (icon 1), the given salvo mounts after it and a needle beam last.
    void design(int launchers, int magazines, bool place = true)
    {
        designVigilant();
        type(NumericField::Screens, "1");
        addSalvoMounts(editor, launchers, magazines);
        editor.addWeapons({WeaponEntry{"Needle Beam", {}, 0, 2, 6}});
        editor.UpdateShip(true);
        ASSERT_FALSE(editor.lastWarning().has_value()) << editor.lastWarning()->toStdString();
        if (place)
            placeAllIcons(editor);
        prompts.clear();
    }
    int launcher(int k = 0) const { return mountIcon(editor, k); }
    int magazine(int k, int launchers) const { return mountIcon(editor, launchers + k); }

    void link(int first, int second)
    {
        editor.startLink();
        editor.clickIcon(first, false);
        editor.clickIcon(second, false);
    }
    const ShipRecord& ship() const { return editor.ship(); }
};

TEST_F(SalvoLinkTest, ALinkIsAskedForItsEndsInEitherOrderAndItsLineFollowsThem)
{
    design(1, 1);
    editor.startLink();
    ASSERT_EQ(prompts.asked.size(), 1);
    EXPECT_EQ(prompts.asked[0].text, kStartMessage);
    EXPECT_EQ(prompts.asked[0].buttons, PromptButtons::Ok);
    EXPECT_EQ(prompts.asked[0].icon, PromptIcon::None);
    EXPECT_EQ(editor.editMode(), EditMode::Linking);
    EXPECT_EQ(ship().LinkBeingMade, SalvoLink{});
    editor.startLink();   // starting twice makes no second pending link
    EXPECT_EQ(ship().SalvoLinkCount(), 1);

    editor.clickIcon(magazine(0, 1), false);
    editor.clickIcon(launcher(), false);
    EXPECT_EQ(editor.editMode(), EditMode::Normal);
    EXPECT_EQ(ship().SalvoLinks, (QList<SalvoLink>{{launcher(), magazine(0, 1)}}));
    EXPECT_FALSE(ship().LinkBeingMade);
    // One launcher allows one link: neither button is offered any more.
    EXPECT_FALSE(editor.controls().linkVisible || editor.controls().cancelLinkVisible);
    // The line runs from the launcher's bottom centre to the magazine's top centre, wherever they go.
    const TwipRect l = editor.display().icon(launcher()).rect();
    TwipRect m = editor.display().icon(magazine(0, 1)).rect();
    EXPECT_EQ(editor.shownLinkLines(), QList<QLineF>{QLineF(l.left + l.width / 2, l.bottom(), m.left + m.width / 2, m.top)});
    const QLineF before = editor.shownLinkLines().value(0);
    editor.clickIcon(launcher(), false);
    editor.nudgeSelection(Qt::Key_Right);
    EXPECT_EQ(editor.shownLinkLines().value(0), QLineF(before.p1() + QPointF(15, 0), before.p2()));
    editor.dropIconOnDisplay(magazine(0, 1), {1000, 2000}, {0, 0});
    m = editor.display().icon(magazine(0, 1)).rect();
    EXPECT_EQ(editor.shownLinkLines().value(0).p2(), QPointF(1000 + m.width / 2, 2000));
}

TEST_F(SalvoLinkTest, CancellingDropsTheHalfMadeLinkAndAFullUpdateEveryLink)
{
    design(2, 1);
    link(launcher(0), magazine(0, 2));
    editor.startLink();
    editor.clickIcon(launcher(1), false);
    EXPECT_EQ(ship().SalvoLauncherIcon(2), launcher(1));
    editor.cancelLink();
    EXPECT_FALSE(ship().LinkBeingMade);
    EXPECT_EQ(ship().SalvoLinks, (QList<SalvoLink>{{launcher(0), magazine(0, 2)}}));
    EXPECT_EQ(editor.editMode(), EditMode::Normal);
    EXPECT_TRUE(editor.controls().linkVisible);
    EXPECT_FALSE(editor.controls().cancelLinkVisible);
    EXPECT_EQ(editor.shownLinkLines().size(), 1);

    link(magazine(0, 2), launcher(1));
    EXPECT_FALSE(editor.controls().linkVisible);
    EXPECT_EQ(ship().SalvoLinkCount(), 2);
    EXPECT_EQ(editor.shownLinkLines().size(), 2);

    editor.startLink();   // a pending link goes too
    editor.UpdateShip(true);
    EXPECT_EQ(ship().SalvoLinkCount(), 0);
    EXPECT_TRUE(editor.shownLinkLines().isEmpty());
    EXPECT_EQ(editor.editMode(), EditMode::Normal);
    EXPECT_TRUE(editor.controls().linkVisible);
}

TEST_F(SalvoLinkTest, ASecondEndOfTheSameKindIsRefused)
{
    design(2, 2);
    editor.startLink();
    editor.clickIcon(launcher(0), false);
    editor.clickIcon(launcher(1), false);
    editor.clickIcon(1, false);                          // a screen: ignored
    editor.clickIcon(mountIcon(editor, 4), false);       // the needle beam: ignored
    EXPECT_EQ(prompts.texts(), (QStringList{kStartMessage, kLauncherTaken}));
    EXPECT_EQ(ship().SalvoLauncherIcon(1), launcher(0));
    EXPECT_EQ(editor.editMode(), EditMode::Linking);
    editor.clickIcon(magazine(1, 2), false);
    EXPECT_EQ(editor.editMode(), EditMode::Normal);

    editor.startLink();
    editor.clickIcon(magazine(0, 2), false);
    editor.clickIcon(magazine(1, 2), false);
    EXPECT_EQ(prompts.lastText(), kMagazineTaken);
    EXPECT_EQ(ship().SalvoMagazineIcon(2), magazine(0, 2));
}

TEST_F(SalvoLinkTest, IconsInTheHoldingBoxAreNoLinkEnds)
{
    design(1, 1, false);
    editor.startLink();
    editor.clickIcon(launcher(), false);
    EXPECT_EQ(ship().SalvoLauncherIcon(1), 0);
    EXPECT_EQ(editor.editMode(), EditMode::Linking);
    EXPECT_EQ(prompts.texts(), QStringList{kStartMessage});
    // Placed after the link began, the same icon is taken.
    editor.cancelLink();
    placeAllIcons(editor);
    link(launcher(), magazine(0, 1));
    EXPECT_EQ(ship().SalvoLinkCount(), 1);
    // Dragged back into the holding box, its line leaves the display but the link stays.
    editor.dropIconInHoldingBox(launcher(), {100, 100}, {0, 0});
    EXPECT_TRUE(editor.shownLinkLines().isEmpty());
    EXPECT_EQ(ship().SalvoLinkCount(), 1);
}

// A sheet laid out by hand, its links made from either end, reopens with every icon where it
// lay and every line where it ran.
TEST_F(SalvoLinkTest, AHandLaidSheetReopensAsItWasLaid)
{
    design(1, 2, false);
    placeAllIcons(editor);
    editor.clickIcon(magazine(0, 1), false);
    editor.clickIcon(magazine(1, 1), true);
    editor.clickIcon(launcher(), true);
    editor.align(Alignment::Tops);
    editor.nudgeSelection(Qt::Key_Left);
    link(launcher(), magazine(0, 1));
    link(magazine(1, 1), launcher());
    ASSERT_EQ(ship().SalvoLinkCount(), 2);

    const int count = editor.display().iconCount();
    QList<TwipRect> places;
    for (int i = 1; i <= count; ++i)
        places << editor.display().icon(i).rect();
    const QList<QLineF> lines = editor.shownLinkLines();
    const QString path = folder.path() + "/laid out.shp";
    ASSERT_TRUE(editor.exportShipFile(path, false, nullptr));
    const QByteArray written = readFile(path);
    // Links are stored by mount numbers: the launcher is mount 0, the magazines 1 and 2.
    EXPECT_TRUE(written.contains("\r\nSalvoLinks=2,0,1,0,2\r\n"));
    editor.Load();
    ASSERT_TRUE(editor.OpenShip(path));

    ASSERT_EQ(editor.display().iconCount(), count);
    for (int i = 1; i <= count; ++i)
        EXPECT_EQ(editor.display().icon(i).rect(), places[i - 1]) << i;
    EXPECT_TRUE(editor.display().allPlaced());
    EXPECT_EQ(ship().SalvoLinks, (QList<SalvoLink>{{launcher(), magazine(0, 1)}, {launcher(), magazine(1, 1)}}));
    EXPECT_EQ(editor.shownLinkLines(), lines);
}

} // namespace
