#pragma once

#include <QStringList>

namespace kw {

// Each subcommand takes its own arguments (without the subcommand's name) and returns the
// process exit code: 0 done, 1 refused input, 2 usage error.
int runStats(const QStringList& args);
int runAutoCalc(const QStringList& args);
int runResave(const QStringList& args);
int runRender(const QStringList& args);
int runFleet(const QStringList& args);
int runFleetNew(const QStringList& args);

} // namespace kw
