#include "fleet/ui/frmfleetorganizer.h"

#include "common/ui/listmirror.h"
#include "common/ui/namedbutton.h"
#include "common/ui/screensizerule.h"
#include "common/ui/viewzoom.h"
#include "display/sheetfonts.h"
#include "fleet/fleetorganizer.h"
#include "fleet/ui/fleetpageview.h"
#include "fleet/ui/fleetstatistics.h"
#include "fleet/ui/frmdes.h"
#include "fleet/ui/keyreleasebinding.h"
#include "fleet/ui/organizerlayout.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>

namespace kw {

namespace {

// How far a bar reaches at the zoom: as designed at 100 %, and further by what the viewport
// no longer shows of the page when it is shown larger.
int scrollReach(int designed, float viewportTwips, double zoom)
{
    const double viewportMm = viewportTwips / FleetDesign::twipsPerMm;
    return qMax(0, qRound(designed + viewportMm * (1 - 1 / zoom)));
}

QScrollBar* scrollBar(const char* name, Qt::Orientation orientation, int maximum, const TwipRect& place, QWidget* parent)
{
    auto* bar = new QScrollBar(orientation, parent);
    bar->setObjectName(QString::fromLatin1(name));
    bar->setRange(0, maximum);
    bar->setSingleStep(1);
    bar->setPageStep(10);
    bar->setGeometry(pixelRect(place));
    return bar;
}

} // namespace

FrmFleetOrganizer::FrmFleetOrganizer(FleetOrganizer& organizer, UserPrompts& prompts, DlgPrinter& printSetup,
                                     QWidget* parent)
    : QMainWindow(parent), m_organizer(organizer), m_prompts(prompts), m_printSetup(printSetup)
{
    setObjectName(QStringLiteral("frmFleetOrganizer"));
    setWindowTitle(kFleetOrganizerCaption);
    setFont(formDefaultFont());
    setCentralWidget(buildClientArea());
    m_des = new FrmDes(this);
    buildMenus();
    // The zoom of the page is the window's View menu.
    m_page->zoom().addViewMenu(menuBar());
    connect(&m_page->zoom(), &ViewZoom::changed, this, &FrmFleetOrganizer::rezoom);
    bindKeys();
    m_sizeRule = new ScreenSizeRule(this);

    connect(&m_organizer, &FleetOrganizer::changed, this, &FrmFleetOrganizer::mirror);
    mirror();
    resize(centralWidget()->minimumSize() + QSize(0, menuBar()->sizeHint().height()));
}

FrmFleetOrganizer::~FrmFleetOrganizer()
{
    // Hidden while still whole: a text box losing the focus commits its text, and the organizer
    // then tells this window, which must not be half gone by then.
    hide();
    disconnect(&m_organizer, nullptr, this, nullptr);
}

QWidget* FrmFleetOrganizer::buildClientArea()
{
    // Every control sits where it was designed; the client area keeps its designed size at
    // least.
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("clientArea"));
    client->setMinimumSize(pixelRect(OrganizerLayout::client).size());
    client->installEventFilter(this);

    m_container = new QWidget(client);
    m_container->setObjectName(QStringLiteral("picContainer"));
    m_container->setGeometry(pixelRect(OrganizerLayout::picContainer));
    m_container->installEventFilter(this);
    m_page = new FleetPageView(m_organizer, m_container);
    m_hScroll = scrollBar("HScroll", Qt::Horizontal, FleetDesign::hScrollMax, OrganizerLayout::HScroll, client);
    m_vScroll = scrollBar("VScroll", Qt::Vertical, FleetDesign::vScrollMax, OrganizerLayout::VScroll, client);
    for (QScrollBar* bar : {m_hScroll, m_vScroll})
        connect(bar, &QScrollBar::valueChanged, this,
                [this] { m_organizer.setScroll(m_hScroll->value(), m_vScroll->value()); });

    m_statistics = new FleetStatistics(m_organizer, client);
    buildSideAndFleetLists(client);
    return client;
}

void FrmFleetOrganizer::buildSideAndFleetLists(QWidget* client)
{
    m_cmbSide = new QComboBox(client);
    m_cmbSide->setObjectName(QStringLiteral("cmbSide"));
    m_cmbSide->setGeometry(pixelRect(OrganizerLayout::cmbSide));
    connect(m_cmbSide, &QComboBox::activated, &m_organizer, &FleetOrganizer::chooseSide);

    m_lstAdd = new QListWidget(client);
    m_lstAdd->setObjectName(QStringLiteral("lstAdd"));
    m_lstAdd->setGeometry(pixelRect(OrganizerLayout::lstAdd));
    connect(m_lstAdd, &QListWidget::currentRowChanged, &m_organizer, &FleetOrganizer::chooseAddEntry);
    connect(m_lstAdd, &QListWidget::itemDoubleClicked, &m_organizer, &FleetOrganizer::AddFromSide);

    m_cmdAdd = namedButton("cmdAdd", QStringLiteral("Add >>"), client);
    m_cmdRemove = namedButton("cmdRemove", QStringLiteral("<< Remove"), client);
    m_cmdOpen = namedButton("cmdOpen", QStringLiteral("Open Other"), client);
    m_cmdAdd->setGeometry(pixelRect(OrganizerLayout::cmdAdd));
    m_cmdRemove->setGeometry(pixelRect(OrganizerLayout::cmdRemove));
    m_cmdOpen->setGeometry(pixelRect(OrganizerLayout::cmdOpen));
    connect(m_cmdAdd, &QPushButton::clicked, &m_organizer, &FleetOrganizer::AddFromSide);
    connect(m_cmdRemove, &QPushButton::clicked, &m_organizer, &FleetOrganizer::Remove);
    connect(m_cmdOpen, &QPushButton::clicked, &m_organizer, &FleetOrganizer::OpenOther);

    m_lstFleet = new QListWidget(client);
    m_lstFleet->setObjectName(QStringLiteral("lstFleet"));
    m_lstFleet->setGeometry(pixelRect(OrganizerLayout::lstFleet));
    // A click on the chosen entry again brings its card back into view too.
    connect(m_lstFleet, &QListWidget::currentRowChanged, &m_organizer, &FleetOrganizer::chooseFleetEntry);
    connect(m_lstFleet, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { m_organizer.chooseFleetEntry(m_lstFleet->row(item)); });
    connect(m_lstFleet, &QListWidget::itemDoubleClicked, &m_organizer, &FleetOrganizer::Remove);
}

void FrmFleetOrganizer::bindKeys()
{
    const QList<int> enter = {Qt::Key_Return, Qt::Key_Enter};
    new KeyReleaseBinding(m_lstAdd, enter, [this] { m_organizer.AddFromSide(); });
    new KeyReleaseBinding(m_lstFleet, enter, [this] { m_organizer.Remove(); });
    new KeyReleaseBinding(this, {Qt::Key_Delete}, [this] { removeUnlessTyping(); });
}

void FrmFleetOrganizer::removeUnlessTyping()
{
    // Delete in a card's text or in a limit deletes characters, not the ship.
    if (qobject_cast<QLineEdit*>(QApplication::focusWidget()))
        return;
    m_organizer.Remove();
}

void FrmFleetOrganizer::setSmallScreen(bool small)
{
    m_sizeRule->setSmallScreen(small);
}

void FrmFleetOrganizer::closeByProgram()
{
    m_programClose = true;
    close();
    // Shown again later, the window asks again when the user closes it.
    m_programClose = false;
}

void FrmFleetOrganizer::loadFleet()
{
    m_organizer.Load();
    // The user starts by choosing a side, not by typing a limit.
    m_cmbSide->setFocus();
}

void FrmFleetOrganizer::mirror()
{
    const FleetOrganizer& o = m_organizer;
    showEntries(m_cmbSide, o.sides(), o.sideIndex());
    showEntries(m_lstAdd, o.addList(), o.selectedAddEntry());
    QStringList fleet;
    for (const FleetListEntry& entry : o.fleetList())
        fleet << entry.label;
    showEntries(m_lstFleet, fleet, o.selectedFleetEntry());
    m_statistics->mirror();

    for (auto [bar, value] : {std::pair{m_hScroll, o.hScroll()}, std::pair{m_vScroll, o.vScroll()}}) {
        const QSignalBlocker block(bar);
        bar->setValue(value);
    }
    // A scroll bar's value is millimetres of the page; the page moves by whole pixels.
    const ViewZoom& zoom = m_page->zoom();
    m_page->move(-zoom.wholePixels(o.hScroll() * FleetDesign::twipsPerMm),
                 -zoom.wholePixels(o.vScroll() * FleetDesign::twipsPerMm));
    m_page->refresh();
    mirrorDescription();
    mirrorMenus();
}

void FrmFleetOrganizer::rezoom()
{
    const double zoom = m_page->zoom().factor();
    const int across = scrollReach(FleetDesign::hScrollMax, OrganizerLayout::picContainer.width, zoom);
    const int down = scrollReach(FleetDesign::vScrollMax, OrganizerLayout::picContainer.height, zoom);
    for (auto [bar, reach] : {std::pair{m_hScroll, across}, std::pair{m_vScroll, down}}) {
        const QSignalBlocker block(bar);
        bar->setMaximum(reach);
    }
    m_organizer.setScrollReach(across, down);
}

void FrmFleetOrganizer::mirrorDescription()
{
    const int k = m_organizer.describedCard();
    if (k == 0 || !isVisible()) {
        m_des->hide();
        return;
    }
    // The organizer places the window on the page; the page's corner on the screen is ours.
    const QPointF place = m_organizer.descriptionPlace();
    const QPoint onPage(m_page->zoom().wholePixels(place.x()), m_page->zoom().wholePixels(place.y()));
    m_des->showDescription(m_organizer.card(k).description, m_page->mapToGlobal(onPage));
}

void FrmFleetOrganizer::closeEvent(QCloseEvent* event)
{
    if (m_programClose) {
        event->accept();
        return;
    }
    m_statistics->enterLimitBeingTyped();
    if (!m_organizer.confirmClose()) {
        event->ignore();
        return;
    }
    event->accept();
    Q_EMIT programEndRequested();
}

void FrmFleetOrganizer::hideEvent(QHideEvent* event)
{
    m_des->hide();
    QMainWindow::hideEvent(event);
}

bool FrmFleetOrganizer::eventFilter(QObject* watched, QEvent* event)
{
    // A click on the window itself clears the page's selection.
    if (watched == centralWidget() && event->type() == QEvent::MouseButtonRelease)
        m_organizer.clickPage();
    // The wheel over the page scrolls it: across with Shift or a sideways wheel. The bars add up
    // the small steps of a touchpad.
    if (watched == m_container && event->type() == QEvent::Wheel) {
        auto* wheel = static_cast<QWheelEvent*>(event);
        if (m_page->zoom().wheel(wheel))
            return true;
        const QPoint delta = wheel->angleDelta();
        const bool across = wheel->modifiers().testFlag(Qt::ShiftModifier) || qAbs(delta.x()) > qAbs(delta.y());
        QScrollBar* bar = across ? m_hScroll : m_vScroll;
        const int steps = across && delta.x() != 0 ? delta.x() : delta.y();
        QWheelEvent plain(bar->rect().center(), bar->mapToGlobal(bar->rect().center()), wheel->pixelDelta(),
                          QPoint(0, steps), wheel->buttons(), Qt::NoModifier, wheel->phase(), wheel->inverted());
        QApplication::sendEvent(bar, &plain);
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace kw
