#pragma once

#include "cli/cliprompts.h"
#include "editor/shipeditor.h"
#include "storage/programfolder.h"

#include <QString>

namespace kw {

// An editor with the ship open exactly as the editor window opens it.
struct OpenedShip {
    CliPrompts prompts;
    ShipEditor editor{prompts, resolveProgramFolder()};
};

// Opens the ship in the freshly loaded editor. Returns -1 when it is open; otherwise prints the
// "error: " line naming the path with the editor's message and returns the exit code 1.
int openShip(OpenedShip& opened, const QString& path);

} // namespace kw
