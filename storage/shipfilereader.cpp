#include "storage/shipfile.h"

#include "model/numbertext.h"
#include "model/shipsystems.h"
#include "model/systemcodes.h"
#include "model/weaponcosts.h"
#include "storage/bytetext.h"
#include "storage/codepage.h"
#include "storage/shipfileitems.h"
#include "storage/shipfilekeys.h"

#include <QHash>
#include <algorithm>
#include <array>
#include <limits>

namespace kw {

namespace {

using K = ShipFileKey;

// Calls place(k, left, top) for the position pairs that follow, at most `wanted` of them;
// stops at the first unreadable or incomplete pair.
template <typename Place>
void forEachPair(ItemCursor& items, qsizetype wanted, Place place)
{
    for (qsizetype k = 0; k < wanted && !items.atEnd(); ++k) {
        const QByteArrayView leftText = items.next();
        if (items.atEnd())
            break;
        const auto left = readPosition(leftText);
        const auto top = readPosition(items.next());
        if (!left || !top)
            break;
        place(k, *left, *top);
    }
}

// A count or mass of something fitted: a negative one fits nothing. The writer leaves such a
// count out, so reading it as 0 opens the design as it will be after saving.
std::optional<int> readAmount(QByteArrayView item)
{
    const std::optional<int> v = readCount16(item);
    return v ? std::optional<int>(qMax(0, *v)) : std::nullopt;
}

// Works on the file's bytes: keys, numbers and separators are ASCII, and only the texts are
// decoded from the code page.
class Reader {
public:
    explicit Reader(QByteArrayView bytes) : m_lines(bytes) {}

    ShipFileData read()
    {
        while (!m_lines.atEnd()) {
            const QByteArrayView line = m_lines.next();
            ++m_lineNumber;
            if (line.startsWith('#'))
                continue;
            const qsizetype eq = line.indexOf('=');
            if (eq < 0)
                continue;
            dispatch(shipFileKey(line.first(eq)), line.sliced(eq + 1));
        }
        convertOrtillery();
        joinIconGroups();
        numberSalvoLinks();
        return std::move(m_data);
    }

private:
    // Kept out of the line loop, so that the loop stays small and the weapon lines inline here.
    [[gnu::noinline]] void dispatch(ShipFileKeyHit key, QByteArrayView value);
    void readFtl(QByteArrayView value);
    void readHullTrack(QByteArrayView value);
    void readCrewFactor(QByteArrayView value);
    void readCrewLine(int row, QByteArrayView value);
    void readSystem(const ShipSystemRow& row, QByteArrayView value);
    void readCounted(const ShipSystemRow& row, QByteArrayView value);
    void readFlag(const ShipSystemRow& row, QByteArrayView value);
    void readChoice(const ShipSystemRow& first, QByteArrayView value);
    void readSpace(const ShipSystemRow& row, QByteArrayView value);
    void readHangars(const ShipSystemRow& row, QByteArrayView value);
    void readWeapons(QByteArrayView value);
    void readWeaponLine(QByteArrayView line);
    void readSalvoLinks(QByteArrayView value);
    void convertOrtillery();
    void joinIconGroups();
    void numberSalvoLinks();

    // The icons of one key. A key that comes again replaces what its earlier line set, count
    // and icons alike, so no file makes more icons than its counts allow; the groups keep the
    // order of the lines that last set them.
    struct IconGroup {
        qsizetype line = -1;
        QList<StoredIcon> icons;
    };
    static constexpr std::size_t kWeaponGroup = kShipSystemCount;
    IconGroup& restartGroup(std::size_t group)
    {
        IconGroup& g = m_groups[group];
        g.line = m_lineNumber;
        g.icons.clear();
        return g;
    }
    IconGroup& restartGroup(const ShipSystemRow& row)
    {
        return restartGroup(static_cast<std::size_t>(&row - shipSystems().data()));
    }

    template <typename T>
    static void setIfRead(T& field, std::optional<T> value, bool* found = nullptr)
    {
        if (!value)
            return;
        field = *value;
        if (found)
            *found = true;
    }

    static StoredIcon& addIcon(IconGroup& group, const QString& code, float left, float top)
    {
        // Filled in place: a temporary icon copied in costs a stall on every icon.
        StoredIcon& icon = group.icons.emplaceBack();
        icon.code = code;
        icon.left = left;
        icon.top = top;
        return icon;
    }

    ByteLines m_lines;
    qsizetype m_lineNumber = 0;
    SharedTexts m_weaponTexts;
    ShipFileData m_data;
    int m_nextCrewBox = 0;
    std::array<IconGroup, kShipSystemCount + 1> m_groups;
    // The mount numbers the weapon lines gave, to their positions: salvo links name mounts by them.
    QHash<int, int> m_mountAt;
};

void Reader::dispatch(ShipFileKeyHit hit, QByteArrayView value)
{
    ShipRecord& s = m_data.ship;
    const ShipFileKey key = hit.key;
    switch (key) {
    case K::Unknown:
        return;
    case K::Protected:
        return setIfRead(m_data.isProtected, readBoolean(value));
    case K::Name:
        s.Name = decodeCodePage(value);
        m_data.name = s.Name;
        return;
    case K::Class:
        s.Class = decodeCodePage(value);
        return;
    case K::Side:
        m_data.side = decodeCodePage(value);
        return;
    case K::Tmf:
        return setIfRead(s.TMF, readNumber32(value), &m_data.hasTmf);
    case K::Npv:
        return setIfRead(s.NPV, readNumber32(value), &m_data.hasNpv);
    case K::Ftl:
        return readFtl(value);
    case K::Md:
        return setIfRead(s.MD, readCount16(value));
    case K::Armour:
        return setIfRead(s.Armour, readAmount(value));
    case K::HullPoints:
        return setIfRead(s.HullPoints, readCount16(value), &m_data.hasHullPoints);
    case K::HullIntegrity:
        m_data.hullIntegrity = decodeCodePage(value);
        return;
    case K::HullTrack:
        return readHullTrack(value);
    case K::StreamLining:
        s.StreamLining = decodeCodePage(value);
        m_data.hasStreamLining = true;
        return;
    case K::CrewFactor:
        return readCrewFactor(value);
    case K::CrewLine1:
    case K::CrewLine2:
    case K::CrewLine3:
    case K::CrewLine4:
        return readCrewLine(static_cast<int>(key) - static_cast<int>(K::CrewLine1), value);
    case K::System:
        return readSystem(*hit.system, value);
    case K::Weapons:
        return readWeapons(value);
    case K::SalvoLinks:
        return readSalvoLinks(value);
    }
}

void Reader::readFtl(QByteArrayView value)
{
    ShipRecord& s = m_data.ship;
    const qsizetype comma = value.indexOf(',');
    s.FTL = decodeCodePage(comma < 0 ? value : value.first(comma));
    if (comma >= 0)
        m_data.towCapacity = decodeCodePage(value.sliced(comma + 1));
    m_data.hasFtl = true;
}

void Reader::readHullTrack(QByteArrayView value)
{
    // Rows that can be read are kept; an unreadable item ends the list.
    ShipRecord& s = m_data.ship;
    ItemCursor items(value);
    s.HullTrack = {};
    for (int r = 0; r < 4 && !items.atEnd(); ++r) {
        const auto v = readCount16(items.next());
        if (!v)
            break;
        s.HullTrack[r] = *v;
    }
}

void Reader::readCrewFactor(QByteArrayView value)
{
    ShipRecord& s = m_data.ship;
    const auto v = readCount16(value);
    if (!v)
        return;
    s.CrewFactor = *v;
    // Room for the marks; marks of rows read before the factor stay.
    if (s.CrewBoxes.size() < *v)
        s.CrewBoxes.resize(*v, 0);
    m_data.hasCrewFactor = true;
}

void Reader::readCrewLine(int row, QByteArrayView value)
{
    ShipRecord& s = m_data.ship;
    ItemCursor items(value);
    const QByteArrayView first = items.next();
    if (items.atEnd())
        return;
    const auto n = readCount16(first);
    if (!n || *n <= 0)
        return;
    // A row may list more marks than the crew factor holds: the list grows instead of failing.
    int stored = 0;
    while (!items.atEnd() && stored < *n) {
        const auto box = readCount16(items.next());
        if (!box)
            break;
        const int at = m_nextCrewBox + stored;
        if (at < s.CrewBoxes.size())
            s.CrewBoxes[at] = *box;
        else
            s.CrewBoxes.append(*box);
        ++stored;
    }
    if (stored == 0)
        return;
    s.CrewLine[row] = stored;
    s.CrewStart[row] = m_nextCrewBox + 1;
    m_nextCrewBox += stored;
}

void Reader::readSystem(const ShipSystemRow& row, QByteArrayView value)
{
    switch (row.storage) {
    case SystemStorage::Count:
        return readCounted(row, value);
    case SystemStorage::Flag:
        return readFlag(row, value);
    case SystemStorage::Choice:
        return readChoice(row, value);
    case SystemStorage::Space:
        return readSpace(row, value);
    case SystemStorage::Bays:
        return readHangars(row, value);
    }
}

void Reader::readCounted(const ShipSystemRow& row, QByteArrayView value)
{
    ItemCursor items(value);
    const QByteArrayView first = items.next();
    std::optional<int> n = readAmount(first);
    if (!n && row.countMayBeFlag) {
        if (const auto flag = readBoolean(first))
            n = *flag ? 1 : 0;
    }
    if (!n)
        return;
    m_data.ship.*row.count = *n;
    IconGroup& group = restartGroup(row);
    const QString& code = *row.iconCode;
    forEachPair(items, *n, [&](qsizetype, float left, float top) { addIcon(group, code, left, top); });
}

void Reader::readFlag(const ShipSystemRow& row, QByteArrayView value)
{
    ItemCursor items(value);
    const auto v = readBoolean(items.next());
    if (!v)
        return;
    m_data.ship.*row.flag = *v;
    IconGroup& group = restartGroup(row);
    if (*v)
        forEachPair(items, 1, [&](qsizetype, float left, float top) { addIcon(group, *row.iconCode, left, top); });
}

void Reader::readChoice(const ShipSystemRow& first, QByteArrayView value)
{
    ItemCursor items(value);
    const UpperName text(items.next());
    for (const ShipSystemRow& row : choicesFrom(first)) {
        if (!sameUpperCase(text.text(), row.choiceText))
            continue;
        m_data.ship.*row.count = row.choice;
        IconGroup& group = restartGroup(first);
        if (row.iconCode)
            forEachPair(items, 1, [&](qsizetype, float left, float top) { addIcon(group, *row.iconCode, left, top); });
        return;
    }
}

void Reader::readSpace(const ShipSystemRow& row, QByteArrayView value)
{
    ItemCursor items(value);
    const auto v = readAmount(items.next());
    if (!v)
        return;
    m_data.ship.*row.count = *v;
    IconGroup& group = restartGroup(row);
    const QList<int> shares = spaceBoxShares(*v);
    const QString& code = *row.iconCode;
    forEachPair(items, shares.size(),
                [&](qsizetype k, float left, float top) { addIcon(group, code, left, top).share = shares[k]; });
}

void Reader::readHangars(const ShipSystemRow& row, QByteArrayView value)
{
    ItemCursor items(value);
    const auto n = readAmount(items.next());
    if (!n)
        return;
    // Every bay the count names is kept: one whose capacity is missing or unreadable holds 0,
    // and a bay without a position has no icon.
    IconGroup& group = restartGroup(row);
    const QString& code = *row.iconCode;
    QList<int> bays(*n, 0);
    for (int k = 0; k < *n && !items.atEnd(); ++k) {
        bays[k] = readCount16(items.next()).value_or(0);
        const auto left = readPosition(items.next());
        const auto top = readPosition(items.next());
        if (left && top) {
            StoredIcon& icon = addIcon(group, code, *left, *top);
            icon.capacity = bays[k];
            icon.bay = k;
        }
    }
    m_data.ship.Hangars = std::move(bays);
}

void Reader::readWeapons(QByteArrayView value)
{
    const auto n = readAmount(value);
    if (!n)
        return;
    QList<WeaponEntry>& weapons = m_data.ship.Weapons;
    weapons.clear();
    m_mountAt.clear();
    restartGroup(kWeaponGroup);
    // Each mount's line takes a few dozen bytes, so a count beyond what the file holds cannot
    // reserve much. Reserving never shrinks, so a key that comes again costs nothing here.
    const auto fits = static_cast<int>(m_lines.rest().size() / 32);
    weapons.reserve(qMin(*n, fits));
    for (int k = 0; k < *n && !m_lines.atEnd(); ++k) {
        ++m_lineNumber;
        readWeaponLine(m_lines.next());
    }
}

void Reader::readWeaponLine(QByteArrayView line)
{
    const qsizetype eq = line.indexOf('=');
    if (eq < 0)
        return;
    QList<WeaponEntry>& weapons = m_data.ship.Weapons;
    const int index = static_cast<int>(weapons.size());
    WeaponEntry& mount = weapons.emplaceBack();   // filled in place, as the icons are
    mount.Kind = m_weaponTexts.text(line.first(eq));
    // Items missing at the end read as empty ones.
    ItemCursor items(line.sliced(eq + 1));
    mount.Reserved = parseWholeNumber(items.next(), std::numeric_limits<qint64>::min(),
                                      std::numeric_limits<qint64>::max())
                         .value_or(0);
    // A mount is its place in the list, whatever number its line gives; the number only tells
    // which mount the salvo links mean.
    m_mountAt.insert(readCount16(items.next()).value_or(index), index);
    mount.Number = index;
    mount.Details = m_weaponTexts.text(items.next());
    for (bool& arc : mount.Arc)
        arc = readBoolean(items.next()).value_or(false);
    const auto left = readPosition(items.next());
    const auto top = readPosition(items.next());
    mount.Mass = readNumber32(items.next()).value_or(0);
    mount.Cost = readNumber32(items.next()).value_or(0);
    if (left && top)
        addIcon(m_groups[kWeaponGroup], mountCode(index), *left, *top).mount = index;
}

void Reader::readSalvoLinks(QByteArrayView value)
{
    ItemCursor items(value);
    const QByteArrayView first = items.next();
    if (items.atEnd())
        return;
    const auto n = readCount16(first);
    if (!n)
        return;
    m_data.salvoLinks.clear();
    // Each link needs both its numbers.
    for (int k = 0; k < *n && !items.atEnd(); ++k) {
        const QByteArrayView launcher = items.next();
        if (items.atEnd())
            break;
        if (const auto magazine = readNumber32(items.next()))
            m_data.salvoLinks.append({decodeCodePage(launcher), *magazine});
    }
}

void Reader::convertOrtillery()
{
    ShipRecord& s = m_data.ship;
    if (s.Ortillery <= 0)
        return;
    // No more mounts than a file can count.
    s.Ortillery = qMin(s.Ortillery, kMostMounts - s.WeaponCount());
    const WeaponFigures figures = weaponMassAndCost(WeaponKind::OrtillerySystem, {});
    for (int k = 0; k < s.Ortillery; ++k) {
        WeaponEntry mount;
        mount.Kind = weaponKindText(WeaponKind::OrtillerySystem);
        mount.Mass = figures.mass;
        mount.Cost = figures.cost;
        // The converted mounts get their icons' codes as numbers, so they match at once.
        mount.Number = static_cast<int>(s.Weapons.size());
        m_mountAt.insert(mount.Number, mount.Number);
        s.Weapons.append(mount);
    }
    // The first icon stands for the last mount appended.
    QList<StoredIcon>& icons = m_groups[static_cast<std::size_t>(ShipSystem::Ortillery)].icons;
    icons.resize(qMin(icons.size(), qsizetype{s.Ortillery}));
    int k = 0;
    for (StoredIcon& icon : icons) {
        const int mount = s.WeaponCount() - ++k;
        icon.code = mountCode(mount);
        icon.mount = mount;
    }
    s.Ortillery = 0;
}

void Reader::joinIconGroups()
{
    std::array<const IconGroup*, kShipSystemCount + 1> order;
    qsizetype total = 0;
    for (std::size_t g = 0; g < m_groups.size(); ++g) {
        order[g] = &m_groups[g];
        total += m_groups[g].icons.size();
    }
    std::stable_sort(order.begin(), order.end(), [](const IconGroup* a, const IconGroup* b) { return a->line < b->line; });
    m_data.icons.reserve(total);
    for (const IconGroup* group : order)
        m_data.icons.append(group->icons);
}

void Reader::numberSalvoLinks()
{
    // Links name mounts by the numbers of their lines, the launcher as the text of its number;
    // they are kept by the mounts' places. A link to no mount is left out.
    QList<StoredSalvoLink> links;
    for (const StoredSalvoLink& link : std::as_const(m_data.salvoLinks)) {
        const auto number = parseWholeNumber(QStringView(link.launcher), std::numeric_limits<qint16>::min(),
                                             std::numeric_limits<qint16>::max());
        if (!number || QString::number(*number) != link.launcher || link.magazine < std::numeric_limits<qint16>::min()
            || link.magazine > std::numeric_limits<qint16>::max())
            continue;
        const auto launcher = m_mountAt.constFind(static_cast<int>(*number));
        const auto magazine = m_mountAt.constFind(static_cast<int>(link.magazine));
        if (launcher != m_mountAt.cend() && magazine != m_mountAt.cend())
            links.append({mountCode(*launcher), *magazine});
    }
    m_data.salvoLinks = std::move(links);
}

} // namespace

ShipFileData readShipFile(const QByteArray& bytes)
{
    return Reader(bytes).read();
}

} // namespace kw
