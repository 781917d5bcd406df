#include "shell/ui/editorwindow.h"

#include "editor/shipeditor.h"
#include "editor/ui/frmkeelwright.h"
#include "shell/ui/windowhost.h"

namespace kw {

EditorWindow::EditorWindow(FrmKeelwright& window, WindowHost& host, bool smallScreen)
    : m_window(window), m_smallScreen(smallScreen)
{
    connectToHost(window, host);
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
    bringToFront(m_window);
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
