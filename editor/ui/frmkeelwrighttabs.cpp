#include "editor/ui/frmkeelwright.h"

#include "common/ui/fieldedit.h"
#include "common/ui/namedbutton.h"
#include "common/ui/updown.h"
#include "editor/shipeditor.h"
#include "editor/ui/weaponlistview.h"
#include "model/shipchoices.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kw {

namespace {

// Columns of a system row: caption, field, arrows, mass, points.
enum Column { Caption, Field, Arrows, Mass, Points };

QLabel* caption(const QString& text, QWidget* parent)
{
    return new QLabel(text, parent);
}

QLabel* columnHeading(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

QGridLayout* figureGrid(QWidget* parent)
{
    auto* grid = new QGridLayout(parent);
    grid->setContentsMargins(4, 4, 4, 4);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(1);
    grid->setColumnStretch(Caption, 1);
    grid->setColumnMinimumWidth(Mass, 34);
    grid->setColumnMinimumWidth(Points, 38);
    grid->addWidget(columnHeading(QStringLiteral("Mass"), parent), 0, Mass);
    grid->addWidget(columnHeading(QStringLiteral("NPV"), parent), 0, Points);
    return grid;
}

// Only Enter in the mass field has a meaning of its own.
class EnterFilter : public QObject {
public:
    EnterFilter(QObject* parent, std::function<void()> onEnter) : QObject(parent), m_onEnter(std::move(onEnter)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                m_onEnter();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_onEnter;
};

QString numberFieldTip(NumericField field)
{
    const NumericFieldRule& rule = numericFieldRule(field);
    const QString range = QStringLiteral("%1 to %2").arg(rule.lower).arg(rule.upper);
    switch (field) {
    case NumericField::TMF:
        return QStringLiteral("The ship's total mass (TMF), %1; Enter recalculates").arg(range);
    case NumericField::Hull:
        return QStringLiteral("The fixed hull rating, %1").arg(range);
    case NumericField::FTL:
        return QStringLiteral("The mass a tug drive can tow, %1").arg(range);
    default:
        return QStringLiteral("A whole number, %1").arg(range);
    }
}

} // namespace

FieldEdit* FrmKeelwright::numberField(NumericField field)
{
    const NumericFieldRule& rule = numericFieldRule(field);
    auto* edit = new FieldEdit(QString::fromLatin1(rule.objectName), this);
    edit->setToolTip(numberFieldTip(field));
    edit->setFixedWidth(field == NumericField::TMF ? 48 : 44);
    edit->setAlignment(Qt::AlignRight);
    connect(edit, &QLineEdit::textEdited, this, [this, field](const QString& text) { m_editor.setFieldText(field, text); });
    edit->setLeaveCheck([this, field] { return m_editor.leaveField(field); });
    m_numbers[static_cast<int>(field)] = edit;
    return edit;
}

UpDown* FrmKeelwright::upDown(NumericField field)
{
    const NumericFieldRule& rule = numericFieldRule(field);
    auto* arrows = new UpDown(QString::fromLatin1(rule.upDownName), static_cast<int>(rule.lower),
                              static_cast<int>(rule.upper), this);
    arrows->setToolTip(numberFieldTip(field));
    connect(arrows, &UpDown::valueChanged, this, [this, field](int value) { m_editor.changeUpDown(field, value); });
    m_upDowns[static_cast<int>(field)] = arrows;
    return arrows;
}

QLabel* FrmKeelwright::figureLabel(SystemLabel label, bool cost)
{
    auto* shown = new QLabel(this);
    shown->setObjectName((cost ? QStringLiteral("npv") : QStringLiteral("tmf")) + systemLabelName(label));
    shown->setToolTip(cost ? QStringLiteral("Points this part adds to the NPV") : QStringLiteral("Mass this part takes"));
    shown->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    (cost ? m_costLabels : m_massLabels)[static_cast<int>(label)] = shown;
    return shown;
}

QCheckBox* FrmKeelwright::checkBox(CheckBox box, const QString& text)
{
    auto* check = new QCheckBox(text, this);
    check->setObjectName(QString::fromLatin1(checkBoxName(box)));
    check->setToolTip(QStringLiteral("Ticked: the design carries it"));
    connect(check, &QCheckBox::clicked, this, [this, box](bool on) { m_editor.setCheck(box, on); });
    m_checks[static_cast<int>(box)] = check;
    return check;
}

QComboBox* FrmKeelwright::choiceList(const QString& name, const QStringList& entries, void (ShipEditor::*choose)(int))
{
    auto* box = new QComboBox(this);
    box->setObjectName(name);
    box->addItems(entries);
    // The editor is captured itself, not through this: g++ 12's vptr check takes a member
    // function pointer called on a member of a captured this for undefined behaviour.
    connect(box, &QComboBox::activated, this, [&editor = m_editor, choose](int index) { (editor.*choose)(index); });
    return box;
}

void FrmKeelwright::fittedRow(QGridLayout* grid, int& row, const ShipSystemRow& system, int captionSpan)
{
    QWidget* page = grid->parentWidget();
    const QString text = QString::fromLatin1(system.caption);
    switch (system.control) {
    case SystemControl::NumberField:
        grid->addWidget(caption(text, page), row, Caption, 1, captionSpan);
        grid->addWidget(numberField(system.field), row, Field);
        grid->addWidget(upDown(system.field), row, Arrows);
        break;
    case SystemControl::CheckBox:
        grid->addWidget(checkBox(system.checkBox, text), row, Caption, 1, captionSpan);
        break;
    case SystemControl::SensorOption: {
        auto* radio = new QRadioButton(text, page);
        radio->setObjectName(QStringLiteral("optSensors_%1").arg(system.choice));
        radio->setToolTip(QStringLiteral("The ship's sensors: one of the three"));
        m_sensors->addButton(radio, system.choice);
        grid->addWidget(radio, row, Caption, 1, captionSpan);
        break;
    }
    case SystemControl::HangarList:
    case SystemControl::None:
        break;
    }
    if (system.label) {
        grid->addWidget(figureLabel(*system.label, false), row, Mass);
        grid->addWidget(figureLabel(*system.label, true), row, Points);
    }
    ++row;
}

QWidget* FrmKeelwright::buildHeader()
{
    auto* header = new QWidget(this);
    auto* grid = new QGridLayout(header);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(2);

    m_name = new FieldEdit(QStringLiteral("txtName"), header);
    connect(m_name, &QLineEdit::textEdited, this, [this](const QString& text) { m_editor.setNameText(text); });
    m_name->setLeaveCheck([this] { return m_editor.leaveNameField(); });
    m_side = choiceList(QStringLiteral("cmbSide"), {}, &ShipEditor::chooseSide);
    m_class = choiceList(QStringLiteral("cmbClass"), {}, &ShipEditor::chooseClass);
    FieldEdit* mass = numberField(NumericField::TMF);
    mass->installEventFilter(new EnterFilter(mass, [this] {
        if (m_editor.pressEnterInMassField())
            m_name->setFocus(Qt::TabFocusReason);
    }));

    auto value = [header](const char* name) {
        auto* label = new QLabel(header);
        label->setObjectName(QString::fromLatin1(name));
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setMinimumWidth(40);
        return label;
    };
    m_tmfUsed = value("lblTMFU");
    m_tmfAvailable = value("lblTMFA");
    m_npv = value("lblNPVS");
    m_crew = value("lblCrew");
    m_name->setToolTip(QStringLiteral("The design's class name; its ship file and picture are named after it"));
    m_side->setToolTip(QStringLiteral("The side the ship belongs to; saving by side puts it into the side's folder"));
    m_class->setToolTip(QStringLiteral("The hull class, from those the type and the mass allow"));
    m_tmfUsed->setToolTip(QStringLiteral("Mass taken by the hull, the drives, the systems and the weapons"));
    m_tmfAvailable->setToolTip(QStringLiteral("Mass still free; below 0 the design carries too much"));
    m_npv->setToolTip(QStringLiteral("The design's points value (NPV)"));
    m_crew->setToolTip(QStringLiteral("Crew units; each is a blue box on the damage track"));

    grid->addWidget(caption(QStringLiteral("Class Name:"), header), 0, 0);
    grid->addWidget(m_name, 0, 1, 1, 5);
    grid->addWidget(caption(QStringLiteral("Side:"), header), 1, 0);
    grid->addWidget(m_side, 1, 1, 1, 5);
    grid->addWidget(caption(QStringLiteral("Class:"), header), 2, 0);
    grid->addWidget(m_class, 2, 1, 1, 5);
    grid->addWidget(caption(QStringLiteral("TMF:"), header), 3, 0);
    grid->addWidget(mass, 3, 1);
    grid->addWidget(caption(QStringLiteral("TMF Used:"), header), 3, 2);
    grid->addWidget(m_tmfUsed, 3, 3);
    grid->addWidget(caption(QStringLiteral("NPV Cost:"), header), 3, 4);
    grid->addWidget(m_npv, 3, 5);
    grid->addWidget(caption(QStringLiteral("TMF Available:"), header), 4, 0);
    grid->addWidget(m_tmfAvailable, 4, 1);
    grid->addWidget(caption(QStringLiteral("Crew Units:"), header), 4, 2);
    grid->addWidget(m_crew, 4, 3);
    return header;
}

QWidget* FrmKeelwright::buildGeneralTab()
{
    auto* page = new QWidget(this);
    auto* pageLayout = new QVBoxLayout(page);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    m_tabGen = new QWidget(page);
    m_tabGen->setObjectName(QStringLiteral("picTabGen"));
    QGridLayout* grid = figureGrid(m_tabGen);
    int row = 1;
    auto systemRow = [&](const QString& text, NumericField field, SystemLabel label) {
        grid->addWidget(caption(text, m_tabGen), row, Caption);
        grid->addWidget(numberField(field), row, Field);
        grid->addWidget(upDown(field), row, Arrows);
        grid->addWidget(figureLabel(label, false), row, Mass);
        grid->addWidget(figureLabel(label, true), row, Points);
        ++row;
    };
    auto choiceRow = [&](QComboBox* box, QWidget* extra, std::optional<SystemLabel> label) {
        grid->addWidget(box, row, Caption);
        if (extra)
            grid->addWidget(extra, row, Field);
        if (label) {
            grid->addWidget(figureLabel(*label, false), row, Mass);
            grid->addWidget(figureLabel(*label, true), row, Points);
        }
        ++row;
    };
    m_shipType = choiceList(QStringLiteral("cmbShip"), shipTypeTexts(), &ShipEditor::chooseShipType);
    m_hull = choiceList(QStringLiteral("cmbHull"), hullIntegrityTexts(), &ShipEditor::chooseHull);
    m_streamlining = choiceList(QStringLiteral("cmbSL"), streamliningChoiceTexts(), &ShipEditor::chooseStreamlining);
    m_ftl = choiceList(QStringLiteral("cmbFTL"), ftlChoiceTexts(), &ShipEditor::chooseFtl);
    m_shipType->setToolTip(QStringLiteral("The ship type: it decides the hull classes and the construction rules"));
    m_hull->setToolTip(QStringLiteral("Hull integrity: the share of the mass in hull boxes, or a fixed rating"));
    m_streamlining->setToolTip(QStringLiteral("Hull streamlining"));
    m_ftl->setToolTip(QStringLiteral("The FTL drive; a tug drive also tows the mass set below it"));
    choiceRow(m_shipType, nullptr, std::nullopt);
    choiceRow(m_hull, numberField(NumericField::Hull), SystemLabel::HULL);
    choiceRow(m_streamlining, nullptr, SystemLabel::SL);
    choiceRow(m_ftl, nullptr, SystemLabel::FTL);
    m_towCapLabel = caption(QStringLiteral("Tow Capacity (Mass):"), m_tabGen);
    m_towCapLabel->setObjectName(QStringLiteral("lblTowCap"));
    m_towCapLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(m_towCapLabel, row, Caption);
    grid->addWidget(numberField(NumericField::FTL), row, Field);
    grid->addWidget(upDown(NumericField::FTL), row, Arrows);
    ++row;
    systemRow(QStringLiteral("Main Drive:"), NumericField::MD, SystemLabel::MD);
    systemRow(QStringLiteral("Armour Factor:"), NumericField::Armour, SystemLabel::ARMOUR);
    for (ShipSystem system : {ShipSystem::FireControls, ShipSystem::Screens, ShipSystem::PointDefence,
                              ShipSystem::AreaDefenceFireControls, ShipSystem::FighterBays, ShipSystem::ReflexField,
                              ShipSystem::CloakingField})
        fittedRow(grid, row, shipSystem(system), 1);
    const ShipSystemRow& bays = shipSystem(ShipSystem::HangarBays);
    m_hangarButton = namedButton("cmdHangar", QString::fromLatin1(bays.caption), m_tabGen);
    m_hangarButton->setToolTip(QStringLiteral("Add, change or remove hangar bays"));
    connect(m_hangarButton, &QPushButton::clicked, this, &FrmKeelwright::cmdHangar_Click);
    m_hangarCount = new QLabel(m_tabGen);
    m_hangarCount->setObjectName(QStringLiteral("lblHangar"));
    m_hangarCount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(m_hangarButton, row, Caption, Qt::AlignLeft);
    grid->addWidget(m_hangarCount, row, Field);
    grid->addWidget(figureLabel(*bays.label, false), row, Mass);
    grid->addWidget(figureLabel(*bays.label, true), row, Points);
    grid->setRowStretch(row + 1, 1);

    pageLayout->addWidget(m_tabGen, 1);
    m_lockGen = new QLabel(page);
    m_lockGen->setObjectName(QStringLiteral("lblLockGen"));
    m_lockGen->setStyleSheet(QStringLiteral("color: #b00000; font-weight: bold;"));
    pageLayout->addWidget(m_lockGen);
    return page;
}

QWidget* FrmKeelwright::buildWeaponsTab()
{
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(new WeaponListView(m_editor, page), 1);

    auto* buttons = new QHBoxLayout;
    m_addWeapon = namedButton("cmdAdd", QStringLiteral("Add Weapon"), page);
    m_removeWeapon = namedButton("cmdRemove", QStringLiteral("Remove Weapon"), page);
    m_cancelRemove = namedButton("cmdCancelR", QStringLiteral("Cancel Remove"), page);
    m_cancelRemove->setShortcut(QKeySequence(Qt::Key_Escape));
    m_addWeapon->setToolTip(QStringLiteral("Add weapon mounts with their fire arcs"));
    m_removeWeapon->setToolTip(QStringLiteral("Remove a mount: then click the weapon's name in the list"));
    m_cancelRemove->setToolTip(QStringLiteral("Remove nothing (Esc)"));
    connect(m_addWeapon, &QPushButton::clicked, this, &FrmKeelwright::cmdAdd_Click);
    connect(m_removeWeapon, &QPushButton::clicked, this, [this] { m_editor.beginRemoveWeapon(); });
    connect(m_cancelRemove, &QPushButton::clicked, this, [this] { m_editor.cancelRemoveWeapon(); });
    buttons->addWidget(m_addWeapon);
    buttons->addWidget(m_removeWeapon);
    buttons->addWidget(m_cancelRemove);
    layout->addLayout(buttons);

    auto* big = new QWidget(page);
    QGridLayout* grid = figureGrid(big);
    int row = 1;
    for (ShipSystem system : {ShipSystem::NovaCannon, ShipSystem::WaveGun})
        fittedRow(grid, row, shipSystem(system), 1);
    layout->addWidget(big);
    return page;
}

QWidget* FrmKeelwright::buildExtraSystemsTab()
{
    auto* page = new QWidget(this);
    auto* pageLayout = new QVBoxLayout(page);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    m_tabSys = new QWidget(page);
    m_tabSys->setObjectName(QStringLiteral("picTabSys"));
    QGridLayout* grid = figureGrid(m_tabSys);
    int row = 1;
    for (ShipSystem system : {ShipSystem::CargoSpace, ShipSystem::PassengerSpace, ShipSystem::DamageControlParties})
        fittedRow(grid, row, shipSystem(system), 1);
    m_sensors = new QButtonGroup(this);
    for (ShipSystem system : {ShipSystem::StandardSensors, ShipSystem::EnhancedSensors, ShipSystem::SuperiorSensors})
        fittedRow(grid, row, shipSystem(system), 3);
    connect(m_sensors, &QButtonGroup::idClicked, this, [this](int option) { m_editor.chooseSensors(option); });
    for (ShipSystem system : {ShipSystem::LocalisedEcm, ShipSystem::AreaEcm, ShipSystem::MineSweeper})
        fittedRow(grid, row, shipSystem(system), 3);
    grid->setRowStretch(row, 1);
    pageLayout->addWidget(m_tabSys, 1);
    m_lockSys = new QLabel(page);
    m_lockSys->setObjectName(QStringLiteral("lblLockSys"));
    m_lockSys->setStyleSheet(QStringLiteral("color: #b00000; font-weight: bold;"));
    pageLayout->addWidget(m_lockSys);
    return page;
}

} // namespace kw
