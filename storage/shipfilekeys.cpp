#include "storage/shipfilekeys.h"

#include "model/shipsystems.h"
#include "storage/bytetext.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace kw {

namespace {

struct KeyName {
    std::string_view name;   // upper case
    ShipFileKeyHit hit;
};

using K = ShipFileKey;

constexpr KeyName kFixedKeys[] = {
    {"PROTECTED", {K::Protected}},         {"NAME", {K::Name}},
    {"CLASS", {K::Class}},                 {"SIDE", {K::Side}},
    {"TMF", {K::Tmf}},                     {"NPV", {K::Npv}},
    {"FTL", {K::Ftl}},                     {"MD", {K::Md}},
    {"ARMOUR", {K::Armour}},               {"HULLPOINTS", {K::HullPoints}},
    {"HULLINTEGRITY", {K::HullIntegrity}}, {"HULLTRACK", {K::HullTrack}},
    {"STREAMLINING", {K::StreamLining}},   {"CREWFACTOR", {K::CrewFactor}},
    {"CREWLINE1", {K::CrewLine1}},         {"CREWLINE2", {K::CrewLine2}},
    {"CREWLINE3", {K::CrewLine3}},         {"CREWLINE4", {K::CrewLine4}},
    {"WEAPONS", {K::Weapons}},             {"SALVOLINKS", {K::SalvoLinks}},
};
constexpr std::size_t kMostKeys = std::size(kFixedKeys) + kShipSystemCount;

// Every key the reader knows, sorted by name for the binary search below. The systems' keys join
// the fixed ones once, upper-cased into storage of their own.
class KeyNames {
public:
    KeyNames()
    {
        for (const KeyName& key : kFixedKeys)
            m_names[m_count++] = key;
        char* free = m_chars.data();
        for (const ShipSystemRow& row : shipSystems()) {
            const std::string_view key = row.fileKey;
            char* const upper = free;
            for (const char c : key)
                *free++ = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
            const std::string_view name(upper, key.size());
            if (std::none_of(m_names.begin(), m_names.begin() + m_count, [&](const KeyName& k) { return k.name == name; }))
                m_names[m_count++] = {name, {K::System, &row}};
        }
        std::sort(m_names.begin(), m_names.begin() + m_count,
                  [](const KeyName& a, const KeyName& b) { return a.name < b.name; });
    }

    ShipFileKeyHit find(std::string_view wanted) const
    {
        const auto end = m_names.begin() + m_count;
        const auto it = std::lower_bound(m_names.begin(), end, wanted,
                                         [](const KeyName& k, std::string_view name) { return k.name < name; });
        return it != end && it->name == wanted ? it->hit : ShipFileKeyHit{};
    }

private:
    std::array<char, 32 * kShipSystemCount> m_chars{};
    std::array<KeyName, kMostKeys> m_names{};
    std::size_t m_count = 0;
};

} // namespace

ShipFileKeyHit shipFileKey(QByteArrayView text)
{
    static const KeyNames names;
    return names.find(UpperName(text).text());
}

} // namespace kw
