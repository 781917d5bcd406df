// printcheck: the C++ half of scripts/print-check.
//   printcheck print QUEUE SHIP.shp
//       prints the ship's record sheet on QUEUE through the editor and the print setup; on
//       success writes "sheet-mm WIDTH HEIGHT" (the picture's size) on standard output
//   printcheck page PAGE.pdf PAPER MARGIN_MM [WIDTH_MM HEIGHT_MM]
//       checks the page a print made
// Exit status 0 when everything holds, 1 when a check fails, 2 on a usage error.
#include "tools/printcheck/pagecheck.h"
#include "tools/printcheck/printthrough.h"

#include <QApplication>
#include <cstdio>

namespace {

int usage()
{
    std::fprintf(stderr, "usage: printcheck print QUEUE SHIP.shp\n"
                         "       printcheck page PAGE.pdf PAPER MARGIN_MM [WIDTH_MM HEIGHT_MM]\n");
    return 2;
}

int fail(const QString& what)
{
    std::fprintf(stderr, "printcheck: %s\n", qPrintable(what));
    return 1;
}

bool toNumber(const QString& text, double& value)
{
    bool ok = false;
    value = text.toDouble(&ok);
    return ok && value >= 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    const QString command = args.value(0);

    if (command == QLatin1String("print") && args.size() == 3) {
        QString problem;
        const std::optional<QSizeF> sheet = printcheck::printThrough(args[1], args[2], problem);
        if (!sheet)
            return fail(problem);
        std::printf("sheet-mm %.3f %.3f\n", sheet->width(), sheet->height());
        return 0;
    }
    if (command == QLatin1String("page") && (args.size() == 4 || args.size() == 6)) {
        printcheck::PageExpectation expected;
        expected.paper = args[2];
        double width = 0, height = 0;
        if (!toNumber(args[3], expected.marginMm))
            return usage();
        if (args.size() == 6) {
            if (!toNumber(args[4], width) || !toNumber(args[5], height))
                return usage();
            expected.pictureMm = QSizeF(width, height);
        }
        QStringList report;
        const QStringList failures = printcheck::checkPage(args[1], expected, report);
        for (const QString& line : report)
            std::printf("  %s\n", qPrintable(line));
        std::fflush(stdout);
        for (const QString& failure : failures)
            fail(failure);
        return failures.isEmpty() ? 0 : 1;
    }
    return usage();
}
