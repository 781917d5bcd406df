#include "cli/commands.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTextStream>
#include <cstdio>
#include <cstdlib>
#include <optional>

namespace {

const char* const kHelp =
    "Usage: keelwright-cli COMMAND [OPTIONS] FILES\n"
    "\n"
    "Works on Starmarch ship designs and fleets without a window.\n"
    "\n"
    "Commands:\n"
    "  stats SHIP.shp [--type TYPE] [--display] [--json]   figures of a design\n"
    "  table PATH... [--csv]                                figures of many designs, a row each\n"
    "  autocalc SHIP.shp [--type TYPE] [--json]             find the mass that fits\n"
    "  resave SHIP.shp OUT.shp                              write a design again\n"
    "  render SHIP.shp OUT.bmp|OUT.png|OUT.pdf              the record sheet picture\n"
    "  fleet FLEET.flt [--json] [--save OUT.flt] [--pictures OUT.bmp|OUT.png|OUT.pdf]\n"
    "                                                       open a fleet; save it, draw its sheets\n"
    "  fleet-new OUT.flt SHIP.shp... [--mass-limit N] [--points-limit N] [--ship-limit N] [--json]\n"
    "                                                       build and save a new fleet\n"
    "\n"
    "Run keelwright-cli COMMAND --help for a command's options.\n";

// The tool reports its own errors, one line each; the toolkit's notes about the machine
// (no runtime folder, no display) would only get in their way on stderr.
void quietToolkit(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtFatalMsg) {
        QTextStream(stderr) << "error: " << message << Qt::endl;
        std::abort();
    }
}

} // namespace

int main(int argc, char** argv)
{
    qInstallMessageHandler(quietToolkit);
    // No display is needed: the record sheet is painted off screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Without a runtime folder the toolkit makes one in the temp folder and leaves it there; the
    // tool writes nothing but its outputs, so it lends one of its own for the run.
    std::optional<QTemporaryDir> runtime;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        runtime.emplace();
        if (runtime->isValid())
            qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime->path()));
    }
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("Keelwright"));

    QStringList args = QCoreApplication::arguments().mid(1);
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (args.isEmpty()) {
        err << kHelp;
        return 2;
    }
    const QString command = args.takeFirst();
    if (command == QLatin1String("--help") || command == QLatin1String("-h") || command == QLatin1String("help")) {
        out << kHelp;
        return 0;
    }
    if (command == QLatin1String("stats"))
        return kw::runStats(args);
    if (command == QLatin1String("table"))
        return kw::runTable(args);
    if (command == QLatin1String("autocalc"))
        return kw::runAutoCalc(args);
    if (command == QLatin1String("resave"))
        return kw::runResave(args);
    if (command == QLatin1String("render"))
        return kw::runRender(args);
    if (command == QLatin1String("fleet"))
        return kw::runFleet(args);
    if (command == QLatin1String("fleet-new"))
        return kw::runFleetNew(args);
    err << "error: unknown command \"" << command << "\"\n\n" << kHelp;
    return 2;
}
