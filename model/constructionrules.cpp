#include "model/constructionrules.h"

#include "model/rounding.h"
#include "model/weaponkinds.h"

namespace kw {

qint64 merchantWeaponLimit(qint64 tmf)
{
    return qMax<qint64>(1, roundHalfUpWhole(10.0 * static_cast<double>(tmf) / 100.0));
}

std::optional<QString> checkConstructionRules(const RuleInputs& in)
{
    const bool civilian = isCivilian(in.type);
    if (civilian) {
        qint64 weaponMass = 0;
        for (const WeaponEntry& w : in.weapons)
            weaponMass += w.Mass;
        const qint64 limit = merchantWeaponLimit(in.tmf);
        if (weaponMass > limit) {
            return QStringLiteral("Your merchant ship may not have more than 10% it's mass in weapons.\r"
                                  "You have %1, while your limit is %2.")
                .arg(weaponMass)
                .arg(limit);
        }
    }
    if (isStation(in.type)
        && (in.mainDrive > 0 || in.ftl != FtlChoice::None || in.streamlining != StreamliningChoice::None)) {
        return QStringLiteral("Stations are immobile and as a result\r"
                              "may not have Main Drive, FTL or Streamlining");
    }
    if (civilian) {
        bool forbidden = false;
        for (const ShipSystemRow& row : shipSystems())
            forbidden = forbidden || in.systems.amount(row.system) > row.civilianMost;
        static const QString classOneBattery = batteryKind(1);
        const QString& submunitions = weaponKindText(WeaponKind::SubmunitionsPack);
        for (const WeaponEntry& w : in.weapons) {
            if (w.Kind != classOneBattery && w.Kind != submunitions)
                forbidden = true;
        }
        if (forbidden) {
            return QStringLiteral("Merchant and Civilian Ships can't have systems greater than\r"
                                  "Class 1 Batteries, Submunitions Packs, Lvl-1 Screens and PDAFS\r"
                                  "and may not carry SMLs, Fighters, Nova Cannons, etc");
        }
    }
    return std::nullopt;
}

} // namespace kw
