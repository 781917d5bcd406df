#pragma once

#include <QList>
#include <QObject>
#include <functional>

class QWidget;

namespace kw {

// An action bound to keys let go in a widget, as a window's key-up handlers are. Only a release
// whose press the widget had too counts, so the Enter that closed a message box does not act
// again in the list behind it; a key held down acts once. Bound to a window, it hears the keys
// its controls leave to it.
class KeyReleaseBinding : public QObject {
    Q_OBJECT

public:
    KeyReleaseBinding(QWidget* widget, QList<int> keys, std::function<void()> action);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QList<int> m_keys;
    std::function<void()> m_action;
    bool m_pressed = false;
};

} // namespace kw
