#pragma once

#include "model/shipchoices.h"

#include <QByteArrayView>
#include <QString>

namespace kw {

// What a fleet keeps of a ship design: the few values its card, its description and the
// fleet's totals use, held as the ship record holds them.
struct FleetShip {
    QString FileName; // full path of the ship file the values were read from
    QString Name;
    QString Class;
    qint32 TMF = 0;
    qint32 NPV = 0;
    int HullPoints = 0;
    int Armour = 0;
    QString HullIntegrity;
    QString StreamLining = streamliningText(StreamliningChoice::None);

    bool operator==(const FleetShip&) const = default;
};

// The fleet's own reading of a ship file: every line but "#" comments and lines without "="
// is a key (upper-cased) and a value; the keys above are taken, every other line (weapon lines
// too) is passed over. A value that is not a number leaves its figure as it was.
FleetShip readFleetShip(QByteArrayView bytes);

} // namespace kw
