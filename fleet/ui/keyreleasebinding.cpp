#include "fleet/ui/keyreleasebinding.h"

#include <QKeyEvent>
#include <QWidget>

namespace kw {

KeyReleaseBinding::KeyReleaseBinding(QWidget* widget, QList<int> keys, std::function<void()> action)
    : QObject(widget), m_keys(std::move(keys)), m_action(std::move(action))
{
    widget->installEventFilter(this);
}

bool KeyReleaseBinding::eventFilter(QObject*, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (!m_keys.contains(key->key()) || key->isAutoRepeat())
            break;
        if (event->type() == QEvent::KeyPress) {
            m_pressed = true;
        } else if (m_pressed) {
            m_pressed = false;
            m_action();
        }
        break;
    }
    case QEvent::FocusOut:
        m_pressed = false;
        break;
    default:
        break;
    }
    return false;
}

} // namespace kw
