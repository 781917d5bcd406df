#include "cli/commands.h"

#include "cli/cliprompts.h"
#include "editor/shipeditor.h"
#include "storage/filesaving.h"
#include "storage/programfolder.h"

#include <QBuffer>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextStream>

namespace kw {

namespace {

// The printed sheet: the picture at its own size, 25 mm from the left and top of an A4 page.
bool writePdf(const QImage& sheet, QByteArray& bytes)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    pdf.setResolution(1200);
    pdf.setTitle(QStringLiteral("Record sheet"));
    QPainter painter;
    if (!painter.begin(&pdf))
        return false;
    const double dotsPerMm = pdf.resolution() / 25.4;
    const double pixelMm = 25.4 / 96.0;
    const QRectF target(25 * dotsPerMm, 25 * dotsPerMm, sheet.width() * pixelMm * dotsPerMm,
                        sheet.height() * pixelMm * dotsPerMm);
    painter.drawImage(target, sheet);
    return painter.end();
}

} // namespace

int runRender(const QStringList& args)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Compose a ship's record sheet as \"Save Ship Picture\" does and write "
                                                    "it as a bitmap (.bmp), a PNG (.png) or an A4 page (.pdf)."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("SHIP.shp"), QStringLiteral("The ship file; every icon must be placed."));
    parser.addPositionalArgument(QStringLiteral("OUT"), QStringLiteral("OUT.bmp, OUT.png or OUT.pdf."));
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (!parser.parse(QStringList{QStringLiteral("keelwright-cli render")} + args)) {
        err << "error: " << parser.errorText() << "\n\n" << parser.helpText();
        return 2;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        out << parser.helpText();
        return 0;
    }
    const QStringList files = parser.positionalArguments();
    const QString suffix = files.size() == 2 ? QFileInfo(files[1]).suffix().toLower() : QString();
    if (files.size() != 2 || (suffix != QLatin1String("bmp") && suffix != QLatin1String("png") && suffix != QLatin1String("pdf"))) {
        err << "error: expected SHIP.shp and OUT.bmp, OUT.png or OUT.pdf\n\n" << parser.helpText();
        return 2;
    }

    CliPrompts prompts;
    ShipEditor editor(prompts, resolveProgramFolder());
    editor.Load();
    prompts.messages.clear();
    if (!editor.OpenShip(files[0])) {
        err << "error: " << files[0] << ": " << prompts.messages.value(prompts.messages.size() - 1).replace(QStringLiteral("\r\n"), QStringLiteral(" "))
            << Qt::endl;
        return 1;
    }
    prompts.messages.clear();
    const std::optional<QImage> sheet = editor.composeSheet();
    if (!sheet) {
        err << "error: " << files[0] << ": " << prompts.messages.value(0).replace(QStringLiteral("\r\n"), QStringLiteral(" "))
            << Qt::endl;
        return 1;
    }
    QByteArray bytes;
    bool encoded = false;
    if (suffix == QLatin1String("pdf")) {
        encoded = writePdf(*sheet, bytes);
    } else {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        encoded = sheet->save(&buffer, suffix == QLatin1String("bmp") ? "BMP" : "PNG");
    }
    QString error;
    if (!encoded || !saveFileAtomically(files[1], bytes, &error)) {
        err << "error: " << files[1] << ": " << (error.isEmpty() ? QStringLiteral("the picture could not be encoded") : error)
            << Qt::endl;
        return 1;
    }
    return 0;
}

} // namespace kw
