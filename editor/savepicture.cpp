#include "editor/shipeditor.h"

#include "common/changenotifier.h"
#include "common/userprompts.h"
#include "display/sheetpainter.h"
#include "storage/filesaving.h"
#include "storage/programfolder.h"

#include <QBuffer>
#include <QDir>

namespace kw {

namespace {
const QString kPlaceAllMessage = QStringLiteral("You must place all systems into the Ship's System Display");
}

std::optional<QImage> ShipEditor::composeSheet()
{
    if (!m_display.allPlaced()) {
        m_prompts.tell(kPlaceAllMessage);
        return std::nullopt;
    }
    return composeRecordSheet(m_display, shownLinkLines());
}

std::optional<QString> ShipEditor::choosePictureTarget()
{
    const PromptAnswer where = m_prompts.ask({QStringLiteral("Save according to side (yes) or in another directory (no)?"),
                                              QStringLiteral("Save Ship Picture"), PromptButtons::YesNoCancel,
                                              PromptIcon::Question});
    if (where == PromptAnswer::Cancel)
        return std::nullopt;
    if (where == PromptAnswer::Yes) {
        const std::optional<QString> folder = sideTargetFolder();
        if (!folder)
            return std::nullopt;
        return QDir::toNativeSeparators(*folder + QLatin1Char('/') + m_fields.name + QStringLiteral(".bmp"));
    }
    const std::optional<QString> chosen = m_prompts.saveFileName(
        {QString(), QDir::toNativeSeparators(shipsFolder(m_programFolder) + QLatin1Char('/')),
         QStringLiteral("Windows Bitmap (*.bmp)|*.bmp|"), m_fields.name + QStringLiteral(".bmp")});
    if (!chosen || chosen->isEmpty())
        return std::nullopt;
    return chosen;
}

bool ShipEditor::SavePic(const std::optional<QString>& target)
{
    ChangeScope scope(*this);
    if (!m_display.allPlaced()) {
        m_prompts.tell(kPlaceAllMessage);
        return false;
    }
    // An empty target names no file, so it asks as no target does.
    const bool given = target && !target->isEmpty();
    const std::optional<QString> path = given ? target : choosePictureTarget();
    if (!path)
        return false;
    const QImage sheet = composeRecordSheet(m_display, shownLinkLines());
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QString error;
    const bool written = sheet.save(&buffer, "BMP") && saveFileAtomically(*path, bytes, &error);
    // Composing clears the display's drawing: the grid comes back, the caption only with the
    // next redraw.
    m_display.hull.gridShown = true;
    m_display.hull.streamliningCaption.clear();
    if (!written) {
        m_prompts.tell(QStringLiteral("The ship picture could not be saved as %1:\r\n%2")
                           .arg(QDir::toNativeSeparators(*path), error.isEmpty() ? QStringLiteral("the picture could not be encoded") : error),
                       PromptIcon::Exclamation);
        return false;
    }
    if (!given)
        m_prompts.tell(QStringLiteral("Ship Saved as ") + *path);
    return true;
}

} // namespace kw
