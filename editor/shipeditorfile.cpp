#include "editor/shipeditor.h"

#include "common/changenotifier.h"
#include "common/recentfiles.h"
#include "common/userprompts.h"
#include "display/hulldrawing.h"
#include "display/iconart.h"
#include "display/iconbuilder.h"
#include "model/hullclasses.h"
#include "model/numbertext.h"
#include "model/shipchoices.h"
#include "model/shipsystems.h"
#include "storage/filesaving.h"
#include "storage/programfolder.h"
#include "storage/shipfile.h"
#include "storage/sideslist.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <climits>

namespace kw {

namespace {

const QString kShipFilter = QStringLiteral("Ship File (*.shp)|*.shp|");
const QString kSaveTitle = QStringLiteral("SM Keelwright:- Save ship");
const QString kSaveChangesQuestion = QStringLiteral("Do you want to Save changes to the current ship?");

} // namespace

bool ShipEditor::OpenShip(const QString& requestedPath)
{
    ChangeScope scope(*this);
    // Whatever the opening does is no step; a design opened starts without any.
    EditStep step(*this, QString());
    QString path = requestedPath;
    if (path.isEmpty()) {
        const std::optional<QString> chosen =
            m_prompts.openFileName({QString(), QDir::toNativeSeparators(shipsFolder(m_programFolder)), kShipFilter, {}});
        if (!chosen || chosen->isEmpty())
            return false;
        path = *chosen;
    }
    if (!QFileInfo(path).isFile()) {
        m_prompts.tell(QStringLiteral("File not Found"), PromptIcon::Exclamation);
        return false;
    }
    // The file is read whole before anything is discarded, so a file that cannot be read
    // leaves the current design as it was.
    QByteArray bytes;
    QString error;
    if (!readWholeFile(path, kMaxShipFileBytes, bytes, &error)) {
        m_prompts.tell(QStringLiteral("The ship file %1 could not be read:\r\n%2")
                           .arg(QDir::toNativeSeparators(path), error),
                       PromptIcon::Exclamation);
        return false;
    }
    const ShipFileData data = readShipFile(bytes);
    Load();
    applyShipFile(data, path);
    Q_EMIT shipOpened();
    return true;
}

void ShipEditor::applyShipFile(const ShipFileData& data, const QString& path)
{
    m_busy = true;
    m_ship = data.ship;
    m_ship.FileName = path;
    resetSalvoLinks(m_ship);
    EditorFields& f = m_fields;

    if (data.name) {
        f.name = *data.name;
        m_loadedName = *data.name;
    }
    if (data.side) {
        m_loadedSide = *data.side;
        // A side missing from the list joins this editor's list, so the design keeps its side.
        qsizetype at = f.sides.indexOf(*data.side);
        if (at < 0) {
            f.sides.append(*data.side);
            at = f.sides.size() - 1;
        }
        f.sideIndex = static_cast<int>(at);
    }
    if (data.hasTmf)
        setFieldNumber(NumericField::TMF, m_ship.TMF);
    if (data.hasNpv)
        m_figures.npv = QString::number(m_ship.NPV);
    if (data.hasFtl) {
        const FtlChoice ftl = ftlChoiceOf(m_ship.FTL);
        f.ftlIndex = static_cast<int>(ftl);
        m_controls.towCapacityVisible = ftl == FtlChoice::Tug;
    }
    if (data.towCapacity)
        f.number(NumericField::FTL) = *data.towCapacity;
    setFieldNumber(NumericField::MD, m_ship.MD);
    setFieldNumber(NumericField::Armour, m_ship.Armour);
    if (data.hasHullPoints) {
        setFieldNumber(NumericField::Hull, m_ship.HullPoints);
        m_figures.mass[static_cast<int>(SystemLabel::HULL)] = QString::number(m_ship.HullPoints);
    }
    if (data.hullIntegrity) {
        const qsizetype at = hullIntegrityTexts().indexOf(*data.hullIntegrity);
        if (at >= 0) {
            f.hullIndex = static_cast<int>(at);
            m_controls.hullRatingVisible = at == static_cast<int>(HullIntegrity::FixedFB2);
        }
    }
    if (data.hasStreamLining) {
        if (const std::optional<StreamliningChoice> choice = streamliningChoiceOf(m_ship.StreamLining))
            f.streamliningIndex = static_cast<int>(*choice);
    }
    if (data.hasCrewFactor)
        m_figures.crew = QString::number(m_ship.CrewFactor);
    for (const ShipSystemRow& row : shipSystems()) {
        switch (row.control) {
        case SystemControl::NumberField:
            setFieldNumber(row.field, m_ship.*row.count);
            break;
        case SystemControl::CheckBox:
            f.checks[static_cast<int>(row.checkBox)] = m_ship.*row.flag;
            break;
        case SystemControl::SensorOption:
            f.sensors = qBound(0, m_ship.*row.count, 2);
            break;
        case SystemControl::HangarList:
            m_figures.hangarCount = QString::number(m_ship.HangarCount());
            break;
        case SystemControl::None:
            break;
        }
    }

    placeStoredIcons(data);
    m_busy = false;

    TestSize(m_display.sheet, m_ship.TMF, m_ship.HullTrack[0]);
    DisplayHull(m_display, m_ship, f.number(NumericField::MD), f.ftlIndex, f.streamliningIndex);
    UpdateShip(false);
    f.classes = GetClasses(static_cast<ShipType>(f.shipType), m_ship.TMF);
    f.classIndex = static_cast<int>(f.classes.indexOf(m_ship.Class));
    m_locked = data.isProtected;
    m_shipDisplayed = true;
    m_savedBefore = true;
    if (m_recent)
        m_recent->AddRecentFile(path, RecentKind::Ships);
    m_shipChanged = false;
    clearHistory();
}

void ShipEditor::placeStoredIcons(const ShipFileData& data)
{
    // Icons lie on the display at their stored places.
    m_display.removeAllIcons();
    m_display.templateContainer = IconContainer::Display;
    IconPictureCache pictures;
    QHash<int, int> iconOfMount;
    for (const StoredIcon& stored : data.icons) {
        if (stored.mount >= 0 && stored.mount < m_ship.WeaponCount()) {
            addLoadedWeaponIcon(m_display, m_ship.Weapons[stored.mount], stored.left, stored.top, pictures);
            iconOfMount.insert(m_ship.Weapons[stored.mount].Number, m_display.iconCount());
        } else {
            IconArt art;
            art.share = stored.share;
            art.capacity = stored.capacity;
            addLoadedSystemIcon(m_display, stored.code, stored.left, stored.top, art, pictures);
        }
    }
    // Links name mounts; they become the indices of those mounts' icons. A link whose ends are
    // not both found is left out.
    for (const StoredSalvoLink& link : data.salvoLinks) {
        bool isNumber = false;
        const int mount = link.launcher.toInt(&isNumber);
        const int launcher = isNumber ? iconOfMount.value(mount, 0) : 0;
        const int magazine = iconOfMount.value(static_cast<int>(qBound(qint64{-1}, link.magazine, qint64{INT_MAX})), 0);
        if (launcher != 0 && magazine != 0)
            m_ship.SalvoLinks.append({launcher, magazine});
    }
}

bool ShipEditor::iconsMatchDesign() const
{
    const ShipRecord& s = m_ship;
    // The icons of each code, counted in one pass; each mount has exactly the icon coded with
    // its position, so a mount removed or added since the last full update breaks this until
    // the icons are rebuilt.
    QHash<QString, qint64> icons;
    QList<int> ofMount(s.WeaponCount(), 0);
    int weaponIcons = 0;
    for (const SystemIcon& icon : m_display.icons()) {
        if (const std::optional<int> mount = icon.mountNumber()) {
            ++weaponIcons;
            if (*mount >= 0 && *mount < s.WeaponCount() && icon.tag == QString::number(*mount))
                ++ofMount[*mount];
        } else {
            ++icons[icon.tag];
        }
    }
    const FittedSystems fitted = kw::fittedSystems(s);
    for (const ShipSystemRow& row : shipSystems()) {
        if (row.iconCode && icons.value(*row.iconCode) != iconCount(row, fitted))
            return false;
    }
    if (weaponIcons != s.WeaponCount())
        return false;
    for (int i = 0; i < s.WeaponCount(); ++i) {
        if (s.Weapons[i].Number != i || ofMount[i] != 1)
            return false;
    }
    return true;
}

bool ShipEditor::checkSavable()
{
    if (!checkSheetReady())
        return false;
    // The name as leaving its field leaves it: a name typed with blanks around it is saved
    // without them.
    m_fields.name = trimSpaces(m_fields.name);
    const QString& name = m_fields.name;
    if (!isValidName(name)) {
        m_prompts.tell(invalidShipNameMessage());
        return false;
    }
    if (m_locked && name.toUpper() == m_loadedName.toUpper() && m_fields.sideText().toUpper() == m_loadedSide.toUpper()) {
        m_prompts.tell(QStringLiteral("  This Ship is locked.  You must change\r\n"
                                      "the ship class name or the side to which the ship\r\n"
                                      "belongs to inorder to save it."));
        return false;
    }
    // A text the file cannot hold is found before anything is asked or made.
    QByteArray bytes;
    QString problem;
    if (!writeShipFile(fileData(m_locked), bytes, &problem)) {
        m_prompts.tell(QStringLiteral("The ship cannot be saved:\r\n%1.").arg(problem), PromptIcon::Exclamation);
        return false;
    }
    return true;
}

std::optional<QString> ShipEditor::sideTargetFolder()
{
    // The side comes from the sides list or from the ship file; a hand-edited one such as ".."
    // or "../x" would put the file outside Ships, and no side at all would put it into Ships
    // itself.
    const QString side = m_fields.sideText();
    const QString ships = QDir::toNativeSeparators(shipsFolder(m_programFolder));
    if (trimSpaces(side).isEmpty()) {
        m_prompts.tell(QStringLiteral("The ship has no side, so it cannot be saved according to its side.\r\n"
                                      "Choose a side, or save in another directory."),
                       PromptIcon::Exclamation);
        return std::nullopt;
    }
    const std::optional<QString> folder = sideFolder(m_programFolder, side);
    if (!folder) {
        m_prompts.tell((isTooLongForAFolder(side) ? QStringLiteral("The side \"%1\" is too long to be a folder name in %2.")
                                                  : QStringLiteral("The side \"%1\" cannot be a folder in %2."))
                               .arg(side, ships)
                           + QStringLiteral("\r\nChoose another side, or save in another directory."),
                       PromptIcon::Exclamation);
        return std::nullopt;
    }
    return folder;
}

bool ShipEditor::makeSideFolder(const QString& file)
{
    // Saving by side makes the side's folder when it is missing, just before the file is written.
    const QString folder = QFileInfo(file).absolutePath();
    if (QFileInfo(folder).isDir() || QDir().mkpath(folder))
        return true;
    m_prompts.tell(QStringLiteral("The folder %1 could not be created.").arg(QDir::toNativeSeparators(folder)),
                   PromptIcon::Exclamation);
    return false;
}

std::optional<QString> ShipEditor::chooseSaveTarget(bool& bySide)
{
    bySide = false;
    const PromptAnswer where = m_prompts.ask({QStringLiteral("Do you want to save:\r\n"
                                                             "Yes:- According to the side the ship belongs to\r\n"
                                                             "\t\t-- or --\r\n"
                                                             "No:-  In another directory?"),
                                              kSaveTitle, PromptButtons::YesNoCancel, PromptIcon::Question});
    if (where == PromptAnswer::Cancel)
        return std::nullopt;
    if (where == PromptAnswer::Yes) {
        const std::optional<QString> folder = sideTargetFolder();
        if (!folder)
            return std::nullopt;
        bySide = true;
        return QDir::toNativeSeparators(*folder + QLatin1Char('/') + m_fields.name + QStringLiteral(".shp"));
    }
    const std::optional<QString> chosen =
        m_prompts.saveFileName({QString(), QDir::toNativeSeparators(shipsFolder(m_programFolder)), kShipFilter,
                                m_fields.name + QStringLiteral(".shp")});
    if (!chosen || chosen->isEmpty())
        return std::nullopt;
    return chosen;
}

bool ShipEditor::SaveShip(bool saveAs)
{
    ChangeScope scope(*this);
    if (!checkSavable())
        return true;
    QString target;
    bool newTarget = false;
    bool bySide = false;
    // Only a confirmed overwrite replaces a read-only file.
    ReadOnlyFile readOnly = ReadOnlyFile::Refuse;
    if (!saveAs && !m_ship.FileName.isEmpty()) {
        target = m_ship.FileName;
        if (isReadOnlyFile(target)) {
            m_prompts.tell(QStringLiteral("The ship could not be saved as %1:\r\nthe file is read-only. Use Save As to "
                                          "save it elsewhere.")
                               .arg(QDir::toNativeSeparators(target)),
                           PromptIcon::Exclamation);
            return true;
        }
    } else {
        const std::optional<QString> chosen = chooseSaveTarget(bySide);
        if (!chosen)
            return true;
        target = *chosen;
        newTarget = true;
        if (QFileInfo::exists(target)) {
            const PromptAnswer overwrite = m_prompts.ask(
                {QStringLiteral("The filename specified already exists.  Do you want to overwrite?\r\n\r\n") + target,
                 kSaveTitle, PromptButtons::YesNo, PromptIcon::Critical});
            if (overwrite != PromptAnswer::Yes)
                return true;
            readOnly = ReadOnlyFile::Replace;
        }
    }
    const bool lock = m_prompts.ask({QStringLiteral("Lock the ship to prevent editing?"), kAppTitle,
                                     PromptButtons::YesNo, PromptIcon::None}) == PromptAnswer::Yes;
    if (bySide && !makeSideFolder(target))
        return true;
    if (!writeShipTo(target, lock, readOnly))
        return true;
    if (newTarget && m_recent)
        m_recent->AddRecentFile(target, RecentKind::Ships);
    m_ship.FileName = target;
    m_prompts.tell(QStringLiteral("Ship Saved as ") + target);
    return false;
}

ShipFileData ShipEditor::fileData(bool lock) const
{
    ShipFileData data;
    data.ship = m_ship;
    data.ship.Name = m_fields.name;
    data.isProtected = lock;
    data.side = m_fields.sideText();
    data.hullIntegrity = hullIntegrityTexts().value(m_fields.hullIndex);
    data.towCapacity = m_fields.number(NumericField::FTL);
    data.hasTmf = data.hasNpv = data.hasFtl = data.hasHullPoints = data.hasCrewFactor = true;
    for (const SystemIcon& icon : m_display.icons())
        data.icons.append({icon.tag, icon.left, icon.top});
    // Only finished links are stored; a link being made has an end still missing.
    for (const SalvoLink& link : m_ship.SalvoLinks) {
        if (link.launcher < 1 || link.launcher > m_display.iconCount() || link.magazine < 1
            || link.magazine > m_display.iconCount())
            continue;
        data.salvoLinks.append({m_display.icon(link.launcher).tag, m_display.icon(link.magazine).tag.toLongLong()});
    }
    return data;
}

bool ShipEditor::exportShipFile(const QString& path, bool lock, QString* error, ReadOnlyFile readOnly) const
{
    QByteArray bytes;
    return writeShipFile(fileData(lock), bytes, error) && saveFileAtomically(path, bytes, error, readOnly);
}

bool ShipEditor::writeShipTo(const QString& path, bool lock, ReadOnlyFile readOnly)
{
    QString problem;
    if (!exportShipFile(path, lock, &problem, readOnly)) {
        m_prompts.tell(QStringLiteral("The ship could not be saved as %1:\r\n%2").arg(QDir::toNativeSeparators(path), problem),
                       PromptIcon::Exclamation);
        return false;
    }
    // The lock is taken on only once the file holds it.
    m_locked = lock;
    if (lock)
        clearHistory();
    m_ship.Name = m_fields.name;
    return true;
}

void ShipEditor::SaveAs()
{
    ChangeScope scope(*this);
    SaveShip(true);
    m_savedBefore = true;
}

bool ShipEditor::resolveUnsavedChanges()
{
    if (!m_shipChanged)
        return true;
    ChangeScope scope(*this);
    const PromptAnswer answer = m_prompts.ask({kSaveChangesQuestion, kAppTitle, PromptButtons::YesNoCancel, PromptIcon::None});
    if (answer == PromptAnswer::Cancel)
        return false;
    if (answer == PromptAnswer::Yes)
        return !SaveShip(false);
    return true;
}

bool ShipEditor::confirmQuit()
{
    if (m_prompts.ask({QStringLiteral("Are you sure you want to quit?"), kAppTitle, PromptButtons::YesNo,
                       PromptIcon::None}) != PromptAnswer::Yes)
        return false;
    return resolveUnsavedChanges();
}

} // namespace kw
