#include "editor/addweapon.h"

#include <gtest/gtest.h>
#include <algorithm>

using namespace kw;

namespace {

using Arcs = std::array<bool, 6>;

// Arcs from their numbers, as the list writes them.
Arcs arcs(std::initializer_list<int> numbers)
{
    Arcs a{};
    for (int n : numbers)
        a[n - 1] = true;
    return a;
}

constexpr Arcs kAllArcs{true, true, true, true, true, true};

int kindIndex(const char* kind)
{
    return static_cast<int>(AddWeapon::kinds().indexOf(QString::fromLatin1(kind)));
}

AddWeapon chosen(const char* kind)
{
    AddWeapon dialog;
    dialog.chooseKind(kindIndex(kind));
    return dialog;
}

void expectFigures(const AddWeapon& dialog, int mass, int cost)
{
    EXPECT_EQ(dialog.figuresForOne().mass, mass);
    EXPECT_EQ(dialog.figuresForOne().cost, cost);
}

} // namespace

TEST(AddWeapon, OpensOnAClassOneBatteryWhoseClassDecidesTheArcPicturesAndTheMass)
{
    AddWeapon dialog;
    EXPECT_EQ(AddWeapon::kinds().size(), 10);
    EXPECT_EQ(dialog.kindIndex(), 0);
    EXPECT_EQ(dialog.WeaponKind(), "Beam Battery");
    EXPECT_EQ(dialog.batteryClass(), 1);
    EXPECT_EQ(dialog.ArcChoice(), kAllArcs);
    EXPECT_EQ(dialog.ArcCount(), 6);
    EXPECT_EQ(dialog.number(), 1);
    expectFigures(dialog, 1, 3);

    AddWeaponLayout expected;
    expected.battery = expected.arcs = true;
    expected.arcPictures[5] = true;
    EXPECT_EQ(dialog.layout(), expected);
    EXPECT_EQ(dialog.selectedImage(), (ArcImage{6, 1}));

    dialog.setBatteryClass(2);
    EXPECT_EQ(dialog.ArcChoice(), arcs({6, 1, 2}));
    EXPECT_EQ(dialog.layout().arcPictures, (std::array<bool, 6>{false, false, true, false, false, true}));
    expectFigures(dialog, 2, 6);
    ASSERT_TRUE(dialog.clickArcImage({6, 1}));
    expectFigures(dialog, 3, 9);
    EXPECT_FALSE(dialog.clickArcImage({1, 1})) << "picArc1 is hidden for class 2";
    EXPECT_EQ(dialog.ArcChoice(), kAllArcs);

    dialog.setBatteryClass(3);
    EXPECT_EQ(dialog.ArcChoice(), arcs({1}));
    EXPECT_EQ(dialog.layout().arcPictures, (std::array<bool, 6>{true, true, true, true, true, true}));
    ASSERT_TRUE(dialog.clickArcImage({2, 4}));
    EXPECT_EQ(dialog.ArcChoice(), arcs({3, 4}));
    EXPECT_EQ(dialog.selectedImage(), (ArcImage{2, 4}));
    expectFigures(dialog, 5, 15);
    ASSERT_TRUE(dialog.clickArcImage({6, 1}));
    expectFigures(dialog, 9, 27);

    dialog.setBatteryClass(10);
    ASSERT_TRUE(dialog.clickArcImage({6, 1}));
    expectFigures(dialog, 512 + 128 * 5, 3 * (512 + 128 * 5));
    dialog.setBatteryClass(11);
    EXPECT_EQ(dialog.batteryClass(), 10);

    dialog.setBatteryClass(1);
    EXPECT_EQ(dialog.ArcChoice(), kAllArcs);
    EXPECT_EQ(dialog.layout().arcPictures, (std::array<bool, 6>{false, false, false, false, false, true}));
    expectFigures(dialog, 1, 3);
}

TEST(AddWeapon, ArcImagesChooseConsecutiveArcsAroundTheirPosition)
{
    EXPECT_EQ(arcsOfImage({3, 1}), arcs({6, 1, 2}));
    EXPECT_EQ(arcsOfImage({4, 6}), arcs({4, 5, 6, 1}));
    EXPECT_EQ(arcsOfImage({5, 4}), arcs({2, 3, 4, 5, 6}));
    EXPECT_EQ(arcsOfImage({6, 1}), kAllArcs);

    // Every image of pictures 1 to 5 covers its own arc and exactly as many arcs as its picture.
    for (int picture = 1; picture <= 5; ++picture) {
        for (int image = 1; image <= 6; ++image) {
            const Arcs chosen = arcsOfImage({picture, image});
            EXPECT_EQ(std::count(chosen.begin(), chosen.end(), true), picture) << picture << "/" << image;
            EXPECT_TRUE(chosen[image - 1]) << picture << "/" << image;
        }
    }

    // Images that do not exist choose nothing.
    EXPECT_EQ(arcsOfImage({6, 2}), Arcs{});
    EXPECT_EQ(arcsOfImage({0, 1}), Arcs{});
    EXPECT_EQ(arcsOfImage({3, 7}), Arcs{});
}

TEST(AddWeapon, EachKindShowsItsControlsAndPresetsAndMakesItsMount)
{
    struct Case {
        const char* kind;
        WeaponEntry mount;   // its recorded kind, arcs, figures and details as first shown
        std::array<bool, 6> pictures;
    };
    const std::array<bool, 6> third{false, false, true, false, false, false};
    const Case cases[] = {
        {"Needle Beam", {"Needle Beam", arcs({1}), 0, 2, 6, ""}, {true, false, false, false, false, false}},
        {"Pulse Torpedo Tube", {"Pulse Torpedo Tube", arcs({1}), 0, 4, 12, ""}, {true, true, true, false, false, false}},
        {"Submunitions Pack", {"Submunitions Pack", {}, 0, 1, 3, ""}, {}},
        {"Salvo Missile Rack", {"Salvo Missile Rack", arcs({6, 1, 2}), 0, 4, 12, "STD"}, third},
        {"Salvo Missile Launcher", {"Salvo Launcher", arcs({6, 1, 2}), 0, 3, 9, ""}, third},
        {"Salvo Missile Magazine", {"Salvo Magazine", {}, 0, 2, 6, "2"}, {}},
        {"Missile", {"Missile", {}, 0, 2, 6, "STD"}, {}},
        {"Mine Layer", {"Mine Layer", {}, 0, 3, 8, "1"}, {}},
        {"Ortillery System", {"Ortillery System", {}, 0, 3, 9, ""}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        const AddWeapon dialog = chosen(c.kind);
        EXPECT_EQ(dialog.WeaponKind(), c.mount.Kind);
        EXPECT_EQ(dialog.ArcChoice(), c.mount.Arc);
        EXPECT_EQ(dialog.layout().arcPictures, c.pictures);
        EXPECT_EQ(dialog.layout().arcs, c.mount.Arc != Arcs{});
        EXPECT_EQ(dialog.selectedImage().has_value(), c.mount.Arc != Arcs{});
        EXPECT_FALSE(dialog.layout().battery);
        expectFigures(dialog, c.mount.Mass, c.mount.Cost);
        EXPECT_EQ(dialog.mounts(), QList<WeaponEntry>{c.mount});
    }
    EXPECT_TRUE(chosen("Salvo Missile Rack").layout().salvo);
    EXPECT_TRUE(chosen("Missile").layout().missile);
    EXPECT_TRUE(chosen("Salvo Missile Magazine").layout().capacity);
    EXPECT_TRUE(chosen("Mine Layer").layout().mines);
}

TEST(AddWeapon, OptionsChangeTheFiguresAndAreResetWithTheKind)
{
    AddWeapon dialog = chosen("Pulse Torpedo Tube");
    ASSERT_TRUE(dialog.clickArcImage({3, 2}));
    expectFigures(dialog, 6, 18);
    EXPECT_FALSE(dialog.clickArcImage({4, 2})) << "a torpedo reaches three arcs at most";

    dialog = chosen("Mine Layer");
    dialog.setMines(4);
    expectFigures(dialog, 6, 14);
    dialog.setNumber(3);
    EXPECT_EQ(dialog.figuresForAll().mass, 18);
    EXPECT_EQ(dialog.figuresForAll().cost, 42);
    dialog.chooseKind(kindIndex("Missile"));
    dialog.chooseKind(kindIndex("Mine Layer"));
    EXPECT_EQ(dialog.mines(), 1);
    EXPECT_EQ(dialog.number(), 3) << "the number to install survives a change of kind";

    dialog = chosen("Salvo Missile Magazine");
    dialog.setMagazineMass(10);
    expectFigures(dialog, 10, 30);
    dialog.setMagazineMass(31);
    EXPECT_EQ(dialog.magazineMass(), 30);
    dialog.setMagazineMass(1);
    EXPECT_EQ(dialog.magazineMass(), 2);

    dialog = chosen("Salvo Missile Rack");
    dialog.chooseSalvo(1);
    expectFigures(dialog, 5, 15);

    dialog = AddWeapon();
    dialog.setBatteryClass(4);
    dialog.chooseKind(kindIndex("Needle Beam"));
    dialog.setBatteryClass(2);   // the class control is not on the needle beam's dialog
    EXPECT_EQ(dialog.ArcChoice(), arcs({1}));
    dialog.chooseKind(kindIndex("Beam Battery"));
    EXPECT_EQ(dialog.batteryClass(), 1);
    EXPECT_EQ(dialog.ArcChoice(), kAllArcs);

    dialog.chooseKind(42);
    EXPECT_EQ(dialog.WeaponKind(), "Beam Battery");
    dialog.setNumber(0);
    EXPECT_EQ(dialog.number(), 1);
    dialog.setNumber(99);
    EXPECT_EQ(dialog.number(), 20);
}

TEST(AddWeapon, MountsCarryTheNumberTheClassAndTheOptions)
{
    AddWeapon batteries;
    batteries.setNumber(3);
    EXPECT_EQ(batteries.mounts(), QList<WeaponEntry>(3, WeaponEntry{"Class 1 Battery", kAllArcs, 0, 1, 3, ""}));
    batteries.setBatteryClass(10);
    EXPECT_EQ(batteries.mounts().first().Kind, "Class 10 Battery");

    auto details = [](const char* kind, auto configure) {
        AddWeapon dialog = chosen(kind);
        configure(dialog);
        const QList<WeaponEntry> mounts = dialog.mounts();
        return mounts.size() == 1 ? mounts.first().Details : QStringLiteral("?");
    };
    EXPECT_EQ(details("Salvo Missile Rack", [](AddWeapon& d) { d.chooseSalvo(1); }), "ER");
    EXPECT_EQ(details("Missile", [](AddWeapon& d) { d.chooseMissile(1); }), "EMP");
    EXPECT_EQ(details("Missile", [](AddWeapon& d) { d.chooseMissile(2); }), "Needle");
    EXPECT_EQ(details("Mine Layer", [](AddWeapon& d) { d.setMines(4); }), "4");
    EXPECT_EQ(details("Salvo Missile Magazine", [](AddWeapon& d) { d.setMagazineMass(10); }), "10");
}
