#pragma once

#include "shell/programwindow.h"

#include <QString>
#include <memory>

namespace kw {

class DlgPrinter;
class RecentFiles;
class ShipEditor;
class UserPrompts;
class WindowHost;

// What the program hands the Fleet Organizer's window when it makes it.
struct FleetWindowParts {
    WindowHost& host;
    UserPrompts& prompts;        // the organizer's messages and file dialogs
    DlgPrinter& printSetup;      // the program's one print setup
    ShipEditor& shipEditor;      // lent for the ships' pictures
    RecentFiles& recentFiles;    // the recent fleets list
    QString programFolder;
    bool smallScreen = false;
};

// The one Fleet Organizer window of the run, made at start-up and never shown by itself.
std::unique_ptr<ProgramWindow> makeFleetWindow(const FleetWindowParts& parts);

} // namespace kw
