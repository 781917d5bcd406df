// The roster and the orders sheet: printing and the two pictures.
#include "fleet/fleetorganizer.h"

#include "common/pageprinter.h"
#include "common/pdfdocument.h"
#include "common/picturefile.h"
#include "common/userprompts.h"

#include <QDir>
#include <QFileInfo>

namespace kw {

namespace {

// Both pages lie this far from the paper's left and top edges.
constexpr double kPageMarginMm = 15;

} // namespace

FleetSheets FleetOrganizer::composeSheets() const
{
    return composeFleetSheets(m_fleet.cards);
}

QString FleetOrganizer::documentName() const
{
    return m_fleetPath.isEmpty() ? QStringLiteral("New Fleet") : QFileInfo(m_fleetPath).completeBaseName();
}

PrintDocument FleetOrganizer::printDocument() const
{
    const FleetSheets sheets = composeSheets();
    const QPointF margin(kPageMarginMm, kPageMarginMm);
    return {PageOrientation::Landscape,
            {{sheets.roster, margin, paperSizeMm(sheets.roster)}, {sheets.orders, margin, paperSizeMm(sheets.orders)}}};
}

bool FleetOrganizer::PrintFleet(PagePrinter& printer)
{
    ChangeScope scope(*this);
    if (!m_fleet.hasShips || !printer.setup(documentName()))
        return false;
    QString error;
    if (!printer.print(printDocument(), &error)) {
        m_prompts.tell(QStringLiteral("The fleet could not be printed:\r\n") + error, PromptIcon::Exclamation);
        return false;
    }
    return true;
}

bool FleetOrganizer::writeFleetPictures(const QString& path, QString* error) const
{
    const PictureFormat format = pictureFormatOf(path);
    if (format == PictureFormat::Pdf)
        return writePdfDocument(printDocument(), path,
                                {documentName(), QPageSize(QPageSize::A4), QPageLayout::Landscape, 600}, error);
    const FleetSheets sheets = composeSheets();
    const QFileInfo roster(path);
    const QString suffix = roster.suffix().isEmpty() ? QString() : QLatin1Char('.') + roster.suffix();
    const QString ordersPath = path.chopped(suffix.size()) + QStringLiteral(" Orders Sheet") + suffix;
    const std::pair<const QImage*, QString> pictures[] = {{&sheets.roster, path}, {&sheets.orders, ordersPath}};
    for (const auto& [picture, file] : pictures) {
        QString why;
        if (savePictureFile(*picture, file, format, &why))
            continue;
        *error = QStringLiteral("The picture %1 could not be saved:\r\n%2").arg(QDir::toNativeSeparators(file), why);
        return false;
    }
    return true;
}

bool FleetOrganizer::SaveFleetPicture()
{
    ChangeScope scope(*this);
    if (!m_fleet.hasShips)
        return false;
    const std::optional<QString> chosen =
        m_prompts.saveFileName({QString(), dialogFolder(), pictureFilter(), QStringLiteral("New Fleet.bmp")});
    if (!chosen || chosen->isEmpty())
        return false;
    QString error;
    if (!writeFleetPictures(withPictureSuffix(*chosen), &error)) {
        m_prompts.tell(error, PromptIcon::Exclamation);
        return false;
    }
    return true;
}

} // namespace kw
