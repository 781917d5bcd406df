#pragma once

#include "model/shipchoices.h"
#include "model/weaponentry.h"

#include <QList>
#include <QString>
#include <array>
#include <optional>

namespace kw {

// A salvo link joins a launcher's icon to a magazine's, by their indices on the System Display;
// an end not chosen yet is 0.
struct SalvoLink {
    int launcher = 0;
    int magazine = 0;

    bool operator==(const SalvoLink&) const = default;
};

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
    QString StreamLining = streamliningText(StreamliningChoice::None);
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
    QList<SalvoLink> SalvoLinks;            // the finished links
    std::optional<SalvoLink> LinkBeingMade; // until both its ends are chosen
    QList<int> Hangars;            // bay k (1-based) at Hangars[k - 1]; HangarCount is its size

    int WeaponCount() const { return static_cast<int>(Weapons.size()); }
    int HangarCount() const { return static_cast<int>(Hangars.size()); }
    // Links are numbered from 1, the one being made last; an end of a link that is not there is 0.
    int SalvoLinkCount() const { return static_cast<int>(SalvoLinks.size()) + (LinkBeingMade ? 1 : 0); }
    int SalvoLauncherIcon(int link) const { return salvoLink(link).launcher; }
    int SalvoMagazineIcon(int link) const { return salvoLink(link).magazine; }
    SalvoLink salvoLink(int link) const;

    bool operator==(const ShipRecord&) const = default;
};

// Resets every field to the values of a new design.
void NewShip(ShipRecord& ship);

// Drops every salvo link, the one being made too.
void resetSalvoLinks(ShipRecord& ship);

} // namespace kw
