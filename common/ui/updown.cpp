#include "common/ui/updown.h"

#include <QToolButton>
#include <QVBoxLayout>

namespace kw {

UpDown::UpDown(const QString& objectName, int minimum, int maximum, QWidget* parent)
    : QWidget(parent), m_min(minimum), m_max(maximum), m_value(minimum)
{
    setObjectName(objectName);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto arrow = [this, layout](Qt::ArrowType type, int step) {
        auto* button = new QToolButton(this);
        button->setArrowType(type);
        button->setAutoRepeat(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setFixedSize(16, 10);
        connect(button, &QToolButton::clicked, this, [this, step] { stepBy(step); });
        layout->addWidget(button);
    };
    arrow(Qt::UpArrow, 1);
    arrow(Qt::DownArrow, -1);
    setFixedSize(16, 20);
}

void UpDown::stepBy(int steps)
{
    const int next = qBound(m_min, m_value + steps, m_max);
    if (next == m_value && next != m_value + steps)
        return;
    m_value = next;
    Q_EMIT valueChanged(next);
}

} // namespace kw
