#include "fuzz/checks/fleetfilechecks.h"

#include "common/collectingprompts.h"
#include "fleet/fleetorganizer.h"
#include "fleet/fleetsaving.h"
#include "fuzz/checks/scratchfile.h"
#include "model/numbertext.h"
#include "storage/defaultships.h"
#include "storage/fleetship.h"
#include "storage/programfolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace kw::fuzz {

namespace {

// The dialogs answer with the file the check names.
class SavingPrompts : public CollectingPrompts {
public:
    std::optional<QString> saveFileName(const FileDialogRequest&) override { return target; }
    QString target;
};

// What a text of fields 1 to 3 reads back as after the fleet writer has written it.
QString asWritten(QString text, bool commasKept)
{
    if (!commasKept)
        text.replace(QLatin1Char(','), QLatin1Char(';'));
    return text.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
}

// The fleet, one line per fact that saving must keep.
QStringList facts(const FleetOrganizer& fleet, bool asSaved)
{
    QStringList list;
    for (int k = 1; k <= fleet.ShipCount(); ++k) {
        const FleetCard& card = fleet.card(k);
        const FleetShip& ship = fleet.FleetShips()[k - 1];
        const QString label = asSaved ? asWritten(ship.Name, false) : fleet.fleetList()[k - 1].label;
        list << QStringLiteral("%1: id [%2] name [%3] notes [%4] at %5,%6 label [%7]")
                    .arg(k)
                    .arg(asSaved ? asWritten(card.id, false) : card.id,
                         asSaved ? asWritten(card.name, false) : card.name,
                         asSaved ? asWritten(card.misc, true) : card.misc, formatTwips(card.left),
                         formatTwips(card.top), label);
        list << QStringLiteral("%1: ship [%2] [%3] %4 %5 %6 %7 [%8] [%9]")
                    .arg(k)
                    .arg(ship.Name, ship.Class)
                    .arg(ship.TMF)
                    .arg(ship.NPV)
                    .arg(ship.HullPoints)
                    .arg(ship.Armour)
                    .arg(ship.HullIntegrity, ship.StreamLining);
    }
    return list;
}

std::optional<QString> wholeFleetProblem(const FleetOrganizer& fleet, const QString& folder)
{
    const int n = fleet.ShipCount();
    if (fleet.cards().size() != n || fleet.fleetList().size() != n || fleet.HasShips() != (n > 0))
        return QStringLiteral("%1 ships, %2 cards, %3 list entries")
            .arg(n)
            .arg(fleet.cards().size())
            .arg(fleet.fleetList().size());
    qint64 mass = 0;
    qint64 points = 0;
    for (int k = 1; k <= n; ++k) {
        if (fleet.card(k).tag != k || fleet.fleetList()[k - 1].itemData != k)
            return QStringLiteral("card %1 has the tag %2 and list entry %1 the number %3")
                .arg(k)
                .arg(fleet.card(k).tag)
                .arg(fleet.fleetList()[k - 1].itemData);
        const QFileInfo file(fleet.FleetShips()[k - 1].FileName);
        if (QDir::cleanPath(file.absolutePath()) != QDir::cleanPath(folder))
            return QStringLiteral("ship %1 was read from %2, outside the fleet folder").arg(k).arg(file.filePath());
        mass += fleet.FleetShips()[k - 1].TMF;
        points += fleet.FleetShips()[k - 1].NPV;
    }
    if (mass != fleet.FleetMass() || points != fleet.FleetPoints())
        return QStringLiteral("totals %1 and %2 for ships of %3 and %4")
            .arg(fleet.FleetMass())
            .arg(fleet.FleetPoints())
            .arg(mass)
            .arg(points);
    return std::nullopt;
}

} // namespace

struct FleetFileOpening::Parts {
    explicit Parts(const QString& scratch)
        : root(scratch + QStringLiteral("/fleets")),
          fleet(prompts, scratch + QStringLiteral("/program"), scratch + QStringLiteral("/pictures"))
    {
    }

    QString root;
    SavingPrompts prompts;
    FleetOrganizer fleet;
};

FleetFileOpening::FleetFileOpening(const QString& scratch) : m_parts(std::make_unique<Parts>(scratch))
{
    // The sample designs lie in the fleet folder under their own names, as a saved fleet has them.
    const QString program = scratch + QStringLiteral("/program");
    ensureShipsFolder(program, nullptr);
    QDir().mkpath(m_parts->root + QStringLiteral("/fuzzed"));
    QDirIterator it(shipsFolder(program), {QStringLiteral("*.shp")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString ship = it.next();
        QFile::copy(ship, m_parts->root + QStringLiteral("/fuzzed/") + QFileInfo(ship).fileName());
    }
    m_parts->fleet.Load();
}

FleetFileOpening::~FleetFileOpening() = default;

std::optional<QString> FleetFileOpening::check(const QByteArray& bytes)
{
    const FleetShip ship = readFleetShip(bytes);
    const QString description = shipDescription(ship);
    if (!description.startsWith(ship.Name) || !description.endsWith(QLatin1Char('\r')))
        return QStringLiteral("the description of a ship named \"%1\" reads \"%2\"").arg(ship.Name, description);

    const QString path = m_parts->root + QStringLiteral("/fuzzed.flt");
    if (std::optional<QString> problem = writeScratchFile(path, bytes))
        return problem;
    FleetOrganizer& fleet = m_parts->fleet;
    m_parts->prompts.messages.clear();
    if (!fleet.OpenFleet(path))
        return QStringLiteral("the fleet file was not opened: %1")
            .arg(m_parts->prompts.messages.join(QLatin1Char(' ')));
    if (fleet.readingError() && *fleet.readingError() != QLatin1String("Error in Fleet File."))
        return QStringLiteral("reading stopped with: %1").arg(*fleet.readingError());
    if (std::optional<QString> problem = wholeFleetProblem(fleet, fleetFolderOf(path)))
        return problem;
    if (fleet.ShipCount() == 0)
        return std::nullopt;

    // Saved afresh and opened again: the same fleet, its texts as the writer spells them.
    const QStringList expected = facts(fleet, true);
    const QString saved = m_parts->root + QStringLiteral("/saved.flt");
    QDir(fleetFolderOf(saved)).removeRecursively();
    QFile::remove(saved);
    m_parts->prompts.target = saved;
    if (!fleet.SaveFleet())
        return QStringLiteral("the fleet was not saved: %1").arg(m_parts->prompts.messages.join(QLatin1Char(' ')));
    if (!fleet.OpenFleet(saved) || fleet.readingError())
        return QStringLiteral("the saved fleet did not read: %1").arg(m_parts->prompts.messages.join(QLatin1Char(' ')));
    const QStringList again = facts(fleet, false);
    if (again != expected) {
        for (qsizetype i = 0; i < std::max(again.size(), expected.size()); ++i) {
            if (again.value(i) != expected.value(i))
                return QStringLiteral("after saving, \"%1\" became \"%2\"").arg(expected.value(i), again.value(i));
        }
    }
    return wholeFleetProblem(fleet, fleetFolderOf(saved));
}

} // namespace kw::fuzz
