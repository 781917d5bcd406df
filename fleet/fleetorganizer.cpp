#include "fleet/fleetorganizer.h"

#include "common/userprompts.h"
#include "fleet/shippictures.h"
#include "storage/codepage.h"
#include "storage/filesaving.h"
#include "storage/fleetfile.h"
#include "storage/programfolder.h"
#include "storage/shipfile.h"
#include "storage/sideslist.h"

#include <QDir>
#include <QFileInfo>
#include <limits>

namespace kw {

namespace {

const QString kNoLimit = QStringLiteral("-1");
const QString kShipFilter = QStringLiteral("Ship File (*.shp)|*.shp|");

const std::array<QString, kFleetLimits> kLimitFirstLines = {
    QStringLiteral("You are at or over your mass limit for this fleet."),
    QStringLiteral("You are at or over your npv limit for this fleet."),
    QStringLiteral("You are at or over your ship limit for this fleet."),
};

// The list label of a ship chosen with "Open Other": the rest of its first "NAME=" line, or
// the file's name when it has none.
QString nameLineLabel(const QByteArray& bytes, const QString& path)
{
    for (QByteArrayView rest(bytes); !rest.isEmpty();) {
        const qsizetype end = rest.indexOf('\n');
        QByteArrayView line = end < 0 ? rest : rest.first(end);
        rest = end < 0 ? QByteArrayView() : rest.sliced(end + 1);
        if (line.endsWith('\r'))
            line.chop(1);
        const qsizetype eq = line.indexOf('=');
        if (eq >= 0 && decodeCodePage(line.first(eq + 1)).toUpper() == QLatin1String("NAME="))
            return decodeCodePage(line.sliced(eq + 1));
    }
    return QFileInfo(path).fileName();
}

} // namespace

FleetOrganizer::FleetOrganizer(UserPrompts& prompts, const QString& programFolder, const QString& pictureFolder,
                               QObject* parent)
    : ChangeNotifier(parent), m_prompts(prompts), m_programFolder(programFolder),
      m_pictures(std::make_unique<ShipPictures>(programFolder, pictureFolder))
{
    resetFleet();
}

FleetOrganizer::~FleetOrganizer() = default;

RecentMenu FleetOrganizer::recentMenu() const
{
    return ShowRecentFiles(m_recent ? m_recent->places(RecentKind::Fleets) : QStringList());
}

void FleetOrganizer::resetFleet()
{
    m_saveEnabled = false;
    m_saveAbandoned = false;
    m_fleet = FleetState();
    m_fleet.limitTexts.fill(kNoLimit);
    // The labels show 0 until the first refresh.
    m_fleet.currentTexts.fill(QStringLiteral("0"));
    m_fleet.leftTexts.fill(QStringLiteral("0"));
    m_selectedFleetEntry = -1;
    m_grabX = 0;
    m_grabY = 0;
    m_fleetPath.clear();
    m_readingError.reset();
    m_selectTag = -1;
    m_selectionVisible = false;
    m_selectionRect = {};
    m_hScroll = 0;
    m_vScroll = 0;
    m_draggedCard = 0;
    m_describedCard = 0;
    m_history.clear();
    m_typing.reset();
    markUnchanged();
}

void FleetOrganizer::Load()
{
    ChangeScope scope(*this);
    resetFleet();
    QString error;
    if (!readSidesFile(m_programFolder, m_sides, &error))
        m_prompts.tell(QStringLiteral("The sides list %1 could not be read:\r\n%2")
                           .arg(QDir::toNativeSeparators(sidesFile(m_programFolder)), error),
                       PromptIcon::Exclamation);
    m_sideIndex = -1;
    m_addFolder.clear();
    m_addFiles.clear();
    m_addLabels.clear();
    m_selectedAddEntry = -1;
    if (!m_sides.isEmpty())
        chooseSide(0);
}

void FleetOrganizer::chooseSide(int index)
{
    ChangeScope scope(*this);
    if (index < 0 || index >= m_sides.size())
        return;
    m_sideIndex = index;
    fillAddList();
}

void FleetOrganizer::fillAddList()
{
    m_addFiles.clear();
    m_addLabels.clear();
    m_selectedAddEntry = -1;
    const QString& side = m_sides[m_sideIndex];
    // A side that cannot be a folder directly below Ships lists nothing rather than some other
    // folder.
    m_addFolder = sideFolder(m_programFolder, side).value_or(QString());
    if (m_addFolder.isEmpty())
        return;
    QDir folder(m_addFolder);
    folder.setNameFilters({QStringLiteral("*.shp")});
    folder.setFilter(QDir::Files);
    folder.setSorting(QDir::Name | QDir::IgnoreCase);
    m_addFiles = folder.entryList();
    for (const QString& file : m_addFiles)
        m_addLabels << file.chopped(4);
}

void FleetOrganizer::chooseAddEntry(int index)
{
    ChangeScope scope(*this);
    m_selectedAddEntry = index >= 0 && index < m_addLabels.size() ? index : -1;
}

bool FleetOrganizer::limitTestPasses(const QString& secondLine)
{
    // Looks at the Left row as shown: a limit lets ships in while anything is left.
    for (int i = 0; i < kFleetLimits; ++i) {
        if (m_fleet.limits[i] < 0)
            continue;
        if (m_fleet.leftTexts[i].toLongLong() <= 0) {
            m_prompts.tell(kLimitFirstLines[i] + QLatin1Char('\r') + secondLine);
            return false;
        }
    }
    return true;
}

void FleetOrganizer::AddFromSide()
{
    ChangeScope scope(*this);
    if (m_selectedAddEntry < 0)
        return;
    if (!limitTestPasses(QStringLiteral("You must correct this before adding more ships.")))
        return;
    OpenShip(m_addFolder + QLatin1Char('/') + m_addFiles[m_selectedAddEntry], m_addLabels[m_selectedAddEntry]);
}

void FleetOrganizer::OpenOther()
{
    ChangeScope scope(*this);
    if (!limitTestPasses(QStringLiteral("You must correct this before adding more ships")))
        return;
    const std::optional<QString> chosen = m_prompts.openFileName(
        {QString(), QDir::toNativeSeparators(shipsFolder(m_programFolder)), kShipFilter, {}});
    if (!chosen || chosen->isEmpty())
        return;
    // A file that cannot be read is reported by OpenShip.
    QByteArray bytes;
    readWholeFile(*chosen, kMaxShipFileBytes, bytes, nullptr);
    OpenShip(*chosen, nameLineLabel(bytes, *chosen));
}

bool FleetOrganizer::OpenShip(const QString& path, const QString& listLabel)
{
    ChangeScope scope(*this);
    FleetState before = stepStart();
    if (const std::optional<QString> refusal = appendShip(path, listLabel)) {
        m_prompts.tell(*refusal, PromptIcon::Exclamation);
        return false;
    }
    recordStep(FleetStep::AddShip, std::move(before));
    return true;
}

std::optional<QString> FleetOrganizer::appendShip(const QString& path, const QString& listLabel)
{
    QByteArray bytes;
    if (std::optional<QString> refusal = readUserFile(path, kMaxShipFileBytes, QStringLiteral("ship file"), bytes))
        return refusal;
    FleetShip ship = readFleetShip(bytes);
    ship.FileName = path;

    QString problem;
    FleetCard card;
    card.picture = m_pictures->pictureFor(path, &problem);
    card.tag = ShipCount() + 1;
    card.id = QString::number(card.tag);
    card.name = ship.Name;
    card.misc = defaultNotes(ship);
    card.description = shipDescription(ship);

    m_fleet.fleetList << FleetListEntry{listLabel, static_cast<int>(m_fleet.fleetList.size()) + 1};
    m_fleet.fleetMass += ship.TMF;
    m_fleet.fleetPoints += ship.NPV;
    m_fleet.ships << ship;
    m_fleet.cards << card;
    m_fleet.hasShips = true;
    setChanged();
    updatestats();
    // The card stands with a blank picture; the user hears why.
    if (!problem.isEmpty())
        m_prompts.tell(problem, PromptIcon::Exclamation);
    return std::nullopt;
}

int FleetOrganizer::cardOfEntry(int entry) const
{
    if (entry < 0 || entry >= m_fleet.fleetList.size())
        return 0;
    const int data = m_fleet.fleetList[entry].itemData;
    for (const FleetCard& card : m_fleet.cards) {
        if (card.tag == data)
            return card.tag;
    }
    return 0;
}

void FleetOrganizer::Remove()
{
    ChangeScope scope(*this);
    const int k = cardOfEntry(m_selectedFleetEntry);
    if (k == 0)
        return;
    recordStep(FleetStep::RemoveShip, stepStart());
    const FleetShip& ship = m_fleet.ships.at(k - 1);
    m_fleet.fleetMass -= ship.TMF;
    m_fleet.fleetPoints -= ship.NPV;
    // Later ships move down one number in every place; IDs and names typed by the user move
    // with their ships.
    m_fleet.ships.removeAt(k - 1);
    m_fleet.cards.removeAt(k - 1);
    for (qsizetype j = k - 1; j < m_fleet.cards.size(); ++j)
        m_fleet.cards[j].tag = static_cast<int>(j) + 1;
    for (FleetListEntry& entry : m_fleet.fleetList) {
        if (entry.itemData > k)
            --entry.itemData;
    }
    m_fleet.fleetList.removeAt(m_selectedFleetEntry);
    m_selectedFleetEntry = -1;
    // The description window and a drag follow their card too.
    for (int* number : {&m_describedCard, &m_draggedCard}) {
        if (*number == k)
            *number = 0;
        else if (*number > k)
            --*number;
    }
    if (m_fleet.ships.isEmpty())
        m_fleet.hasShips = false;
    hideSelection();
    setChanged();
    updatestats();
}

void FleetOrganizer::updatestats()
{
    ChangeScope scope(*this);
    const std::array<qint64, kFleetLimits> totals = {m_fleet.fleetMass, m_fleet.fleetPoints, ShipCount()};
    for (int i = 0; i < kFleetLimits; ++i) {
        m_fleet.currentTexts[i] = QString::number(totals[i]);
        m_fleet.leftTexts[i] = m_fleet.limits[i] < 0 ? kNoLimit : QString::number(m_fleet.limits[i] - totals[i]);
    }
}

QString FleetOrganizer::typeLimitText(FleetLimit which, const QString& text)
{
    ChangeScope scope(*this);
    QString& box = m_fleet.limitTexts[index(which)];
    if (text != box && takesTypedText(text, box, FleetDesign::limitTypedLength)) {
        beginTyping(FleetStep::ChangeLimit[index(which)], 0);
        box = text;
    }
    return box;
}

void FleetOrganizer::enterLimit(FleetLimit which, const QString& text)
{
    ChangeScope scope(*this);
    beginTyping(FleetStep::ChangeLimit[index(which)], 0);
    m_fleet.limitTexts[index(which)] = text;
    leaveLimit(which);
}

void FleetOrganizer::leaveLimit(FleetLimit which)
{
    ChangeScope scope(*this);
    // Leaving the box commits what was typed there as one step.
    beginTyping(FleetStep::ChangeLimit[index(which)], 0);
    int& limit = m_fleet.limits[index(which)];
    QString& box = m_fleet.limitTexts[index(which)];
    // A limit must fit the 16-bit field; anything else is undone like a text that is no number.
    const std::optional<qint64> value = roundedFleetNumber(box, std::numeric_limits<qint16>::min(),
                                                           std::numeric_limits<qint16>::max());
    if (!value) {
        box = QString::number(limit);
    } else if (*value != limit) {
        limit = static_cast<int>(*value);
        setChanged();
    }
    updatestats();
    commitTyping();
}

} // namespace kw
