#pragma once

#include <QString>
#include <array>

namespace kw {

// One weapon mount of a design.
struct WeaponEntry {
    QString Kind;                  // "Class 1 Battery", "Needle Beam", "Salvo Launcher", ...
    std::array<bool, 6> Arc{};     // fire arcs 1 to 6 (index 0 is arc 1)
    qint64 Reserved = 0;           // carried from the file and written back unchanged
    int Mass = 0;
    int Cost = 0;
    QString Details;               // "STD"/"ER", "STD"/"EMP"/"Needle", magazine mass, mine count
    int Number = 0;                // 0-based position in the list at the last icon rebuild = icon code

    bool operator==(const WeaponEntry&) const = default;
};

// The arcs of a mount as the weapon list shows them: ascending numbers joined by ",".
QString arcText(const std::array<bool, 6>& arcs);

} // namespace kw
