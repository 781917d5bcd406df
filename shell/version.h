#pragma once

#include <QString>

namespace kw {

// The program's version, set once in the build: major, minor and revision.
struct ProgramVersion {
    int major = 0;
    int minor = 0;
    int revision = 0;
};

ProgramVersion programVersion();

// "1.5.3": the form the settings keep, to notice a first run and a new version.
QString versionText(const ProgramVersion& version = programVersion());
// "Version 1.5": the splash and the main menu.
QString shortVersionLabel(const ProgramVersion& version = programVersion());
// "Version 1.5.3": the About box.
QString fullVersionLabel(const ProgramVersion& version = programVersion());

} // namespace kw
