#include "model/systemcosts.h"

#include "model/rounding.h"

namespace kw {

QString systemLabelName(SystemLabel label)
{
    static const char* const names[kSystemLabelCount] = {
        "MD", "FTL", "FCS", "HULL", "SL", "ARMOUR", "SCREENS", "REFLEX", "CLOAK", "MINESWEEPER",
        "FIGHTERS", "PDS", "ADFC", "CARGO", "PASSANGER", "NOVA", "WAVE", "ESENSORS", "SUPSENSORS",
        "ECM", "AREAECM", "DCP", "HANGAR"};
    return QString::fromLatin1(names[static_cast<int>(label)]);
}

namespace {

// Share of the mass, rounded halves up, never below the given minimum.
double percentOfMass(double percent, double onePercent, double minimum)
{
    return MaxOf(static_cast<double>(roundHalfUpWhole(percent * onePercent)), minimum);
}

const SystemCost& hangarRule()
{
    return shipSystem(ShipSystem::HangarBays).cost;
}

} // namespace

double hangarBayMass(double capacity)
{
    return hangarRule().massPerUnit * capacity;
}

double hangarBayPoints(double mass)
{
    return hangarRule().pointsPerMass * mass;
}

double hangarBayCapacity(double mass)
{
    return mass / hangarRule().massPerUnit;
}

namespace {

// Mass and points of a fitted system by its row's rule; onePercent is a hundredth of the mass.
SystemFigure figureOf(const ShipSystemRow& row, const FittedSystems& fitted, double onePercent)
{
    const SystemCost& rule = row.cost;
    if (row.storage == SystemStorage::Bays) {
        // The bays weigh by their capacities together; the mass may end in a half.
        qint64 capacity = 0;
        for (int bay : fitted.hangarBays)
            capacity += bay;
        const double mass = hangarBayMass(static_cast<double>(capacity));
        return {mass, hangarBayPoints(mass)};
    }
    const qint64 amount = fitted.amount(row.system);
    const auto n = static_cast<double>(amount);
    double mass = n * rule.massPerUnit;
    if (rule.percentPerUnit != 0) {
        mass = static_cast<double>(roundHalfUpWhole(n * rule.percentPerUnit * onePercent));
        if (amount > 0)
            mass = MaxOf(mass, n * rule.minimumPerUnit);
    }
    return {mass, mass * rule.pointsPerMass + n * rule.pointsPerUnit};
}

} // namespace

SystemFigures computeSystemFigures(const SystemInputs& in)
{
    SystemFigures f{};
    const double p = static_cast<double>(in.tmf) / 100.0;
    auto set = [&f](SystemLabel label, double mass, double costPerMass) {
        f[static_cast<int>(label)] = {mass, mass * costPerMass};
    };

    double md = static_cast<double>(roundHalfUpWhole(static_cast<double>(in.md) * 5 * p));
    if (in.md > 0)
        md = MaxOf(md, 1);
    set(SystemLabel::MD, md, 2);

    double ftl = 0;
    if (in.ftl != FtlChoice::None)
        ftl = percentOfMass(10, p, 1);
    if (in.ftl == FtlChoice::Tug)
        ftl += MaxOf(static_cast<double>(roundHalfUpWhole(20.0 * static_cast<double>(in.towCapacity) / 100.0)), 1);
    set(SystemLabel::FTL, ftl, 2);

    const double hull = in.hull == HullIntegrity::FixedFB2
                            ? static_cast<double>(in.hullRating)
                            : percentOfMass(hullPercent(in.hull), p, 1);
    set(SystemLabel::HULL, hull, 2);

    double sl = 0;
    if (in.streamlining == StreamliningChoice::Partial)
        sl = percentOfMass(10, p, 1);
    else if (in.streamlining == StreamliningChoice::Full)
        sl = percentOfMass(20, p, 1);
    set(SystemLabel::SL, sl, 2);

    set(SystemLabel::ARMOUR, static_cast<double>(in.armour), 2);

    for (const ShipSystemRow& row : shipSystems()) {
        if (row.label)
            f[static_cast<int>(*row.label)] = figureOf(row, in.systems, p);
    }
    return f;
}

} // namespace kw
