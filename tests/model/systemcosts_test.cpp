#include "model/crew.h"
#include "model/systemcosts.h"

#include <gtest/gtest.h>

using namespace kw;

namespace {

using MassCost = std::pair<double, double>;

MassCost figure(const SystemInputs& in, SystemLabel label)
{
    const SystemFigure f = computeSystemFigures(in)[static_cast<int>(label)];
    return {f.mass, f.cost};
}

// A design of the given mass fitting the systems listed.
SystemInputs fitting(qint64 tmf, std::initializer_list<std::pair<ShipSystem, qint64>> systems = {})
{
    SystemInputs in;
    in.tmf = tmf;
    for (const auto& [system, amount] : systems)
        in.systems.amount(system) = amount;
    return in;
}

SystemInputs driven(qint64 tmf, int md)
{
    SystemInputs in = fitting(tmf);
    in.md = md;
    return in;
}

} // namespace

TEST(SystemCosts, MassShareSystemsRoundHalfUpWithTheirMinimums)
{
    EXPECT_EQ(figure(driven(100, 4), SystemLabel::MD), MassCost(20, 40));
    EXPECT_EQ(figure(driven(100, 4), SystemLabel::FTL).first, 10);
    EXPECT_EQ(figure(driven(100, 4), SystemLabel::HULL), MassCost(30, 60));
    EXPECT_EQ(figure(driven(10, 1), SystemLabel::MD).first, 1);   // 0.5 rounds up
    EXPECT_EQ(figure(driven(9, 1), SystemLabel::MD).first, 1);    // 0.45 -> 0, raised to 1

    EXPECT_EQ(figure(fitting(20, {{ShipSystem::Screens, 2}}), SystemLabel::SCREENS), MassCost(6, 18));
    EXPECT_EQ(figure(fitting(100, {{ShipSystem::Screens, 2}}), SystemLabel::SCREENS).first, 10);   // above the minimum

    const SystemInputs fields = fitting(50, {{ShipSystem::ReflexField, 1}, {ShipSystem::CloakingField, 1}});
    EXPECT_EQ(figure(fields, SystemLabel::REFLEX), MassCost(10, 60));
    EXPECT_EQ(figure(fields, SystemLabel::CLOAK), MassCost(5, 50));
}

TEST(SystemCosts, DrivesHullAndStreamliningByChoice)
{
    SystemInputs in = fitting(100);
    in.ftl = FtlChoice::Tug;
    in.towCapacity = 7;                   // 1.4 -> 1
    EXPECT_EQ(figure(in, SystemLabel::FTL).first, 11);
    in.ftl = FtlChoice::None;
    EXPECT_EQ(figure(in, SystemLabel::FTL).first, 0);

    in.hull = HullIntegrity::FixedFB2;
    in.hullRating = 12;
    EXPECT_EQ(figure(in, SystemLabel::HULL).first, 12);
    in.hull = HullIntegrity::Fragile;
    EXPECT_EQ(figure(in, SystemLabel::HULL).first, 10);

    in = fitting(3);
    in.streamlining = StreamliningChoice::Full;
    EXPECT_EQ(figure(in, SystemLabel::SL).first, 1);   // 0.6 -> 1
    in.streamlining = StreamliningChoice::Partial;
    EXPECT_EQ(figure(in, SystemLabel::SL).first, 1);   // 0.3 -> 0, raised to 1
}

TEST(SystemCosts, CountsWeighAndCostByTheirUnits)
{
    const SystemInputs in = fitting(100, {{ShipSystem::FighterBays, 3},
                                          {ShipSystem::AreaDefenceFireControls, 2},
                                          {ShipSystem::CargoSpace, 12},
                                          {ShipSystem::DamageControlParties, 3},
                                          {ShipSystem::SuperiorSensors, 1}});
    EXPECT_EQ(figure(in, SystemLabel::FIGHTERS).first, 27);
    EXPECT_EQ(figure(in, SystemLabel::ADFC), MassCost(4, 16));
    EXPECT_EQ(figure(in, SystemLabel::CARGO), MassCost(12, 0));     // space weighs but costs nothing
    EXPECT_EQ(figure(in, SystemLabel::DCP), MassCost(0, 30));       // parties cost but weigh nothing
    EXPECT_EQ(figure(in, SystemLabel::ESENSORS).first, 0);          // one sensor choice at a time
    EXPECT_EQ(figure(in, SystemLabel::SUPSENSORS).second, 30);

    // A hangar bay alone weighs as in the design.
    EXPECT_EQ(hangarBayMass(3), 4.5);
    EXPECT_EQ(hangarBayPoints(4.5), 13.5);
    EXPECT_EQ(hangarBayCapacity(4), 4 / 1.5);
    SystemInputs bays = fitting(100);
    bays.systems.hangarBays = {3, 6};
    EXPECT_EQ(figure(bays, SystemLabel::HANGAR), MassCost(4.5 + 9, hangarBayPoints(4.5 + 9)));
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
