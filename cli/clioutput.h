#pragma once

#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <QTextStream>

namespace kw {

QTextStream& cliOut();
QTextStream& cliErr();

// A refused input: one "error: " line on stderr; returns the exit code 1.
int refuse(const QString& message);
// A usage error: the message and the command's help on stderr; returns the exit code 2.
int usage(QCommandLineParser& parser, const QString& message);
// Parses a command's arguments; returns -1 to go on, otherwise the exit code (help shown: 0).
// The command takes at least minFiles and at most maxFiles file arguments.
int parseCommand(QCommandLineParser& parser, const QString& command, const QStringList& args, qsizetype minFiles,
                 qsizetype maxFiles);

} // namespace kw
