#pragma once

#include "model/fieldchecks.h"
#include "model/systemlabels.h"

#include <QList>
#include <QString>
#include <QStringView>
#include <array>
#include <limits>
#include <optional>
#include <span>
#include <string_view>

namespace kw {

struct ShipRecord;

// The editor's check boxes, named after their controls.
enum class CheckBox { Reflex, Cloak, ECM, AreaEcm, MineSweep, Nova, Wave };
constexpr int kCheckBoxCount = 7;
const char* checkBoxName(CheckBox box);

// Every system a design can fit besides its hull, drives and armour, in the catalogue's order,
// which is also the order of their keys in the ship file.
enum class ShipSystem {
    FireControls, FighterBays, Screens, ReflexField, CloakingField, AreaDefenceFireControls, PointDefence,
    StandardSensors, EnhancedSensors, SuperiorSensors, LocalisedEcm, AreaEcm, DamageControlParties, CargoSpace,
    PassengerSpace, NovaCannon, WaveGun, MineSweeper, HangarBays, Ortillery
};
constexpr int kShipSystemCount = 20;

// How the ship file holds a system after its key, and so how many icons its amount makes.
enum class SystemStorage {
    Count,    // the count, then a position pair per icon; one icon per unit
    Flag,     // "True", then the pair of its one icon; written only when fitted
    Choice,   // one of the systems sharing a key and a record member: its text, then its icon's pair
    Space,    // the mass, then a pair for each of up to four boxes, each showing its share
    Bays,     // the number of bays, then capacity, left and top of each
};

// The editor control that holds how much of a system the design fits.
enum class SystemControl { NumberField, CheckBox, SensorOption, HangarList, None };

// Mass: massPerUnit x amount; or, for a share of the ship's mass, RoundHalfUp(amount x
// percentPerUnit x one per cent) and, when fitted, at least amount x minimumPerUnit.
// Points: pointsPerMass x mass + pointsPerUnit x amount.
struct SystemCost {
    double massPerUnit = 0;
    double percentPerUnit = 0;
    double minimumPerUnit = 0;
    double pointsPerMass = 0;
    double pointsPerUnit = 0;
};

constexpr qint64 kNoLimit = std::numeric_limits<qint64>::max();

// One row of the table: everything the editor, the calculation, the rules, the System Display and
// the ship file know about a system.
struct ShipSystemRow {
    ShipSystem system = ShipSystem::FireControls;
    const char* caption = nullptr;             // as the editor labels it

    // The editor and the record.
    SystemControl control = SystemControl::None;
    NumericField field = NumericField::TMF;    // a NumberField's field
    CheckBox checkBox = CheckBox::Reflex;      // a CheckBox's box
    int ShipRecord::*count = nullptr;          // Count, Space, and the member a Choice's systems share
    bool ShipRecord::*flag = nullptr;          // Flag
    int choice = 0;                            // Choice: the member's value that stands for this system

    // Mass and points, and the construction rules.
    std::optional<SystemLabel> label{};        // none: the system weighs and costs nothing
    SystemCost cost{};
    qint64 civilianMost = kNoLimit;            // the most a merchant ship or civilian station may fit

    // The System Display.
    const QString* iconCode = nullptr;         // none: the system has no icon
    const char* picture = nullptr;             // the picture painted into the icon
    float iconWidth = 0;                       // twips
    float iconHeight = 0;
    char boxLetter = 0;                        // Space: the letter drawn in the box
    int iconOrder = -1;                        // place among the systems a full update makes icons for

    // The ship file.
    std::string_view fileKey;
    SystemStorage storage = SystemStorage::Count;
    std::string_view choiceText;               // Choice: the value that names it
    bool written = true;                       // false: read from older files only
    bool countMayBeFlag = false;               // older files wrote "True" or "False" for the count
};

// The table, in the catalogue's order.
extern const std::array<ShipSystemRow, kShipSystemCount> kShipSystems;
inline std::span<const ShipSystemRow, kShipSystemCount> shipSystems()
{
    return kShipSystems;
}
inline const ShipSystemRow& shipSystem(ShipSystem system)
{
    return kShipSystems[static_cast<std::size_t>(system)];
}
// The systems a full update makes icons for, in the order it makes them.
std::span<const ShipSystemRow* const> systemsInIconOrder();
// The system whose icons carry the code, if any.
const ShipSystemRow* systemWithIconCode(QStringView code);
// The row and those after it that share its key: the choices of one Choice key.
std::span<const ShipSystemRow> choicesFrom(const ShipSystemRow& first);
// Of those choices, the one the value stands for; the first when none does.
const ShipSystemRow& chosenOf(std::span<const ShipSystemRow> choices, int value);

// How much of each system a design fits: a count, 1 or 0 for a flag or a choice, the mass of a
// space, the number of hangar bays.
struct SystemAmounts {
    std::array<qint64, kShipSystemCount> amounts{};

    qint64 amount(ShipSystem system) const { return amounts[static_cast<std::size_t>(system)]; }
    qint64& amount(ShipSystem system) { return amounts[static_cast<std::size_t>(system)]; }
};

// The amounts with the hangar bays' capacities, which their mass and icons need.
struct FittedSystems : SystemAmounts {
    QList<int> hangarBays;
};

// What the record fits, and storing amounts back into it (counts held to the record's range).
qint64 recordAmount(const ShipSystemRow& row, const ShipRecord& ship);
FittedSystems fittedSystems(const ShipRecord& ship);
void storeFittedSystems(const FittedSystems& fitted, ShipRecord& ship);

// The icons a system has for the amount fitted; none for an amount of 0 or less.
qint64 iconCount(const ShipSystemRow& row, const FittedSystems& fitted);

} // namespace kw
