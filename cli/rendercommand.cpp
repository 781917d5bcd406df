#include "cli/commands.h"

#include "cli/cliprompts.h"
#include "common/picturefile.h"
#include "editor/recordsheetpage.h"
#include "editor/shipeditor.h"
#include "storage/programfolder.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QTextStream>

namespace kw {

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
    const PictureFormat format = pictureFormatOf(files[1]);
    QString error;
    if (format == PictureFormat::Pdf ? !writeRecordSheetPdf(*sheet, files[1], QStringLiteral("Record sheet"), &error)
                                     : !savePictureFile(*sheet, files[1], format, &error)) {
        err << "error: " << files[1] << ": " << error.replace(QStringLiteral("\r\n"), QStringLiteral(" ")) << Qt::endl;
        return 1;
    }
    return 0;
}

} // namespace kw
