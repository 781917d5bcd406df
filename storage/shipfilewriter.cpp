#include "storage/shipfile.h"

#include "model/numbertext.h"
#include "model/systemcodes.h"
#include "storage/codepage.h"

#include <QStringList>

namespace kw {

namespace {

QString boolText(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

class Writer {
public:
    explicit Writer(const ShipFileData& data) : m_data(data), m_ship(data.ship) {}

    QStringList lines()
    {
        const ShipRecord& s = m_ship;
        put(QStringLiteral("Protected"), boolText(m_data.isProtected));
        put(QStringLiteral("Name"), s.Name);
        put(QStringLiteral("Class"), s.Class);
        put(QStringLiteral("Side"), m_data.side.value_or(QString()));
        put(QStringLiteral("TMF"), QString::number(s.TMF));
        put(QStringLiteral("NPV"), QString::number(s.NPV));
        QString ftl = s.FTL;
        if (isTugDrive(s.FTL))
            ftl += QLatin1Char(',') + m_data.towCapacity.value_or(QString());
        put(QStringLiteral("FTL"), ftl);
        put(QStringLiteral("MD"), QString::number(s.MD));
        if (s.Armour > 0)
            put(QStringLiteral("Armour"), QString::number(s.Armour));
        put(QStringLiteral("HullIntegrity"), m_data.hullIntegrity.value_or(QString()));
        put(QStringLiteral("HullPoints"), QString::number(s.HullPoints));
        put(QStringLiteral("HullTrack"), QStringLiteral("%1,%2,%3,%4")
                                             .arg(s.HullTrack[0])
                                             .arg(s.HullTrack[1])
                                             .arg(s.HullTrack[2])
                                             .arg(s.HullTrack[3]));
        if (s.StreamLining != QLatin1String("None"))
            put(QStringLiteral("StreamLining"), s.StreamLining);
        put(QStringLiteral("CrewFactor"), QString::number(s.CrewFactor));
        for (int r = 0; r < 4; ++r)
            put(QStringLiteral("CrewLine%1").arg(r + 1), crewLine(r));
        counted(QStringLiteral("FCS"), s.FCS, IconCode::FC);
        counted(QStringLiteral("FighterBays"), s.FighterBays, IconCode::Fighter);
        counted(QStringLiteral("Screens"), s.Screens, IconCode::Screen);
        flag(QStringLiteral("ReflexField"), s.ReflexField, IconCode::Reflex);
        flag(QStringLiteral("CloakingField"), s.CloakingField, IconCode::Cloak);
        counted(QStringLiteral("ADFC"), s.ADFC, IconCode::ADFC);
        counted(QStringLiteral("PDSs"), s.PDSs, IconCode::PDS);
        if (s.Sensors == 1)
            put(QStringLiteral("Sensors"), QStringLiteral("Enhanced") + pairs(IconCode::ESensors, 1));
        else if (s.Sensors == 2)
            put(QStringLiteral("Sensors"), QStringLiteral("Superior") + pairs(IconCode::SupSensors, 1));
        else
            put(QStringLiteral("Sensors"), QStringLiteral("Standard"));
        flag(QStringLiteral("LocalisedECM"), s.LocalisedECM, IconCode::ECM);
        flag(QStringLiteral("AreaECM"), s.AreaECM, IconCode::AreaECM);
        counted(QStringLiteral("DCPs"), s.DCPs, IconCode::DCP);
        space(QStringLiteral("CargoSpace"), s.CargoSpace, IconCode::CSpace);
        space(QStringLiteral("PassengerSpace"), s.PassengerSpace, IconCode::PSpace);
        flag(QStringLiteral("NovaCannon"), s.NovaCannon, IconCode::Nova);
        flag(QStringLiteral("WaveGun"), s.WaveGun, IconCode::Wave);
        flag(QStringLiteral("MineSweeper"), s.MineSweeper, IconCode::MineSweeper);
        hangars();
        put(QStringLiteral("Weapons"), QString::number(s.WeaponCount()));
        for (int i = 0; i < s.WeaponCount(); ++i)
            weaponLine(i);
        salvoLinks();
        return m_lines;
    }

private:
    void put(const QString& key, const QString& value) { m_lines << key + QLatin1Char('=') + value; }

    // ",left,top" for the first `limit` icons of a code.
    QString pairs(const QString& code, qsizetype limit = -1) const
    {
        QString text;
        qsizetype found = 0;
        for (const StoredIcon& icon : m_data.icons) {
            if (icon.code != code)
                continue;
            if (limit >= 0 && found >= limit)
                break;
            text += QLatin1Char(',') + formatTwips(icon.left) + QLatin1Char(',') + formatTwips(icon.top);
            ++found;
        }
        return text;
    }

    const StoredIcon* weaponIcon(int mount) const
    {
        const QString code = QString::number(mount);
        for (const StoredIcon& icon : m_data.icons) {
            if (icon.code == code)
                return &icon;
        }
        return nullptr;
    }

    QString crewLine(int row) const
    {
        const int marks = m_ship.CrewLine[row];
        QString text = QString::number(marks);
        const int first = row == 0 ? 1 : m_ship.CrewStart[row];
        for (int k = 0; k < marks; ++k) {
            const int at = first - 1 + k;
            if (at < 0 || at >= m_ship.CrewBoxes.size())
                break;
            text += QLatin1Char(',') + QString::number(m_ship.CrewBoxes[at]);
        }
        return text;
    }

    void counted(const QString& key, int count, const QString& code)
    {
        if (count > 0)
            put(key, QString::number(count) + pairs(code));
    }

    void flag(const QString& key, bool set, const QString& code)
    {
        if (set)
            put(key, QStringLiteral("True") + pairs(code, 1));
    }

    void space(const QString& key, int mass, const QString& code)
    {
        if (mass > 0)
            put(key, QString::number(mass) + pairs(code, qMin(mass, 4)));
    }

    void hangars()
    {
        if (m_ship.HangarCount() < 1)
            return;
        QString text = QString::number(m_ship.HangarCount());
        int k = 0;
        for (const StoredIcon& icon : m_data.icons) {
            if (icon.code != IconCode::Hangar || k >= m_ship.HangarCount())
                continue;
            text += QLatin1Char(',') + QString::number(m_ship.Hangars[k]) + QLatin1Char(',')
                    + formatTwips(icon.left) + QLatin1Char(',') + formatTwips(icon.top);
            ++k;
        }
        put(QStringLiteral("Hangars"), text);
    }

    void weaponLine(int i)
    {
        const WeaponEntry& w = m_ship.Weapons[i];
        QStringList items{QString::number(w.Reserved), QString::number(i), w.Details};
        for (bool arc : w.Arc)
            items << boolText(arc);
        // A mount without an icon has no position; the reader keeps such a mount without one.
        const StoredIcon* icon = weaponIcon(i);
        items << (icon ? formatTwips(icon->left) : QString()) << (icon ? formatTwips(icon->top) : QString());
        items << QString::number(w.Mass) << QString::number(w.Cost);
        put(w.Kind, items.join(QLatin1Char(',')));
    }

    void salvoLinks()
    {
        if (m_data.salvoLinks.isEmpty())
            return;
        QString text = QString::number(m_data.salvoLinks.size());
        for (const StoredSalvoLink& link : m_data.salvoLinks)
            text += QLatin1Char(',') + link.launcher + QLatin1Char(',') + QString::number(link.magazine);
        put(QStringLiteral("SalvoLinks"), text);
    }

    const ShipFileData& m_data;
    const ShipRecord& m_ship;
    QStringList m_lines;
};

} // namespace

bool writeShipFile(const ShipFileData& data, QByteArray& out, QString* problem)
{
    const QStringList lines = Writer(data).lines();
    QString text;
    for (const QString& line : lines) {
        if (line.contains(QLatin1Char('\n')) || line.contains(QLatin1Char('\r'))) {
            if (problem)
                *problem = QStringLiteral("a text holds a line break");
            return false;
        }
        text += line + QStringLiteral("\r\n");
    }
    if (!encodeCodePage(text, out)) {
        if (problem)
            *problem = QStringLiteral("the character \"%1\" cannot be stored in a ship file")
                           .arg(firstUnencodable(text));
        return false;
    }
    return true;
}

} // namespace kw
