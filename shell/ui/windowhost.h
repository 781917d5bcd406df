#pragma once

#include <QObject>
#include <QWidget>

namespace kw {

// What the main windows ask of the program around them.
class WindowHost {
public:
    virtual ~WindowHost() = default;
    // "Back to &Menu": the main menu comes up; the window then unloads itself.
    virtual void backToMenu() = 0;
    // The one way out of the program.
    virtual void EndProgram() = 0;
    // The preferences dialog and the About box, modal over the given window.
    virtual void showPreferences(QWidget* owner) = 0;
    virtual void showAbout(QWidget* owner) = 0;
};

// Hands a main window's requests to the host. Both main windows make the same four.
template <typename Window>
void connectToHost(Window& window, WindowHost& host)
{
    QObject::connect(&window, &Window::backToMenuRequested, &window, [&host] { host.backToMenu(); });
    QObject::connect(&window, &Window::preferencesRequested, &window, [&host, &window] { host.showPreferences(&window); });
    QObject::connect(&window, &Window::aboutRequested, &window, [&host, &window] { host.showAbout(&window); });
    // After the window has finished closing.
    QObject::connect(&window, &Window::programEndRequested, &window, [&host] { host.EndProgram(); },
                     Qt::QueuedConnection);
}

// A main window comes up in front of the others.
inline void bringToFront(QWidget& window)
{
    window.show();
    window.raise();
    window.activateWindow();
}

} // namespace kw
