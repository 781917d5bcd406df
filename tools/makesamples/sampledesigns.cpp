#include "tools/makesamples/sampledesigns.h"

#include "editor/shipeditor.h"
#include "model/weaponcosts.h"

namespace kw {

namespace {

void set(ShipEditor& e, NumericField field, int value)
{
    e.setFieldText(field, QString::number(value));
    e.leaveField(field);
}

void addWeapons(ShipEditor& e, WeaponKind kind, int count, std::array<bool, 6> arcs, const WeaponOptions& options = {},
                const QString& details = {})
{
    const WeaponFigures figures = weaponMassAndCost(kind, options);
    WeaponEntry w;
    w.Kind = kind == WeaponKind::BeamBattery ? batteryKind(options.batteryClass) : weaponKindText(kind);
    w.Arc = arcs;
    w.Mass = figures.mass;
    w.Cost = figures.cost;
    w.Details = details;
    e.addWeapons(QList<WeaponEntry>(count, w));
}

constexpr std::array<bool, 6> kAll{true, true, true, true, true, true};
constexpr std::array<bool, 6> kFore{true, true, false, false, false, true};
constexpr std::array<bool, 6> kForward{true, false, false, false, false, false};

WeaponOptions battery(int cls, int arcs)
{
    WeaponOptions o;
    o.batteryClass = cls;
    o.arcCount = arcs;
    return o;
}

void lancer(ShipEditor& e)
{
    set(e, NumericField::MD, 6);
    set(e, NumericField::FCS, 1);
    set(e, NumericField::Screens, 1);
    set(e, NumericField::PDS, 1);
    addWeapons(e, WeaponKind::BeamBattery, 1, kFore, battery(2, 3));
    addWeapons(e, WeaponKind::BeamBattery, 2, kAll, battery(1, 6));
}

void sovereign(ShipEditor& e)
{
    set(e, NumericField::MD, 4);
    set(e, NumericField::Armour, 6);
    set(e, NumericField::FCS, 3);
    set(e, NumericField::Screens, 2);
    set(e, NumericField::PDS, 4);
    set(e, NumericField::ADFC, 1);
    set(e, NumericField::Fighters, 2);
    set(e, NumericField::DCP, 2);
    e.chooseSensors(1);
    e.addHangarBay(6);
    addWeapons(e, WeaponKind::BeamBattery, 1, kFore, battery(4, 3));
    addWeapons(e, WeaponKind::BeamBattery, 2, {true, true, true, false, false, false}, battery(3, 3));
    addWeapons(e, WeaponKind::BeamBattery, 4, kAll, battery(1, 6));
    WeaponOptions magazine;
    magazine.magazineMass = 6;
    addWeapons(e, WeaponKind::SalvoLauncher, 1, kFore);
    addWeapons(e, WeaponKind::SalvoMagazine, 2, {}, magazine, QStringLiteral("6"));
}

void longHaul(ShipEditor& e)
{
    e.chooseShipType(static_cast<int>(ShipType::MerchantShip));
    e.chooseHull(static_cast<int>(HullIntegrity::Weak));
    set(e, NumericField::MD, 2);
    set(e, NumericField::Cargo, 40);
    set(e, NumericField::Passenger, 6);
    set(e, NumericField::Screens, 1);
    set(e, NumericField::PDS, 1);
    set(e, NumericField::DCP, 1);
    addWeapons(e, WeaponKind::BeamBattery, 2, kAll, battery(1, 6));
}

void thornspire(ShipEditor& e)
{
    e.chooseShipType(static_cast<int>(ShipType::MilitaryStation));
    e.chooseHull(static_cast<int>(HullIntegrity::Strong));
    set(e, NumericField::Armour, 10);
    set(e, NumericField::FCS, 4);
    set(e, NumericField::Screens, 2);
    set(e, NumericField::PDS, 6);
    set(e, NumericField::ADFC, 2);
    set(e, NumericField::Fighters, 4);
    e.chooseSensors(2);
    e.setCheck(CheckBox::AreaEcm, true);
    e.addHangarBay(4);
    e.addHangarBay(4);
    addWeapons(e, WeaponKind::BeamBattery, 4, kAll, battery(3, 6));
    addWeapons(e, WeaponKind::NeedleBeam, 2, kForward);
    WeaponOptions mines;
    mines.mines = 3;
    addWeapons(e, WeaponKind::MineLayer, 1, {}, mines, QStringLiteral("3"));
}

void ironwake(ShipEditor& e)
{
    e.chooseShipType(static_cast<int>(ShipType::QShip));
    e.chooseFtl(static_cast<int>(FtlChoice::Tug));
    set(e, NumericField::FTL, 60);
    e.chooseStreamlining(1);
    set(e, NumericField::MD, 3);
    set(e, NumericField::FCS, 2);
    set(e, NumericField::Cargo, 12);
    e.setCheck(CheckBox::ECM, true);
    addWeapons(e, WeaponKind::Missile, 2, {}, {}, kStandardDetails);
    addWeapons(e, WeaponKind::PulseTorpedoTube, 1, kFore, battery(1, 3));
    addWeapons(e, WeaponKind::SubmunitionsPack, 2, {});
}

const SampleDesign kSamples[] = {
    {"Concord Navy", "Lancer", lancer},
    {"Concord Navy", "Sovereign", sovereign},
    {"Free Traders Guild", "Long Haul", longHaul},
    {"Veyari Ascendancy", "Thornspire", thornspire},
    {"Outer Reach Compact", "Ironwake", ironwake},
};

} // namespace

const SampleDesign* sampleDesigns(int& count)
{
    count = static_cast<int>(std::size(kSamples));
    return kSamples;
}

void arrangeIcons(ShipEditor& editor)
{
    const DisplayModel& display = editor.display();
    const SheetGeometry& sheet = display.sheet;
    const float gap = 60;
    const float right = sheet.display.width - 120;
    float left = 120;
    float top = 300;
    float rowHeight = 0;
    for (const SystemIcon& icon : display.icons()) {
        if (left + icon.width > right && left > 120) {
            left = 120;
            top += rowHeight + gap;
            rowHeight = 0;
        }
        editor.dropIconOnDisplay(icon.index, QPointF(left, top), QPointF());
        left += icon.width + gap;
        rowHeight = qMax(rowHeight, icon.height);
    }
}

} // namespace kw
