// shellart: draws the program's splash, menu header and application icons.
//
//   shellart OUTDIR     writes OUTDIR/splash.bmp, header.png and icon-SIZE.png
// The splash is a plain bitmap: it is on the way to the first window, where decoding a PNG
// costs more than reading 400 KB that are already in memory.

#include "art.h"

#include <QDir>
#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() != 1 || args[0].startsWith(QLatin1Char('-'))) {
        QTextStream(stderr) << "usage: shellart OUTDIR\n";
        return 2;
    }
    const QDir out(args[0]);
    if (!QDir().mkpath(out.path())) {
        QTextStream(stderr) << "shellart: cannot create " << out.path() << '\n';
        return 1;
    }
    QList<std::pair<QString, QImage>> pictures{{QStringLiteral("splash.bmp"), art::splash()},
                                               {QStringLiteral("header.png"), art::header()}};
    for (int size : {16, 32, 48, 64, 128, 256})
        pictures.append({QStringLiteral("icon-%1.png").arg(size), art::icon(size)});
    for (const auto& [name, image] : pictures) {
        if (!image.save(out.filePath(name))) {
            QTextStream(stderr) << "shellart: cannot write " << out.filePath(name) << '\n';
            return 1;
        }
    }
    return 0;
}
