// The fleet file: opening, saving and the menu items that may discard the fleet.
#include "fleet/fleetorganizer.h"

#include "common/userprompts.h"
#include "fleet/fleetsaving.h"
#include "storage/filesaving.h"
#include "storage/fleetfile.h"

#include <QDir>
#include <QFileInfo>

namespace kw {

namespace {

const QString kFleetFilter = QStringLiteral("Fleet File (*.flt)|*.flt|");
const QString kFleetFileError = QStringLiteral("Error in Fleet File.");
const QString kSaveCurrentQuestion = QStringLiteral("Do you want to Save the current fleet?");
const QString kSaveChangesQuestion = QStringLiteral("Do you want to Save changes to the current fleet?");

} // namespace

QString FleetOrganizer::dialogFolder() const
{
    const QString folder = m_fleetPath.isEmpty() ? m_programFolder : QFileInfo(m_fleetPath).path();
    return QDir::toNativeSeparators(folder);
}

bool FleetOrganizer::OpenFleet(const QString& requestedPath)
{
    ChangeScope scope(*this);
    QString path = requestedPath;
    if (path.isEmpty()) {
        const std::optional<QString> chosen = m_prompts.openFileName({QString(), dialogFolder(), kFleetFilter, {}});
        if (!chosen || chosen->isEmpty())
            return false;
        path = *chosen;
    }
    // The whole file is read before the fleet in the window goes.
    QByteArray bytes;
    if (const std::optional<QString> refusal = readUserFile(path, kMaxFleetFileBytes, QStringLiteral("fleet file"),
                                                            bytes)) {
        m_prompts.tell(*refusal, PromptIcon::Exclamation);
        return false;
    }
    const FleetFileContent content = readFleetFile(bytes);
    Load();
    m_fleetPath = path;
    const QString folder = fleetFolderOf(path);
    for (const FleetFileLine& line : content.ships) {
        // A ship missing from the fleet folder stops the reading as a broken line does.
        const QString shipPath = folder + QLatin1Char('/') + line.file;
        const std::optional<QString> refusal = QFileInfo(shipPath).isFile() ? appendShip(shipPath, line.shipName)
                                                                            : kFleetFileError;
        if (refusal) {
            m_readingError = refusal;
            break;
        }
        FleetCard& card = m_fleet.cards.last();
        card.id = line.id;
        card.name = line.name;
        card.left = line.left;
        card.top = line.top;
        if (line.notes)
            card.misc = *line.notes;
    }
    if (!m_readingError && content.faulty)
        m_readingError = kFleetFileError;
    markUnchanged();
    if (m_readingError) {
        m_prompts.tell(*m_readingError,
                       *m_readingError == kFleetFileError ? PromptIcon::None : PromptIcon::Exclamation);
        return true;
    }
    if (m_recent)
        m_recent->AddRecentFile(path, RecentKind::Fleets);
    return true;
}

bool FleetOrganizer::SaveFleet()
{
    ChangeScope scope(*this);
    m_saveAbandoned = true;
    if (ShipCount() < 1) {
        m_prompts.tell(QStringLiteral("You must add ships to this fleet before saving"));
        return false;
    }
    if (!limitTestPasses(QStringLiteral("You must correct this before saving")))
        return false;
    const std::optional<QString> chosen = m_prompts.saveFileName(
        {QString(), dialogFolder(), kFleetFilter, QStringLiteral("New Fleet.flt")});
    if (!chosen || chosen->isEmpty())
        return false;
    // The fleet folder is the file's name without its extension: a name without one would
    // make the folder the file itself.
    QString path = *chosen;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".flt");

    QList<ShipToSave> ships;
    for (int k = 1; k <= ShipCount(); ++k) {
        const FleetCard& c = card(k);
        const FleetShip& ship = m_fleet.ships[k - 1];
        ships << ShipToSave{{c.name, c.id, ship.Name, QString(), c.left, c.top, c.misc}, ship.FileName};
    }
    FleetSavePlan plan;
    if (const std::optional<QString> refusal = planFleetSave(path, ships, plan)) {
        m_prompts.tell(*refusal, PromptIcon::Exclamation);
        return false;
    }
    bool written = false;
    const std::optional<QString> failure = writeFleetSave(plan, &written);
    if (failure)
        m_prompts.tell(*failure, PromptIcon::Exclamation);
    if (!written)
        return false;
    if (m_recent)
        m_recent->AddRecentFile(path, RecentKind::Fleets);
    m_fleetPath = path;
    markUnchanged();
    m_saveAbandoned = false;
    return true;
}

void FleetOrganizer::SaveAs()
{
    ChangeScope scope(*this);
    SaveFleet();
    m_saveEnabled = true;
}

bool FleetOrganizer::resolveUnsavedChanges(const QString& question)
{
    return !m_fleetChanged || answerSaveQuestion(question);
}

bool FleetOrganizer::answerSaveQuestion(const QString& question)
{
    switch (m_prompts.ask({question, kAppTitle, PromptButtons::YesNoCancel, PromptIcon::None})) {
    case PromptAnswer::Yes:
        return SaveFleet();
    case PromptAnswer::No:
        return true;
    default:
        return false;
    }
}

bool FleetOrganizer::NewFleet()
{
    ChangeScope scope(*this);
    if (!resolveUnsavedChanges(kSaveCurrentQuestion))
        return false;
    Load();
    return true;
}

bool FleetOrganizer::Open()
{
    ChangeScope scope(*this);
    return resolveUnsavedChanges(kSaveChangesQuestion) && OpenFleet(QString());
}

bool FleetOrganizer::OpenRecent(int index)
{
    ChangeScope scope(*this);
    const QString path = m_recent ? m_recent->GetRecentFile(index + 1, RecentKind::Fleets) : QString();
    // Opening replaces the fleet, so unsaved changes are asked about as "&Open" asks.
    return !path.isEmpty() && resolveUnsavedChanges(kSaveChangesQuestion) && OpenFleet(path);
}

bool FleetOrganizer::BackToMenu()
{
    ChangeScope scope(*this);
    return resolveUnsavedChanges(kSaveChangesQuestion);
}

bool FleetOrganizer::confirmClose()
{
    ChangeScope scope(*this);
    if (m_prompts.ask(
            {QStringLiteral("Are you sure you want to quit?"), kAppTitle, PromptButtons::YesNo, PromptIcon::None})
        != PromptAnswer::Yes)
        return false;
    return answerSaveQuestion(kSaveCurrentQuestion);
}

bool FleetOrganizer::confirmExit()
{
    ChangeScope scope(*this);
    return resolveUnsavedChanges(kSaveCurrentQuestion);
}

} // namespace kw
