#include "model/constructionrules.h"
#include "model/fieldchecks.h"

#include <gtest/gtest.h>

using namespace kw;

namespace {

WeaponEntry mount(const char* kind, int mass)
{
    WeaponEntry w;
    w.Kind = kind;
    w.Mass = mass;
    return w;
}

RuleInputs design(ShipType type, qint64 tmf)
{
    RuleInputs in;
    in.type = type;
    in.tmf = tmf;
    in.ftl = FtlChoice::None;
    return in;
}

} // namespace

TEST(ConstructionRules, MerchantWeaponLimit)
{
    RuleInputs in = design(ShipType::MerchantShip, 100);
    in.weapons = {mount("Class 1 Battery", 10), mount("Class 1 Battery", 1)};
    EXPECT_EQ(checkConstructionRules(in),
              QStringLiteral("Your merchant ship may not have more than 10% it's mass in weapons.\r"
                             "You have 11, while your limit is 10."));
    in.weapons.removeLast();
    EXPECT_FALSE(checkConstructionRules(in));
    EXPECT_EQ(merchantWeaponLimit(4), 1);
    EXPECT_EQ(merchantWeaponLimit(15), 2);
}

TEST(ConstructionRules, StationsAreImmobile)
{
    const QString immobile = QStringLiteral("Stations are immobile and as a result\rmay not have Main Drive, FTL or Streamlining");
    RuleInputs station = design(ShipType::MilitaryStation, 100);
    EXPECT_FALSE(checkConstructionRules(station));
    station.mainDrive = 1;
    EXPECT_EQ(checkConstructionRules(station), immobile);
    station.mainDrive = 0;
    station.streamlining = StreamliningChoice::Partial;
    EXPECT_EQ(checkConstructionRules(station), immobile);
}

const QString kLimited = QStringLiteral("Merchant and Civilian Ships can't have systems greater than\r"
                                        "Class 1 Batteries, Submunitions Packs, Lvl-1 Screens and PDAFS\r"
                                        "and may not carry SMLs, Fighters, Nova Cannons, etc");

TEST(ConstructionRules, CiviliansCarryOnlyLightWeaponsAndOneScreen)
{
    RuleInputs civilian = design(ShipType::CivilianStation, 1000);
    civilian.systems.amount(ShipSystem::Screens) = 1;
    civilian.weapons = {mount("Class 1 Battery", 1), mount("Submunitions Pack", 1)};
    EXPECT_FALSE(checkConstructionRules(civilian));
    civilian.systems.amount(ShipSystem::Screens) = 2;
    EXPECT_EQ(checkConstructionRules(civilian), kLimited);
    civilian.systems.amount(ShipSystem::Screens) = 0;
    civilian.weapons.append(mount("Needle Beam", 2));
    EXPECT_EQ(checkConstructionRules(civilian), kLimited);
}

TEST(ConstructionRules, CiviliansMayNotFitWarshipSystems)
{
    const QList<ShipSystem> forbidden{ShipSystem::FighterBays,  ShipSystem::ReflexField, ShipSystem::CloakingField,
                                      ShipSystem::LocalisedEcm, ShipSystem::AreaEcm,     ShipSystem::NovaCannon,
                                      ShipSystem::WaveGun};
    for (const ShipSystemRow& row : shipSystems()) {
        RuleInputs merchant = design(ShipType::MerchantShip, 100);
        merchant.systems.amount(row.system) = 1;
        EXPECT_EQ(checkConstructionRules(merchant), forbidden.contains(row.system) ? std::optional(kLimited) : std::nullopt)
            << static_cast<int>(row.system);
    }
}

TEST(ConstructionRules, WarshipsAndQShipsAreBoundByNone)
{
    for (ShipType type : {ShipType::QShip, ShipType::MilitaryShip}) {
        RuleInputs ship = design(type, 100);
        ship.mainDrive = 4;
        ship.weapons = {mount("Class 5 Battery", 40)};
        for (const ShipSystemRow& row : shipSystems())
            ship.systems.amount(row.system) = 3;
        EXPECT_FALSE(checkConstructionRules(ship)) << static_cast<int>(type);
    }
}

TEST(FieldChecks, NumbersAreRoundedAndClampedSilently)
{
    auto check = [](NumericField f, const char* text, double crew = 0) { return checkNumericField(f, text, crew); };
    EXPECT_EQ(check(NumericField::Armour, "12.5").text, "13");
    EXPECT_EQ(check(NumericField::Armour, "-4").text, "0");
    EXPECT_EQ(check(NumericField::Armour, " 40 ").text, "33");
    EXPECT_EQ(check(NumericField::MD, "18").text, "16");
    EXPECT_EQ(check(NumericField::FTL, "2").text, "3");
    EXPECT_EQ(check(NumericField::FTL, "600").text, "500");
    EXPECT_EQ(check(NumericField::Hull, "5", 12).text, "12");
    EXPECT_EQ(check(NumericField::Hull, "140", 12).text, "132");
    EXPECT_EQ(check(NumericField::TMF, "1e30").text, "2147483647");
    EXPECT_TRUE(check(NumericField::TMF, "1e30").accepted);
}

TEST(FieldChecks, TextsThatAreNoNumberAreRefusedWithTheFieldsMessage)
{
    const FieldCheckOutcome armour = checkNumericField(NumericField::Armour, "abc", 0);
    EXPECT_FALSE(armour.accepted);
    EXPECT_EQ(armour.text, "0");
    EXPECT_EQ(armour.message, QStringLiteral("The armour factor must be an integer greater than or equal to\r\n"
                                             "0 and less than or equal to 33."));
    const FieldCheckOutcome md = checkNumericField(NumericField::MD, "x", 0);
    EXPECT_EQ(md.message, QStringLiteral("Main Drive rating must be an integer from 0 to 20"));
    const FieldCheckOutcome hull = checkNumericField(NumericField::Hull, "", 7);
    EXPECT_EQ(hull.text, "7");
    EXPECT_EQ(checkNumericField(NumericField::TMF, "", 0).text, "3");
}

TEST(FieldChecks, NamesMustBeUsableAsFileNames)
{
    EXPECT_TRUE(isValidName("Vigilant"));
    EXPECT_FALSE(isValidName(""));
    for (QChar c : QStringLiteral("\\/:*?\"<>|"))
        EXPECT_FALSE(isValidName(QStringLiteral("A") + c + "B")) << QString(c).toStdString();
    EXPECT_EQ(invalidShipNameMessage(), QStringLiteral("The ship name you entered is invalid.  You must enter a name for\r\n"
                                                       "the ship class that doesn't contain any of the chararacters:\r\n"
                                                       "\t\t          \\/:*?\"<>|"));
    EXPECT_TRUE(invalidSideNameMessage().startsWith("The side's name you entered is invalid."));
}
