#pragma once

#include <QFrame>

class QLabel;

namespace kw {

// frmDes: the small window in the tooltip colour that shows the description of the card under
// the right mouse button. It belongs to the organizer's window and never takes the focus.
class FrmDes : public QFrame {
    Q_OBJECT

public:
    explicit FrmDes(QWidget* owner);

    // Shows a card's description (lines ended by carriage returns) with the window's top-left
    // corner at a place on the screen; a window that would stick out of the screen is moved
    // back onto it.
    void showDescription(const QString& description, QPoint topLeft);
    QLabel* label() const { return m_label; }

private:
    QLabel* m_label;
};

} // namespace kw
