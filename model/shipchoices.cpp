#include "model/shipchoices.h"

namespace kw {

const QStringList& shipTypeTexts()
{
    static const QStringList texts{QStringLiteral("Military Ship"), QStringLiteral("Merchant Ship"),
                                   QStringLiteral("Q Ship"), QStringLiteral("Military Station"),
                                   QStringLiteral("Civillian Station")};
    return texts;
}

const QStringList& hullIntegrityTexts()
{
    static const QStringList texts{QStringLiteral("Fragile - 10%"), QStringLiteral("Weak - 20%"),
                                   QStringLiteral("Average - 30%"), QStringLiteral("Strong - 40%"),
                                   QStringLiteral("Very Strong - 50%"), QStringLiteral("Fixed - FB2")};
    return texts;
}

const QStringList& ftlChoiceTexts()
{
    static const QStringList texts{QStringLiteral("No FTL Drive"), QStringLiteral("Standard FTL Drive"),
                                   QStringLiteral("Tug FTL Drive")};
    return texts;
}

const QStringList& streamliningChoiceTexts()
{
    static const QStringList texts{QStringLiteral("No Hull Streamlining"),
                                   QStringLiteral("Partial Hull Streamlining"),
                                   QStringLiteral("Full Hull Streamlining")};
    return texts;
}

const QString& ftlText(FtlChoice choice)
{
    static const QString texts[] = {QStringLiteral("None"), QStringLiteral("Standard"), QStringLiteral("Tug")};
    return texts[static_cast<int>(choice)];
}

const QString& streamliningText(StreamliningChoice choice)
{
    static const QString texts[] = {QStringLiteral("None"), QStringLiteral("Partial"), QStringLiteral("Full")};
    return texts[static_cast<int>(choice)];
}

FtlChoice ftlChoiceOf(const QString& text)
{
    for (FtlChoice drive : {FtlChoice::Standard, FtlChoice::Tug}) {
        if (text.compare(ftlText(drive), Qt::CaseInsensitive) == 0)
            return drive;
    }
    return FtlChoice::None;
}

std::optional<StreamliningChoice> streamliningChoiceOf(const QString& text)
{
    for (StreamliningChoice choice : {StreamliningChoice::None, StreamliningChoice::Partial, StreamliningChoice::Full}) {
        if (text.compare(streamliningText(choice), Qt::CaseInsensitive) == 0)
            return choice;
    }
    return std::nullopt;
}

bool isStation(ShipType type)
{
    return type == ShipType::MilitaryStation || type == ShipType::CivilianStation;
}

bool isCivilian(ShipType type)
{
    return type == ShipType::MerchantShip || type == ShipType::CivilianStation;
}

int crewDivisor(ShipType type)
{
    return isCivilian(type) ? 50 : 20;
}

int massCeiling(HullIntegrity hull)
{
    switch (hull) {
    case HullIntegrity::Fragile: return 1320;
    case HullIntegrity::Weak: return 660;
    case HullIntegrity::Average: return 440;
    case HullIntegrity::Strong: return 330;
    case HullIntegrity::VeryStrong: return 264;
    case HullIntegrity::FixedFB2: return 0;
    }
    return 0;
}

int hullPercent(HullIntegrity hull)
{
    return hull == HullIntegrity::FixedFB2 ? 0 : (static_cast<int>(hull) + 1) * 10;
}

int crewCapMass(ShipType type)
{
    return crewDivisor(type) * (kMaxCrew + 1) - 1;
}

} // namespace kw
