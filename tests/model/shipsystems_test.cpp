#include "model/shiprecord.h"
#include "model/shipsystems.h"
#include "model/weaponentry.h"
#include "model/weaponkinds.h"

#include <QSet>
#include <gtest/gtest.h>

using namespace kw;

namespace {

std::string nameOf(const ShipSystemRow& row)
{
    return row.caption ? row.caption : std::string(row.fileKey);
}

// Whether the value was not in the set yet; it is afterwards.
template <typename T>
bool addOnce(QSet<T>& set, const T& value)
{
    const bool fresh = !set.contains(value);
    set.insert(value);
    return fresh;
}

} // namespace

// What a new row must get right: whatever the editor can fit is costed, saved and read back,
// and no two systems claim the same control, label, icon code or file key.
TEST(ShipSystems, EveryRowIsWiredThroughout)
{
    QSet<int> fields, boxes, labels, iconOrders;
    QSet<QString> codes;
    QSet<QByteArray> keys;
    std::string_view previousKey;
    for (const ShipSystemRow& row : shipSystems()) {
        SCOPED_TRACE(nameOf(row));
        EXPECT_EQ(&shipSystem(row.system), &row);
        if (row.control == SystemControl::NumberField) {
            EXPECT_TRUE(addOnce(fields, static_cast<int>(row.field))) << "field used twice";
        }
        if (row.control == SystemControl::CheckBox) {
            EXPECT_TRUE(addOnce(boxes, static_cast<int>(row.checkBox))) << "check box used twice";
        }
        if (row.label) {
            EXPECT_TRUE(addOnce(labels, static_cast<int>(*row.label))) << "label used twice";
        }
        // Whatever the user can fit is saved; only the legacy system is read and never made.
        EXPECT_EQ(row.control != SystemControl::None, row.written);
        EXPECT_EQ(row.iconCode != nullptr && row.written, row.iconOrder >= 0);
        if (row.iconCode) {
            EXPECT_TRUE(addOnce(codes, *row.iconCode)) << "icon code used twice";
            EXPECT_GT(row.iconWidth, 0);
            EXPECT_GT(row.iconHeight, 0);
        }
        if (row.iconOrder >= 0) {
            EXPECT_TRUE(addOnce(iconOrders, row.iconOrder)) << "icon order used twice";
        }
        // Only the choices of one key share it, one after the other.
        const bool sameKey = previousKey == row.fileKey;
        EXPECT_TRUE(!sameKey || row.storage == SystemStorage::Choice);
        if (!sameKey) {
            EXPECT_TRUE(addOnce(keys, QByteArray(row.fileKey.data(), row.fileKey.size()).toUpper())) << "key used twice";
        }
        EXPECT_EQ(row.storage == SystemStorage::Choice, !row.choiceText.empty());
        previousKey = row.fileKey;
    }
    EXPECT_EQ(fields.size(), 8);
    EXPECT_EQ(boxes.size(), kCheckBoxCount);
    EXPECT_EQ(systemsInIconOrder().size(), iconOrders.size());
    for (std::size_t k = 0; k < systemsInIconOrder().size(); ++k)
        EXPECT_EQ(systemsInIconOrder()[k]->iconOrder, static_cast<int>(k));
}

TEST(ShipSystems, CountsBeyondTheRecordsRangeAreHeldAtItsEnd)
{
    FittedSystems fitted;
    fitted.amount(ShipSystem::DamageControlParties) = qint64{1} << 40;
    fitted.amount(ShipSystem::CargoSpace) = -(qint64{1} << 40);
    ShipRecord ship;
    storeFittedSystems(fitted, ship);
    EXPECT_EQ(ship.DCPs, std::numeric_limits<int>::max());
    EXPECT_EQ(ship.CargoSpace, std::numeric_limits<int>::min());
}

TEST(ShipSystems, IconsFollowTheAmountFitted)
{
    FittedSystems fitted;
    fitted.amount(ShipSystem::FireControls) = -3;
    fitted.amount(ShipSystem::PointDefence) = 5;
    fitted.amount(ShipSystem::CargoSpace) = 2;
    fitted.amount(ShipSystem::PassengerSpace) = 250;
    fitted.amount(ShipSystem::StandardSensors) = 1;
    fitted.amount(ShipSystem::WaveGun) = 1;
    fitted.hangarBays = {4, 4, 4};
    auto icons = [&](ShipSystem system) { return iconCount(shipSystem(system), fitted); };
    EXPECT_EQ(icons(ShipSystem::FireControls), 0);
    EXPECT_EQ(icons(ShipSystem::PointDefence), 5);
    EXPECT_EQ(icons(ShipSystem::CargoSpace), 2);
    EXPECT_EQ(icons(ShipSystem::PassengerSpace), 4);
    EXPECT_EQ(icons(ShipSystem::StandardSensors), 0);
    EXPECT_EQ(icons(ShipSystem::WaveGun), 1);
    EXPECT_EQ(icons(ShipSystem::HangarBays), 3);
    EXPECT_EQ(systemWithIconCode(u"SupSensors"), &shipSystem(ShipSystem::SuperiorSensors));
    EXPECT_EQ(systemWithIconCode(u"supsensors"), nullptr);
}

TEST(WeaponKinds, MountTextsNameTheirKinds)
{
    for (int k = 0; k < kWeaponKindCount; ++k) {
        const auto kind = static_cast<WeaponKind>(k);
        EXPECT_EQ(weaponKindOf(weaponKindText(kind)), kind) << k;
    }
    EXPECT_EQ(weaponKindOf(batteryKind(12)), WeaponKind::BeamBattery);
    EXPECT_EQ(batteryClassText(batteryKind(12)), "12");
    EXPECT_EQ(batteryClassText("Beam Battery"), "");
    EXPECT_EQ(weaponKindOf("salvo launcher"), std::nullopt);

    WeaponEntry mount;
    mount.Kind = "Salvo Magazine";
    EXPECT_EQ(salvoEndOf(mount), SalvoEnd::Magazine);
    mount.Kind = "Salvo Missile Rack";
    EXPECT_EQ(salvoEndOf(mount), SalvoEnd::None);
}
