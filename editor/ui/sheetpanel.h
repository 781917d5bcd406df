#pragma once

#include <QPointer>
#include <QWidget>

class QPushButton;
class QKeyEvent;

namespace kw {

class ShipEditor;
class KeyboardMover;
class SystemDisplayView;
class HoldingBoxView;

// The record-sheet area of the editor window at the window's twip geometry: the border frame,
// the holding box, the System Display, and the two link buttons that share one place above
// the display. It follows the editor through changed(), and moves the selection with the arrow
// keys of its window.
class SheetPanel : public QWidget {
    Q_OBJECT

public:
    explicit SheetPanel(ShipEditor& editor, QWidget* parent = nullptr);
    ~SheetPanel() override;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

    SystemDisplayView* displayView() const { return m_display; }
    HoldingBoxView* holdingBox() const { return m_holding; }
    QPushButton* linkButton() const { return m_link; }
    QPushButton* cancelLinkButton() const { return m_cancelLink; }
    KeyboardMover& mover() const { return *m_mover; }

    // Window twips to this panel's pixels.
    static QPoint toPanel(float left, float top);
    // Where the display and the frame around it lie in the panel at the display's zoom. The
    // display grows from the middle of its top edge, so the holding box and the link buttons
    // above it stay put; the frame grows with it.
    QRect displayRect() const;
    QRect frameRect() const;

public Q_SLOTS:
    void refresh();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Arrow keys and Escape, wherever in the window they were not used; true when taken.
    bool handleKey(QKeyEvent* event, bool press);
    void watchWindow();

    ShipEditor& m_editor;
    KeyboardMover* m_mover = nullptr;
    SystemDisplayView* m_display = nullptr;
    HoldingBoxView* m_holding = nullptr;
    QPushButton* m_link = nullptr;
    QPushButton* m_cancelLink = nullptr;
    QPointer<QWidget> m_watchedWindow;
};

} // namespace kw
