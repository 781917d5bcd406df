#include "cli/clioutput.h"

#include <cstdio>

namespace kw {

QTextStream& cliErr()
{
    static QTextStream stream(stderr);
    return stream;
}

QTextStream& cliOut()
{
    static QTextStream stream(stdout);
    return stream;
}

int refuse(const QString& message)
{
    cliErr() << "error: " << message << Qt::endl;
    return 1;
}

int usage(QCommandLineParser& parser, const QString& message)
{
    cliErr() << "error: " << message << "\n\n" << parser.helpText() << Qt::flush;
    return 2;
}

int parseCommand(QCommandLineParser& parser, const QString& command, const QStringList& args, qsizetype minFiles,
                 qsizetype maxFiles)
{
    parser.addHelpOption();
    if (!parser.parse(QStringList{QStringLiteral("keelwright-cli ") + command} + args))
        return usage(parser, parser.errorText());
    if (parser.isSet(QStringLiteral("help"))) {
        cliOut() << parser.helpText() << Qt::flush;
        return 0;
    }
    const qsizetype files = parser.positionalArguments().size();
    if (files < minFiles || files > maxFiles)
        return usage(parser, minFiles == maxFiles
                                 ? QStringLiteral("expected %1 file argument(s)").arg(minFiles)
                                 : QStringLiteral("expected at least %1 file arguments").arg(minFiles));
    return -1;
}

} // namespace kw
