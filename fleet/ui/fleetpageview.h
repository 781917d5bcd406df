#pragma once

#include <QPoint>
#include <QPointF>
#include <QWidget>

namespace kw {

class CardTextBoxes;
class FleetOrganizer;
class ViewZoom;

// picArea: the white page with the fleet's cards (picture and label strip), the selection
// rectangle shpSelect and, while a card is dragged, the card's outline under the pointer. It
// lies in the viewport picContainer, which the window moves it in. Mouse events become the
// organizer's page operations: a move over a card, a drag with the left button, the
// description on the right button, a click on the page.
class FleetPageView : public QWidget {
    Q_OBJECT

public:
    // The viewport is the page's parent: a drop outside it leaves the card where it was.
    FleetPageView(FleetOrganizer& organizer, QWidget* viewport);

    QSize sizeHint() const override;
    CardTextBoxes& textBoxes() const { return *m_boxes; }
    // How large the page is shown; the cards keep their twips at every zoom.
    ViewZoom& zoom() const { return *m_zoom; }
    // True while the window's drag of a card runs.
    bool dragging() const { return m_dragging; }

public Q_SLOTS:
    void refresh();
    // The drag ends with the card where it was (Escape, or the window goes).
    void cancelDrag();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    enum class Press { None, Page, Card, Other };

    void paintStrip(QPainter& painter, int k) const;
    void paintDraggedOutline(QPainter& painter) const;
    // The pointer's place inside card k, in twips.
    QPointF insideCard(int k, QPointF twips) const;
    // A pixel of the page in twips.
    QPointF twipsAt(QPointF pixel) const;
    // Where a drop at this pixel of the page goes; outside the viewport, nowhere.
    bool insideViewport(QPoint pixel) const;
    void startDrag();
    void finishDrag(QPoint pixel);

    FleetOrganizer& m_organizer;
    ViewZoom* m_zoom;
    CardTextBoxes* m_boxes;
    Press m_press = Press::None;
    Qt::MouseButton m_pressButton = Qt::NoButton;
    int m_pressedCard = 0;
    QPoint m_pressPixel;
    bool m_dragging = false;
    QPoint m_dragPixel;
};

} // namespace kw
