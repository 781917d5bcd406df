#include "model/crew.h"
#include "model/systemcosts.h"

#include <gtest/gtest.h>

using namespace kw;

namespace {

SystemFigure figure(const SystemFigures& f, SystemLabel label)
{
    return f[static_cast<int>(label)];
}

SystemInputs plain(qint64 tmf)
{
    SystemInputs in;
    in.tmf = tmf;
    return in;
}

// A design of the given mass fitting the systems listed, one each unless said otherwise.
SystemInputs fitting(qint64 tmf, std::initializer_list<std::pair<ShipSystem, qint64>> systems)
{
    SystemInputs in = plain(tmf);
    for (const auto& [system, amount] : systems)
        in.systems.amount(system) = amount;
    return in;
}

} // namespace

TEST(SystemCosts, MassShareSystemsRoundHalfUpWithTheirMinimums)
{
    SystemInputs in = plain(100);
    in.md = 4;
    const SystemFigures f = computeSystemFigures(in);
    EXPECT_EQ(figure(f, SystemLabel::MD).mass, 20);
    EXPECT_EQ(figure(f, SystemLabel::MD).cost, 40);
    EXPECT_EQ(figure(f, SystemLabel::FTL).mass, 10);
    EXPECT_EQ(figure(f, SystemLabel::HULL).mass, 30);
    EXPECT_EQ(figure(f, SystemLabel::HULL).cost, 60);

    in = plain(10);
    in.md = 1;
    EXPECT_EQ(figure(computeSystemFigures(in), SystemLabel::MD).mass, 1);   // 0.5 rounds up
    in = plain(9);
    in.md = 1;
    EXPECT_EQ(figure(computeSystemFigures(in), SystemLabel::MD).mass, 1);   // 0.45 -> 0, raised to 1

    in = fitting(20, {{ShipSystem::Screens, 2}});
    EXPECT_EQ(figure(computeSystemFigures(in), SystemLabel::SCREENS).mass, 6);
    EXPECT_EQ(figure(computeSystemFigures(in), SystemLabel::SCREENS).cost, 18);
    in = fitting(100, {{ShipSystem::Screens, 2}});
    EXPECT_EQ(figure(computeSystemFigures(in), SystemLabel::SCREENS).mass, 10);   // above the minimum

    in = fitting(50, {{ShipSystem::ReflexField, 1}, {ShipSystem::CloakingField, 1}});
    const SystemFigures fields = computeSystemFigures(in);
    EXPECT_EQ(figure(fields, SystemLabel::REFLEX).mass, 10);
    EXPECT_EQ(figure(fields, SystemLabel::REFLEX).cost, 60);
    EXPECT_EQ(figure(fields, SystemLabel::CLOAK).mass, 5);
    EXPECT_EQ(figure(fields, SystemLabel::CLOAK).cost, 50);
}

TEST(SystemCosts, DrivesHullAndStreamliningByChoice)
{
    SystemInputs in = plain(100);
    in.ftl = FtlChoice::Tug;
    in.towCapacity = 7;                   // 1.4 -> 1
    EXPECT_EQ(figure(computeSystemFigures(in), SystemLabel::FTL).mass, 11);
    in.ftl = FtlChoice::None;
    EXPECT_EQ(figure(computeSystemFigures(in), SystemLabel::FTL).mass, 0);

    in.hull = HullIntegrity::FixedFB2;
    in.hullRating = 12;
    EXPECT_EQ(figure(computeSystemFigures(in), SystemLabel::HULL).mass, 12);
    in.hull = HullIntegrity::Fragile;
    EXPECT_EQ(figure(computeSystemFigures(in), SystemLabel::HULL).mass, 10);

    in = plain(3);
    in.streamlining = StreamliningChoice::Full;
    EXPECT_EQ(figure(computeSystemFigures(in), SystemLabel::SL).mass, 1);   // 0.6 -> 1
    in.streamlining = StreamliningChoice::Partial;
    EXPECT_EQ(figure(computeSystemFigures(in), SystemLabel::SL).mass, 1);   // 0.3 -> 0, raised to 1
}

TEST(SystemCosts, CountsWeighAndCostByTheirUnits)
{
    SystemInputs in = fitting(100, {{ShipSystem::FighterBays, 3},
                                    {ShipSystem::AreaDefenceFireControls, 2},
                                    {ShipSystem::CargoSpace, 12},
                                    {ShipSystem::DamageControlParties, 3},
                                    {ShipSystem::SuperiorSensors, 1}});
    const SystemFigures f = computeSystemFigures(in);
    EXPECT_EQ(figure(f, SystemLabel::FIGHTERS).mass, 27);
    EXPECT_EQ(figure(f, SystemLabel::ADFC).mass, 4);
    EXPECT_EQ(figure(f, SystemLabel::ADFC).cost, 16);
    EXPECT_EQ(figure(f, SystemLabel::CARGO).mass, 12);   // space weighs but costs nothing
    EXPECT_EQ(figure(f, SystemLabel::CARGO).cost, 0);
    EXPECT_EQ(figure(f, SystemLabel::DCP).mass, 0);      // parties cost but weigh nothing
    EXPECT_EQ(figure(f, SystemLabel::DCP).cost, 30);
    EXPECT_EQ(figure(f, SystemLabel::ESENSORS).mass, 0);   // one sensor choice at a time
    EXPECT_EQ(figure(f, SystemLabel::SUPSENSORS).cost, 30);
}

TEST(SystemCosts, AHangarBayAloneWeighsAsInTheDesign)
{
    EXPECT_EQ(hangarBayMass(3), 4.5);
    EXPECT_EQ(hangarBayPoints(4.5), 13.5);
    EXPECT_EQ(hangarBayCapacity(4), 4 / 1.5);
    SystemInputs in = plain(100);
    in.systems.hangarBays = {3, 6};
    const SystemFigure bays = figure(computeSystemFigures(in), SystemLabel::HANGAR);
    EXPECT_EQ(bays.mass, hangarBayMass(3) + hangarBayMass(6));
    EXPECT_EQ(bays.cost, hangarBayPoints(bays.mass));
}

TEST(Crew, OnePerStartedDivisorCappedAt132)
{
    EXPECT_EQ(crewFor(100, ShipType::MilitaryShip).crew, 5);
    EXPECT_EQ(crewFor(120, ShipType::MerchantShip).crew, 3);
    EXPECT_EQ(crewFor(3, ShipType::CivilianStation).crew, 1);
    EXPECT_EQ(crewFor(0, ShipType::MilitaryShip).crew, 1);
    const CrewResult capped = crewFor(2700, ShipType::MilitaryShip);
    EXPECT_TRUE(capped.capped);
    EXPECT_EQ(capped.crew, 132);
    EXPECT_EQ(capped.cappedMass, 2659);
    EXPECT_EQ(crewFor(7000, ShipType::MerchantShip).cappedMass, 6649);
    EXPECT_FALSE(crewFor(2640, ShipType::MilitaryShip).capped);
}
