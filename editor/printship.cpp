#include "editor/shipeditor.h"

#include "common/changenotifier.h"
#include "common/userprompts.h"
#include "editor/shipprinter.h"
#include "model/numbertext.h"
#include "storage/programfolder.h"

#include <QDir>
#include <QFile>

namespace kw {

namespace {

// The sheet is drawn at 96 pixels to the inch; printed at its own size it keeps that scale.
constexpr double kMmPerPixel = 25.4 / 96.0;
constexpr double kPageMarginMm = 25;

QSizeF pictureSizeMm(const QImage& picture)
{
    return {picture.width() * kMmPerPixel, picture.height() * kMmPerPixel};
}

} // namespace

bool ShipEditor::PrintShip(ShipPrinter& printer)
{
    ChangeScope scope(*this);
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
    m_pictureTargetPath = path;
    m_printingShip = true;
    bool printed = false;
    if (SavePic()) {
        const QImage picture(path, "BMP");
        QString error;
        if (picture.isNull()) {
            m_prompts.tell(QStringLiteral("The ship diagram could not be printed: the print file %1 could not be read.")
                               .arg(QDir::toNativeSeparators(path)),
                           PromptIcon::Exclamation);
        } else if (printer.printPicture(picture, QPointF(kPageMarginMm, kPageMarginMm), pictureSizeMm(picture), &error)) {
            printed = true;
        } else {
            m_prompts.tell(QStringLiteral("The ship diagram could not be printed:\r\n") + error, PromptIcon::Exclamation);
        }
    }
    QFile::remove(path);
    m_pictureTargetPath.clear();
    m_printingShip = false;
    return printed;
}

} // namespace kw
