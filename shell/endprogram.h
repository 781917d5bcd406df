#pragma once

#include <QString>

namespace kw {

// The orderly end of every run: the scratch folder "temp" in the program folder goes, with
// everything in it.
void EndProgram(const QString& programFolder);

} // namespace kw
