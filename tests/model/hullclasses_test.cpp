#include "model/hullclasses.h"

#include <gtest/gtest.h>

using namespace kw;

TEST(HullClasses, WarshipAndCarrierEntriesFollowTheMass)
{
    EXPECT_TRUE(GetClasses(ShipType::MilitaryShip, 2).isEmpty());
    EXPECT_EQ(GetClasses(ShipType::MilitaryShip, 3), QStringList{"Scout/Courier (SC)"});
    EXPECT_EQ(GetClasses(ShipType::MilitaryShip, 10), (QStringList{"Scout/Courier (SC)", "Corvette (CT)"}));
    EXPECT_EQ(GetClasses(ShipType::MilitaryShip, 20), QStringList{"Frigate (FF)"});
    EXPECT_EQ(GetClasses(ShipType::MilitaryShip, 25), (QStringList{"Frigate (FF)", "Destroyer (DD)"}));
    // Three warship entries at 50, 60, 140 and 160 (the last two with carriers after them).
    EXPECT_EQ(GetClasses(ShipType::MilitaryShip, 50).size(), 3);
    EXPECT_EQ(GetClasses(ShipType::MilitaryShip, 60).size(), 3);
    EXPECT_EQ(GetClasses(ShipType::MilitaryShip, 140).size(), 3 + 2);
    EXPECT_EQ(GetClasses(ShipType::MilitaryShip, 160).size(), 3 + 3);
    EXPECT_EQ(GetClasses(ShipType::QShip, 150),
              (QStringList{"Battle Dreadnought (BDN)", "Dreadnought (DN)", "Light Carrier (CVL)", "Attack Carrier (CVA)"}));
    EXPECT_EQ(GetClasses(ShipType::MerchantShip, 170),
              (QStringList{"Dreadnought (DN)", "Superdreadnought (SDN)", "Light Carrier (CVL)", "Heavy Carrier (CVA)",
                           "Attack Carrier (CVA)"}));
    EXPECT_EQ(GetClasses(ShipType::MilitaryShip, 5000),
              (QStringList{"Superdreadnought (SDN)", "Heavy Carrier (CVH)", "Attack Carrier (CVA)", "Super Carrier (CVS)"}));
}

TEST(HullClasses, EveryMassHasAnEntryAndStationsHaveSix)
{
    for (int mass = 3; mass <= 400; ++mass)
        EXPECT_FALSE(GetClasses(ShipType::MilitaryShip, mass).isEmpty()) << mass;
    for (ShipType station : {ShipType::MilitaryStation, ShipType::CivilianStation}) {
        const QStringList list = GetClasses(station, 3);
        ASSERT_EQ(list.size(), 6);
        EXPECT_EQ(list.first(), "Star Base (SB)");
        EXPECT_EQ(list[4], "Civilian Station(CS)");
        EXPECT_EQ(GetClasses(station, 0), list);
    }
}
