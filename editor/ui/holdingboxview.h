#pragma once

#include <QGroupBox>

class QScrollBar;

namespace kw {

class ShipEditor;
class HoldingCanvas;

// fraSysCont: the holding box above the System Display. Its peach window picCont shows the
// canvas picSystems with the icons not yet placed, scrolled by vslSystems. Icons are dragged
// out of it onto the display, and may be dropped back into it.
class HoldingBoxView : public QGroupBox {
    Q_OBJECT

public:
    explicit HoldingBoxView(ShipEditor& editor, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

    QWidget* viewport() const { return m_viewport; }
    QWidget* canvas() const;
    QScrollBar* scrollBar() const { return m_scroll; }

public Q_SLOTS:
    // Takes the heights, the canvas and the scroll range from the model and repaints.
    void refresh();

private:
    ShipEditor& m_editor;
    QWidget* m_viewport = nullptr;
    HoldingCanvas* m_canvas = nullptr;
    QScrollBar* m_scroll = nullptr;
};

} // namespace kw
