#include "cli/commands.h"

#include "cli/clioutput.h"
#include "cli/cliprompts.h"
#include "cli/shipreport.h"
#include "editor/shipeditor.h"
#include "model/shipchoices.h"
#include "storage/programfolder.h"

#include <QCommandLineParser>
#include <QJsonDocument>

namespace kw {

namespace {

// Parses the arguments of a command with a fixed number of files.
int parse(QCommandLineParser& parser, const QString& command, const QStringList& args, qsizetype positionals)
{
    return parseCommand(parser, command, args, positionals, positionals);
}

const QStringList& typeKeywords()
{
    static const QStringList words{QStringLiteral("military"), QStringLiteral("merchant"), QStringLiteral("qship"),
                                   QStringLiteral("military-station"), QStringLiteral("civilian-station")};
    return words;
}

const QCommandLineOption typeOption(QStringLiteral("type"),
                                    QStringLiteral("Choose the ship type first: military, merchant, qship, "
                                                   "military-station or civilian-station."),
                                    QStringLiteral("TYPE"));
const QCommandLineOption jsonOption(QStringLiteral("json"), QStringLiteral("Print one JSON object."));

// An editor with the ship open exactly as the editor window opens it.
struct OpenedShip {
    CliPrompts prompts;
    ShipEditor editor{prompts, resolveProgramFolder()};
};

int openShip(OpenedShip& opened, const QString& path)
{
    opened.editor.Load();
    opened.prompts.messages.clear();
    if (!opened.editor.OpenShip(path)) {
        const QString why = opened.prompts.messages.isEmpty() ? QStringLiteral("cannot open") : opened.prompts.messages.last();
        return refuse(QStringLiteral("%1: %2").arg(path, QString(why).replace(QStringLiteral("\r\n"), QStringLiteral(" "))));
    }
    return -1;
}

// --type as a click on the ship-type list, then "UpDate Stats".
int applyType(QCommandLineParser& parser, ShipEditor& editor)
{
    if (!parser.isSet(typeOption))
        return -1;
    const qsizetype type = typeKeywords().indexOf(parser.value(typeOption).toLower());
    if (type < 0)
        return usage(parser, QStringLiteral("unknown ship type \"%1\"").arg(parser.value(typeOption)));
    editor.chooseShipType(static_cast<int>(type));
    editor.UpdateShip(false);
    return -1;
}

int report(const ShipEditor& editor, bool json)
{
    if (json)
        cliOut() << QJsonDocument(shipReportJson(editor)).toJson(QJsonDocument::Indented) << Qt::flush;
    else
        cliOut() << shipReportTable(editor) << Qt::flush;
    return 0;
}

} // namespace

int runStats(const QStringList& args)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Open a ship file and show its figures."));
    parser.addPositionalArgument(QStringLiteral("SHIP.shp"), QStringLiteral("The ship file."));
    const QCommandLineOption displayOption(QStringLiteral("display"),
                                           QStringLiteral("Press \"UpDate Stats and Display Ship\": lay out the "
                                                          "damage track and rebuild the icons."));
    parser.addOptions({typeOption, displayOption, jsonOption});
    if (const int code = parse(parser, QStringLiteral("stats"), args, 1); code >= 0)
        return code;
    OpenedShip opened;
    if (const int code = openShip(opened, parser.positionalArguments().first()); code >= 0)
        return code;
    if (const int code = applyType(parser, opened.editor); code >= 0)
        return code;
    if (parser.isSet(displayOption))
        opened.editor.UpdateShip(true);
    return report(opened.editor, parser.isSet(jsonOption));
}

int runAutoCalc(const QStringList& args)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Open a ship file and find the smallest mass that fits it."));
    parser.addPositionalArgument(QStringLiteral("SHIP.shp"), QStringLiteral("The ship file."));
    parser.addOptions({typeOption, jsonOption});
    if (const int code = parse(parser, QStringLiteral("autocalc"), args, 1); code >= 0)
        return code;
    OpenedShip opened;
    if (const int code = openShip(opened, parser.positionalArguments().first()); code >= 0)
        return code;
    if (opened.editor.Ship_Locked())
        return refuse(QStringLiteral("%1: the design is locked").arg(parser.positionalArguments().first()));
    if (const int code = applyType(parser, opened.editor); code >= 0)
        return code;
    opened.editor.AutoCalc();
    return report(opened.editor, parser.isSet(jsonOption));
}

int runResave(const QStringList& args)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Open a ship file and write it again with the ship writer."));
    parser.addPositionalArgument(QStringLiteral("SHIP.shp"), QStringLiteral("The ship file."));
    parser.addPositionalArgument(QStringLiteral("OUT.shp"), QStringLiteral("Where to write it."));
    if (const int code = parse(parser, QStringLiteral("resave"), args, 2); code >= 0)
        return code;
    OpenedShip opened;
    if (const int code = openShip(opened, parser.positionalArguments().at(0)); code >= 0)
        return code;
    QString error;
    const QString target = parser.positionalArguments().at(1);
    if (!opened.editor.exportShipFile(target, opened.editor.Ship_Locked(), &error))
        return refuse(QStringLiteral("%1: %2").arg(target, error));
    return 0;
}

} // namespace kw
