#include "editor/weaponlist.h"
#include "tests/editor/editorfixture.h"

#include <QSignalSpy>

using namespace kw;
using namespace kw::test;

namespace {

WeaponEntry mount(const QString& kind, std::initializer_list<int> arcNumbers, int mass, int cost,
                  const QString& details = {})
{
    WeaponEntry w;
    w.Kind = kind;
    for (int n : arcNumbers)
        w.Arc[n - 1] = true;
    w.Mass = mass;
    w.Cost = cost;
    w.Details = details;
    w.Number = -1;   // as added: no icon until the next full update
    return w;
}

WeaponEntry needle(std::initializer_list<int> arcNumbers)
{
    return mount(QStringLiteral("Needle Beam"), arcNumbers, 2, 6);
}

} // namespace

TEST(WeaponList, IdenticalMountsShareARowInFirstAppearanceOrder)
{
    const QList<WeaponEntry> weapons{
        mount("Class 1 Battery", {1, 2, 3, 4, 5, 6}, 1, 3),
        needle({1}),
        mount("Class 1 Battery", {1, 2, 3, 4, 5, 6}, 1, 3),
        mount("Missile", {}, 2, 6, "STD"),
        needle({2}),
        mount("Missile", {}, 2, 6, "EMP"),
        mount("Class 1 Battery", {6, 1, 2}, 1, 3),
        needle({1}),
        mount("Class 1 Battery", {1, 2, 3, 4, 5, 6}, 1, 3),
    };
    const QList<WeaponListRow> rows = groupWeaponRows(weapons);
    const QList<WeaponListRow> expected{
        {3, "Class 1 Battery", "1,2,3,4,5,6", "1", "3", ""},
        {2, "Needle Beam", "1", "2", "6", ""},
        {1, "Missile", "", "2", "6", "STD"},
        {1, "Needle Beam", "2", "2", "6", ""},
        {1, "Missile", "", "2", "6", "EMP"},
        {1, "Class 1 Battery", "1,2,6", "1", "3", ""},
    };
    EXPECT_EQ(rows, expected);

    // A mount without a kind never joins a row, not even another one without a kind.
    const QList<WeaponEntry> unnamed{mount("", {1}, 1, 1), mount("", {1}, 1, 1)};
    EXPECT_EQ(groupWeaponRows(unnamed).size(), 2);
    EXPECT_TRUE(groupWeaponRows({}).isEmpty());
}

TEST(WeaponList, ScrollsOnceThereAreMoreThanSixteenRows)
{
    for (int rows : {0, 1, 16}) {
        const WeaponListScroll scroll = weaponListScroll(rows);
        EXPECT_EQ(scroll.maximum, 0) << rows;
        EXPECT_EQ(scroll.canvasHeight, 4410) << rows;
    }
    const WeaponListScroll seventeen = weaponListScroll(17, 255);
    EXPECT_EQ(seventeen.maximum, 1);
    EXPECT_EQ(seventeen.canvasHeight, 275 + 4410);
    const WeaponListScroll forty = weaponListScroll(40, 240);
    EXPECT_EQ(forty.maximum, 24);
    EXPECT_EQ(forty.canvasHeight, 260 * 24 + 4410);

    // The last row is fully in view at the end of the range.
    const double lastBottom = weaponRowTop(39) + kWeaponRowHeightTwips;
    EXPECT_LE(lastBottom + weaponListTop(weaponListScroll(40).maximum), kWeaponListViewTwips);
    EXPECT_EQ(weaponListTop(2, 255), -550);
}

class WeaponRemoval : public EditorTest {
protected:
    void fit(const QList<WeaponEntry>& weapons)
    {
        designVigilant();
        editor.addWeapons(weapons);
        editor.UpdateShip(false);
        prompts.clear();
    }
    QList<WeaponEntry> weapons() const { return editor.ship().Weapons; }
};

TEST_F(WeaponRemoval, RemoveWeaponWithoutWeaponsDoesNothing)
{
    QSignalSpy tab(&editor, &ShipEditor::weaponsTabRequested);
    editor.beginRemoveWeapon();
    EXPECT_TRUE(prompts.asked.isEmpty());
    EXPECT_EQ(editor.editMode(), EditMode::Normal);
    EXPECT_FALSE(editor.controls().cancelRemoveVisible);
    EXPECT_EQ(tab.count(), 0);
}

TEST_F(WeaponRemoval, ARowClickRemovesTheFirstMatchingMountAfterAsking)
{
    fit({needle({1}), needle({2}), needle({1}), mount("Missile", {}, 2, 6, "STD")});
    QSignalSpy tab(&editor, &ShipEditor::weaponsTabRequested);

    editor.beginRemoveWeapon();
    EXPECT_EQ(tab.count(), 1);
    ASSERT_EQ(prompts.asked.size(), 1);
    EXPECT_EQ(prompts.asked[0].text, "Select Weapon by clicking on its name");
    EXPECT_EQ(prompts.asked[0].buttons, PromptButtons::Ok);
    EXPECT_EQ(prompts.asked[0].icon, PromptIcon::None);
    EXPECT_EQ(editor.editMode(), EditMode::Removing);
    EXPECT_TRUE(editor.controls().cancelRemoveVisible);

    // A second press while choosing asks nothing more.
    editor.beginRemoveWeapon();
    EXPECT_EQ(prompts.asked.size(), 1);

    prompts.clear();
    prompts.answers = {PromptAnswer::Yes};
    editor.chooseWeaponRow(0);
    ASSERT_EQ(prompts.asked.size(), 1);
    EXPECT_EQ(prompts.asked[0].text, "Are you sure you want to remove the Needle Beam?");
    EXPECT_EQ(prompts.asked[0].title, kAppTitle);
    EXPECT_EQ(prompts.asked[0].buttons, PromptButtons::YesNo);
    const QList<WeaponEntry> left{needle({2}), needle({1}), mount("Missile", {}, 2, 6, "STD")};
    EXPECT_EQ(weapons(), left);
    EXPECT_EQ(editor.editMode(), EditMode::Normal);
    EXPECT_FALSE(editor.controls().cancelRemoveVisible);
    EXPECT_EQ(editor.figures().weaponsMass, "6") << "the design was recalculated";
    EXPECT_EQ(editor.weaponListRows().first().count, 1);
    EXPECT_EQ(editor.weaponListRows()[1].arcs, "1");

    // Rows lose one mount per removal; the last row goes with its only mount.
    prompts.clear();
    editor.beginRemoveWeapon();
    prompts.answers = {PromptAnswer::Yes};
    editor.chooseWeaponRow(2);
    EXPECT_EQ(prompts.lastText(), "Are you sure you want to remove the Missile?");
    EXPECT_EQ(weapons(), (QList<WeaponEntry>{needle({2}), needle({1})}));
}

TEST_F(WeaponRemoval, NoOrAnotherModeKeepsEveryMount)
{
    fit({needle({1}), needle({2})});
    const QList<WeaponEntry> before = weapons();

    editor.chooseWeaponRow(0);
    EXPECT_TRUE(prompts.asked.isEmpty()) << "a row click outside the remove mode does nothing";

    editor.beginRemoveWeapon();
    prompts.clear();
    prompts.answers = {PromptAnswer::No};
    editor.chooseWeaponRow(1);
    EXPECT_EQ(prompts.asked.size(), 1);
    EXPECT_EQ(weapons(), before);
    EXPECT_EQ(editor.editMode(), EditMode::Normal);
    EXPECT_FALSE(editor.controls().cancelRemoveVisible);

    // Rows that do not exist are ignored and leave the mode as it was.
    editor.beginRemoveWeapon();
    prompts.clear();
    editor.chooseWeaponRow(2);
    editor.chooseWeaponRow(-1);
    EXPECT_TRUE(prompts.asked.isEmpty());
    EXPECT_EQ(editor.editMode(), EditMode::Removing);

    editor.cancelRemoveWeapon();
    EXPECT_EQ(editor.editMode(), EditMode::Normal);
    EXPECT_FALSE(editor.controls().cancelRemoveVisible);
    EXPECT_EQ(weapons(), before);
}

TEST_F(WeaponRemoval, ARecalculationEndsAPendingRemoval)
{
    fit({needle({1})});
    editor.beginRemoveWeapon();
    type(NumericField::TMF, "50");
    EXPECT_EQ(editor.editMode(), EditMode::Normal);
    EXPECT_FALSE(editor.controls().cancelRemoveVisible);
    prompts.clear();
    editor.chooseWeaponRow(0);
    EXPECT_TRUE(prompts.asked.isEmpty());
    EXPECT_EQ(editor.ship().WeaponCount(), 1);
}

TEST_F(WeaponRemoval, ALockedDesignKeepsItsMounts)
{
    fit({needle({1})});
    editor.beginRemoveWeapon();
    editor.setShip_Locked(true);
    prompts.clear();
    editor.chooseWeaponRow(0);
    EXPECT_TRUE(prompts.asked.isEmpty());
    EXPECT_EQ(editor.ship().WeaponCount(), 1);
    editor.cancelRemoveWeapon();

    editor.beginRemoveWeapon();
    EXPECT_TRUE(prompts.asked.isEmpty());
    EXPECT_EQ(editor.editMode(), EditMode::Normal);
    editor.addWeapons({needle({2})});
    EXPECT_EQ(editor.ship().WeaponCount(), 1);
}
