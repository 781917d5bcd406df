#include "editor/shipeditor.h"

#include "common/changenotifier.h"
#include "common/pageprinter.h"
#include "common/userprompts.h"
#include "editor/recordsheetpage.h"
#include "model/numbertext.h"
#include "storage/programfolder.h"

#include <QDir>
#include <QFile>

namespace kw {

bool ShipEditor::PrintShip(PagePrinter& printer)
{
    ChangeScope scope(*this);
    // Nothing to choose a printer for when the sheet cannot be printed.
    if (!checkSheetReady())
        return false;
    const QString name = trimSpaces(m_fields.name);
    if (!printer.setup(name.isEmpty() ? QStringLiteral("Ship Diagram") : name))
        return false;

    const QString folder = scratchFolder(m_programFolder);
    if (!QDir().mkpath(folder)) {
        m_prompts.tell(QStringLiteral("The ship diagram could not be printed: the folder %1 could not be created.")
                           .arg(QDir::toNativeSeparators(folder)),
                       PromptIcon::Exclamation);
        return false;
    }

    // The picture goes through a file, exactly as "Save Ship Picture" writes it, so the printed
    // sheet and the saved one cannot differ.
    const QString path = folder + QStringLiteral("/print.bmp");
    bool printed = false;
    if (SavePic(path)) {
        const QImage picture(path, "BMP");
        QString error;
        if (picture.isNull()) {
            m_prompts.tell(QStringLiteral("The ship diagram could not be printed: the print file %1 could not be read.")
                               .arg(QDir::toNativeSeparators(path)),
                           PromptIcon::Exclamation);
        } else if (printer.print(recordSheetDocument(picture), &error)) {
            printed = true;
        } else {
            m_prompts.tell(QStringLiteral("The ship diagram could not be printed:\r\n") + error, PromptIcon::Exclamation);
        }
    }
    QFile::remove(path);
    return printed;
}

} // namespace kw
