#include "fleet/ui/fleetpageview.h"

#include "common/ui/viewzoom.h"
#include "display/sheetfonts.h"
#include "display/sheetpainter.h"
#include "fleet/fleetorganizer.h"
#include "fleet/ui/cardtextboxes.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

namespace kw {

namespace {

const QColor kSelectionColour(0, 90, 200);
const QColor kStripFrame(128, 128, 128);

QRect captionRect(const TwipRect& strip, const TwipRect& label)
{
    return pixelRect({strip.left + label.left, strip.top + label.top, label.width, label.height});
}

} // namespace

FleetPageView::FleetPageView(FleetOrganizer& organizer, QWidget* viewport)
    : QWidget(viewport), m_organizer(organizer), m_zoom(new ViewZoom(this)),
      m_boxes(new CardTextBoxes(organizer, *m_zoom, this))
{
    setObjectName(QStringLiteral("picArea"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    // GrabX and GrabY follow the pointer over the cards, with or without a button down.
    setMouseTracking(true);
    // A click takes the keyboard, so Escape reaches a drag and a limit being typed is entered.
    setFocusPolicy(Qt::ClickFocus);
    resize(sizeHint());
    connect(m_zoom, &ViewZoom::changed, this, [this] {
        resize(sizeHint());
        refresh();
    });
}

QSize FleetPageView::sizeHint() const
{
    return {m_zoom->wholePixels(FleetDesign::pageWidth), m_zoom->wholePixels(FleetDesign::pageHeight)};
}

QPointF FleetPageView::twipsAt(QPointF pixel) const
{
    return m_zoom->toTwips(pixel);
}

void FleetPageView::refresh()
{
    m_boxes->mirror();
    update();
}

void FleetPageView::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), Qt::white);
    painter.save();
    m_zoom->applyTo(painter, devicePixelRatioF());
    const QList<FleetCard>& cards = m_organizer.cards();
    // In number order: each card lies over the ones before it.
    for (int k = 1; k <= cards.size(); ++k) {
        const FleetCard& card = cards[k - 1];
        if (card.stripVisible)
            paintStrip(painter, k);
        painter.drawImage(pixelRect(card.pictureRect()).topLeft(), card.picture);
    }
    if (m_organizer.selectionVisible()) {
        // One screen pixel wide at every zoom.
        painter.setPen(QPen(kSelectionColour, 0));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(m_organizer.selectionRect().adjusted(0, 0, -1, -1));
    }
    painter.restore();
    if (m_dragging)
        paintDraggedOutline(painter);
}

void FleetPageView::paintStrip(QPainter& painter, int k) const
{
    const TwipRect strip = m_organizer.card(k).stripRect();
    const QRect area = pixelRect(strip);
    painter.fillRect(area, palette().color(QPalette::Button));
    painter.setPen(QPen(kStripFrame, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area.adjusted(0, 0, -1, -1));
    painter.save();
    painter.setClipRect(area);
    painter.setPen(Qt::black);
    const int flags = Qt::AlignLeft | Qt::AlignVCenter;
    drawSheetText(painter, captionRect(strip, FleetDesign::lblID), flags, formDefaultFont(), kIdCaption);
    drawSheetText(painter, captionRect(strip, FleetDesign::lblName), flags, formDefaultFont(), kNameCaption);
    painter.restore();
}

void FleetPageView::paintDraggedOutline(QPainter& painter) const
{
    const int k = m_organizer.draggedCard();
    if (k == 0)
        return;
    const FleetCard& card = m_organizer.card(k);
    const QPoint grab(m_zoom->wholePixels(m_organizer.GrabX()), m_zoom->wholePixels(m_organizer.GrabY()));
    const QRect outline(m_dragPixel - grab, (QSizeF(card.picture.size()) * m_zoom->factor()).toSize());
    painter.save();
    painter.setOpacity(0.4);
    painter.drawImage(outline, card.picture);
    painter.restore();
    painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(outline.adjusted(0, 0, -1, -1));
}

QPointF FleetPageView::insideCard(int k, QPointF twips) const
{
    const FleetCard& card = m_organizer.card(k);
    return twips - QPointF(card.left, card.top);
}

void FleetPageView::mousePressEvent(QMouseEvent* event)
{
    // One button at a time: a second one pressed meanwhile changes nothing.
    if (m_press != Press::None || m_dragging)
        return;
    const QPointF at = twipsAt(event->position());
    const PageHit hit = hitPage(m_organizer.cards(), at);
    m_pressButton = event->button();
    m_pressPixel = event->position().toPoint();
    m_pressedCard = hit.card;
    switch (hit.kind) {
    case PageHit::Kind::Picture:
        m_press = Press::Card;
        if (event->button() == Qt::RightButton)
            m_organizer.pressRightOnCard(hit.card, insideCard(hit.card, at));
        break;
    case PageHit::Kind::Page:
        m_press = Press::Page;
        break;
    case PageHit::Kind::Strip:
        m_press = Press::Other;
        break;
    }
}

void FleetPageView::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint pixel = event->position().toPoint();
    // The button went up where this view could not hear it (another window took the mouse):
    // a drag ends where it began, any other press as if let go here.
    if (m_pressButton != Qt::NoButton && !event->buttons().testFlag(m_pressButton)) {
        if (m_dragging) {
            cancelDrag();
        } else {
            QMouseEvent release(QEvent::MouseButtonRelease, event->position(), event->globalPosition(), m_pressButton,
                                event->buttons(), event->modifiers());
            mouseReleaseEvent(&release);
        }
        return;
    }
    if (m_dragging) {
        m_dragPixel = pixel;
        const bool moves = insideViewport(pixel) && m_organizer.dropTarget(twipsAt(pixel)) != DropTarget::Elsewhere;
        setCursor(moves ? Qt::ClosedHandCursor : Qt::ForbiddenCursor);
        update();
        return;
    }
    if (m_press == Press::Card && m_pressButton == Qt::LeftButton) {
        // A card starts moving once the pointer has gone far enough to mean it, held where the
        // button went down.
        if ((pixel - m_pressPixel).manhattanLength() >= QApplication::startDragDistance())
            startDrag();
        return;
    }
    if (m_press != Press::None)
        return;
    const QPointF at = twipsAt(event->position());
    const PageHit hit = hitPage(m_organizer.cards(), at);
    if (hit.kind == PageHit::Kind::Picture)
        m_organizer.moveOverCard(hit.card, insideCard(hit.card, at), false);
}

void FleetPageView::startDrag()
{
    const int k = m_pressedCard;
    m_press = Press::None;
    if (k < 1 || k > m_organizer.ShipCount())
        return;
    if (!m_organizer.moveOverCard(k, insideCard(k, twipsAt(m_pressPixel)), true))
        return;
    m_dragging = true;
    m_dragPixel = m_pressPixel;
    setCursor(Qt::ClosedHandCursor);
    setFocus(Qt::MouseFocusReason);
    update();
}

void FleetPageView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != m_pressButton)
        return;
    const Press press = m_press;
    m_press = Press::None;
    m_pressButton = Qt::NoButton;
    if (m_dragging) {
        finishDrag(event->position().toPoint());
        return;
    }
    if (press == Press::Card)
        m_organizer.releaseOnCard(m_pressedCard, event->button() == Qt::RightButton);
    else if (press == Press::Page)
        m_organizer.clickPage();
}

bool FleetPageView::insideViewport(QPoint pixel) const
{
    const QWidget* viewport = parentWidget();
    return viewport && viewport->rect().contains(mapTo(viewport, pixel));
}

void FleetPageView::finishDrag(QPoint pixel)
{
    m_dragging = false;
    unsetCursor();
    if (insideViewport(pixel))
        m_organizer.dropAt(twipsAt(pixel));
    else
        m_organizer.endDragElsewhere();
    update();
}

void FleetPageView::cancelDrag()
{
    m_press = Press::None;
    m_pressButton = Qt::NoButton;
    if (!m_dragging)
        return;
    m_dragging = false;
    unsetCursor();
    m_organizer.endDragElsewhere();
    update();
}

void FleetPageView::keyPressEvent(QKeyEvent* event)
{
    if (m_dragging && event->key() == Qt::Key_Escape) {
        cancelDrag();
        return;
    }
    QWidget::keyPressEvent(event);
}

void FleetPageView::hideEvent(QHideEvent* event)
{
    cancelDrag();
    QWidget::hideEvent(event);
}

void FleetPageView::wheelEvent(QWheelEvent* event)
{
    // Without Ctrl the wheel scrolls the page, which the window does.
    if (!m_zoom->wheel(event))
        QWidget::wheelEvent(event);
}

} // namespace kw
