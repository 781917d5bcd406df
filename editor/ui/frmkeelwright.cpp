#include "editor/ui/frmkeelwright.h"

#include "common/ui/fieldedit.h"
#include "common/ui/listmirror.h"
#include "common/ui/namedbutton.h"
#include "common/ui/screensizerule.h"
#include "common/ui/updown.h"
#include "common/ui/viewzoom.h"
#include "display/sheetfonts.h"
#include "editor/shipeditor.h"
#include "editor/ui/sheetpanel.h"
#include "editor/ui/systemdisplayview.h"
#include "model/numbertext.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QScreen>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

namespace kw {

FrmKeelwright::FrmKeelwright(ShipEditor& editor, UserPrompts& prompts, DlgPrinter& printSetup, QWidget* parent)
    : QMainWindow(parent), m_editor(editor), m_prompts(prompts), m_printSetup(printSetup)
{
    setObjectName(QStringLiteral("frmKeelwright"));
    setWindowTitle(QStringLiteral(" Starmarch Keelwright"));
    setFont(windowFont());

    // Left: the design's fields; right: the record sheet with the command buttons below it.
    // Together they fit an 800 x 600 screen.
    auto* central = new QWidget(this);
    auto* columns = new QHBoxLayout(central);
    columns->setContentsMargins(4, 2, 4, 4);
    columns->setSpacing(6);

    auto* leftColumn = new QWidget(central);
    m_leftColumn = leftColumn;
    leftColumn->setFixedWidth(336);
    auto* left = new QVBoxLayout(leftColumn);
    left->setContentsMargins(0, 0, 0, 0);
    left->setSpacing(4);
    left->addWidget(buildHeader());
    m_tabs = new QTabWidget(leftColumn);
    m_tabs->setObjectName(QStringLiteral("SSTabStrip"));
    m_tabs->addTab(buildGeneralTab(), QStringLiteral("General"));
    m_tabs->addTab(buildWeaponsTab(), QStringLiteral("Weapons"));
    m_tabs->addTab(buildExtraSystemsTab(), QStringLiteral("Extra Systems"));
    left->addWidget(m_tabs, 1);
    columns->addWidget(leftColumn);

    auto* right = new QVBoxLayout;
    right->setSpacing(4);
    // The record sheet keeps its own scale; where the window is smaller, it scrolls.
    auto* sheetScroll = new QScrollArea(central);
    m_sheetScroll = sheetScroll;
    sheetScroll->setObjectName(QStringLiteral("sheetScroll"));
    sheetScroll->setFrameShape(QFrame::NoFrame);
    auto* panel = new SheetPanel(m_editor, sheetScroll);
    sheetScroll->setWidget(panel);
    sheetScroll->setWidgetResizable(false);
    sheetScroll->setMinimumSize(200, 200);
    sheetScroll->setMaximumSize(panel->sizeHint() + QSize(2, 2));
    right->addWidget(sheetScroll, 1);
    right->addWidget(buildCommandButtons());
    right->addStretch();
    columns->addLayout(right, 1);
    // Below the size the fields and the sheet need, the window scrolls rather than letting its
    // parts cover each other (a window manager may force a window smaller than it asks to be).
    auto* windowScroll = new QScrollArea(this);
    windowScroll->setObjectName(QStringLiteral("windowScroll"));
    windowScroll->setFrameShape(QFrame::NoFrame);
    windowScroll->setWidgetResizable(true);
    windowScroll->setWidget(central);
    setCentralWidget(windowScroll);

    buildMenus();
    // The zoom of the display is the window's View menu; the sheet's area grows with it.
    ViewZoom& zoom = panel->displayView()->zoom();
    zoom.addViewMenu(menuBar());
    connect(&zoom, &ViewZoom::changed, this,
            [sheetScroll, panel] { sheetScroll->setMaximumSize(panel->sizeHint() + QSize(2, 2)); });
    m_sizeRule = new ScreenSizeRule(this);

    connect(&m_editor, &ShipEditor::changed, this, &FrmKeelwright::mirror);
    connect(&m_editor, &ShipEditor::shipOpened, this, [this] { m_tabs->setCurrentIndex(0); });
    connect(&m_editor, &ShipEditor::weaponsTabRequested, this, [this] { m_tabs->setCurrentIndex(1); });
    // Auto Calc lets the window breathe between its steps, so every step shows and Stop Calc
    // can be clicked.
    m_editor.setEventPump([] { QCoreApplication::processEvents(QEventLoop::AllEvents); });
    mirror();
    // The design starts with its mass; an empty name field that had the focus would refuse to
    // let it go.
    m_numbers[static_cast<int>(NumericField::TMF)]->setFocus();
    // Big enough for the fields and the whole sheet, never bigger than the screen.
    const QSize wanted = (central->sizeHint() + QSize(0, menuBar()->sizeHint().height())).expandedTo(QSize(800, 560));
    const QRect screen = this->screen() ? this->screen()->availableGeometry() : QRect(0, 0, 800, 600);
    resize(wanted.boundedTo(screen.size() - QSize(16, 48)));
}

FrmKeelwright::~FrmKeelwright()
{
    // Hidden while still whole: a field losing the focus is checked, and the editor then tells
    // this window, which must not be half gone by then.
    hide();
    disconnect(&m_editor, nullptr, this, nullptr);
    m_editor.setEventPump({});
}

void FrmKeelwright::setSmallScreen(bool small)
{
    m_sizeRule->setSmallScreen(small);
}

void FrmKeelwright::closeByProgram()
{
    m_programClose = true;
    close();
    // Shown again later, the window asks again when the user closes it.
    m_programClose = false;
}

void FrmKeelwright::loadDesign()
{
    m_editor.Load();
    m_tabs->setCurrentIndex(0);
}

QWidget* FrmKeelwright::buildCommandButtons()
{
    auto* box = new QWidget(this);
    auto* grid = new QHBoxLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(4);
    m_updateDisplay = namedButton("cmdUpdate_0", QStringLiteral("UpDate Stats and Display Ship"), box);
    m_updateStats = namedButton("cmdUpdate_1", QStringLiteral("UpDate Stats"), box);
    m_auto = namedButton("cmdAuto", QStringLiteral("Auto Calc"), box);
    m_stop = namedButton("cmdStop", QStringLiteral("Stop Calc"), box);
    m_updateDisplay->setToolTip(QStringLiteral("Recalculate, redraw the System Display and put every system back into "
                                               "the holding box"));
    m_updateStats->setToolTip(QStringLiteral("Recalculate the figures"));
    m_auto->setToolTip(QStringLiteral("Find the smallest mass that fits everything fitted"));
    m_stop->setToolTip(QStringLiteral("Stop Auto Calc"));
    for (QPushButton* b : {m_updateDisplay, m_updateStats, m_auto, m_stop})
        grid->addWidget(b);
    grid->addStretch();
    connect(m_updateDisplay, &QPushButton::clicked, this, [this] { m_editor.UpdateShip(true); });
    connect(m_updateStats, &QPushButton::clicked, this, [this] { m_editor.UpdateShip(false); });
    connect(m_auto, &QPushButton::clicked, this, [this] { m_editor.AutoCalc(); });
    connect(m_stop, &QPushButton::clicked, this, [this] { m_editor.StopCalc(); });
    return box;
}

void FrmKeelwright::mirror()
{
    const EditorFields& f = m_editor.fields();
    const EditorFigures& fig = m_editor.figures();
    const EditorControls& c = m_editor.controls();
    const bool locked = m_editor.Ship_Locked();

    m_name->showText(f.name);
    for (int i = 0; i < kNumericFieldCount; ++i) {
        m_numbers[i]->showText(f.numbers[i]);
        if (m_upDowns[i])
            m_upDowns[i]->setValue(static_cast<int>(parseNumber(f.numbers[i]).value_or(0)));
    }
    showEntries(m_side, f.sides, f.sideIndex);
    showEntries(m_class, f.classes, f.classIndex);
    for (auto [box, index] : {std::pair{m_shipType, f.shipType}, std::pair{m_hull, f.hullIndex},
                              std::pair{m_streamlining, f.streamliningIndex}, std::pair{m_ftl, f.ftlIndex}}) {
        const QSignalBlocker block(box);
        box->setCurrentIndex(index);
    }
    for (int i = 0; i < kCheckBoxCount; ++i) {
        const QSignalBlocker block(m_checks[i]);
        m_checks[i]->setChecked(f.checks[i]);
    }
    if (QAbstractButton* option = m_sensors->button(f.sensors)) {
        const QSignalBlocker block(m_sensors);
        option->setChecked(true);
    }

    for (int i = 0; i < kSystemLabelCount; ++i) {
        m_massLabels[i]->setText(fig.mass[i]);
        m_costLabels[i]->setText(fig.cost[i]);
    }
    m_tmfUsed->setText(fig.tmfUsed);
    m_tmfAvailable->setText(fig.tmfAvailable);
    m_npv->setText(fig.npv);
    m_crew->setText(fig.crew);
    m_hangarCount->setText(fig.hangarCount);

    m_numbers[static_cast<int>(NumericField::FTL)]->setVisible(c.towCapacityVisible);
    m_upDowns[static_cast<int>(NumericField::FTL)]->setVisible(c.towCapacityVisible);
    m_towCapLabel->setVisible(c.towCapacityVisible);
    m_numbers[static_cast<int>(NumericField::Hull)]->setVisible(c.hullRatingVisible);
    for (QWidget* w : std::initializer_list<QWidget*>{m_numbers[static_cast<int>(NumericField::MD)],
                                                      m_upDowns[static_cast<int>(NumericField::MD)], m_ftl, m_streamlining})
        w->setEnabled(c.mobilityEnabled);
    m_cancelRemove->setVisible(c.cancelRemoveVisible);

    // A locked design can be looked at, printed and saved as a copy, not changed.
    m_lockGen->setText(m_editor.lockNotice());
    m_lockSys->setText(m_editor.lockNotice());
    for (QWidget* w : std::initializer_list<QWidget*>{m_addWeapon, m_auto, m_removeWeapon, m_updateDisplay, m_updateStats,
                                                      m_tabGen, m_tabSys, m_checks[static_cast<int>(CheckBox::Wave)],
                                                      m_checks[static_cast<int>(CheckBox::Nova)]})
        w->setEnabled(!locked);
    // Auto Calc owns the design while it runs: only Stop Calc, looking on and leaving remain.
    const bool searching = m_editor.editMode() == EditMode::AutoCalc;
    for (QWidget* w : {m_leftColumn, m_sheetScroll})
        w->setEnabled(!searching);
    if (searching) {
        for (QWidget* w : {m_auto, m_updateDisplay, m_updateStats})
            w->setEnabled(false);
    }
    mirrorMenus();
}

void FrmKeelwright::closeEvent(QCloseEvent* event)
{
    // A running search ends first; the questions then speak of the design as it stands.
    m_editor.StopCalc();
    if (m_programClose || m_editor.confirmQuit()) {
        event->accept();
        if (!m_programClose)
            Q_EMIT programEndRequested();
        return;
    }
    event->ignore();
}

} // namespace kw
