#pragma once

#include <QString>

namespace kw {

// What the shell needs of each of the two main windows, the ship editor and the Fleet
// Organizer. There is one of each for the whole run; leaving one for the main menu unloads it,
// and its next showing loads it afresh.
class ProgramWindow {
public:
    virtual ~ProgramWindow() = default;

    // Shows the window, loading it first when it is not loaded.
    virtual void showWindow() = 0;
    // The window's own opening of a file (OpenShip for the editor, OpenFleet for the
    // organizer), which shows the window whether the file was read or not.
    virtual void openFile(const QString& path) = 0;
    virtual bool isWindowVisible() const = 0;
    // Unloads the window without asking anything: the program is ending.
    virtual void unloadByProgram() = 0;
};

} // namespace kw
