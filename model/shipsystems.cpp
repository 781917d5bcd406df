#include "model/shipsystems.h"

#include "model/iconunits.h"
#include "model/shiprecord.h"
#include "model/systemcodes.h"

#include <algorithm>

namespace kw {

const char* checkBoxName(CheckBox box)
{
    static const char* const names[kCheckBoxCount] = {"chkReflex",    "chkCloak", "chkECM", "chkAreaEcm",
                                                      "chkMineSweep", "chkNova",  "chkWave"};
    return names[static_cast<int>(box)];
}

namespace {

using S = ShipSystem;
using C = SystemControl;
using F = NumericField;
using L = SystemLabel;
using K = SystemStorage;
constexpr float b = kBaseIconTwips;

} // namespace

// Adding a system means adding its row here (and its member to ShipRecord); the editor, the
// calculation, the rules, the icons and the ship file all read it from this one place.
constexpr std::array<ShipSystemRow, kShipSystemCount> kShipSystems{{
    {.system = S::FireControls, .caption = "Fire Control Systems:", .control = C::NumberField, .field = F::FCS,
     .count = &ShipRecord::FCS, .label = L::FCS, .cost = {.massPerUnit = 1, .pointsPerMass = 4},
     .iconCode = &IconCode::FC, .picture = "FCS", .iconWidth = b / 2, .iconHeight = b / 2, .iconOrder = 0,
     .fileKey = "FCS", .storage = K::Count},
    {.system = S::FighterBays, .caption = "Fighter Bays:", .control = C::NumberField, .field = F::Fighters,
     .count = &ShipRecord::FighterBays, .label = L::FIGHTERS, .cost = {.massPerUnit = 9, .pointsPerMass = 3},
     .civilianMost = 0, .iconCode = &IconCode::Fighter, .picture = "Fighter", .iconWidth = b * 20 / 21,
     .iconHeight = b * 30 / 21, .iconOrder = 2, .fileKey = "FighterBays", .storage = K::Count},
    {.system = S::Screens, .caption = "Screen Generators:", .control = C::NumberField, .field = F::Screens,
     .count = &ShipRecord::Screens, .label = L::SCREENS,
     .cost = {.percentPerUnit = 5, .minimumPerUnit = 3, .pointsPerMass = 3}, .civilianMost = 1,
     .iconCode = &IconCode::Screen, .picture = "screens", .iconWidth = b, .iconHeight = b, .iconOrder = 1,
     .fileKey = "Screens", .storage = K::Count},
    {.system = S::ReflexField, .caption = "Reflex Field:", .control = C::CheckBox, .checkBox = CheckBox::Reflex,
     .flag = &ShipRecord::ReflexField, .label = L::REFLEX,
     .cost = {.percentPerUnit = 10, .minimumPerUnit = 10, .pointsPerMass = 6}, .civilianMost = 0,
     .iconCode = &IconCode::Reflex, .picture = "Reflex", .iconWidth = b, .iconHeight = b, .iconOrder = 5,
     .fileKey = "ReflexField", .storage = K::Flag},
    {.system = S::CloakingField, .caption = "Cloaking Field:", .control = C::CheckBox, .checkBox = CheckBox::Cloak,
     .flag = &ShipRecord::CloakingField, .label = L::CLOAK,
     .cost = {.percentPerUnit = 10, .minimumPerUnit = 2, .pointsPerMass = 10}, .civilianMost = 0,
     .iconCode = &IconCode::Cloak, .picture = "Cloak", .iconWidth = b, .iconHeight = b, .iconOrder = 6,
     .fileKey = "CloakingField", .storage = K::Flag},
    {.system = S::AreaDefenceFireControls, .caption = "Area Defence Fire Controls:", .control = C::NumberField,
     .field = F::ADFC, .count = &ShipRecord::ADFC, .label = L::ADFC, .cost = {.massPerUnit = 2, .pointsPerMass = 4},
     .iconCode = &IconCode::ADFC, .picture = "ADFC", .iconWidth = b * 4 / 7, .iconHeight = b * 4 / 7,
     .iconOrder = 4, .fileKey = "ADFC", .storage = K::Count, .countMayBeFlag = true},
    {.system = S::PointDefence, .caption = "Point Defence Systems:", .control = C::NumberField, .field = F::PDS,
     .count = &ShipRecord::PDSs, .label = L::PDS, .cost = {.massPerUnit = 1, .pointsPerMass = 3},
     .iconCode = &IconCode::PDS, .picture = "PDS", .iconWidth = b * 0.75f, .iconHeight = b * 0.75f, .iconOrder = 3,
     .fileKey = "PDSs", .storage = K::Count},
    {.system = S::StandardSensors, .caption = "Standard Sensors", .control = C::SensorOption,
     .count = &ShipRecord::Sensors, .choice = 0, .fileKey = "Sensors", .storage = K::Choice,
     .choiceText = "Standard"},
    {.system = S::EnhancedSensors, .caption = "Enhanced Sensors", .control = C::SensorOption,
     .count = &ShipRecord::Sensors, .choice = 1, .label = L::ESENSORS, .cost = {.massPerUnit = 1, .pointsPerMass = 15},
     .iconCode = &IconCode::ESensors, .picture = "ESensors", .iconWidth = b, .iconHeight = b, .iconOrder = 14,
     .fileKey = "Sensors", .storage = K::Choice, .choiceText = "Enhanced"},
    {.system = S::SuperiorSensors, .caption = "Superior Sensors", .control = C::SensorOption,
     .count = &ShipRecord::Sensors, .choice = 2, .label = L::SUPSENSORS, .cost = {.massPerUnit = 2, .pointsPerMass = 15},
     .iconCode = &IconCode::SupSensors, .picture = "SSensors", .iconWidth = b, .iconHeight = b, .iconOrder = 15,
     .fileKey = "Sensors", .storage = K::Choice, .choiceText = "Superior"},
    {.system = S::LocalisedEcm, .caption = "Localised ECM Jammer", .control = C::CheckBox, .checkBox = CheckBox::ECM,
     .flag = &ShipRecord::LocalisedECM, .label = L::ECM, .cost = {.massPerUnit = 2, .pointsPerMass = 10},
     .civilianMost = 0, .iconCode = &IconCode::ECM, .picture = "ECM", .iconWidth = b, .iconHeight = b,
     .iconOrder = 10, .fileKey = "LocalisedECM", .storage = K::Flag},
    {.system = S::AreaEcm, .caption = "Area ECM Jammer", .control = C::CheckBox, .checkBox = CheckBox::AreaEcm,
     .flag = &ShipRecord::AreaECM, .label = L::AREAECM, .cost = {.massPerUnit = 3, .pointsPerMass = 10},
     .civilianMost = 0, .iconCode = &IconCode::AreaECM, .picture = "AreaECM", .iconWidth = b, .iconHeight = b,
     .iconOrder = 11, .fileKey = "AreaECM", .storage = K::Flag},
    {.system = S::DamageControlParties, .caption = "Damage Control Parties:", .control = C::NumberField,
     .field = F::DCP, .count = &ShipRecord::DCPs, .label = L::DCP, .cost = {.pointsPerUnit = 10},
     .iconCode = &IconCode::DCP, .picture = "DmgCon", .iconWidth = b, .iconHeight = b, .iconOrder = 16,
     .fileKey = "DCPs", .storage = K::Count},
    {.system = S::CargoSpace, .caption = "Cargo Space:", .control = C::NumberField, .field = F::Cargo,
     .count = &ShipRecord::CargoSpace, .label = L::CARGO, .cost = {.massPerUnit = 1}, .iconCode = &IconCode::CSpace,
     .iconWidth = b + 20, .iconHeight = b * 1.5f, .boxLetter = 'H', .iconOrder = 12, .fileKey = "CargoSpace",
     .storage = K::Space},
    {.system = S::PassengerSpace, .caption = "Passenger Space:", .control = C::NumberField, .field = F::Passenger,
     .count = &ShipRecord::PassengerSpace, .label = L::PASSANGER, .cost = {.massPerUnit = 1},
     .iconCode = &IconCode::PSpace, .iconWidth = b + 20, .iconHeight = b * 1.5f, .boxLetter = 'P', .iconOrder = 13,
     .fileKey = "PassengerSpace", .storage = K::Space},
    {.system = S::NovaCannon, .caption = "Spinal Mount Nova Cannon", .control = C::CheckBox, .checkBox = CheckBox::Nova,
     .flag = &ShipRecord::NovaCannon, .label = L::NOVA, .cost = {.massPerUnit = 20, .pointsPerMass = 3},
     .civilianMost = 0, .iconCode = &IconCode::Nova, .picture = "Nova", .iconWidth = b * 30 / 21,
     .iconHeight = b * 51 / 21, .iconOrder = 8, .fileKey = "NovaCannon", .storage = K::Flag},
    {.system = S::WaveGun, .caption = "Wave Gun", .control = C::CheckBox, .checkBox = CheckBox::Wave,
     .flag = &ShipRecord::WaveGun, .label = L::WAVE, .cost = {.massPerUnit = 12, .pointsPerMass = 3},
     .civilianMost = 0, .iconCode = &IconCode::Wave, .picture = "WaveGun", .iconWidth = b * 26 / 21,
     .iconHeight = b * 40 / 21, .iconOrder = 9, .fileKey = "WaveGun", .storage = K::Flag},
    {.system = S::MineSweeper, .caption = "Mine Sweeper", .control = C::CheckBox, .checkBox = CheckBox::MineSweep,
     .flag = &ShipRecord::MineSweeper, .label = L::MINESWEEPER, .cost = {.massPerUnit = 5, .pointsPerMass = 3},
     .iconCode = &IconCode::MineSweeper, .picture = "MinSweeper", .iconWidth = b, .iconHeight = b, .iconOrder = 7,
     .fileKey = "MineSweeper", .storage = K::Flag},
    // A bay's amount is its capacity.
    {.system = S::HangarBays, .caption = "Hangar Bays:", .control = C::HangarList, .label = L::HANGAR,
     .cost = {.massPerUnit = 1.5, .pointsPerMass = 3}, .iconCode = &IconCode::Hangar, .picture = "Hangar",
     .iconWidth = b, .iconHeight = b * 50 / 21, .iconOrder = 17, .fileKey = "Hangars", .storage = K::Bays},
    // Older files counted ortillery as a system; reading turns it into weapon mounts.
    {.system = S::Ortillery, .count = &ShipRecord::Ortillery, .iconCode = &IconCode::Ortillery,
     .picture = "Ortillery", .iconWidth = b, .iconHeight = b, .fileKey = "ORTILLERY", .storage = K::Count,
     .written = false},
}};

namespace {

// shipSystem() finds a row by its place.
constexpr bool rowsInEnumOrder()
{
    for (int i = 0; i < kShipSystemCount; ++i) {
        if (static_cast<int>(kShipSystems[i].system) != i)
            return false;
    }
    return true;
}
static_assert(rowsInEnumOrder());

const auto& kSystems = kShipSystems;

} // namespace

std::span<const ShipSystemRow* const> systemsInIconOrder()
{
    static const std::vector<const ShipSystemRow*> ordered = [] {
        std::vector<const ShipSystemRow*> rows;
        for (const ShipSystemRow& row : kSystems) {
            if (row.iconOrder >= 0)
                rows.push_back(&row);
        }
        std::sort(rows.begin(), rows.end(),
                  [](const ShipSystemRow* a, const ShipSystemRow* b) { return a->iconOrder < b->iconOrder; });
        return rows;
    }();
    return ordered;
}

const ShipSystemRow* systemWithIconCode(QStringView code)
{
    for (const ShipSystemRow& row : kSystems) {
        if (row.iconCode && *row.iconCode == code)
            return &row;
    }
    return nullptr;
}

std::span<const ShipSystemRow> choicesFrom(const ShipSystemRow& first)
{
    const auto begin = static_cast<std::size_t>(&first - kSystems.data());
    std::size_t end = begin + 1;
    while (end < kSystems.size() && kSystems[end].fileKey == first.fileKey)
        ++end;
    return std::span<const ShipSystemRow>(kSystems).subspan(begin, end - begin);
}

const ShipSystemRow& chosenOf(std::span<const ShipSystemRow> choices, int value)
{
    for (const ShipSystemRow& row : choices) {
        if (row.choice == value)
            return row;
    }
    return choices.front();
}

qint64 recordAmount(const ShipSystemRow& row, const ShipRecord& ship)
{
    switch (row.storage) {
    case SystemStorage::Count:
    case SystemStorage::Space:
        return ship.*row.count;
    case SystemStorage::Flag:
        return ship.*row.flag ? 1 : 0;
    case SystemStorage::Choice:
        return ship.*row.count == row.choice ? 1 : 0;
    case SystemStorage::Bays:
        return ship.HangarCount();
    }
    return 0;
}

FittedSystems fittedSystems(const ShipRecord& ship)
{
    FittedSystems fitted;
    for (const ShipSystemRow& row : kSystems)
        fitted.amount(row.system) = recordAmount(row, ship);
    fitted.hangarBays = ship.Hangars;
    return fitted;
}

void storeFittedSystems(const FittedSystems& fitted, ShipRecord& ship)
{
    for (const ShipSystemRow& row : kSystems) {
        const qint64 amount = fitted.amount(row.system);
        switch (row.storage) {
        case SystemStorage::Count:
        case SystemStorage::Space:
            ship.*row.count = static_cast<int>(qBound(qint64{std::numeric_limits<int>::min()}, amount,
                                                      qint64{std::numeric_limits<int>::max()}));
            break;
        case SystemStorage::Flag:
            ship.*row.flag = amount != 0;
            break;
        case SystemStorage::Choice:
            if (amount != 0)
                ship.*row.count = row.choice;
            break;
        case SystemStorage::Bays:   // the record holds the bays themselves
            break;
        }
    }
}

qint64 iconCount(const ShipSystemRow& row, const FittedSystems& fitted)
{
    const qint64 amount = fitted.amount(row.system);
    switch (row.storage) {
    case SystemStorage::Count:
        return qMax<qint64>(0, amount);
    case SystemStorage::Flag:
    case SystemStorage::Choice:
        return amount != 0 && row.iconCode ? 1 : 0;
    case SystemStorage::Space:
        return spaceBoxShares(amount).size();
    case SystemStorage::Bays:
        return fitted.hangarBays.size();
    }
    return 0;
}

} // namespace kw
