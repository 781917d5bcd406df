#pragma once

#include <QPointF>
#include <QWidget>

class QMenu;
class QMimeData;

namespace kw {

class ShipEditor;
class ViewZoom;

// picSysDisplay: the white schematic with the placed icons, the selection markers and the
// selection band. Mouse events become placement operations on the editor; icons are moved by
// drag and drop.
class SystemDisplayView : public QWidget {
    Q_OBJECT

public:
    explicit SystemDisplayView(ShipEditor& editor, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

    // "Alignment Options", mnuAlign.
    QMenu* alignmentMenu() const { return m_alignMenu; }
    // The band (shpDrag) in pixels while it is dragged, else empty.
    QRect band() const;
    // How large the display is shown; icons keep their twips at every zoom.
    ViewZoom& zoom() const { return *m_zoom; }

public Q_SLOTS:
    // Takes the display's size from the model and repaints.
    void refresh();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    enum class Press { None, Background, Icon };

    void buildAlignmentMenu();
    // Whether a drop of the dragged data at this point would move anything.
    bool acceptsDrop(const QMimeData* data, QPointF pixel) const;
    // A pixel of the view in display twips.
    QPointF twipsAt(QPointF pixel) const;

    ShipEditor& m_editor;
    ViewZoom* m_zoom;
    QMenu* m_alignMenu = nullptr;
    Press m_press = Press::None;
    QPointF m_bandStart;       // BandStart, display twips
    QPointF m_bandEnd;
    bool m_bandDragging = false;
    int m_pressedIcon = 0;
    QPointF m_grab;            // GrabOffset, twips inside the icon
    QPoint m_pressPixel;
};

} // namespace kw
