#pragma once

#include "model/shipchoices.h"
#include "model/shipsystems.h"
#include "model/weaponentry.h"

#include <QList>
#include <QString>
#include <optional>

namespace kw {

// What the construction rules look at.
struct RuleInputs {
    ShipType type = ShipType::MilitaryShip;
    qint64 tmf = 0;
    QList<WeaponEntry> weapons;
    qint64 mainDrive = 0;
    FtlChoice ftl = FtlChoice::Standard;
    StreamliningChoice streamlining = StreamliningChoice::None;
    SystemAmounts systems;
};

// The message of the first rule the design breaks, checked in the game's order; none when the
// design is legal. Warships and Q ships are bound by none of them.
std::optional<QString> checkConstructionRules(const RuleInputs& in);

// Merchant weapon limit: a tenth of the mass, rounded halves up, at least 1.
qint64 merchantWeaponLimit(qint64 tmf);

} // namespace kw
