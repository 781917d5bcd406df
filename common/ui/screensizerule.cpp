#include "common/ui/screensizerule.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace kw {

ScreenSizeRule::ScreenSizeRule(QWidget* window) : QObject(window), m_window(window)
{
    window->installEventFilter(this);
}

void ScreenSizeRule::setSmallScreen(bool small)
{
    m_small = small;
    apply();
}

bool ScreenSizeRule::eventFilter(QObject* watched, QEvent* event)
{
    // Put right once the state change the user asked for has been carried out.
    if (watched == m_window && event->type() == QEvent::WindowStateChange)
        QTimer::singleShot(0, this, &ScreenSizeRule::apply);
    return false;
}

void ScreenSizeRule::apply()
{
    if (m_window->isMinimized())
        return;
    if (m_small && !m_window->isMaximized())
        m_window->showMaximized();
    else if (!m_small && m_window->isMaximized())
        m_window->showNormal();
}

} // namespace kw
