// picturegen: draws the system pictures of the record sheet.
//
//   picturegen OUTDIR          writes OUTDIR/<Name>.bmp for every picture
//   picturegen --sheet OUT.png writes a 4x contact sheet for looking them over

#include "bmpwriter.h"
#include "contactsheet.h"
#include "pictures.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QStringList>
#include <QTextStream>

#include <exception>

namespace {

int fail(const QString &message)
{
    QTextStream(stderr) << "picturegen: " << message << '\n';
    return 1;
}

int writePictures(const QString &outDir)
{
    if (!pg::middlePiecesRepeat())
        return fail(QStringLiteral("magazine or mine layer middle pieces do not repeat seamlessly"));
    if (!QDir().mkpath(outDir))
        return fail(QStringLiteral("cannot create %1").arg(outDir));
    const QDir dir(outDir);
    for (const pg::Picture &pic : pg::pictures()) {
        const pg::Canvas canvas = pg::render(pic);
        const QString wrong = pg::problems(pic, canvas);
        if (!wrong.isEmpty())
            return fail(QStringLiteral("%1: %2").arg(QLatin1String(pic.name), wrong));
        const QString path = dir.filePath(QLatin1String(pic.name) + QStringLiteral(".bmp"));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return fail(QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
        const QByteArray bytes = pg::bmp24(canvas.image());
        if (file.write(bytes) != bytes.size() || !file.flush())
            return fail(QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
    }
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);

    try {
        if (args.size() == 2 && args[0] == QLatin1String("--sheet")) {
            if (!pg::contactSheet().save(args[1], "PNG"))
                return fail(QStringLiteral("cannot write %1").arg(args[1]));
            return 0;
        }
        if (args.size() == 1 && !args[0].startsWith(QLatin1Char('-')))
            return writePictures(args[0]);
    } catch (const std::exception &e) {
        return fail(QString::fromLocal8Bit(e.what()));
    }
    return fail(QStringLiteral("usage: picturegen OUTDIR | picturegen --sheet OUT.png"));
}
