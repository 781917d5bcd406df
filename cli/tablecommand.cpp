#include "cli/clioutput.h"
#include "cli/commands.h"
#include "cli/shiptable.h"

#include <QCommandLineParser>
#include <limits>

namespace kw {

int runTable(const QStringList& args)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("List ship designs, one row each: file, name, class, side, tmf, npv, crew, hullPoints,\n"
                       "tmfAvailable, locked. Each file is opened as stats opens it and its figures are printed\n"
                       "as stats --json prints them.\n"
                       "\n"
                       "A PATH that is a folder gives every .shp file below it (any case, hidden ones too). Links\n"
                       "are followed, but each folder is walked once, so links that loop are not. \"file\" is the\n"
                       "path as named, or as found: the folder as named, \"/\", the names below it. Rows are sorted\n"
                       "by it, folder by folder, character by character (capitals first); a path met twice is\n"
                       "listed once.\n"
                       "\n"
                       "A file that cannot be opened, a folder that cannot be read, a named file whose name does\n"
                       "not end in .shp and a PATH that does not exist print an \"error: \" line naming them; the\n"
                       "others are still listed and the exit status is 1."));
    parser.addPositionalArgument(QStringLiteral("PATH"), QStringLiteral("A ship file, or a folder to search."),
                                 QStringLiteral("PATH..."));
    const QCommandLineOption csvOption(QStringLiteral("csv"),
                                       QStringLiteral("Write CSV (RFC 4180, UTF-8, CR LF line ends) with the header "
                                                      "row file,name,class,side,tmf,npv,crew,hullPoints,"
                                                      "tmfAvailable,locked; locked as true or false."));
    parser.addOption(csvOption);
    if (const int code = parseCommand(parser, QStringLiteral("table"), args, 1, std::numeric_limits<qsizetype>::max());
        code >= 0)
        return code;
    const ShipTable table = tableShips(parser.positionalArguments());
    cliOut() << (parser.isSet(csvOption) ? shipTableCsv(table) : shipTableText(table)) << Qt::flush;
    return table.refused > 0 ? 1 : 0;
}

} // namespace kw
