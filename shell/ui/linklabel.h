#pragma once

#include <QLabel>

namespace kw {

// A label that behaves as a link: pure red while the pointer is over it, pure blue otherwise;
// a click reports itself.
class LinkLabel : public QLabel {
    Q_OBJECT

public:
    LinkLabel(const QString& objectName, const QString& text, QWidget* parent = nullptr);
    bool hovered() const { return m_hovered; }
    void setHovered(bool hovered);

Q_SIGNALS:
    void clicked();

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool m_hovered = false;
};

} // namespace kw
