#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace kw {

// Where the command line sends the user once the splash has gone.
struct CommandLineAction {
    enum class Target { MainMenu, Ship, Fleet };
    Target target = Target::MainMenu;
    QString path;

    friend bool operator==(const CommandLineAction&, const CommandLineAction&) = default;
};

// The argument string as the file associations write it: a double quote, "/S" or "/F" in any
// case, one separator, the path, a double quote. The first and last characters are dropped
// unseen; anything that then does not start with a switch, or is too short to hold one and its
// separator, leads to the main menu.
CommandLineAction ProcessCommandLine(const QString& argumentString);

// The same for arguments the shell has already split and unquoted. Joined by one blank, a
// string wrapped in double quotes is read as above. Otherwise "/S PATH" or "/F PATH" (one
// argument or two) opens PATH, and a single argument naming an existing .shp or .flt file (what
// file managers pass) opens that file; everything else leads to the main menu.
CommandLineAction commandLineAction(const QStringList& arguments,
                                    const std::function<bool(const QString&)>& isFile);

} // namespace kw
