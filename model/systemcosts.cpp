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

    set(SystemLabel::FCS, static_cast<double>(in.fcs), 4);

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

    double screens = static_cast<double>(roundHalfUpWhole(static_cast<double>(in.screens) * 5 * p));
    if (in.screens > 0 && 3.0 * static_cast<double>(in.screens) > screens)
        screens = 3.0 * static_cast<double>(in.screens);
    set(SystemLabel::SCREENS, screens, 3);

    set(SystemLabel::REFLEX, in.reflex ? percentOfMass(10, p, 10) : 0, 6);
    set(SystemLabel::CLOAK, in.cloak ? percentOfMass(10, p, 2) : 0, 10);
    f[static_cast<int>(SystemLabel::MINESWEEPER)] = in.mineSweeper ? SystemFigure{5, 15} : SystemFigure{};
    set(SystemLabel::FIGHTERS, 9.0 * static_cast<double>(in.fighterBays), 3);
    set(SystemLabel::PDS, static_cast<double>(in.pds), 3);
    set(SystemLabel::ADFC, 2.0 * static_cast<double>(in.adfc), 4);
    f[static_cast<int>(SystemLabel::CARGO)] = {static_cast<double>(in.cargo), 0};
    f[static_cast<int>(SystemLabel::PASSANGER)] = {static_cast<double>(in.passengers), 0};
    f[static_cast<int>(SystemLabel::NOVA)] = in.nova ? SystemFigure{20, 60} : SystemFigure{};
    f[static_cast<int>(SystemLabel::WAVE)] = in.wave ? SystemFigure{12, 36} : SystemFigure{};
    f[static_cast<int>(SystemLabel::ESENSORS)] = in.sensors == 1 ? SystemFigure{1, 15} : SystemFigure{};
    f[static_cast<int>(SystemLabel::SUPSENSORS)] = in.sensors == 2 ? SystemFigure{2, 30} : SystemFigure{};
    f[static_cast<int>(SystemLabel::ECM)] = in.ecm ? SystemFigure{2, 20} : SystemFigure{};
    f[static_cast<int>(SystemLabel::AREAECM)] = in.areaEcm ? SystemFigure{3, 30} : SystemFigure{};
    f[static_cast<int>(SystemLabel::DCP)] = {0, 10.0 * static_cast<double>(in.dcps)};

    double hangar = 0;
    for (int capacity : in.hangars)
        hangar += 1.5 * capacity;
    set(SystemLabel::HANGAR, hangar, 3);
    return f;
}

} // namespace kw
