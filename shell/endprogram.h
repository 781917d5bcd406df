#pragma once

#include <QString>

namespace kw {

class ScratchFolder;

// The scratch files' part of the program's end: this run's scratch folder goes with everything
// in it, then "temp" when nothing is left in it (printing a ship removes its own file but may
// leave the folder it made). A "temp" with anything else in it may be the user's own, or another
// running copy's, and stays. Every way out of the program comes through here once.
void discardScratchFiles(ScratchFolder& scratch, const QString& programFolder);

} // namespace kw
