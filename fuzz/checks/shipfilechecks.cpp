#include "fuzz/checks/shipfilechecks.h"

#include "cli/cliprompts.h"
#include "editor/shipeditor.h"
#include "editor/weaponlist.h"
#include "fuzz/checks/scratchfile.h"
#include "model/numbertext.h"
#include "model/shipsystems.h"
#include "storage/shipfile.h"

#include <QDir>
#include <QFile>
#include <algorithm>

namespace kw::fuzz {

struct ShipFileOpening::Parts {
    explicit Parts(const QString& scratch) : programFolder(scratch + QStringLiteral("/program")), editor(prompts, programFolder)
    {
    }

    QString programFolder;
    CliPrompts prompts;
    ShipEditor editor;
};

ShipFileOpening::ShipFileOpening(const QString& scratch) : m_parts(std::make_unique<Parts>(scratch))
{
    // Two sides, so a stored side can be found in the list or join it.
    QDir().mkpath(m_parts->programFolder + QStringLiteral("/Ships"));
    QFile sides(m_parts->programFolder + QStringLiteral("/Ships/Sides.txt"));
    if (sides.open(QIODevice::WriteOnly))
        sides.write("Blue\r\nRed\r\n");
    m_parts->editor.Load();
}

ShipFileOpening::~ShipFileOpening() = default;

qint64 allowedIcons(const ShipRecord& ship)
{
    const FittedSystems fitted = fittedSystems(ship);
    qint64 allowed = ship.WeaponCount();
    for (const ShipSystemRow& row : shipSystems()) {
        if (row.iconCode)
            allowed += iconCount(row, fitted);
    }
    return allowed;
}

std::optional<QString> ShipFileOpening::check(const QByteArray& bytes)
{
    // A scratch file of the checker's own, rewritten for every input.
    const QString path = m_parts->programFolder + QStringLiteral("/fuzzed.shp");
    if (std::optional<QString> problem = writeScratchFile(path, bytes))
        return problem;
    ShipEditor& editor = m_parts->editor;
    m_parts->prompts.messages.clear();
    if (!editor.OpenShip(path))
        return QStringLiteral("the file was not opened: %1").arg(m_parts->prompts.messages.join(QLatin1Char(' ')));

    // No file makes more icons than the design's counts allow.
    const ShipRecord& ship = editor.ship();
    const int icons = editor.display().iconCount();
    if (icons > allowedIcons(ship))
        return QStringLiteral("%1 icons for a design that allows %2").arg(icons).arg(allowedIcons(ship));

    // Links are numbered from 1 and join two icons of the display.
    for (qsizetype k = 0; k < ship.SalvoLinks.size(); ++k) {
        const SalvoLink& link = ship.SalvoLinks[k];
        for (const int icon : {link.launcher, link.magazine}) {
            if (icon < 1 || icon > icons)
                return QStringLiteral("salvo link %1 names icon %2 of %3").arg(k + 1).arg(icon).arg(icons);
        }
    }

    // What the window shows next, and what saving takes from the design.
    editor.weaponListRows();
    editor.shownLinkLines();
    QByteArray written;
    writeShipFile(editor.fileData(editor.Ship_Locked()), written);
    return std::nullopt;
}

namespace {

QString yesNo(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

QString optionalText(const std::optional<QString>& text)
{
    return text ? QStringLiteral("\"%1\"").arg(*text) : QStringLiteral("(none)");
}

} // namespace

QStringList designSummary(const ShipFileData& data)
{
    const ShipRecord& s = data.ship;
    QStringList lines;
    lines << QStringLiteral("Protected %1").arg(yesNo(data.isProtected));
    // A missing name or hull integrity opens as an empty or unknown one does; a missing side
    // does not (the editor keeps its first side), nor does a missing mass or drive.
    lines << QStringLiteral("Name \"%1\"").arg(data.name.value_or(QString()));
    lines << QStringLiteral("Class \"%1\"").arg(s.Class);
    lines << QStringLiteral("Side %1").arg(optionalText(data.side));
    lines << QStringLiteral("TMF %1").arg(data.hasTmf ? QString::number(s.TMF) : QStringLiteral("(none)"));
    lines << QStringLiteral("FTL %1").arg(data.hasFtl ? QStringLiteral("\"%1\"").arg(s.FTL) : QStringLiteral("(none)"));
    // The tow capacity matters only to a tug.
    if (data.hasFtl && ftlChoiceOf(s.FTL) == FtlChoice::Tug)
        lines << QStringLiteral("TowCapacity %1").arg(optionalText(data.towCapacity));
    lines << QStringLiteral("NPV %1").arg(data.hasNpv ? QString::number(s.NPV) : QStringLiteral("(none)"));
    lines << QStringLiteral("MD %1").arg(s.MD);
    lines << QStringLiteral("Armour %1").arg(s.Armour);
    lines << QStringLiteral("HullIntegrity \"%1\"").arg(data.hullIntegrity.value_or(QString()));
    lines << QStringLiteral("HullPoints %1").arg(data.hasHullPoints ? QString::number(s.HullPoints) : QStringLiteral("(none)"));
    lines << QStringLiteral("HullTrack %1,%2,%3,%4").arg(s.HullTrack[0]).arg(s.HullTrack[1]).arg(s.HullTrack[2]).arg(s.HullTrack[3]);
    // A missing streamlining opens as "None" does.
    lines << QStringLiteral("StreamLining \"%1\"").arg(s.StreamLining);
    lines << QStringLiteral("CrewFactor %1").arg(data.hasCrewFactor ? QString::number(s.CrewFactor) : QStringLiteral("(none)"));
    // Each row's marks, wherever in the list the reader put them.
    for (int r = 0; r < 4; ++r) {
        QStringList marks;
        for (int k = 0; k < s.CrewLine[r]; ++k)
            marks << QString::number(s.CrewBoxes.value(qMax(1, s.CrewStart[r]) - 1 + k, -1));
        lines << QStringLiteral("CrewLine%1 [%2]").arg(r + 1).arg(marks.join(QLatin1Char(',')));
    }
    lines << QStringLiteral("Systems FCS %1 FighterBays %2 Screens %3 ADFC %4 PDSs %5 DCPs %6 Ortillery %7")
                 .arg(s.FCS)
                 .arg(s.FighterBays)
                 .arg(s.Screens)
                 .arg(s.ADFC)
                 .arg(s.PDSs)
                 .arg(s.DCPs)
                 .arg(s.Ortillery);
    lines << QStringLiteral("Space Cargo %1 Passenger %2 Sensors %3").arg(s.CargoSpace).arg(s.PassengerSpace).arg(s.Sensors);
    lines << QStringLiteral("Flags Reflex %1 Cloak %2 ECM %3 AreaECM %4 Nova %5 Wave %6 MineSweeper %7")
                 .arg(yesNo(s.ReflexField), yesNo(s.CloakingField), yesNo(s.LocalisedECM), yesNo(s.AreaECM),
                      yesNo(s.NovaCannon), yesNo(s.WaveGun), yesNo(s.MineSweeper));
    QStringList bays;
    for (const int bay : s.Hangars)
        bays << QString::number(bay);
    lines << QStringLiteral("Hangars [%1]").arg(bays.join(QLatin1Char(',')));
    // A mount's number is rewritten as its position; its icon's code says which mount it is.
    for (qsizetype i = 0; i < s.Weapons.size(); ++i) {
        const WeaponEntry& w = s.Weapons[i];
        QString arcs;
        for (const bool arc : w.Arc)
            arcs += arc ? QLatin1Char('1') : QLatin1Char('0');
        lines << QStringLiteral("Weapon %1 \"%2\" reserved %3 details \"%4\" arcs %5 mass %6 cost %7")
                     .arg(i)
                     .arg(w.Kind)
                     .arg(w.Reserved)
                     .arg(w.Details, arcs)
                     .arg(w.Mass)
                     .arg(w.Cost);
    }
    // Icons of one system keep their order (the k-th takes the k-th box); the order between
    // systems follows the file's keys, which the writer puts in its own order.
    QList<StoredIcon> icons = data.icons;
    std::stable_sort(icons.begin(), icons.end(), [](const StoredIcon& a, const StoredIcon& b) { return a.code < b.code; });
    for (const StoredIcon& icon : icons) {
        const QString place = formatTwips(icon.left) + QLatin1Char(',') + formatTwips(icon.top);
        if (icon.mount >= 0)
            lines << QStringLiteral("Icon \"%1\" of mount %2 at %3").arg(icon.code).arg(icon.mount).arg(place);
        else
            lines << QStringLiteral("Icon \"%1\" at %2 share %3 capacity %4 bay %5")
                         .arg(icon.code, place)
                         .arg(icon.share)
                         .arg(icon.capacity)
                         .arg(icon.bay);
    }
    for (const StoredSalvoLink& link : data.salvoLinks)
        lines << QStringLiteral("SalvoLink \"%1\" to %2").arg(link.launcher).arg(link.magazine);
    return lines;
}

std::optional<QString> roundTripProblem(const QByteArray& bytes)
{
    const ShipFileData first = readShipFile(bytes);
    QByteArray written;
    QString problem;
    if (!writeShipFile(first, written, &problem))
        return QStringLiteral("the writer refuses what the reader read: %1").arg(problem);
    const ShipFileData second = readShipFile(written);
    const QStringList before = designSummary(first);
    const QStringList after = designSummary(second);
    for (qsizetype i = 0; i < qMax(before.size(), after.size()); ++i) {
        const QString was = before.value(i, QStringLiteral("(nothing)"));
        const QString is = after.value(i, QStringLiteral("(nothing)"));
        if (was != is)
            return QStringLiteral("read: %1\nafter writing and reading again: %2").arg(was, is);
    }
    // What the writer wrote once, it writes again byte for byte.
    QByteArray rewritten;
    if (!writeShipFile(second, rewritten, &problem))
        return QStringLiteral("the writer refuses what it wrote itself: %1").arg(problem);
    if (rewritten != written) {
        qsizetype at = 0;
        while (at < written.size() && at < rewritten.size() && written[at] == rewritten[at])
            ++at;
        return QStringLiteral("a second writing differs from the first at byte %1").arg(at);
    }
    return std::nullopt;
}

} // namespace kw::fuzz
