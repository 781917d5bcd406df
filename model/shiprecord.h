#pragma once

#include "model/weaponentry.h"

#include <QList>
#include <QString>
#include <array>

namespace kw {

// The record of one ship design. Field names follow the design file and the editor so that
// the calculation, the file and the display speak of the same things.
struct ShipRecord {
    QString FileName;
    QString Name;
    QString Class;
    qint32 TMF = 0;
    qint32 NPV = 0;
    int HullPoints = 0;
    std::array<int, 4> HullTrack{};
    int Armour = 0;
    QString StreamLining = QStringLiteral("None");
    QString FTL = QStringLiteral("False");
    int MD = 0;
    QList<int> CrewBoxes;          // mark i (1-based) at CrewBoxes[i - 1]
    std::array<int, 4> CrewStart{};
    std::array<int, 4> CrewLine{};
    int CrewFactor = 0;
    int FCS = 0;
    bool ReflexField = false;
    bool CloakingField = false;
    bool MineSweeper = false;
    int PDSs = 0;
    int ADFC = 0;
    int CargoSpace = 0;
    int PassengerSpace = 0;
    int Screens = 0;
    int Sensors = 0;               // 0 standard, 1 enhanced, 2 superior
    bool LocalisedECM = false;
    bool AreaECM = false;
    int DCPs = 0;
    QList<WeaponEntry> Weapons;    // WeaponCount is Weapons.size()
    int FighterBays = 0;
    int Ortillery = 0;
    bool NovaCannon = false;
    bool WaveGun = false;
    // Salvo links by icon index; position 0 is unused so links are numbered from 1.
    QList<int> SalvoLauncherIcon{0};
    QList<int> SalvoMagazineIcon{0};
    int SalvoLinkCount = 0;
    QList<int> Hangars;            // bay k (1-based) at Hangars[k - 1]; HangarCount is its size

    int WeaponCount() const { return static_cast<int>(Weapons.size()); }
    int HangarCount() const { return static_cast<int>(Hangars.size()); }
};

// Resets every field to the values of a new design.
void NewShip(ShipRecord& ship);

// Whether an FTL text stands for a drive: only "Standard" and "Tug" do, in any case.
bool hasFtlDrive(const QString& ftl);
bool isTugDrive(const QString& ftl);

// Empties the salvo link lists (one unused entry at position 0).
void resetSalvoLinks(ShipRecord& ship);

} // namespace kw
