#include "storage/shipfile.h"

#include "model/numbertext.h"
#include "model/shipchoices.h"
#include "model/shipsystems.h"
#include "storage/codepage.h"

#include <array>
#include <charconv>
#include <span>
#include <string_view>
#include <vector>

namespace kw {

namespace {

// Builds the file's bytes directly: numbers as ASCII, texts in the code page, CR LF after
// every line. A text that the code page cannot hold, or that would break the line, spoils the
// whole file.
class LineBuffer {
public:
    explicit LineBuffer(qsizetype expectedSize)
        : m_bytes(expectedSize, Qt::Uninitialized), m_end(m_bytes.data()), m_limit(m_end + m_bytes.size())
    {
    }

    LineBuffer& key(std::string_view name)
    {
        ascii(name);
        return put('=');
    }
    LineBuffer& keyText(QStringView name)
    {
        text(name);
        return put('=');
    }
    LineBuffer& text(QStringView value)
    {
        if (holdsLineBreak(value)) {
            fail(QStringLiteral("a text holds a line break"));
            return *this;
        }
        if (!encodeCodePage(value, room(value.size()))) {
            fail(QStringLiteral("the character \"%1\" cannot be stored in a ship file").arg(firstUnencodable(value)));
            return *this;
        }
        m_end += value.size();
        return *this;
    }
    LineBuffer& number(qint64 value)
    {
        constexpr qsizetype kLongest = 20;   // "-9223372036854775808"
        // The room first: making it may move the buffer, and with it the limit.
        char* at = room(kLongest);
        m_end = std::to_chars(at, m_limit, value).ptr;
        return *this;
    }
    LineBuffer& twips(float value)
    {
        constexpr qsizetype kLongest = 32;   // more than any float's shortest text
        char* at = room(kLongest);
        m_end = writeTwips(at, m_limit, value);
        return *this;
    }
    LineBuffer& boolean(bool value) { return ascii(value ? "True" : "False"); }
    LineBuffer& ascii(std::string_view s)
    {
        const auto n = static_cast<qsizetype>(s.size());
        std::copy_n(s.data(), n, room(n));
        m_end += n;
        return *this;
    }
    LineBuffer& comma() { return put(','); }
    void end() { ascii("\r\n"); }

    bool failed() const { return !m_problem.isEmpty(); }
    QString problem() const { return m_problem; }
    QByteArray take()
    {
        m_bytes.resize(m_end - m_bytes.constData());
        m_bytes.squeeze();
        return std::move(m_bytes);
    }

private:
    static bool holdsLineBreak(QStringView value)
    {
        for (const QChar c : value) {
            if (c == u'\n' || c == u'\r')
                return true;
        }
        return false;
    }

    // Where the next `n` bytes go; the caller moves m_end past what it writes.
    char* room(qsizetype n)
    {
        if (m_limit - m_end < n)
            grow(n);
        return m_end;
    }
    void grow(qsizetype n)
    {
        const qsizetype used = m_end - m_bytes.constData();
        m_bytes.resize(qMax(2 * m_bytes.size(), used + n));
        m_end = m_bytes.data() + used;
        m_limit = m_bytes.data() + m_bytes.size();
    }
    LineBuffer& put(char c)
    {
        *room(1) = c;
        ++m_end;
        return *this;
    }
    void fail(const QString& problem)
    {
        if (m_problem.isEmpty())
            m_problem = problem;
    }

    QByteArray m_bytes;   // sized ahead; only up to m_end is written
    char* m_end;
    char* m_limit;
    QString m_problem;
};

// The systems whose icon positions the file holds, by their place in the table.
constexpr std::size_t kListedCount = kShipSystemCount;

// The table is constant, so reading it while the program starts is safe.
const std::array<const QString*, kListedCount> kListedCodes = [] {
    std::array<const QString*, kListedCount> codes{};
    for (std::size_t i = 0; i < kListedCount; ++i) {
        const ShipSystemRow& row = shipSystems()[i];
        codes[i] = row.written ? row.iconCode : nullptr;
    }
    return codes;
}();

// Which listed system a code stands for, or -1. Icons come grouped by system, so the system
// of the icon before is tried first.
int listedIndex(const QString& code, int previous)
{
    if (previous >= 0 && code == *kListedCodes[previous])
        return previous;
    for (std::size_t i = 0; i < kListedCount; ++i) {
        if (kListedCodes[i] && code == *kListedCodes[i])
            return static_cast<int>(i);
    }
    return -1;
}

// The mount a weapon icon stands for: its code is the mount number as QString::number writes
// it, so "7" is mount 7 but "07" and "+7" are nobody's.
int mountOf(const QString& code, int mounts)
{
    if (code.isEmpty() || (code.size() > 1 && code[0] == u'0'))
        return -1;
    qint64 value = 0;
    for (const QChar c : code) {
        if (c < u'0' || c > u'9')
            return -1;
        value = value * 10 + (c.unicode() - u'0');
        if (value >= mounts)   // digits only ever make it larger
            return -1;
    }
    return static_cast<int>(value);
}

// The icons of each listed system in icon order, and the first icon of each mount. Every code
// is looked at once here instead of every lookup searching the icons.
class IconIndex {
public:
    IconIndex(const QList<StoredIcon>& icons, int mounts) : m_ofMount(static_cast<std::size_t>(mounts), nullptr)
    {
        std::vector<int> listed(static_cast<std::size_t>(icons.size()), -1);
        int previous = -1;
        for (qsizetype i = 0; i < icons.size(); ++i) {
            const QString& code = icons[i].code;
            if (const int mount = mountOf(code, mounts); mount >= 0) {
                if (!m_ofMount[mount])
                    m_ofMount[mount] = &icons[i];
            } else if (const int l = listedIndex(code, previous); l >= 0) {
                listed[i] = l;
                ++m_start[l + 1];
                previous = l;
            }
        }
        for (std::size_t l = 0; l < kListedCount; ++l)
            m_start[l + 1] += m_start[l];
        m_ofListed.resize(m_start.back());
        std::array<std::size_t, kListedCount> next;
        std::copy_n(m_start.begin(), kListedCount, next.begin());
        for (qsizetype i = 0; i < icons.size(); ++i) {
            if (listed[i] >= 0)
                m_ofListed[next[listed[i]]++] = &icons[i];
        }
    }

    std::span<const StoredIcon* const> of(std::size_t l) const
    {
        return {m_ofListed.data() + m_start[l], m_start[l + 1] - m_start[l]};
    }
    const StoredIcon* ofMount(int mount) const { return m_ofMount[static_cast<std::size_t>(mount)]; }

private:
    std::vector<const StoredIcon*> m_ofListed;         // grouped by system
    std::array<std::size_t, kListedCount + 1> m_start{};   // where each system's group starts
    std::vector<const StoredIcon*> m_ofMount;
};

// Enough for the usual file, so the buffer seldom grows: a few hundred bytes of fixed lines,
// at most a position pair per icon and a short line per mount.
qsizetype expectedSize(const ShipFileData& data)
{
    return 4096 + 32 * data.icons.size() + 96 * data.ship.Weapons.size();
}

class Writer {
public:
    explicit Writer(const ShipFileData& data)
        : m_data(data), m_ship(data.ship), m_icons(data.icons, data.ship.WeaponCount())
    {
    }

    void write(LineBuffer& out) const
    {
        const ShipRecord& s = m_ship;
        out.key("Protected").boolean(m_data.isProtected).end();
        out.key("Name").text(s.Name).end();
        out.key("Class").text(s.Class).end();
        if (m_data.side)
            out.key("Side").text(*m_data.side).end();
        if (m_data.hasTmf)
            out.key("TMF").number(s.TMF).end();
        if (m_data.hasNpv)
            out.key("NPV").number(s.NPV).end();
        if (m_data.hasFtl) {
            out.key("FTL").text(s.FTL);
            if (ftlChoiceOf(s.FTL) == FtlChoice::Tug && m_data.towCapacity)
                out.comma().text(*m_data.towCapacity);
            out.end();
        }
        out.key("MD").number(s.MD).end();
        if (s.Armour > 0)
            out.key("Armour").number(s.Armour).end();
        out.key("HullIntegrity").text(m_data.hullIntegrity.value_or(QString())).end();
        if (m_data.hasHullPoints)
            out.key("HullPoints").number(s.HullPoints).end();
        out.key("HullTrack");
        for (int r = 0; r < 4; ++r)
            (r ? out.comma() : out).number(s.HullTrack[r]);
        out.end();
        if (s.StreamLining != streamliningText(StreamliningChoice::None))
            out.key("StreamLining").text(s.StreamLining).end();
        if (m_data.hasCrewFactor)
            out.key("CrewFactor").number(s.CrewFactor).end();
        const char* const crewKeys[] = {"CrewLine1", "CrewLine2", "CrewLine3", "CrewLine4"};
        for (int r = 0; r < 4; ++r) {
            out.key(crewKeys[r]);
            crewLine(out, r);
            out.end();
        }
        const auto systems = shipSystems();
        for (std::size_t i = 0; i < systems.size(); ++i) {
            const ShipSystemRow& row = systems[i];
            if (!row.written)
                continue;
            switch (row.storage) {
            case SystemStorage::Count:
                counted(out, row, i);
                break;
            case SystemStorage::Flag:
                flag(out, row, i);
                break;
            case SystemStorage::Choice:
                // The choices share one line; it is written at the first of them.
                i += choice(out, row) - 1;
                break;
            case SystemStorage::Space:
                space(out, row, i);
                break;
            case SystemStorage::Bays:
                hangars(out, row, i);
                break;
            }
        }
        out.key("Weapons").number(s.WeaponCount()).end();
        for (int i = 0; i < s.WeaponCount(); ++i)
            weaponLine(out, i);
        salvoLinks(out);
    }

private:
    // ",left,top" for the first `limit` icons of a system.
    void pairs(LineBuffer& out, std::size_t system, qsizetype limit = -1) const
    {
        const auto icons = m_icons.of(system);
        const auto count = static_cast<std::size_t>(limit < 0 ? icons.size() : qMin<std::size_t>(limit, icons.size()));
        for (const StoredIcon* icon : icons.first(count))
            out.comma().twips(icon->left).comma().twips(icon->top);
    }

    void crewLine(LineBuffer& out, int row) const
    {
        const int marks = m_ship.CrewLine[row];
        out.number(marks);
        // Row 1 starts at mark 1 unless a file read its rows in another order.
        const int first = m_ship.CrewStart[row] > 0 ? m_ship.CrewStart[row] : 1;
        for (int k = 0; k < marks; ++k) {
            const int at = first - 1 + k;
            if (at < 0 || at >= m_ship.CrewBoxes.size())
                break;
            out.comma().number(m_ship.CrewBoxes[at]);
        }
    }

    void counted(LineBuffer& out, const ShipSystemRow& row, std::size_t system) const
    {
        const int count = m_ship.*row.count;
        if (count <= 0)
            return;
        out.key(row.fileKey).number(count);
        pairs(out, system, count);
        out.end();
    }

    void flag(LineBuffer& out, const ShipSystemRow& row, std::size_t system) const
    {
        if (!(m_ship.*row.flag))
            return;
        out.key(row.fileKey).boolean(true);
        pairs(out, system, 1);
        out.end();
    }

    // Writes the line of the choices starting at `first`; returns how many systems it covered.
    std::size_t choice(LineBuffer& out, const ShipSystemRow& first) const
    {
        const auto choices = choicesFrom(first);
        const ShipSystemRow& chosen = chosenOf(choices, m_ship.*first.count);
        out.key(first.fileKey).ascii(chosen.choiceText);
        if (chosen.iconCode)
            pairs(out, static_cast<std::size_t>(&chosen - shipSystems().data()), 1);
        out.end();
        return choices.size();
    }

    void space(LineBuffer& out, const ShipSystemRow& row, std::size_t system) const
    {
        const int mass = m_ship.*row.count;
        if (mass <= 0)
            return;
        out.key(row.fileKey).number(mass);
        pairs(out, system, qMin(mass, 4));
        out.end();
    }

    void hangars(LineBuffer& out, const ShipSystemRow& row, std::size_t system) const
    {
        if (m_ship.HangarCount() < 1)
            return;
        out.key(row.fileKey).number(m_ship.HangarCount());
        // Every bay, its place left empty when it has no icon, so that no bay is lost.
        std::vector<const StoredIcon*> ofBay(static_cast<std::size_t>(m_ship.HangarCount()), nullptr);
        const auto icons = m_icons.of(system);
        for (std::size_t k = 0; k < icons.size(); ++k) {
            const qsizetype bay = icons[k]->bay >= 0 ? icons[k]->bay : static_cast<qsizetype>(k);
            if (bay < m_ship.HangarCount() && !ofBay[bay])
                ofBay[bay] = icons[k];
        }
        for (int k = 0; k < m_ship.HangarCount(); ++k) {
            out.comma().number(m_ship.Hangars[k]).comma();
            if (ofBay[k])
                out.twips(ofBay[k]->left).comma().twips(ofBay[k]->top);
            else
                out.comma();
        }
        out.end();
    }

    void weaponLine(LineBuffer& out, int i) const
    {
        const WeaponEntry& w = m_ship.Weapons[i];
        out.keyText(w.Kind).number(w.Reserved).comma().number(i).comma().text(w.Details);
        for (bool arc : w.Arc)
            out.comma().boolean(arc);
        // A mount without an icon has no position; the reader keeps such a mount without one.
        const StoredIcon* icon = m_icons.ofMount(i);
        out.comma();
        if (icon)
            out.twips(icon->left);
        out.comma();
        if (icon)
            out.twips(icon->top);
        out.comma().number(w.Mass).comma().number(w.Cost).end();
    }

    void salvoLinks(LineBuffer& out) const
    {
        if (m_data.salvoLinks.isEmpty())
            return;
        out.key("SalvoLinks").number(m_data.salvoLinks.size());
        for (const StoredSalvoLink& link : m_data.salvoLinks)
            out.comma().text(link.launcher).comma().number(link.magazine);
        out.end();
    }

    const ShipFileData& m_data;
    const ShipRecord& m_ship;
    IconIndex m_icons;
};

} // namespace

bool writeShipFile(const ShipFileData& data, QByteArray& out, QString* problem)
{
    // Written, a larger count could not be read back, and every mount, bay or link would be lost.
    for (const auto& [count, what] : {std::pair{data.ship.WeaponCount(), "weapon mounts"},
                                      std::pair{data.ship.HangarCount(), "hangar bays"},
                                      std::pair{static_cast<int>(data.salvoLinks.size()), "salvo links"}}) {
        if (count > kMostMounts) {
            if (problem)
                *problem = QStringLiteral("the design has more than %1 %2").arg(kMostMounts).arg(QLatin1String(what));
            out.clear();
            return false;
        }
    }
    LineBuffer buffer(expectedSize(data));
    Writer(data).write(buffer);
    if (buffer.failed()) {
        if (problem)
            *problem = buffer.problem();
        out.clear();
        return false;
    }
    out = buffer.take();
    return true;
}

} // namespace kw
