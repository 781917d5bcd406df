#pragma once

#include "shell/programwindow.h"

#include <QMainWindow>

class QLabel;

namespace kw {

class WindowHost;

// Stands in for the Fleet Organizer until its window joins the program: it carries the
// organizer's caption and the File menu items that lead back to the menu and out of the
// program, and names the fleet it was asked to open.
class FleetPlaceholder : public QMainWindow, public ProgramWindow {
    Q_OBJECT

public:
    FleetPlaceholder(WindowHost& host, bool smallScreen, QWidget* parent = nullptr);

    void showWindow() override;
    void openFile(const QString& path) override;
    bool isWindowVisible() const override { return isVisible(); }
    void unloadByProgram() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void bringUp();

    WindowHost& m_host;
    bool m_smallScreen;
    bool m_programClose = false;
    QLabel* m_text = nullptr;
};

} // namespace kw
