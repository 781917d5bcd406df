#include "editor/shipeditor.h"

#include "common/changenotifier.h"
#include "common/userprompts.h"
#include "display/hulldrawing.h"
#include "display/iconbuilder.h"
#include "display/keptlayout.h"
#include "editor/stepnames.h"
#include "model/constructionrules.h"
#include "model/crew.h"
#include "model/hullclasses.h"
#include "model/hulltrack.h"
#include "model/numbertext.h"
#include "model/rounding.h"
#include "model/systemcosts.h"
#include "model/weaponkinds.h"
#include "storage/sideslist.h"

#include <limits>

namespace kw {

namespace {

// Holds a flag set for the length of a scope, whichever way the scope is left.
class FlagScope {
public:
    explicit FlagScope(bool& flag) : m_flag(flag) { m_flag = true; }
    ~FlagScope() { m_flag = false; }

private:
    bool& m_flag;
};

} // namespace

ShipEditor::ShipEditor(UserPrompts& prompts, const QString& programFolder, QObject* parent)
    : ChangeNotifier(parent), m_prompts(prompts), m_programFolder(programFolder)
{
}

ShipEditor::~ShipEditor() = default;

QString ShipEditor::lockMenuCaption() const
{
    return m_locked ? QStringLiteral("Un&lock Ship") : QStringLiteral("&Lock Ship");
}

QString ShipEditor::lockNotice() const
{
    return m_locked ? QStringLiteral("Ship Locked") : QString();
}

double ShipEditor::fieldValue(NumericField field) const
{
    return parseNumber(trimSpaces(QStringView(m_fields.number(field)))).value_or(0.0);
}

qint64 ShipEditor::fieldWhole(NumericField field) const
{
    return roundHalfEven(fieldValue(field));
}

void ShipEditor::setFieldNumber(NumericField field, qint64 value)
{
    m_fields.number(field) = QString::number(value);
}

double ShipEditor::crewShown() const
{
    return parseNumber(m_figures.crew).value_or(0.0);
}

void ShipEditor::resetFields()
{
    m_fields = EditorFields{};
    for (int i = 0; i < kNumericFieldCount; ++i)
        m_fields.numbers[i] = QStringLiteral("0");
    m_fields.number(NumericField::TMF) = QStringLiteral("3");
    m_fields.number(NumericField::Hull) = QStringLiteral("1");
    m_fields.number(NumericField::FTL) = QStringLiteral("3");
    m_figures = EditorFigures{};
    m_controls = EditorControls{};
}

void ShipEditor::Load()
{
    ChangeScope scope(*this);
    EditStep step(*this, QString());
    ++m_designGeneration;
    m_formLoading = true;
    resetFields();
    m_fields.sides = readSides(m_programFolder);
    m_fields.sideIndex = m_fields.sides.isEmpty() ? -1 : 0;
    NewShip(m_ship);
    m_locked = false;
    m_editMode = EditMode::Normal;
    m_busy = false;
    m_loadedName.clear();
    m_loadedSide.clear();
    m_lastWarning.reset();
    // The defaults are chosen as clicks would choose them; nothing recalculates while loading.
    m_fields.hullIndex = static_cast<int>(HullIntegrity::Average);
    m_fields.ftlIndex = static_cast<int>(FtlChoice::Standard);
    m_fields.streamliningIndex = 0;
    m_fields.shipType = static_cast<int>(ShipType::MilitaryShip);
    m_fields.classes = GetClasses(ShipType::MilitaryShip, m_ship.TMF);
    m_display = DisplayModel{};
    m_savedBefore = false;
    m_shipDisplayed = false;
    m_formLoading = false;
    UpdateShip(false);
    m_shipChanged = false;
    clearHistory();
}

void ShipEditor::cancelPendingModes()
{
    if (m_editMode == EditMode::Removing)
        cancelRemoveWeapon();
    else if (m_editMode == EditMode::Linking)
        cancelLink();
}

void ShipEditor::reselectClass()
{
    m_fields.classes = GetClasses(static_cast<ShipType>(m_fields.shipType), m_ship.TMF);
    // Searched from the last entry to the first, as the list's own selection walk does.
    int chosen = -1;
    for (int i = static_cast<int>(m_fields.classes.size()) - 1; i >= 0; --i) {
        if (m_fields.classes[i] == m_ship.Class) {
            chosen = i;
            break;
        }
    }
    if (chosen < 0) {
        chosen = m_fields.classes.isEmpty() ? -1 : 0;
        m_ship.Class = chosen < 0 ? QString() : m_fields.classes[0];
    }
    m_fields.classIndex = chosen;
}

FittedSystems ShipEditor::fittedSystems() const
{
    FittedSystems fitted;
    for (const ShipSystemRow& row : shipSystems()) {
        qint64& amount = fitted.amount(row.system);
        switch (row.control) {
        case SystemControl::NumberField:
            amount = fieldWhole(row.field);
            break;
        case SystemControl::CheckBox:
            amount = m_fields.check(row.checkBox) ? 1 : 0;
            break;
        case SystemControl::SensorOption:
            amount = m_fields.sensors == row.choice ? 1 : 0;
            break;
        case SystemControl::HangarList:
            amount = m_ship.HangarCount();
            break;
        case SystemControl::None:
            amount = recordAmount(row, m_ship);
            break;
        }
    }
    fitted.hangarBays = m_ship.Hangars;
    return fitted;
}

SystemInputs ShipEditor::calculationInputs() const
{
    const EditorFields& f = m_fields;
    SystemInputs in;
    in.tmf = m_ship.TMF;
    in.md = fieldWhole(NumericField::MD);
    in.ftl = static_cast<FtlChoice>(qBound(0, f.ftlIndex, 2));
    in.towCapacity = fieldWhole(NumericField::FTL);
    in.hull = static_cast<HullIntegrity>(qBound(0, f.hullIndex, 5));
    in.hullRating = fieldWhole(NumericField::Hull);
    in.streamlining = static_cast<StreamliningChoice>(qBound(0, f.streamliningIndex, 2));
    in.armour = fieldWhole(NumericField::Armour);
    in.systems = fittedSystems();
    return in;
}

void ShipEditor::calculateFigures(const SystemInputs& in, qint64& used, qint64& points)
{
    const SystemFigures figures = computeSystemFigures(in);
    for (int i = 0; i < kSystemLabelCount; ++i) {
        m_figures.mass[i] = formatNumber(figures[i].mass);
        m_figures.cost[i] = formatNumber(figures[i].cost);
        // Each shown value joins the total as a whole number, halves to the even neighbour.
        used = roundHalfEven(static_cast<double>(used) + figures[i].mass);
        points = roundHalfEven(static_cast<double>(points) + figures[i].cost);
    }

    auto narrow = [](qint64 v) {
        return static_cast<int>(qBound(qint64{std::numeric_limits<int>::min()}, v, qint64{std::numeric_limits<int>::max()}));
    };
    ShipRecord& s = m_ship;
    s.MD = narrow(in.md);
    s.FTL = ftlText(in.ftl);
    s.HullPoints = narrow(roundHalfEven(figures[static_cast<int>(SystemLabel::HULL)].mass));
    s.StreamLining = streamliningText(in.streamlining);
    s.Armour = narrow(in.armour);
    storeFittedSystems(in.systems, s);
}

void ShipEditor::UpdateShip(bool redisplay)
{
    if (m_locked || m_formLoading || m_busy)
        return;
    ChangeScope scope(*this);
    EditStep step(*this, redisplay ? StepName::updateDisplay : StepName::updateStats);
    cancelPendingModes();
    m_shipChanged = true;
    FlagScope busy(m_busy);
    m_lastWarning.reset();
    const bool searching = m_editMode == EditMode::AutoCalc;
    const auto type = static_cast<ShipType>(qBound(0, m_fields.shipType, 4));
    const auto hull = static_cast<HullIntegrity>(qBound(0, m_fields.hullIndex, 5));

    // 1-2: an empty mass field takes the stored mass; the hull caps the mass, or for the fixed
    // hull the crew raises the hull rating.
    if (trimSpaces(m_fields.number(NumericField::TMF)).isEmpty())
        setFieldNumber(NumericField::TMF, m_ship.TMF);
    if (hull != HullIntegrity::FixedFB2) {
        const int ceiling = massCeiling(hull);
        if (fieldValue(NumericField::TMF) > ceiling)
            setFieldNumber(NumericField::TMF, ceiling);
    } else if (fieldValue(NumericField::Hull) < crewShown()) {
        setFieldNumber(NumericField::Hull, roundHalfEven(qMin<double>(crewShown(), kMaxCrew)));
    }

    // 3-4
    m_ship.TMF = static_cast<qint32>(qBound(qint64{std::numeric_limits<qint32>::min()}, fieldWhole(NumericField::TMF),
                                            qint64{std::numeric_limits<qint32>::max()}));
    if (!searching)
        reselectClass();

    // 5-6: systems, then weapons.
    const SystemInputs in = calculationInputs();
    qint64 used = 0;
    qint64 points = m_ship.TMF;
    calculateFigures(in, used, points);
    qint64 weaponsMass = 0;
    qint64 weaponsCost = 0;
    for (const WeaponEntry& w : m_ship.Weapons) {
        weaponsMass += w.Mass;
        weaponsCost += w.Cost;
    }
    points += weaponsCost;
    used += weaponsMass;
    m_figures.weaponsMass = QString::number(weaponsMass);
    m_figures.weaponsCost = QString::number(weaponsCost);

    // 7: the crew; a crew above the cap cuts the mass field, while this calculation keeps the
    // mass it started with.
    const CrewResult crew = crewFor(fieldValue(NumericField::TMF), type);
    if (crew.capped)
        setFieldNumber(NumericField::TMF, crew.cappedMass);
    m_figures.crew = QString::number(crew.crew);
    m_ship.CrewFactor = crew.crew;

    // 8
    m_figures.tmfAvailable = formatNumber(fieldValue(NumericField::TMF) - static_cast<double>(used));
    m_figures.tmfUsed = QString::number(used);
    m_figures.npv = QString::number(points);
    m_ship.NPV = static_cast<qint32>(qBound(qint64{std::numeric_limits<qint32>::min()}, points,
                                            qint64{std::numeric_limits<qint32>::max()}));
    m_figures.hangarCount = QString::number(m_ship.HangarCount());

    // 9: a broken rule is reported and ends the calculation before the display is touched.
    if (!searching) {
        RuleInputs rules;
        rules.type = type;
        rules.tmf = m_ship.TMF;
        rules.weapons = m_ship.Weapons;
        rules.mainDrive = fieldWhole(NumericField::MD);
        rules.ftl = static_cast<FtlChoice>(qBound(0, m_fields.ftlIndex, 2));
        rules.streamlining = static_cast<StreamliningChoice>(qBound(0, m_fields.streamliningIndex, 2));
        rules.systems = in.systems;
        if (const std::optional<QString> message = checkConstructionRules(rules)) {
            m_lastWarning = message;
            m_prompts.tell(*message);
            return;
        }
    }

    // 10
    if (redisplay) {
        const DisplayModel before = m_display;
        const QList<SalvoLink> links = m_ship.SalvoLinks;
        QList<int> formerMounts;
        for (const WeaponEntry& w : m_ship.Weapons)
            formerMounts.append(w.Number);
        DisplayShip();
        BuildSystemIcons(m_display, in.systems, m_ship.Weapons);
        bool linkable = false;
        for (const WeaponEntry& w : m_ship.Weapons)
            linkable = linkable || salvoEndOf(w) != SalvoEnd::None;
        m_controls.linkVisible = linkable;
        m_controls.cancelLinkVisible = false;
        resetSalvoLinks(m_ship);
        if (m_keepLayout) {
            m_ship.SalvoLinks = keepLaidOutIcons(before, m_display, formerMounts, links);
            m_controls.linkVisible = linkable && moreLinksPossible();
        }
    }
}

void ShipEditor::DisplayShip()
{
    resetSalvoLinks(m_ship);
    applyTrackLayout(m_ship);
    TestSize(m_display.sheet, m_ship.TMF, m_ship.HullTrack[0]);
    DisplayHull(m_display, m_ship, m_fields.number(NumericField::MD), m_fields.ftlIndex, m_fields.streamliningIndex);
    m_shipDisplayed = true;
}

void ShipEditor::setFieldText(NumericField field, const QString& text)
{
    ChangeScope scope(*this);
    noteTyping(fieldStepName(field));
    m_fields.number(field) = text;
}

void ShipEditor::setNameText(const QString& text)
{
    ChangeScope scope(*this);
    noteTyping(StepName::className);
    m_fields.name = text;
}

bool ShipEditor::checkField(NumericField field)
{
    const FieldCheckOutcome outcome = checkNumericField(field, m_fields.number(field), crewShown());
    m_fields.number(field) = outcome.text;
    if (outcome.accepted)
        return true;
    m_prompts.tell(*outcome.message);
    if (numericFieldRule(field).recalcAfterRefusal)
        UpdateShip(false);
    return false;
}

bool ShipEditor::leaveField(NumericField field)
{
    ChangeScope scope(*this);
    EditStep step(*this, fieldStepName(field));
    if (!checkField(field))
        return false;
    // The mass recalculates only when it actually changed.
    if (field != NumericField::TMF || fieldWhole(NumericField::TMF) != m_ship.TMF)
        UpdateShip(false);
    return true;
}

bool ShipEditor::leaveNameField()
{
    ChangeScope scope(*this);
    EditStep step(*this, StepName::className);
    m_fields.name = trimSpaces(m_fields.name);
    if (!isValidName(m_fields.name)) {
        m_prompts.tell(invalidShipNameMessage());
        return false;
    }
    return true;
}

bool ShipEditor::pressEnterInMassField()
{
    ChangeScope scope(*this);
    EditStep step(*this, fieldStepName(NumericField::TMF));
    // The mass is checked before it is used, so a text that is no number never reaches the
    // calculation; then Enter's one recalculation (with the check's own as well, a broken rule
    // would be told twice).
    if (!checkField(NumericField::TMF))
        return false;
    UpdateShip(false);
    return true;
}

void ShipEditor::changeUpDown(NumericField field, int value)
{
    ChangeScope scope(*this);
    EditStep step(*this, fieldStepName(field));
    const NumericFieldRule& rule = numericFieldRule(field);
    setFieldNumber(field, qBound<qint64>(rule.lower, value, rule.upper));
    UpdateShip(false);
}

void ShipEditor::setCheck(CheckBox box, bool checked)
{
    if (m_locked)
        return;
    ChangeScope scope(*this);
    EditStep step(*this, checkStepName(box));
    m_fields.checks[static_cast<int>(box)] = checked;
    if (checked && box == CheckBox::Nova)
        m_fields.checks[static_cast<int>(CheckBox::Wave)] = false;
    if (checked && box == CheckBox::Wave)
        m_fields.checks[static_cast<int>(CheckBox::Nova)] = false;
    UpdateShip(false);
}

void ShipEditor::chooseSensors(int option)
{
    if (m_locked)
        return;
    ChangeScope scope(*this);
    EditStep step(*this, StepName::sensors);
    m_fields.sensors = qBound(0, option, 2);
    UpdateShip(false);
}

void ShipEditor::chooseStreamlining(int index)
{
    if (m_locked)
        return;
    ChangeScope scope(*this);
    EditStep step(*this, StepName::streamlining);
    m_fields.streamliningIndex = qBound(0, index, 2);
    UpdateShip(false);
}

void ShipEditor::chooseFtl(int index)
{
    if (m_locked)
        return;
    ChangeScope scope(*this);
    EditStep step(*this, StepName::ftl);
    m_fields.ftlIndex = qBound(0, index, 2);
    m_controls.towCapacityVisible = m_fields.ftlIndex == static_cast<int>(FtlChoice::Tug);
    UpdateShip(false);
}

void ShipEditor::chooseHull(int index)
{
    if (m_locked)
        return;
    ChangeScope scope(*this);
    EditStep step(*this, StepName::hull);
    m_fields.hullIndex = qBound(0, index, 5);
    m_controls.hullRatingVisible = m_fields.hullIndex == static_cast<int>(HullIntegrity::FixedFB2);
    if (m_controls.hullRatingVisible)
        setFieldNumber(NumericField::Hull, m_ship.HullPoints);
    UpdateShip(false);
}

void ShipEditor::chooseShipType(int index)
{
    if (m_locked)
        return;
    ChangeScope scope(*this);
    EditStep step(*this, StepName::shipType);
    m_fields.shipType = qBound(0, index, 4);
    const auto type = static_cast<ShipType>(m_fields.shipType);
    m_controls.mobilityEnabled = !isStation(type);
    m_fields.classes = GetClasses(type, m_ship.TMF);
    m_fields.classIndex = -1;
    if (isStation(type)) {
        // All three are set before the one recalculation, so the station is never judged in
        // the half-changed state.
        setFieldNumber(NumericField::MD, 0);
        m_fields.ftlIndex = static_cast<int>(FtlChoice::None);
        m_controls.towCapacityVisible = false;
        m_fields.streamliningIndex = 0;
        UpdateShip(false);
    }
}

void ShipEditor::chooseClass(int index)
{
    if (m_busy || index < 0 || index >= m_fields.classes.size())
        return;
    ChangeScope scope(*this);
    EditStep step(*this, StepName::hullClass);
    m_fields.classIndex = index;
    if (m_fields.classes[index] != m_ship.Class) {
        m_ship.Class = m_fields.classes[index];
        m_shipChanged = true;
    }
}

void ShipEditor::chooseSide(int index)
{
    if (index < 0 || index >= m_fields.sides.size())
        return;
    ChangeScope scope(*this);
    EditStep step(*this, StepName::side);
    m_fields.sideIndex = index;
}

void ShipEditor::reloadSides()
{
    ChangeScope scope(*this);
    // The design keeps its side: one no longer in the list joins it, as a ship file's does.
    const QString current = m_fields.sideText();
    m_fields.sides = readSides(m_programFolder);
    keepSide(current, m_fields.sideIndex >= 0);
}

void ShipEditor::setShip_Locked(bool locked)
{
    ChangeScope scope(*this);
    m_locked = locked;
    if (locked)
        clearHistory();
}

void ShipEditor::StopCalc()
{
    ChangeScope scope(*this);
    if (m_editMode == EditMode::AutoCalc)
        m_editMode = EditMode::Normal;
}

} // namespace kw
