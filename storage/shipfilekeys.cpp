#include "storage/shipfilekeys.h"

#include "model/shipsystems.h"
#include "storage/bytetext.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace kw {

namespace {

struct KeyName {
    std::string name;   // upper case
    ShipFileKeyHit hit;
};

using K = ShipFileKey;

// Sorted by name for the binary search below; the systems' keys join the fixed ones once.
const std::vector<KeyName>& keyNames()
{
    static const std::vector<KeyName> names = [] {
        std::vector<KeyName> list{
            {"PROTECTED", {K::Protected}}, {"NAME", {K::Name}},
            {"CLASS", {K::Class}},         {"SIDE", {K::Side}},
            {"TMF", {K::Tmf}},             {"NPV", {K::Npv}},
            {"FTL", {K::Ftl}},             {"MD", {K::Md}},
            {"ARMOUR", {K::Armour}},       {"HULLPOINTS", {K::HullPoints}},
            {"HULLINTEGRITY", {K::HullIntegrity}}, {"HULLTRACK", {K::HullTrack}},
            {"STREAMLINING", {K::StreamLining}},   {"CREWFACTOR", {K::CrewFactor}},
            {"CREWLINE1", {K::CrewLine1}}, {"CREWLINE2", {K::CrewLine2}},
            {"CREWLINE3", {K::CrewLine3}}, {"CREWLINE4", {K::CrewLine4}},
            {"WEAPONS", {K::Weapons}},     {"SALVOLINKS", {K::SalvoLinks}},
        };
        for (const ShipSystemRow& row : shipSystems()) {
            std::string upper(row.fileKey);
            for (char& c : upper)
                c = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
            const bool known = std::any_of(list.begin(), list.end(), [&](const KeyName& k) { return k.name == upper; });
            if (!known)
                list.push_back({upper, {K::System, &row}});
        }
        std::sort(list.begin(), list.end(), [](const KeyName& a, const KeyName& b) { return a.name < b.name; });
        return list;
    }();
    return names;
}

} // namespace

ShipFileKeyHit shipFileKey(QByteArrayView text)
{
    const UpperName upper(text);
    const std::string_view wanted = upper.text();
    const std::vector<KeyName>& names = keyNames();
    const auto it = std::lower_bound(names.begin(), names.end(), wanted,
                                     [](const KeyName& k, std::string_view name) { return k.name < name; });
    return it != names.end() && it->name == wanted ? it->hit : ShipFileKeyHit{};
}

} // namespace kw
