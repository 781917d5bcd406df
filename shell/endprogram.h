#pragma once

#include <QString>

namespace kw {

// The scratch files' part of the program's end: what this run left in the program folder's
// scratch folder goes. Every way out of the program comes through here once.
//
// For now only an empty "temp" folder is removed (printing removes its own file): a "temp"
// folder with anything in it may be the user's own, or another running copy's, and is left.
void discardScratchFiles(const QString& programFolder);

} // namespace kw
