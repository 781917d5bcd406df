#pragma once

#include "shell/programwindow.h"

#include <QString>
#include <memory>

namespace kw {

class DlgPrinter;
class FleetOrganizer;
class FrmFleetOrganizer;
class RecentFiles;
class UserPrompts;
class WindowHost;

// What the program hands the Fleet Organizer when it makes it.
struct FleetWindowParts {
    WindowHost& host;
    UserPrompts& prompts;     // the organizer's messages and file dialogs
    DlgPrinter& printSetup;   // the program's one print setup
    RecentFiles& recentFiles; // the recent fleets list
    QString programFolder;
    QString pictureFolder;    // where the cards' pictures are kept for the run
    bool smallScreen = false;
};

// The one Fleet Organizer of the run, window and controller, as the shell sees it: made at
// start-up and never shown by itself. A hidden organizer is an unloaded one: its next showing
// starts from an empty fleet.
class FleetWindow : public ProgramWindow {
public:
    explicit FleetWindow(const FleetWindowParts& parts);
    ~FleetWindow() override;

    FrmFleetOrganizer& form() const { return *m_form; }
    FleetOrganizer& organizer() const { return *m_organizer; }

    void showWindow() override;
    // OpenFleet: a missing or broken fleet is reported, and the organizer shown all the same.
    void openFile(const QString& path) override;
    bool isWindowVisible() const override;
    void unloadByProgram() override;

private:
    void loadIfUnloaded();
    void bringUp();

    std::unique_ptr<FleetOrganizer> m_organizer;
    std::unique_ptr<FrmFleetOrganizer> m_form;
    bool m_smallScreen;
};

} // namespace kw
