#include "shell/ui/editorwindow.h"

#include "editor/shipeditor.h"
#include "editor/ui/frmkeelwright.h"
#include "shell/ui/windowhost.h"

namespace kw {

EditorWindow::EditorWindow(FrmKeelwright& window, WindowHost& host, bool smallScreen)
    : m_window(window), m_smallScreen(smallScreen)
{
    QObject::connect(&window, &FrmKeelwright::backToMenuRequested, &window, [&host] { host.backToMenu(); });
    QObject::connect(&window, &FrmKeelwright::preferencesRequested, &window,
                     [&host, &window] { host.showPreferences(&window); });
    QObject::connect(&window, &FrmKeelwright::aboutRequested, &window, [&host, &window] { host.showAbout(&window); });
    // After the window has finished closing.
    QObject::connect(&window, &FrmKeelwright::programEndRequested, &window, [&host] { host.EndProgram(); },
                     Qt::QueuedConnection);
}

void EditorWindow::loadIfUnloaded()
{
    if (!m_window.isVisible())
        m_window.loadDesign();
}

void EditorWindow::bringUp()
{
    // On an 800 x 600 screen the editor is shown maximised, on larger ones never.
    m_window.setSmallScreen(m_smallScreen);
    m_window.show();
    m_window.raise();
    m_window.activateWindow();
}

void EditorWindow::showWindow()
{
    loadIfUnloaded();
    bringUp();
}

void EditorWindow::openFile(const QString& path)
{
    loadIfUnloaded();
    m_window.editor().OpenShip(path);
    bringUp();
}

bool EditorWindow::isWindowVisible() const
{
    return m_window.isVisible();
}

void EditorWindow::unloadByProgram()
{
    m_window.closeByProgram();
}

} // namespace kw
