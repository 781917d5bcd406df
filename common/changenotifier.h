#pragma once

#include <QObject>

namespace kw {

// How a controller tells the window over it that what it shows may have changed. Every
// controller is a ChangeNotifier and opens a ChangeScope in each of its operations; the window
// connects to changed() and mirrors the controller's state.
class ChangeNotifier : public QObject {
    Q_OBJECT

public:
    explicit ChangeNotifier(QObject* parent = nullptr) : QObject(parent) {}

Q_SIGNALS:
    // Anything the window shows may have changed.
    void changed();

private:
    friend class ChangeScope;
    int m_openScopes = 0;
};

// Wraps one operation. Operations run others, so scopes nest: the window hears "changed" once,
// when the outermost scope ends, however the operation is left.
class ChangeScope {
public:
    explicit ChangeScope(ChangeNotifier& notifier) : m_notifier(notifier) { ++m_notifier.m_openScopes; }
    ~ChangeScope()
    {
        if (--m_notifier.m_openScopes == 0)
            Q_EMIT m_notifier.changed();
    }
    ChangeScope(const ChangeScope&) = delete;
    ChangeScope& operator=(const ChangeScope&) = delete;

private:
    ChangeNotifier& m_notifier;
};

} // namespace kw
