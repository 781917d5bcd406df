#include "shell/ui/linklabel.h"

#include <QMouseEvent>

namespace kw {

LinkLabel::LinkLabel(const QString& objectName, const QString& text, QWidget* parent) : QLabel(text, parent)
{
    setObjectName(objectName);
    setCursor(Qt::PointingHandCursor);
    setTextFormat(Qt::PlainText);
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
    setHovered(false);
}

void LinkLabel::setHovered(bool hovered)
{
    m_hovered = hovered;
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, hovered ? QColor(255, 0, 0) : QColor(0, 0, 255));
    setPalette(colours);
}

void LinkLabel::enterEvent(QEnterEvent* event)
{
    QLabel::enterEvent(event);
    setHovered(true);
}

void LinkLabel::leaveEvent(QEvent* event)
{
    QLabel::leaveEvent(event);
    setHovered(false);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
}

} // namespace kw
