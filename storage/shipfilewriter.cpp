#include "storage/shipfile.h"

#include "model/systemcodes.h"
#include "storage/codepage.h"

#include <QHash>
#include "model/numbertext.h"

#include <charconv>
#include <string>

namespace kw {

namespace {

// Builds the file's bytes directly: numbers as ASCII, texts in the code page, CR LF after
// every line. A text that the code page cannot hold, or that would break the line, spoils the
// whole file.
class LineBuffer {
public:
    LineBuffer() { m_bytes.reserve(64 * 1024); }

    LineBuffer& key(const char* name)
    {
        m_bytes.append(name);
        m_bytes.push_back('=');
        return *this;
    }
    LineBuffer& keyText(const QString& name)
    {
        text(name);
        m_bytes.push_back('=');
        return *this;
    }
    LineBuffer& text(const QString& value)
    {
        if (value.contains(QLatin1Char('\n')) || value.contains(QLatin1Char('\r'))) {
            fail(QStringLiteral("a text holds a line break"));
            return *this;
        }
        QByteArray encoded;
        if (!encodeCodePage(value, encoded))
            fail(QStringLiteral("the character \"%1\" cannot be stored in a ship file").arg(firstUnencodable(value)));
        m_bytes.append(encoded.constData(), static_cast<size_t>(encoded.size()));
        return *this;
    }
    LineBuffer& number(qint64 value)
    {
        char digits[24];
        const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
        m_bytes.append(digits, end - digits);
        return *this;
    }
    LineBuffer& twips(float value)
    {
        char digits[32];
        const auto end = writeTwips(digits, digits + sizeof digits, value);
        m_bytes.append(digits, end - digits);
        return *this;
    }
    LineBuffer& boolean(bool value)
    {
        m_bytes.append(value ? "True" : "False");
        return *this;
    }
    LineBuffer& comma()
    {
        m_bytes.push_back(',');
        return *this;
    }
    void end() { m_bytes.append("\r\n", 2); }

    bool failed() const { return !m_problem.isEmpty(); }
    QString problem() const { return m_problem; }
    QByteArray take() const { return QByteArray(m_bytes.data(), static_cast<qsizetype>(m_bytes.size())); }

private:
    void fail(const QString& problem)
    {
        if (m_problem.isEmpty())
            m_problem = problem;
    }

    std::string m_bytes;
    QString m_problem;
};

class Writer {
public:
    explicit Writer(const ShipFileData& data) : m_data(data), m_ship(data.ship)
    {
        for (const StoredIcon& icon : data.icons)
            m_byCode[icon.code].append(&icon);
    }

    void write(LineBuffer& out)
    {
        const ShipRecord& s = m_ship;
        out.key("Protected").boolean(m_data.isProtected).end();
        out.key("Name").text(s.Name).end();
        out.key("Class").text(s.Class).end();
        out.key("Side").text(m_data.side.value_or(QString())).end();
        out.key("TMF").number(s.TMF).end();
        out.key("NPV").number(s.NPV).end();
        out.key("FTL").text(s.FTL);
        if (isTugDrive(s.FTL))
            out.comma().text(m_data.towCapacity.value_or(QString()));
        out.end();
        out.key("MD").number(s.MD).end();
        if (s.Armour > 0)
            out.key("Armour").number(s.Armour).end();
        out.key("HullIntegrity").text(m_data.hullIntegrity.value_or(QString())).end();
        out.key("HullPoints").number(s.HullPoints).end();
        out.key("HullTrack");
        for (int r = 0; r < 4; ++r)
            (r ? out.comma() : out).number(s.HullTrack[r]);
        out.end();
        if (s.StreamLining != QLatin1String("None"))
            out.key("StreamLining").text(s.StreamLining).end();
        out.key("CrewFactor").number(s.CrewFactor).end();
        const char* const crewKeys[] = {"CrewLine1", "CrewLine2", "CrewLine3", "CrewLine4"};
        for (int r = 0; r < 4; ++r) {
            out.key(crewKeys[r]);
            crewLine(out, r);
            out.end();
        }
        counted(out, "FCS", s.FCS, IconCode::FC);
        counted(out, "FighterBays", s.FighterBays, IconCode::Fighter);
        counted(out, "Screens", s.Screens, IconCode::Screen);
        flag(out, "ReflexField", s.ReflexField, IconCode::Reflex);
        flag(out, "CloakingField", s.CloakingField, IconCode::Cloak);
        counted(out, "ADFC", s.ADFC, IconCode::ADFC);
        counted(out, "PDSs", s.PDSs, IconCode::PDS);
        out.key("Sensors");
        if (s.Sensors == 1) {
            out.text(QStringLiteral("Enhanced"));
            pairs(out, IconCode::ESensors, 1);
        } else if (s.Sensors == 2) {
            out.text(QStringLiteral("Superior"));
            pairs(out, IconCode::SupSensors, 1);
        } else {
            out.text(QStringLiteral("Standard"));
        }
        out.end();
        flag(out, "LocalisedECM", s.LocalisedECM, IconCode::ECM);
        flag(out, "AreaECM", s.AreaECM, IconCode::AreaECM);
        counted(out, "DCPs", s.DCPs, IconCode::DCP);
        space(out, "CargoSpace", s.CargoSpace, IconCode::CSpace);
        space(out, "PassengerSpace", s.PassengerSpace, IconCode::PSpace);
        flag(out, "NovaCannon", s.NovaCannon, IconCode::Nova);
        flag(out, "WaveGun", s.WaveGun, IconCode::Wave);
        flag(out, "MineSweeper", s.MineSweeper, IconCode::MineSweeper);
        hangars(out);
        out.key("Weapons").number(s.WeaponCount()).end();
        for (int i = 0; i < s.WeaponCount(); ++i)
            weaponLine(out, i);
        salvoLinks(out);
    }

private:
    const QList<const StoredIcon*>& iconsOf(const QString& code) const
    {
        static const QList<const StoredIcon*> none;
        const auto it = m_byCode.constFind(code);
        return it == m_byCode.constEnd() ? none : *it;
    }

    // ",left,top" for the first `limit` icons of a code.
    void pairs(LineBuffer& out, const QString& code, qsizetype limit = -1) const
    {
        const QList<const StoredIcon*>& icons = iconsOf(code);
        const qsizetype count = limit < 0 ? icons.size() : qMin(limit, icons.size());
        for (qsizetype k = 0; k < count; ++k)
            out.comma().twips(icons[k]->left).comma().twips(icons[k]->top);
    }

    void crewLine(LineBuffer& out, int row) const
    {
        const int marks = m_ship.CrewLine[row];
        out.number(marks);
        const int first = row == 0 ? 1 : m_ship.CrewStart[row];
        for (int k = 0; k < marks; ++k) {
            const int at = first - 1 + k;
            if (at < 0 || at >= m_ship.CrewBoxes.size())
                break;
            out.comma().number(m_ship.CrewBoxes[at]);
        }
    }

    void counted(LineBuffer& out, const char* key, int count, const QString& code) const
    {
        if (count <= 0)
            return;
        out.key(key).number(count);
        pairs(out, code);
        out.end();
    }

    void flag(LineBuffer& out, const char* key, bool set, const QString& code) const
    {
        if (!set)
            return;
        out.key(key).boolean(true);
        pairs(out, code, 1);
        out.end();
    }

    void space(LineBuffer& out, const char* key, int mass, const QString& code) const
    {
        if (mass <= 0)
            return;
        out.key(key).number(mass);
        pairs(out, code, qMin(mass, 4));
        out.end();
    }

    void hangars(LineBuffer& out) const
    {
        if (m_ship.HangarCount() < 1)
            return;
        out.key("Hangars").number(m_ship.HangarCount());
        const QList<const StoredIcon*>& icons = iconsOf(IconCode::Hangar);
        for (qsizetype k = 0; k < icons.size() && k < m_ship.HangarCount(); ++k)
            out.comma().number(m_ship.Hangars[k]).comma().twips(icons[k]->left).comma().twips(icons[k]->top);
        out.end();
    }

    void weaponLine(LineBuffer& out, int i) const
    {
        const WeaponEntry& w = m_ship.Weapons[i];
        out.keyText(w.Kind).number(w.Reserved).comma().number(i).comma().text(w.Details);
        for (bool arc : w.Arc)
            out.comma().boolean(arc);
        // A mount without an icon has no position; the reader keeps such a mount without one.
        const QList<const StoredIcon*>& icons = iconsOf(QString::number(i));
        out.comma();
        if (!icons.isEmpty())
            out.twips(icons.first()->left);
        out.comma();
        if (!icons.isEmpty())
            out.twips(icons.first()->top);
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
    QHash<QString, QList<const StoredIcon*>> m_byCode;   // icons of each code, in icon order
};

} // namespace

bool writeShipFile(const ShipFileData& data, QByteArray& out, QString* problem)
{
    LineBuffer buffer;
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
