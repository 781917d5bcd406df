#include "storage/shipfile.h"

#include "model/numbertext.h"
#include "model/systemcodes.h"
#include "storage/codepage.h"

#include <QStringList>
#include <cmath>
#include <limits>

namespace kw {

namespace {

using Items = QList<QStringView>;

// Splits at every comma; the items are views into the text.
Items splitItems(QStringView text)
{
    Items items;
    items.reserve(16);
    const QChar* begin = text.data();
    const QChar* end = begin + text.size();
    const QChar* start = begin;
    for (const QChar* c = begin; c != end; ++c) {
        if (*c == u',') {
            items.append(QStringView(start, c));
            start = c + 1;
        }
    }
    items.append(QStringView(start, end));
    return items;
}

constexpr qint64 kInt16Min = std::numeric_limits<qint16>::min();
constexpr qint64 kInt16Max = std::numeric_limits<qint16>::max();
constexpr qint64 kInt32Min = std::numeric_limits<qint32>::min();
constexpr qint64 kInt32Max = std::numeric_limits<qint32>::max();

std::optional<int> count16(QStringView text)
{
    const auto v = parseWholeNumber(text, kInt16Min, kInt16Max);
    return v ? std::optional<int>(static_cast<int>(*v)) : std::nullopt;
}

std::optional<bool> boolean(QStringView text)
{
    // The writer's own spelling first: six of these stand on every weapon line.
    if (text == u"True")
        return true;
    if (text == u"False")
        return false;
    if (text.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (text.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return false;
    if (const auto v = parseWholeNumber(text, kInt32Min, kInt32Max))
        return *v != 0;
    return std::nullopt;
}

std::optional<float> position(QStringView text)
{
    const std::optional<double> v = parseNumber(text);
    if (!v || std::fabs(*v) > 1.0e9)
        return std::nullopt;
    return static_cast<float>(*v);
}

// Reads the position pairs that follow the first item; stops at the first unreadable pair.
QList<QPair<float, float>> pairsAfter(const Items& items, qsizetype first, qsizetype wanted)
{
    QList<QPair<float, float>> pairs;
    for (qsizetype i = first; i + 1 < items.size() && pairs.size() < wanted; i += 2) {
        const auto left = position(items[i]);
        const auto top = position(items[i + 1]);
        if (!left || !top)
            break;
        pairs.append({*left, *top});
    }
    return pairs;
}

class Reader {
public:
    explicit Reader(const QByteArray& bytes)
    {
        m_text = decodeCodePage(bytes);
        m_lines = QStringView(m_text).split(u'\n');
        m_data.icons.reserve(m_lines.size() * 4);
        for (QStringView& line : m_lines) {
            if (line.endsWith(u'\r'))
                line.chop(1);
        }
        if (!m_lines.isEmpty() && m_lines.last().isEmpty())
            m_lines.removeLast();
    }

    ShipFileData read()
    {
        while (m_next < m_lines.size()) {
            const QStringView line = m_lines[m_next++];
            if (line.startsWith(QLatin1Char('#')))
                continue;
            const qsizetype eq = line.indexOf(QLatin1Char('='));
            if (eq < 0)
                continue;
            dispatch(line.left(eq).toString().toUpper(), line.mid(eq + 1));
        }
        convertOrtillery();
        return std::move(m_data);
    }

private:
    void dispatch(const QString& key, QStringView value);
    void readCounted(const QString& code, int& count, QStringView value, bool bareCountAllowed);
    void readFlag(const QString& code, bool& flag, QStringView value);
    void readSensors(QStringView value);
    void readSpace(const QString& code, int& mass, QStringView value);
    void readHangars(QStringView value);
    void readCrewLine(int row, QStringView value);
    void readWeapons(QStringView value);
    void readWeaponLine(QStringView line);
    void readSalvoLinks(QStringView value);
    void convertOrtillery();

    void addIcon(const QString& code, QPair<float, float> at, int share = 0, int capacity = 0, int mount = -1)
    {
        m_data.icons.append({code, at.first, at.second, share, capacity, mount});
    }

    QString m_text;
    QList<QStringView> m_lines;   // views into m_text
    qsizetype m_next = 0;
    ShipFileData m_data;
    int m_nextCrewBox = 0;
};

void Reader::dispatch(const QString& key, QStringView value)
{
    ShipRecord& s = m_data.ship;
    if (key == QLatin1String("PROTECTED")) {
        if (const auto v = boolean(value))
            m_data.isProtected = *v;
    } else if (key == QLatin1String("NAME")) {
        s.Name = value.toString();
        m_data.name = s.Name;
    } else if (key == QLatin1String("CLASS")) {
        s.Class = value.toString();
    } else if (key == QLatin1String("SIDE")) {
        m_data.side = value.toString();
    } else if (key == QLatin1String("TMF") || key == QLatin1String("NPV")) {
        if (const auto v = parseWholeNumber(value, kInt32Min, kInt32Max)) {
            if (key == QLatin1String("TMF")) {
                s.TMF = static_cast<qint32>(*v);
                m_data.hasTmf = true;
            } else {
                s.NPV = static_cast<qint32>(*v);
                m_data.hasNpv = true;
            }
        }
    } else if (key == QLatin1String("FTL")) {
        const qsizetype comma = value.indexOf(QLatin1Char(','));
        s.FTL = (comma < 0 ? value : value.left(comma)).toString();
        if (comma >= 0)
            m_data.towCapacity = value.mid(comma + 1).toString();
        m_data.hasFtl = true;
    } else if (key == QLatin1String("MD")) {
        if (const auto v = count16(value))
            s.MD = *v;
    } else if (key == QLatin1String("ARMOUR")) {
        if (const auto v = count16(value))
            s.Armour = *v;
    } else if (key == QLatin1String("HULLPOINTS")) {
        if (const auto v = count16(value)) {
            s.HullPoints = *v;
            m_data.hasHullPoints = true;
        }
    } else if (key == QLatin1String("HULLINTEGRITY")) {
        m_data.hullIntegrity = value.toString();
    } else if (key == QLatin1String("HULLTRACK")) {
        // Rows that can be read are kept; an unreadable item ends the list.
        const Items items = splitItems(value);
        s.HullTrack = {};
        for (int r = 0; r < 4 && r < items.size(); ++r) {
            const auto v = count16(items[r]);
            if (!v)
                break;
            s.HullTrack[r] = *v;
        }
    } else if (key == QLatin1String("STREAMLINING")) {
        s.StreamLining = value.toString();
        m_data.hasStreamLining = true;
    } else if (key == QLatin1String("CREWFACTOR")) {
        if (const auto v = count16(value)) {
            s.CrewFactor = *v;
            s.CrewBoxes = QList<int>(qMax(0, *v), 0);
            m_data.hasCrewFactor = true;
        }
    } else if (key.size() == 9 && key.startsWith(QLatin1String("CREWLINE")) && key[8] >= QLatin1Char('1')
               && key[8] <= QLatin1Char('4')) {
        readCrewLine(key[8].digitValue() - 1, value);
    } else if (key == QLatin1String("FCS")) {
        readCounted(IconCode::FC, s.FCS, value, true);
    } else if (key == QLatin1String("FIGHTERBAYS")) {
        readCounted(IconCode::Fighter, s.FighterBays, value, true);
    } else if (key == QLatin1String("SCREENS")) {
        readCounted(IconCode::Screen, s.Screens, value, true);
    } else if (key == QLatin1String("ADFC")) {
        // Older files wrote the area defence fire control as a flag.
        const qsizetype comma = value.indexOf(u',');
        const QStringView first = comma < 0 ? value : value.left(comma);
        if (const auto flag = boolean(first); flag && !count16(first)) {
            const QString rewritten = QString::number(*flag ? 1 : 0) + value.mid(first.size()).toString();
            readCounted(IconCode::ADFC, s.ADFC, rewritten, false);
        } else {
            readCounted(IconCode::ADFC, s.ADFC, value, false);
        }
    } else if (key == QLatin1String("PDSS")) {
        readCounted(IconCode::PDS, s.PDSs, value, false);
    } else if (key == QLatin1String("DCPS")) {
        readCounted(IconCode::DCP, s.DCPs, value, false);
    } else if (key == QLatin1String("ORTILLERY")) {
        readCounted(IconCode::Ortillery, s.Ortillery, value, false);
    } else if (key == QLatin1String("REFLEXFIELD")) {
        readFlag(IconCode::Reflex, s.ReflexField, value);
    } else if (key == QLatin1String("CLOAKINGFIELD")) {
        readFlag(IconCode::Cloak, s.CloakingField, value);
    } else if (key == QLatin1String("LOCALISEDECM")) {
        readFlag(IconCode::ECM, s.LocalisedECM, value);
    } else if (key == QLatin1String("AREAECM")) {
        readFlag(IconCode::AreaECM, s.AreaECM, value);
    } else if (key == QLatin1String("NOVACANNON")) {
        readFlag(IconCode::Nova, s.NovaCannon, value);
    } else if (key == QLatin1String("WAVEGUN")) {
        readFlag(IconCode::Wave, s.WaveGun, value);
    } else if (key == QLatin1String("MINESWEEPER")) {
        readFlag(IconCode::MineSweeper, s.MineSweeper, value);
    } else if (key == QLatin1String("SENSORS")) {
        readSensors(value);
    } else if (key == QLatin1String("CARGOSPACE")) {
        readSpace(IconCode::CSpace, s.CargoSpace, value);
    } else if (key == QLatin1String("PASSENGERSPACE")) {
        readSpace(IconCode::PSpace, s.PassengerSpace, value);
    } else if (key == QLatin1String("HANGARS")) {
        readHangars(value);
    } else if (key == QLatin1String("WEAPONS")) {
        readWeapons(value);
    } else if (key == QLatin1String("SALVOLINKS")) {
        readSalvoLinks(value);
    }
}

void Reader::readCounted(const QString& code, int& count, QStringView value, bool bareCountAllowed)
{
    const Items items = splitItems(value);
    const auto n = count16(items[0]);
    if (!n)
        return;
    count = *n;
    if (items.size() == 1 && bareCountAllowed)
        return;
    for (const auto& at : pairsAfter(items, 1, qMax(0, *n)))
        addIcon(code, at);
}

void Reader::readFlag(const QString& code, bool& flag, QStringView value)
{
    const Items items = splitItems(value);
    const auto v = boolean(items[0]);
    if (!v)
        return;
    flag = *v;
    if (flag) {
        for (const auto& at : pairsAfter(items, 1, 1))
            addIcon(code, at);
    }
}

void Reader::readSensors(QStringView value)
{
    const Items items = splitItems(value);
    const QString kind = items[0].toString().toUpper();
    int sensors = -1;
    if (kind == QLatin1String("STANDARD"))
        sensors = 0;
    else if (kind == QLatin1String("ENHANCED"))
        sensors = 1;
    else if (kind == QLatin1String("SUPERIOR"))
        sensors = 2;
    if (sensors < 0)
        return;
    m_data.ship.Sensors = sensors;
    if (sensors == 0)
        return;
    for (const auto& at : pairsAfter(items, 1, 1))
        addIcon(sensors == 1 ? IconCode::ESensors : IconCode::SupSensors, at);
}

void Reader::readSpace(const QString& code, int& mass, QStringView value)
{
    const Items items = splitItems(value);
    const auto v = count16(items[0]);
    if (!v)
        return;
    mass = *v;
    const QList<int> shares = spaceBoxShares(mass);
    const auto pairs = pairsAfter(items, 1, shares.size());
    for (qsizetype k = 0; k < pairs.size(); ++k)
        addIcon(code, pairs[k], shares[k]);
}

void Reader::readHangars(QStringView value)
{
    const Items items = splitItems(value);
    const auto n = count16(items[0]);
    if (!n)
        return;
    // Bays whose capacity cannot be read are left out; a bay without a position has no icon.
    QList<int> bays;
    for (qsizetype i = 1; i < items.size() && bays.size() < *n; i += 3) {
        const auto capacity = count16(items[i]);
        if (!capacity)
            break;
        bays << *capacity;
        const auto left = i + 1 < items.size() ? position(items[i + 1]) : std::nullopt;
        const auto top = i + 2 < items.size() ? position(items[i + 2]) : std::nullopt;
        if (left && top)
            addIcon(IconCode::Hangar, {*left, *top}, 0, *capacity);
    }
    m_data.ship.Hangars = bays;
}

void Reader::readCrewLine(int row, QStringView value)
{
    ShipRecord& s = m_data.ship;
    const Items items = splitItems(value);
    if (items.size() < 2)
        return;
    const auto n = count16(items[0]);
    if (!n || *n <= 0)
        return;
    // A row may list more marks than the crew factor holds: the list grows instead of failing.
    int stored = 0;
    for (qsizetype i = 1; i < items.size() && stored < *n; ++i) {
        const auto box = count16(items[i]);
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

void Reader::readWeapons(QStringView value)
{
    const auto n = count16(value);
    if (!n)
        return;
    for (int k = 0; k < *n && m_next < m_lines.size(); ++k)
        readWeaponLine(m_lines[m_next++]);
}

void Reader::readWeaponLine(QStringView line)
{
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    if (eq < 0)
        return;
    QList<WeaponEntry>& weapons = m_data.ship.Weapons;
    WeaponEntry mount;
    mount.Kind = line.left(eq).toString();
    const Items items = splitItems(line.mid(eq + 1));
    auto item = [&items](int i) { return i < items.size() ? items[i] : QStringView(); };
    mount.Reserved = parseWholeNumber(item(0), std::numeric_limits<qint64>::min() / 2,
                                      std::numeric_limits<qint64>::max() / 2)
                         .value_or(0);
    mount.Number = static_cast<int>(parseWholeNumber(item(1), kInt16Min, kInt16Max).value_or(weapons.size()));
    mount.Details = item(2).toString();
    for (int a = 0; a < 6; ++a)
        mount.Arc[a] = boolean(item(3 + a)).value_or(false);
    const auto left = position(item(9));
    const auto top = position(item(10));
    mount.Mass = static_cast<int>(parseWholeNumber(item(11), kInt32Min, kInt32Max).value_or(0));
    mount.Cost = static_cast<int>(parseWholeNumber(item(12), kInt32Min, kInt32Max).value_or(0));
    weapons.append(mount);
    if (left && top)
        addIcon(QString::number(mount.Number), {*left, *top}, 0, 0, static_cast<int>(weapons.size() - 1));
}

void Reader::readSalvoLinks(QStringView value)
{
    const Items items = splitItems(value);
    if (items.size() < 2)
        return;
    const auto n = count16(items[0]);
    if (!n)
        return;
    for (int k = 0; k < *n && 2 + 2 * k < items.size(); ++k) {
        const auto magazine = parseWholeNumber(items[2 + 2 * k], kInt32Min, kInt32Max);
        if (!magazine)
            continue;
        m_data.salvoLinks.append({items[1 + 2 * k].toString(), *magazine});
    }
}

void Reader::convertOrtillery()
{
    ShipRecord& s = m_data.ship;
    if (s.Ortillery <= 0)
        return;
    for (int k = 0; k < s.Ortillery; ++k) {
        WeaponEntry mount;
        mount.Kind = QStringLiteral("Ortillery System");
        mount.Mass = 3;
        mount.Cost = 9;
        // The converted mounts get their icons' codes as numbers, so they match at once.
        mount.Number = static_cast<int>(s.Weapons.size());
        s.Weapons.append(mount);
    }
    int k = 0;
    for (StoredIcon& icon : m_data.icons) {
        if (icon.code != IconCode::Ortillery)
            continue;
        ++k;
        if (k > s.Ortillery)
            break;
        const int mount = s.WeaponCount() - k;
        icon.code = QString::number(mount);
        icon.mount = mount;
    }
    s.Ortillery = 0;
}

} // namespace

ShipFileData readShipFile(const QByteArray& bytes)
{
    return Reader(bytes).read();
}

} // namespace kw
