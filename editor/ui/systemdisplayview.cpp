#include "editor/ui/systemdisplayview.h"

#include "common/ui/viewzoom.h"
#include "display/placement.h"
#include "display/sheetpainter.h"
#include "editor/shipeditor.h"
#include "editor/ui/icondrag.h"
#include "editor/ui/icontooltip.h"

#include <QApplication>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <cmath>

namespace kw {

namespace {

const QColor kBandColour(128, 128, 128);

// The band covers the pixels from where the button went down to the pointer, both included.
QRect pixelBand(const ViewZoom& zoom, QPointF from, QPointF to)
{
    const QPoint a = zoom.pixelsOf(from).toPoint();
    const QPoint b = zoom.pixelsOf(to).toPoint();
    return QRect(QPoint(qMin(a.x(), b.x()), qMin(a.y(), b.y())), QPoint(qMax(a.x(), b.x()), qMax(a.y(), b.y())));
}

} // namespace

SystemDisplayView::SystemDisplayView(ShipEditor& editor, QWidget* parent)
    : QWidget(parent), m_editor(editor), m_zoom(new ViewZoom(this))
{
    setObjectName(QStringLiteral("picSysDisplay"));
    setAcceptDrops(true);
    // A click gives the display the keyboard, so the arrow keys move the selection rather
    // than whatever field had the focus.
    setFocusPolicy(Qt::ClickFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    buildAlignmentMenu();
    connect(&m_editor, &ShipEditor::changed, this, &SystemDisplayView::refresh);
    connect(m_zoom, &ViewZoom::changed, this, &SystemDisplayView::refresh);
    refresh();
}

void SystemDisplayView::buildAlignmentMenu()
{
    m_alignMenu = new QMenu(QStringLiteral("Alignment Options"), this);
    m_alignMenu->setObjectName(QStringLiteral("mnuAlign"));
    const struct {
        const char* caption;
        Alignment alignment;
    } items[] = {{"Tops", Alignment::Tops},   {"Middles", Alignment::Middles}, {"Bottoms", Alignment::Bottoms},
                 {nullptr, Alignment::Tops}, {"Lefts", Alignment::Lefts},     {"Centers", Alignment::Centers},
                 {"Rights", Alignment::Rights}};
    int index = 0;
    for (const auto& item : items) {
        QAction* action = item.caption ? m_alignMenu->addAction(QString::fromLatin1(item.caption))
                                       : m_alignMenu->addSeparator();
        action->setObjectName(QStringLiteral("mnuLU_%1").arg(index++));
        if (item.caption) {
            const Alignment alignment = item.alignment;
            connect(action, &QAction::triggered, this, [this, alignment] { m_editor.align(alignment); });
        }
    }
}

QSize SystemDisplayView::sizeHint() const
{
    const TwipRect& display = m_editor.display().sheet.display;
    return {qMax(1, m_zoom->wholePixels(display.width)), qMax(1, m_zoom->wholePixels(display.height))};
}

QRect SystemDisplayView::band() const
{
    return m_press == Press::Background && m_bandDragging ? pixelBand(*m_zoom, m_bandStart, m_bandEnd) : QRect();
}

QPointF SystemDisplayView::twipsAt(QPointF pixel) const
{
    return m_zoom->toTwips(pixel);
}

void SystemDisplayView::refresh()
{
    const QSize size = sizeHint();
    if (this->size() != size)
        resize(size);
    update();
}

void SystemDisplayView::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const DisplayModel& display = m_editor.display();
    p.save();
    m_zoom->applyTo(p, devicePixelRatioF());
    paintSchematic(p, display, m_editor.shownLinkLines(), m_zoom->detail(p));
    p.restore();
    // The markers and the band hug the icons at every zoom, one pixel wide.
    p.setBrush(Qt::NoBrush);
    for (const SelectionMarker& marker : selectionMarkers(display)) {
        const TwipRect icon = display.icon(marker.icon).rect();
        const QRect rect = m_zoom->pixelRect(icon.left, icon.top, icon.width, icon.height).adjusted(-1, -1, 1, 1);
        p.setPen(QPen(Qt::black, 1, marker.reference ? Qt::SolidLine : Qt::DotLine));
        p.drawRect(rect.adjusted(0, 0, -1, -1));
    }
    const QRect shpDrag = band();
    if (!shpDrag.isEmpty()) {
        p.setPen(QPen(kBandColour, 1));
        p.drawRect(shpDrag.adjusted(0, 0, -1, -1));
    }
}

bool SystemDisplayView::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        showIconToolTip(this, help, m_editor.iconDescription(placedIconAt(m_editor.display(), twipsAt(help->pos()))));
        return true;
    }
    return QWidget::event(event);
}

void SystemDisplayView::mousePressEvent(QMouseEvent* event)
{
    const QPointF at = twipsAt(event->position());
    const int icon = placedIconAt(m_editor.display(), at);
    m_pressPixel = event->position().toPoint();
    if (icon == 0) {
        // Only the left button starts a band; any button let go here ends the press.
        m_press = Press::Background;
        m_bandDragging = false;
        m_bandStart = m_bandEnd = at;
        if (event->button() == Qt::LeftButton)
            m_editor.pressDisplayBackground();
        return;
    }
    m_press = Press::Icon;
    m_pressedIcon = icon;
    const SystemIcon& pressed = m_editor.display().icon(icon);
    m_grab = at - QPointF(pressed.left, pressed.top);
    if (event->button() == Qt::RightButton) {
        if (m_editor.alignmentMenuAvailable())
            m_alignMenu->popup(event->globalPosition().toPoint());
        return;
    }
    if (event->button() == Qt::LeftButton)
        m_editor.clickIcon(icon, event->modifiers().testFlag(Qt::ShiftModifier));
}

void SystemDisplayView::mouseMoveEvent(QMouseEvent* event)
{
    if (!event->buttons().testFlag(Qt::LeftButton))
        return;
    if (m_press == Press::Background) {
        m_bandDragging = true;
        m_bandEnd = twipsAt(event->position());
        update();
        return;
    }
    if (m_press != Press::Icon || event->modifiers().testFlag(Qt::ShiftModifier) || !m_editor.canDragIcons())
        return;
    if ((event->position().toPoint() - m_pressPixel).manhattanLength() < QApplication::startDragDistance())
        return;
    const int icon = m_pressedIcon;
    m_press = Press::None;
    if (icon >= 1 && icon <= m_editor.display().iconCount())
        runIconDrag(this, m_editor.display().icon(icon), m_grab, m_zoom->factor());
}

void SystemDisplayView::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_press == Press::Background) {
        m_bandEnd = m_bandDragging ? twipsAt(event->position()) : m_bandStart;
        m_editor.finishBand(m_bandStart, m_bandEnd, event->button() == Qt::LeftButton && m_bandDragging);
        m_bandDragging = false;
        update();
    }
    m_press = Press::None;
}

bool SystemDisplayView::acceptsDrop(const QMimeData* data, QPointF pixel) const
{
    const std::optional<IconDrag> drag = readIconDrag(data);
    if (!drag || drag->icon > m_editor.display().iconCount() || !m_editor.canDragIcons())
        return false;
    const DisplayHit hit = hitDisplay(m_editor.display(), twipsAt(pixel));
    // An icon dropped onto another icon or onto a fixed picture stays where it was.
    return hit.kind == DisplayHit::Kind::Background || (hit.kind == DisplayHit::Kind::Icon && hit.icon == drag->icon);
}

void SystemDisplayView::dragEnterEvent(QDragEnterEvent* event)
{
    // Entering is always allowed so that moves over other icons still reach dragMoveEvent.
    if (readIconDrag(event->mimeData()))
        event->acceptProposedAction();
}

void SystemDisplayView::dragMoveEvent(QDragMoveEvent* event)
{
    if (acceptsDrop(event->mimeData(), event->position()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void SystemDisplayView::dropEvent(QDropEvent* event)
{
    if (!acceptsDrop(event->mimeData(), event->position())) {
        event->ignore();
        return;
    }
    const IconDrag drag = *readIconDrag(event->mimeData());
    const QPointF at = twipsAt(event->position());
    const DisplayHit hit = hitDisplay(m_editor.display(), at);
    if (hit.kind == DisplayHit::Kind::Icon) {
        const SystemIcon& target = m_editor.display().icon(hit.icon);
        m_editor.dropIconOnIcon(drag.icon, hit.icon, at - QPointF(target.left, target.top), drag.grab);
    } else {
        m_editor.dropIconOnDisplay(drag.icon, at, drag.grab);
    }
    event->acceptProposedAction();
}

void SystemDisplayView::wheelEvent(QWheelEvent* event)
{
    if (!m_zoom->wheel(event))
        QWidget::wheelEvent(event);
}

} // namespace kw
