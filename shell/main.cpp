// The desktop program: the ship editor window over its controller.
#include "common/ui/dlgprinter.h"
#include "common/ui/qtuserprompts.h"
#include "display/sheetfonts.h"
#include "editor/shipeditor.h"
#include "editor/ui/frmkeelwright.h"
#include "shell/endprogram.h"
#include "storage/defaultships.h"
#include "storage/programfolder.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Keelwright"));
    QApplication::setApplicationDisplayName(QStringLiteral("Starmarch Keelwright"));
    kw::loadSheetFonts();

    const QString programFolder = kw::resolveProgramFolder();
    QString error;
    if (!kw::ensureShipsFolder(programFolder, &error)) {
        QMessageBox::warning(nullptr, QStringLiteral("Starmarch Keelwright"),
                             QStringLiteral("The ship folder could not be set up:\n%1").arg(error));
    }

    kw::QtUserPrompts prompts;
    // The one print setup of the program, lent to every window that prints.
    kw::DlgPrinter printSetup;
    kw::ShipEditor editor(prompts, programFolder);
    kw::FrmKeelwright window(editor, prompts, printSetup);
    prompts.setOwner(&window);
    editor.Load();
    window.show();
    // A ship named on the command line opens at once; a missing one says so in the editor.
    const QStringList args = QApplication::arguments().mid(1);
    if (!args.isEmpty())
        editor.OpenShip(QDir::fromNativeSeparators(args.first()));
    const int code = QApplication::exec();
    kw::EndProgram(programFolder);
    return code;
}
