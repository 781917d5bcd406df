#include "bench/benchsupport.h"

#include "model/weaponkinds.h"

#include <QGuiApplication>

namespace kw::bench {

void ensureApplication()
{
    static int argc = 1;
    static char name[] = "bench";
    static char* argv[] = {name, nullptr};
    if (!QGuiApplication::instance()) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        new QGuiApplication(argc, argv);
    }
}

void placeEveryIcon(ShipEditor& editor)
{
    for (const SystemIcon& icon : editor.display().icons())
        editor.dropIconOnDisplay(icon.index, QPointF((icon.index * 97) % 6000, (icon.index * 61) % 3400), QPointF());
}

MaximalDesign::MaximalDesign()
{
    ensureApplication();
    editor = std::make_unique<ShipEditor>(prompts, folder.path());
    ShipEditor& e = *editor;
    e.Load();
    e.chooseHull(static_cast<int>(HullIntegrity::Fragile));
    for (int i = 0; i < kNumericFieldCount; ++i) {
        const auto field = static_cast<NumericField>(i);
        if (field == NumericField::TMF)
            e.setFieldText(field, QStringLiteral("1320"));
        else if (field != NumericField::Hull)
            e.setFieldText(field, QString::number(numericFieldRule(field).upper));
    }
    for (CheckBox box : {CheckBox::Reflex, CheckBox::Cloak, CheckBox::ECM, CheckBox::AreaEcm, CheckBox::MineSweep,
                         CheckBox::Nova})
        e.setCheck(box, true);
    e.chooseSensors(2);
    e.chooseFtl(2);
    e.chooseStreamlining(2);
    // A mount of every kind in turn, with details where the kind has them.
    const char* const details[kWeaponKindCount] = {"", "", "", "", "ER", "", "12", "EMP", "5", ""};
    QList<WeaponEntry> mounts;
    for (int m = 0; m < 200; ++m) {
        const auto kind = static_cast<WeaponKind>(m % kWeaponKindCount);
        WeaponEntry w;
        w.Kind = kind == WeaponKind::BeamBattery ? batteryKind(3) : weaponKindText(kind);
        w.Details = QString::fromLatin1(details[m % kWeaponKindCount]);
        w.Arc = {true, m % 2 == 0, false, true, false, m % 3 == 0};
        w.Mass = 3;
        w.Cost = 9;
        mounts.append(w);
    }
    e.addWeapons(mounts);
    for (int b = 0; b < 20; ++b)
        e.addHangarBay(1 + b);
    e.UpdateShip(true);
}

} // namespace kw::bench
