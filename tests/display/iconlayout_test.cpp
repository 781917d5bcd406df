#include "display/displaymodel.h"
#include "display/iconbuilder.h"
#include "display/iconcatalog.h"
#include "display/sheetgeometry.h"
#include "model/systemcodes.h"

#include <gtest/gtest.h>

using namespace kw;

namespace {

QList<WeaponEntry> noWeapons;

WeaponEntry weapon(const char* kind, const char* details = "")
{
    WeaponEntry w;
    w.Kind = kind;
    w.Details = details;
    return w;
}

} // namespace

TEST(IconLayout, CatalogueOrderAndSizes)
{
    DisplayModel display;
    FittedSystems counts;
    for (const ShipSystemRow& row : shipSystems())
        counts.amount(row.system) = 1;
    counts.amount(ShipSystem::CargoSpace) = 10;
    counts.amount(ShipSystem::PassengerSpace) = 2;
    counts.amount(ShipSystem::StandardSensors) = 0;
    counts.amount(ShipSystem::EnhancedSensors) = 0;
    counts.hangarBays = {3};
    QList<WeaponEntry> weapons{weapon("Missile", "EMP"), weapon("Mine Layer", "3"), weapon("Salvo Magazine", "8")};
    weapons[2].Number = 0;
    BuildSystemIcons(display, counts, weapons);

    QStringList tags;
    for (const SystemIcon& icon : display.icons())
        tags << icon.tag;
    EXPECT_EQ(tags, (QStringList{"FC", "Screen", "Fighter", "PDS", "ADFC", "Reflex", "Cloak", "MineSweeper", "Nova", "Wave",
                                 "ECM", "Area ECM", "CSpace", "CSpace", "CSpace", "CSpace", "PSpace", "PSpace",
                                 "SupSensors", "DCP", "Hangar", "0", "1", "2"}));
    EXPECT_EQ(weapons[2].Number, 2);
    // The systems take their sizes from their rows; the mounts' sizes follow their details.
    auto size = [&](int index) { return std::pair{display.icon(index).width, display.icon(index).height}; };
    EXPECT_EQ(size(21), (std::pair{315.0f, 750.0f}));
    EXPECT_EQ(size(22), (std::pair{315.0f, 525.0f}));
    EXPECT_EQ(size(23), (std::pair{945.0f, 315.0f}));
    EXPECT_EQ(size(24), (std::pair{1260.0f, 315.0f}));
    for (const SystemIcon& icon : display.icons()) {
        EXPECT_FALSE(icon.placed());
        EXPECT_EQ(icon.picture.size(), QSize(qRound(icon.width / 15), qRound(icon.height / 15))) << icon.tag.toStdString();
    }
    // The first icon starts after the template at -315; lefts carry the fractions.
    EXPECT_EQ(display.icon(1).left, 55);
    EXPECT_EQ(display.icon(2).left, 55 + 157.5f + 55);
}

TEST(IconLayout, HoldingRowsWrapAtTheMargin)
{
    DisplayModel display;
    FittedSystems counts;
    counts.amount(ShipSystem::Screens) = 5;
    counts.amount(ShipSystem::DamageControlParties) = 11;
    BuildSystemIcons(display, counts, noWeapons);
    ASSERT_EQ(display.iconCount(), 16);
    for (int k = 1; k <= 15; ++k) {
        EXPECT_EQ(display.icon(k).left, 55 + 370 * (k - 1)) << k;
        EXPECT_EQ(display.icon(k).top, 0);
    }
    EXPECT_EQ(display.icon(16).left, 55);
    EXPECT_EQ(display.icon(16).top, 630);
    EXPECT_EQ(display.holdingCanvasHeight, SheetDesign::holdingViewHeight);
    EXPECT_EQ(display.holdingScrollMax, 0);
}

TEST(IconLayout, TheCanvasGrowsWithTheIcons)
{
    DisplayModel display;
    BuildSystemIcons(display, {}, noWeapons);
    EXPECT_EQ(display.iconCount(), 0);
    EXPECT_EQ(display.holdingScrollMax, 0);

    FittedSystems counts;
    counts.amount(ShipSystem::PointDefence) = 100;
    counts.amount(ShipSystem::DamageControlParties) = 100;
    BuildSystemIcons(display, counts, noWeapons);
    const SystemIcon& last = display.icon(display.iconCount());
    EXPECT_EQ(last.top + last.height, 6457.5f);
    EXPECT_EQ(display.holdingCanvasHeight, 6458);   // a whole number, halves to even
    EXPECT_EQ(display.holdingScrollMax, display.holdingCanvasHeight - display.sheet.holdingViewHeight);
}

TEST(IconLayout, SpaceBoxesShareTheMass)
{
    EXPECT_EQ(spaceBoxShares(10), (QList<int>{3, 3, 2, 2}));
    EXPECT_EQ(spaceBoxShares(2), (QList<int>{1, 1}));
    EXPECT_EQ(spaceBoxShares(250), (QList<int>{63, 63, 62, 62}));
    EXPECT_TRUE(spaceBoxShares(0).isEmpty());
    EXPECT_TRUE(spaceBoxShares(-5).isEmpty());
    EXPECT_EQ(magazineSegments("3"), 1);
    EXPECT_EQ(magazineSegments("8"), 4);
    EXPECT_EQ(magazineSegments("junk"), 1);
    EXPECT_EQ(mineLayerSegments("99999"), kMaxIconSegments);
}

TEST(SheetGeometry, TheDisplayFollowsTheMassAndTheFirstTrackRow)
{
    SheetGeometry sheet;
    auto size = [&](qint64 tmf, int firstRow = 1) {
        TestSize(sheet, tmf, firstRow);
        return std::pair{sheet.display.width, sheet.display.height};
    };
    EXPECT_EQ(size(10), (std::pair{2425.0f, 2425.0f}));
    EXPECT_EQ(sheet.holdingViewHeight, SheetDesign::holdingViewHeight);
    EXPECT_EQ(size(150), (std::pair{2425.0f, 3500.0f}));
    EXPECT_EQ(size(150, 12), (std::pair{2425.0f, 3500.0f}));
    EXPECT_EQ(size(150, 13), (std::pair{2565.0f, 3500.0f}));
    EXPECT_EQ(size(151), (std::pair{4325.0f, 3500.0f}));
    EXPECT_EQ(size(299), (std::pair{4325.0f, 3500.0f}));
    EXPECT_EQ(size(300), (std::pair{6275.0f, 3700.0f}));

    // Centred in its frame, its bottom 100 twips above the frame's bottom.
    EXPECT_EQ(sheet.display.left, 5445 + (6390 - 6275) / 2.0f);
    EXPECT_EQ(sheet.display.bottom(), 1530 + 6450 - 100);
    EXPECT_EQ(sheet.md.top, 3700 - 459);
    EXPECT_EQ(sheet.coreBorder.top, 3700 - 585);
    EXPECT_EQ(sheet.trackRowTop[0], 3700 - 1245);
    EXPECT_EQ(sheet.trackRowTop[3], 3700 - 1245 + 3 * 165);
    EXPECT_EQ(sheet.armourTop, 3700 - 1410);
    EXPECT_EQ(sheet.trackBox(1, 2).left, 60 + 2 * 185);
    // The link buttons sit above the display, and the holding box shrinks to keep above them.
    EXPECT_EQ(sheet.linkButtonTop, 4180 - 375 - 25);
    EXPECT_EQ(sheet.holdingFrameHeight, 3780 - 1440 - 200);
    EXPECT_EQ(sheet.holdingViewHeight, 2140 - 330);
}
