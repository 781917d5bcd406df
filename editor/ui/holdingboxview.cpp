#include "editor/ui/holdingboxview.h"

#include "common/ui/viewzoom.h"
#include "display/placement.h"
#include "display/sheetpainter.h"
#include "editor/shipeditor.h"
#include "editor/ui/icondrag.h"
#include "editor/ui/icontooltip.h"

#include <QApplication>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <cmath>

namespace kw {

namespace {

const QColor kPeach(255, 224, 192);

QPointF twipsAt(QPointF pixel)
{
    return QPointF(pixel.toPoint()) * kTwipsPerPixel;
}

int pixels(float twips)
{
    return twipsToPixels(twips);
}

} // namespace

// picSystems: the scrolled canvas, in holding-canvas twips.
class HoldingCanvas : public QWidget {
public:
    HoldingCanvas(ShipEditor& editor, QWidget* parent) : QWidget(parent), m_editor(editor)
    {
        setObjectName(QStringLiteral("picSystems"));
        setAcceptDrops(true);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QPainter p(this);
        p.fillRect(event->rect(), kPeach);
        // On a dense screen the pictures' text is painted at the screen's finer size.
        const int detail = ViewZoom::detail(devicePixelRatioF());
        for (const SystemIcon& icon : m_editor.display().icons()) {
            const QRect at = pixelRect(icon.rect());
            if (!icon.placed() && at.intersects(event->rect()))
                p.drawImage(at.topLeft(), iconPictureAt(icon, detail));
        }
    }

    void mousePressEvent(QMouseEvent* event) override
    {
        m_pressed = 0;
        if (event->button() != Qt::LeftButton || event->modifiers().testFlag(Qt::ShiftModifier))
            return;
        const QPointF at = twipsAt(event->position());
        m_pressed = holdingIconAt(m_editor.display(), at);
        if (m_pressed) {
            const SystemIcon& icon = m_editor.display().icon(m_pressed);
            m_grab = at - QPointF(icon.left, icon.top);
            m_pressPixel = event->position().toPoint();
        }
    }

    void mouseMoveEvent(QMouseEvent* event) override
    {
        if (!m_pressed || !event->buttons().testFlag(Qt::LeftButton) || !m_editor.canDragIcons())
            return;
        if ((event->position().toPoint() - m_pressPixel).manhattanLength() < QApplication::startDragDistance())
            return;
        const int icon = m_pressed;
        m_pressed = 0;
        if (icon <= m_editor.display().iconCount())
            runIconDrag(this, m_editor.display().icon(icon), m_grab);
    }

    void mouseReleaseEvent(QMouseEvent*) override { m_pressed = 0; }

    bool event(QEvent* event) override
    {
        if (event->type() == QEvent::ToolTip) {
            auto* help = static_cast<QHelpEvent*>(event);
            showIconToolTip(this, help, m_editor.iconDescription(holdingIconAt(m_editor.display(), twipsAt(help->pos()))));
            return true;
        }
        return QWidget::event(event);
    }

    void dragEnterEvent(QDragEnterEvent* event) override
    {
        if (readIconDrag(event->mimeData()))
            event->acceptProposedAction();
    }

    void dragMoveEvent(QDragMoveEvent* event) override
    {
        if (acceptsDrop(event->mimeData(), event->position()))
            event->acceptProposedAction();
        else
            event->ignore();
    }

    void dropEvent(QDropEvent* event) override
    {
        if (!acceptsDrop(event->mimeData(), event->position())) {
            event->ignore();
            return;
        }
        const IconDrag drag = *readIconDrag(event->mimeData());
        m_editor.dropIconInHoldingBox(drag.icon, twipsAt(event->position()), drag.grab);
        event->acceptProposedAction();
    }

private:
    // Icons in the holding box are no drop targets: a drop onto one leaves the dragged icon
    // where it was.
    bool acceptsDrop(const QMimeData* data, QPointF pixel) const
    {
        const std::optional<IconDrag> drag = readIconDrag(data);
        return drag && drag->icon <= m_editor.display().iconCount() && m_editor.canDragIcons()
               && holdingIconAt(m_editor.display(), twipsAt(pixel)) == 0;
    }

    ShipEditor& m_editor;
    int m_pressed = 0;
    QPointF m_grab;
    QPoint m_pressPixel;
};

HoldingBoxView::HoldingBoxView(ShipEditor& editor, QWidget* parent) : QGroupBox(parent), m_editor(editor)
{
    setObjectName(QStringLiteral("fraSysCont"));
    setTitle(QStringLiteral("Drag Systems from this box into the white box below."));
    // The frame is opaque, so the sheet's border line behind it does not run through the caption.
    setAutoFillBackground(true);

    m_viewport = new QWidget(this);
    m_viewport->setObjectName(QStringLiteral("picCont"));
    m_viewport->setAutoFillBackground(true);
    QPalette peach = m_viewport->palette();
    peach.setColor(QPalette::Window, kPeach);
    m_viewport->setPalette(peach);

    m_canvas = new HoldingCanvas(editor, m_viewport);

    m_scroll = new QScrollBar(Qt::Vertical, this);
    m_scroll->setObjectName(QStringLiteral("vslSystems"));
    m_scroll->setSingleStep(static_cast<int>(kBaseIconTwips));
    connect(m_scroll, &QScrollBar::valueChanged, &m_editor, &ShipEditor::scrollHoldingBox);
    connect(&m_editor, &ShipEditor::changed, this, &HoldingBoxView::refresh);
    refresh();
}

QWidget* HoldingBoxView::canvas() const
{
    return m_canvas;
}

QSize HoldingBoxView::sizeHint() const
{
    return {pixels(SheetDesign::holdingFrame.width), pixels(m_editor.display().sheet.holdingFrameHeight)};
}

void HoldingBoxView::refresh()
{
    const DisplayModel& display = m_editor.display();
    const int viewHeight = pixels(display.sheet.holdingViewHeight);
    resize(sizeHint());
    m_viewport->setGeometry(pixels(SheetDesign::holdingViewLeft), pixels(SheetDesign::holdingViewTop),
                            pixels(SheetDesign::holdingCanvasWidth), viewHeight);
    m_canvas->setGeometry(0, -pixels(static_cast<float>(display.holdingScrollValue)),
                          pixels(SheetDesign::holdingCanvasWidth), pixels(display.holdingCanvasHeight));
    m_scroll->setGeometry(pixels(SheetDesign::holdingScrollBarLeft), pixels(SheetDesign::holdingViewTop),
                          pixels(SheetDesign::holdingScrollBarWidth), viewHeight);
    {
        // Mirroring the model must not feed back into it.
        const QSignalBlocker quiet(m_scroll);
        m_scroll->setRange(0, qMax(0, display.holdingScrollMax));
        m_scroll->setPageStep(qMax(1, static_cast<int>(display.sheet.holdingViewHeight)));
        m_scroll->setValue(display.holdingScrollValue);
    }
    m_canvas->update();
}

} // namespace kw
