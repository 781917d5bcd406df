#pragma once

#include "shell/programwindow.h"

namespace kw {

class FrmKeelwright;
class WindowHost;

// The ship editor as the shell sees it. A hidden editor is an unloaded one: its next showing
// starts from a fresh design.
class EditorWindow : public ProgramWindow {
public:
    EditorWindow(FrmKeelwright& window, WindowHost& host, bool smallScreen);

    void showWindow() override;
    // OpenShip: "File not Found" for a missing file, and the editor shown all the same.
    void openFile(const QString& path) override;
    bool isWindowVisible() const override;
    void unloadByProgram() override;

private:
    void loadIfUnloaded();
    void bringUp();

    FrmKeelwright& m_window;
    bool m_smallScreen;
};

} // namespace kw
