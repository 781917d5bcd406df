#pragma once

#include <QStringList>
#include <optional>

namespace kw {

// The entries of the editor's choice lists, in list order (list positions are the enum values).
enum class ShipType { MilitaryShip, MerchantShip, QShip, MilitaryStation, CivilianStation };
enum class HullIntegrity { Fragile, Weak, Average, Strong, VeryStrong, FixedFB2 };
enum class FtlChoice { None, Standard, Tug };
enum class StreamliningChoice { None, Partial, Full };

const QStringList& shipTypeTexts();
const QStringList& hullIntegrityTexts();
const QStringList& ftlChoiceTexts();
const QStringList& streamliningChoiceTexts();

// The record and the ship file hold the drive and the streamlining as short texts.
const QString& ftlText(FtlChoice choice);                       // "None", "Standard", "Tug"
const QString& streamliningText(StreamliningChoice choice);     // "None", "Partial", "Full"
// Only "Standard" and "Tug" stand for a drive, in any case; any other text (a new record holds
// "False") is none.
FtlChoice ftlChoiceOf(const QString& text);
// The choice a text names, in any case; none for any other text.
std::optional<StreamliningChoice> streamliningChoiceOf(const QString& text);

bool isStation(ShipType type);
bool isCivilian(ShipType type);   // merchant ships and civilian stations

// Crew units per mass: one per 20 for warships and military stations, per 50 for civilians.
int crewDivisor(ShipType type);

// Largest mass each percentage hull may have (132 hull boxes); 0 for the fixed hull.
int massCeiling(HullIntegrity hull);

// Hull share of the mass in per cent for the percentage entries; 0 for the fixed hull.
int hullPercent(HullIntegrity hull);

// The highest crew a design may have, and the largest mass field that keeps it.
constexpr int kMaxCrew = 132;
int crewCapMass(ShipType type);

} // namespace kw
