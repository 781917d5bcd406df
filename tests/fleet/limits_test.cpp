// Totals, limits, the limit test and removing a ship.
#include "tests/fleet/fleetfixture.h"

using namespace kw;
using kw::test::FleetTest;

namespace {

const QString kMassLine = QStringLiteral("You are at or over your mass limit for this fleet.");
const QString kPointsLine = QStringLiteral("You are at or over your npv limit for this fleet.");
const QString kShipsLine = QStringLiteral("You are at or over your ship limit for this fleet.");
const QString kAddFromSide = QStringLiteral("You must correct this before adding more ships.");
const QString kAddOther = QStringLiteral("You must correct this before adding more ships");
const QString kSaving = QStringLiteral("You must correct this before saving");

class LimitsTest : public FleetTest {
protected:
    QStringList row(QString (FleetOrganizer::*label)(FleetLimit) const) const
    {
        return {(fleet.*label)(FleetLimit::Mass), (fleet.*label)(FleetLimit::Points),
                (fleet.*label)(FleetLimit::Ships)};
    }
    void type(FleetLimit which, const QString& text)
    {
        fleet.typeLimitText(which, text);
        fleet.leaveLimit(which);
    }
};

} // namespace

TEST_F(LimitsTest, WithoutLimitsNothingIsRefused)
{
    // The labels show 0 until the first refresh.
    EXPECT_EQ(row(&FleetOrganizer::leftText), (QStringList{"0", "0", "0"}));
    EXPECT_EQ(row(&FleetOrganizer::limitText), (QStringList{"-1", "-1", "-1"}));
    addFromSide("Cruiser");
    addFromSide("Hood");
    openOther(test::fleetShip("Carrier"));
    EXPECT_EQ(row(&FleetOrganizer::currentText), (QStringList{"670", "1700", "3"}));
    EXPECT_EQ(row(&FleetOrganizer::leftText), (QStringList{"-1", "-1", "-1"}));
    EXPECT_TRUE(prompts.asked.isEmpty());
}

TEST_F(LimitsTest, AMassLimitLetsShipsInWhileAnythingIsLeft)
{
    type(FleetLimit::Mass, "500");
    EXPECT_EQ(fleet.MassLimit(), 500);
    EXPECT_EQ(fleet.leftText(FleetLimit::Mass), "500");
    addFromSide("Cruiser");
    EXPECT_EQ(fleet.leftText(FleetLimit::Mass), "200");
    openOther(test::fleetShip("Carrier"));
    EXPECT_EQ(fleet.FleetMass(), 550);
    EXPECT_EQ(fleet.leftText(FleetLimit::Mass), "-50");
    EXPECT_TRUE(prompts.asked.isEmpty());

    addFromSide("Scout");
    fleet.OpenOther(); // refused before the dialog is shown
    EXPECT_FALSE(fleet.SaveFleet());
    EXPECT_EQ(prompts.texts(),
              (QStringList{kMassLine + "\r" + kAddFromSide, kMassLine + "\r" + kAddOther, kMassLine + "\r" + kSaving}));
    EXPECT_EQ(prompts.asked[0].buttons, PromptButtons::Ok);
    EXPECT_EQ(prompts.asked[0].icon, PromptIcon::None);
    EXPECT_EQ(prompts.asked[0].title, "Starmarch Keelwright");
    EXPECT_EQ(fleet.ShipCount(), 2);
    EXPECT_TRUE(fleet.SaveAbandoned());
}

TEST_F(LimitsTest, AShipLimitReachedRefusesAddingAndSaving)
{
    type(FleetLimit::Ships, "2");
    addFromSide("Hood");
    addFromSide("Scout");
    EXPECT_EQ(fleet.leftText(FleetLimit::Ships), "0");
    addFromSide("Cruiser");
    EXPECT_FALSE(fleet.SaveFleet());
    EXPECT_EQ(prompts.texts(), (QStringList{kShipsLine + "\r" + kAddFromSide, kShipsLine + "\r" + kSaving}));

    // Only the first failing limit speaks, in the order mass, points, ships.
    prompts.clear();
    type(FleetLimit::Points, "470");
    type(FleetLimit::Mass, "100");
    addFromSide("Cruiser");
    type(FleetLimit::Mass, "1000");
    addFromSide("Cruiser");
    EXPECT_EQ(prompts.texts(), (QStringList{kMassLine + "\r" + kAddFromSide, kPointsLine + "\r" + kAddFromSide}));
}

TEST_F(LimitsTest, EnteringALimitAndTotalsThatDoNotWrap)
{
    type(FleetLimit::Points, "300");
    // Not a number: the limit in force comes back into the box.
    type(FleetLimit::Points, "abc");
    EXPECT_EQ(fleet.limitText(FleetLimit::Points), "300");
    EXPECT_EQ(fleet.PointsLimit(), 300);
    // A fraction is rounded, halves to even; the box keeps what was typed.
    type(FleetLimit::Points, "2.5");
    EXPECT_EQ(fleet.PointsLimit(), 2);
    EXPECT_EQ(fleet.limitText(FleetLimit::Points), "2.5");
    // Beyond what the limit can hold: undone like a text that is no number.
    type(FleetLimit::Points, "9E99");
    EXPECT_EQ(fleet.PointsLimit(), 2);
    EXPECT_EQ(fleet.limitText(FleetLimit::Points), "2");
    // A negative limit is no limit, and the box keeps it.
    type(FleetLimit::Points, "-5");
    EXPECT_EQ(fleet.PointsLimit(), -5);
    EXPECT_EQ(fleet.leftText(FleetLimit::Points), "-1");
    EXPECT_EQ(fleet.limitText(FleetLimit::Points), "-5");
    // A longer text than the box lets one type is taken when the program sets it.
    fleet.enterLimit(FleetLimit::Mass, "32767");
    EXPECT_EQ(fleet.MassLimit(), 32767);
    EXPECT_TRUE(prompts.asked.isEmpty());

    // Totals do not wrap.
    QByteArray huge = test::readFile(test::fleetShip("Scout"));
    huge.replace("TMF=40", "TMF=2000000000").replace("NPV=120", "NPV=2000000000");
    const QString file = folder.write("Ships/Blue/Huge.shp", huge);
    fleet.enterLimit(FleetLimit::Mass, "32767");
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(fleet.OpenShip(file, "Huge"));
    EXPECT_EQ(fleet.FleetMass(), 6000000000);
    EXPECT_EQ(fleet.currentText(FleetLimit::Points), "6000000000");
    EXPECT_EQ(fleet.leftText(FleetLimit::Mass), QString::number(32767 - 6000000000));
}

TEST_F(LimitsTest, RemovingTheMiddleShipRenumbersEverythingButTheIds)
{
    addFromSide("Hood");
    addFromSide("Cruiser");
    addFromSide("Scout");
    EXPECT_EQ(ids(), (QStringList{"1", "2", "3"}));
    fleet.typeCardName(3, "Picket");
    fleet.typeCardNotes(3, "eyes only");
    const auto texts = [this](int k) {
        const FleetCard& card = fleet.card(k);
        return QStringList{card.id, card.name, card.misc, card.description};
    };
    const QStringList scoutTexts = texts(3);
    const QImage scoutPicture = fleet.card(3).picture;
    fleet.chooseFleetEntry(1);
    ASSERT_EQ(fleet.selectTag(), 2);
    fleet.Remove();

    ASSERT_EQ(fleet.ShipCount(), 2);
    EXPECT_EQ(fleet.FleetMass(), 160);
    EXPECT_EQ(fleet.FleetPoints(), 470);
    EXPECT_EQ(fleet.currentText(FleetLimit::Ships), "2");
    EXPECT_EQ(fleet.fleetList(), (QList<FleetListEntry>{{"Hood", 1}, {"Scout", 2}}));
    EXPECT_EQ(fleet.card(2).tag, 2);
    EXPECT_EQ(fleet.card(2).picture, scoutPicture);
    EXPECT_EQ(texts(2), scoutTexts);
    EXPECT_EQ(scoutTexts.mid(0, 3), (QStringList{"3", "Picket", "eyes only"}));
    EXPECT_EQ(fleet.FleetShips()[1].Name, "Scout");
    EXPECT_EQ(fleet.selectedFleetEntry(), -1);
    EXPECT_FALSE(fleet.selectionVisible());

    // Nothing selected: nothing happens.
    fleet.Remove();
    EXPECT_EQ(fleet.ShipCount(), 2);
    // A new card takes its number as its id, even one a moved card kept.
    addFromSide("Hood");
    EXPECT_EQ(ids(), (QStringList{"1", "3", "3"}));
}
