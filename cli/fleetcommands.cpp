#include "cli/commands.h"

#include "cli/clioutput.h"
#include "cli/cliprompts.h"
#include "cli/fleetreport.h"
#include "fleet/fleetorganizer.h"
#include "storage/fleetfile.h"
#include "storage/programfolder.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QJsonDocument>
#include <QTemporaryDir>

namespace kw {

namespace {

const QCommandLineOption jsonOption(QStringLiteral("json"), QStringLiteral("Print the fleet as one JSON object."));

// A freshly loaded organizer whose card pictures are made in a scratch folder of the command's
// own, gone when the command ends.
struct CliFleet {
    CliFleet() { organizer.Load(); }

    QTemporaryDir pictures;
    AnsweringPrompts prompts;
    FleetOrganizer organizer{prompts, resolveProgramFolder(), pictures.path()};
};

// The first line of a message, as the one line of "error: ".
QString firstLine(const QString& message)
{
    return message.section(QLatin1Char('\r'), 0, 0).section(QLatin1Char('\n'), 0, 0);
}

QString lastMessage(const CliFleet& fleet, const QString& otherwise)
{
    return fleet.prompts.messages.isEmpty() ? otherwise : firstLine(fleet.prompts.messages.last());
}

void printJson(const FleetOrganizer& organizer)
{
    cliOut() << QJsonDocument(fleetReportJson(organizer)).toJson(QJsonDocument::Indented) << Qt::flush;
}

// Saves as SaveFleet does with `path` as the save dialog's answer; 0 or the exit code 1.
int save(CliFleet& fleet, const QString& path)
{
    fleet.prompts.messages.clear();
    fleet.prompts.files = {path};
    if (fleet.organizer.SaveFleet())
        return 0;
    return refuse(lastMessage(fleet, QStringLiteral("the fleet was not saved")));
}

int writePictures(const FleetOrganizer& organizer, const QString& path)
{
    QString error;
    const bool written = organizer.writeFleetPictures(path, &error);
    return written ? 0 : refuse(firstLine(error));
}

bool isPictureName(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == QLatin1String("bmp") || suffix == QLatin1String("png") || suffix == QLatin1String("pdf");
}

} // namespace

int runFleet(const QStringList& args)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Open a fleet file as the Fleet Organizer opens it; optionally save "
                       "it again and write its roster and orders sheet."));
    parser.addPositionalArgument(QStringLiteral("FLEET.flt"), QStringLiteral("The fleet file."));
    const QCommandLineOption saveOption(QStringLiteral("save"),
                                        QStringLiteral("Save the fleet as \"Save Fleet\" does, as OUT.flt (with its "
                                                       "folder of ship files)."),
                                        QStringLiteral("OUT.flt"));
    const QCommandLineOption picturesOption(
        QStringLiteral("pictures"),
        QStringLiteral(
            "Write the roster as OUT and the orders sheet as \"OUT Orders Sheet\" (.bmp or .png), or both as "
            "two landscape A4 pages of one PDF (.pdf)."),
        QStringLiteral("OUT"));
    parser.addOptions({jsonOption, saveOption, picturesOption});
    if (const int code = parseCommand(parser, QStringLiteral("fleet"), args, 1, 1); code >= 0)
        return code;
    if (parser.isSet(picturesOption) && !isPictureName(parser.value(picturesOption)))
        return usage(parser, QStringLiteral("the pictures must be OUT.bmp, OUT.png or OUT.pdf"));

    CliFleet fleet;
    fleet.prompts.messages.clear();
    if (!fleet.organizer.OpenFleet(parser.positionalArguments().first()))
        return refuse(lastMessage(fleet, QStringLiteral("the fleet could not be opened")));
    const bool json = parser.isSet(jsonOption);
    if (const std::optional<QString> error = fleet.organizer.readingError()) {
        if (json)
            printJson(fleet.organizer);
        return refuse(firstLine(*error));
    }
    int code = 0;
    if (parser.isSet(saveOption))
        code = save(fleet, parser.value(saveOption));
    if (code == 0 && parser.isSet(picturesOption))
        code = writePictures(fleet.organizer, parser.value(picturesOption));
    if (json)
        printJson(fleet.organizer);
    return code;
}

int runFleetNew(const QStringList& args)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Build a new fleet of ship files as \"Open Other\" adds them and save "
                       "it as \"Save Fleet\" does."));
    parser.addPositionalArgument(QStringLiteral("OUT.flt"), QStringLiteral("The fleet file to write."));
    parser.addPositionalArgument(QStringLiteral("SHIP.shp"), QStringLiteral("The ship files, in fleet order."),
                                 QStringLiteral("SHIP.shp [SHIP.shp ...]"));
    const QList<std::pair<FleetLimit, QCommandLineOption>> limitOptions = {
        {FleetLimit::Mass,
         {QStringLiteral("mass-limit"), QStringLiteral("The fleet's mass limit."), QStringLiteral("N")}},
        {FleetLimit::Points,
         {QStringLiteral("points-limit"), QStringLiteral("The fleet's points (NPV) limit."), QStringLiteral("N")}},
        {FleetLimit::Ships, {QStringLiteral("ship-limit"), QStringLiteral("The most ships."), QStringLiteral("N")}},
    };
    for (const auto& [limit, option] : limitOptions)
        parser.addOption(option);
    parser.addOption(jsonOption);
    if (const int code = parseCommand(parser, QStringLiteral("fleet-new"), args, 2,
                                      std::numeric_limits<qsizetype>::max());
        code >= 0)
        return code;

    CliFleet fleet;
    for (const auto& [limit, option] : limitOptions) {
        if (!parser.isSet(option))
            continue;
        const QString text = parser.value(option);
        if (!roundedFleetNumber(text, std::numeric_limits<qint16>::min(), std::numeric_limits<qint16>::max()))
            return usage(parser,
                         QStringLiteral("--%1 takes a whole number from -32768 to 32767").arg(option.names().first()));
        fleet.organizer.enterLimit(limit, text);
    }
    QStringList files = parser.positionalArguments();
    const QString out = files.takeFirst();
    for (const QString& ship : files) {
        fleet.prompts.messages.clear();
        fleet.prompts.files = {ship};
        const int before = fleet.organizer.ShipCount();
        fleet.organizer.OpenOther();
        if (fleet.organizer.ShipCount() == before)
            return refuse(lastMessage(fleet, QStringLiteral("the ship was not added")));
    }
    const int code = save(fleet, out);
    if (parser.isSet(jsonOption))
        printJson(fleet.organizer);
    return code;
}

} // namespace kw
