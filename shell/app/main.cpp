// The desktop program: the shell over the ship editor and the Fleet Organizer.
#include "shell/commandline.h"
#include "shell/ui/keelwrightshell.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QTimer>
#include <cstdlib>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

// What follows the program's own path on its command line. Windows hands over the string the
// file associations wrote; elsewhere the shell has split and unquoted it already.
kw::CommandLineAction commandLine()
{
#ifdef Q_OS_WIN
    const QString line = QString::fromWCharArray(GetCommandLineW());
    // The program's path comes first, in double quotes or up to the first blank.
    qsizetype at = 0;
    if (line.startsWith(QLatin1Char('"'))) {
        at = line.indexOf(QLatin1Char('"'), 1);
        at = at < 0 ? line.size() : at + 1;
    } else {
        at = line.indexOf(QLatin1Char(' '));
        at = at < 0 ? line.size() : at;
    }
    while (at < line.size() && line[at] == QLatin1Char(' '))
        ++at;
    return kw::ProcessCommandLine(line.mid(at));
#else
    QStringList arguments = QCoreApplication::arguments().mid(1);
    return kw::commandLineAction(arguments, [](const QString& path) { return QFileInfo(path).isFile(); });
#endif
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Keelwright"));
    // No display name: the platform would add it to every caption, and the captions are exact.
    // Every way out goes through EndProgram; no window closing ends the program by itself
    // (the splash goes before the first main window comes).
    QApplication::setQuitOnLastWindowClosed(false);

    kw::ShellEnvironment environment = kw::ShellEnvironment::forThisSystem();
    // For the start-up benchmark (bench/startup): gone as soon as the splash is on the screen.
    if (qEnvironmentVariableIsSet("KEELWRIGHT_EXIT_AT_SPLASH"))
        environment.splashShown = [] { std::_Exit(0); };
    kw::KeelwrightShell shell(std::move(environment));
    // The start-up runs inside the event loop, so that its messages and the first-run dialog
    // are drawn as any other window is; a screen that is too small ends the loop at once.
    QTimer::singleShot(0, &shell, [&shell] { shell.start(commandLine()); });
    return QApplication::exec();
}
