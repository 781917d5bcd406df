#include "editor/ui/sheetpanel.h"

#include "common/ui/viewzoom.h"
#include "display/sheetgeometry.h"
#include "editor/keyboardmover.h"
#include "editor/shipeditor.h"
#include "editor/ui/holdingboxview.h"
#include "editor/ui/systemdisplayview.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <algorithm>

namespace kw {

namespace {

using namespace SheetDesign;

// The panel's top-left corner in window twips: the border frame's left and the holding box's
// top, which lies above the frame.
constexpr float kOriginLeft = std::min(borderFrame.left, holdingFrame.left);
constexpr float kOriginTop = std::min(borderFrame.top, holdingFrame.top);
const float kRight = std::max(borderFrame.right(), holdingFrame.right());
const float kBottom = std::max(borderFrame.bottom(), holdingFrame.bottom());
constexpr float kLinkButtonWidth = 3000;
// Between a zoomed display and its frame.
constexpr int kZoomMargin = 6;

} // namespace

SheetPanel::SheetPanel(ShipEditor& editor, QWidget* parent) : QWidget(parent), m_editor(editor)
{
    setObjectName(QStringLiteral("SheetPanel"));
    m_mover = new KeyboardMover(editor, this);
    m_holding = new HoldingBoxView(editor, this);
    m_display = new SystemDisplayView(editor, this);

    m_link = new QPushButton(QStringLiteral("Link Salvo Launcher to Magazine"), this);
    m_link->setObjectName(QStringLiteral("cmdLink"));
    m_cancelLink = new QPushButton(QStringLiteral("Cancel Linking"), this);
    m_cancelLink->setObjectName(QStringLiteral("cmdCancelL"));
    m_link->setToolTip(QStringLiteral("Join a salvo launcher to the magazine that feeds it: then click both icons"));
    m_cancelLink->setToolTip(QStringLiteral("Drop the link being made (Esc)"));
    for (QPushButton* button : {m_link, m_cancelLink}) {
        button->setAutoDefault(false);
        button->setFocusPolicy(Qt::TabFocus);
    }
    connect(m_link, &QPushButton::clicked, &m_editor, &ShipEditor::startLink);
    connect(m_cancelLink, &QPushButton::clicked, &m_editor, &ShipEditor::cancelLink);
    connect(&m_editor, &ShipEditor::changed, this, &SheetPanel::refresh);
    connect(&m_display->zoom(), &ViewZoom::changed, this, &SheetPanel::refresh);
    refresh();
}

SheetPanel::~SheetPanel()
{
    if (m_watchedWindow)
        m_watchedWindow->removeEventFilter(this);
    // A burst of arrow keys still open ends as a step, and the editor tells its views: this
    // panel must still be whole then, not half gone with the other children.
    delete m_mover;
    m_mover = nullptr;
}

QPoint SheetPanel::toPanel(float left, float top)
{
    return {twipsToPixels(left - kOriginLeft), twipsToPixels(top - kOriginTop)};
}

QSize SheetPanel::sizeHint() const
{
    // One pixel more each way for the frame's right and bottom border line.
    const QSize designed(twipsToPixels(kRight - kOriginLeft) + 1, twipsToPixels(kBottom - kOriginTop) + 1);
    const QRect frame = frameRect();
    return designed.expandedTo(QSize(frame.right() + 2, frame.bottom() + 2));
}

QRect SheetPanel::displayRect() const
{
    const SheetGeometry& sheet = m_editor.display().sheet;
    const QPoint designed = toPanel(sheet.display.left, sheet.display.top);
    const QSize shown = m_display->sizeHint();
    const int growth = shown.width() - pixelRect(sheet.display).width();
    const int frameLeft = toPanel(borderFrame.left, borderFrame.top).x();
    const int left = std::max(designed.x() - growth / 2, std::min(designed.x(), frameLeft + kZoomMargin));
    return {QPoint(left, designed.y()), shown};
}

QRect SheetPanel::frameRect() const
{
    QRect frame(toPanel(borderFrame.left, borderFrame.top),
                QSize(twipsToPixels(borderFrame.width), twipsToPixels(borderFrame.height)));
    if (m_display->zoom().factor() > 1) {
        const QRect display = displayRect();
        frame.setRight(std::max(frame.right(), display.right() + kZoomMargin));
        frame.setBottom(std::max(frame.bottom(), display.bottom() + kZoomMargin));
    }
    return frame;
}

void SheetPanel::refresh()
{
    const SheetGeometry& sheet = m_editor.display().sheet;
    m_display->setGeometry(displayRect());
    m_holding->move(toPanel(holdingFrame.left, holdingFrame.top));
    // The buttons sit centred over the display, which is centred in the frame.
    const QPoint buttonAt = toPanel(borderFrame.left + (borderFrame.width - kLinkButtonWidth) / 2, sheet.linkButtonTop);
    const QSize buttonSize(twipsToPixels(kLinkButtonWidth), twipsToPixels(linkButtonHeight));
    for (QPushButton* button : {m_link, m_cancelLink})
        button->setGeometry(QRect(buttonAt, buttonSize));
    m_link->setVisible(m_editor.controls().linkVisible);
    m_cancelLink->setVisible(m_editor.controls().cancelLinkVisible);
    if (size() != sizeHint()) {
        resize(sizeHint());
        updateGeometry();
    }
    update();
}

void SheetPanel::paintEvent(QPaintEvent*)
{
    // shpBorderF: the frame the display is centred in.
    QPainter p(this);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(frameRect());
}

bool SheetPanel::handleKey(QKeyEvent* event, bool press)
{
    // Holding a key repeats press and release pairs; only the real release ends a move.
    if (event->isAutoRepeat() && !press)
        return false;
    if (!press) {
        m_mover->keyUp(event->key());
        return false;
    }
    if (event->key() == Qt::Key_Escape && m_cancelLink->isVisible()) {
        m_cancelLink->click();
        return true;
    }
    return m_mover->keyDown(event->key());
}

void SheetPanel::keyPressEvent(QKeyEvent* event)
{
    if (!handleKey(event, true))
        QWidget::keyPressEvent(event);
}

void SheetPanel::keyReleaseEvent(QKeyEvent* event)
{
    if (!handleKey(event, false))
        QWidget::keyReleaseEvent(event);
}

// Keys that no widget of the window used travel up to the window; the filter catches them
// there, so the arrows work wherever the focus is, except in fields that use them.
void SheetPanel::watchWindow()
{
    QWidget* top = window();
    if (top == m_watchedWindow)
        return;
    if (m_watchedWindow)
        m_watchedWindow->removeEventFilter(this);
    m_watchedWindow = top == this ? nullptr : top;
    if (m_watchedWindow)
        m_watchedWindow->installEventFilter(this);
}

void SheetPanel::showEvent(QShowEvent* event)
{
    watchWindow();
    QWidget::showEvent(event);
}

void SheetPanel::changeEvent(QEvent* event)
{
    // A key released in another window never reaches this one.
    if (event->type() == QEvent::ActivationChange && !isActiveWindow())
        m_mover->stop();
    QWidget::changeEvent(event);
}

bool SheetPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_watchedWindow && (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease))
        return handleKey(static_cast<QKeyEvent*>(event), event->type() == QEvent::KeyPress);
    return QWidget::eventFilter(watched, event);
}

} // namespace kw
