#include "editor/shipeditor.h"

#include "common/changenotifier.h"
#include "common/picturefile.h"
#include "common/userprompts.h"
#include "display/sheetpainter.h"
#include "editor/recordsheetpage.h"
#include "model/fieldchecks.h"
#include "model/numbertext.h"
#include "storage/programfolder.h"

#include <QDir>

namespace kw {

bool ShipEditor::checkSheetReady()
{
    // Icons made before the design last changed would draw a removed weapon and leave out a new
    // one: placing them cannot mend that, only a full update can.
    if (!iconsMatchDesign()) {
        m_prompts.tell(QStringLiteral("The System Display no longer matches the design.\r\n"
                                      "Press UpDate Stats and Display Ship and place the systems again."));
        return false;
    }
    if (!m_display.allPlaced()) {
        m_prompts.tell(QStringLiteral("You must place all systems into the Ship's System Display"));
        return false;
    }
    return true;
}

std::optional<QImage> ShipEditor::composeSheet()
{
    if (!checkSheetReady())
        return std::nullopt;
    return composeRecordSheet(m_display, shownLinkLines());
}

std::optional<QString> ShipEditor::choosePictureTarget(bool& bySide)
{
    bySide = false;
    const PromptAnswer where = m_prompts.ask({QStringLiteral("Save according to side (yes) or in another directory (no)?"),
                                              QStringLiteral("Save Ship Picture"), PromptButtons::YesNoCancel,
                                              PromptIcon::Question});
    if (where == PromptAnswer::Cancel)
        return std::nullopt;
    if (where == PromptAnswer::Yes) {
        // The picture is named after the ship, so the name must be one a file can have.
        const QString name = trimSpaces(m_fields.name);
        if (!isValidName(name)) {
            m_prompts.tell(invalidShipNameMessage());
            return std::nullopt;
        }
        const std::optional<QString> folder = sideTargetFolder();
        if (!folder)
            return std::nullopt;
        bySide = true;
        return QDir::toNativeSeparators(*folder + QLatin1Char('/') + name + QStringLiteral(".bmp"));
    }
    const std::optional<QString> chosen = m_prompts.saveFileName(
        {QString(), QDir::toNativeSeparators(shipsFolder(m_programFolder) + QLatin1Char('/')),
         pictureFilter(), trimSpaces(m_fields.name) + QStringLiteral(".bmp")});
    if (!chosen || chosen->isEmpty())
        return std::nullopt;
    return withPictureSuffix(*chosen);
}

bool ShipEditor::SavePic(const std::optional<QString>& target)
{
    ChangeScope scope(*this);
    if (!checkSheetReady())
        return false;
    // An empty target names no file, so it asks as no target does.
    const bool given = target && !target->isEmpty();
    bool bySide = false;
    const std::optional<QString> path = given ? target : choosePictureTarget(bySide);
    if (!path || (bySide && !makeSideFolder(*path)))
        return false;
    const QImage sheet = composeRecordSheet(m_display, shownLinkLines());
    // The side's picture and the ones made for printing and for fleets stay bitmaps; a name the
    // user chose says what it wants by its extension.
    const PictureFormat format = given || bySide ? PictureFormat::Bitmap : pictureFormatOf(*path);
    QString error;
    const bool written =
        format == PictureFormat::Pdf
            ? writeRecordSheetPdf(sheet, *path, trimSpaces(m_fields.name), &error)
            : savePictureFile(sheet, *path, format, &error);
    // Composing clears the display's drawing: the grid comes back, the caption only with the
    // next redraw.
    m_display.hull.gridShown = true;
    m_display.hull.streamliningCaption.clear();
    if (!written) {
        m_prompts.tell(format == PictureFormat::Pdf
                           ? error
                           : QStringLiteral("The ship picture could not be saved as %1:\r\n%2").arg(QDir::toNativeSeparators(*path), error),
                       PromptIcon::Exclamation);
        return false;
    }
    if (!given)
        m_prompts.tell(QStringLiteral("Ship Saved as ") + *path);
    return true;
}

} // namespace kw
