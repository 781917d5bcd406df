#include "editor/ui/qtshipprinter.h"

#include "common/userprompts.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>

namespace kw {

namespace {

// The page's painter works in device dots; the place is measured from the paper's corner.
void paintPicture(QPainter& painter, int resolution, const QImage& picture, const QRectF& placeMm)
{
    const double dotsPerMm = resolution / 25.4;
    painter.drawImage(QRectF(placeMm.topLeft() * dotsPerMm, placeMm.size() * dotsPerMm), picture);
}

QPageSize localPaper()
{
    return QPageSize(QLocale().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter : QPageSize::A4);
}

} // namespace

QtShipPrinter::QtShipPrinter(DlgPrinter& setupDialog, UserPrompts& prompts, const QString& pdfFolder)
    : m_dialog(setupDialog), m_prompts(prompts), m_pdfFolder(pdfFolder)
{
}

bool QtShipPrinter::setup(const QString& documentName)
{
    m_documentName = documentName;
    m_pdfPath.clear();
    if (m_dialog.showModal() == -1)
        return false;
    m_settings = m_dialog.currentPrinter();
    if (!m_settings.pdf)
        return true;
    const std::optional<QString> chosen = m_prompts.saveFileName(
        {QStringLiteral("Print to PDF File"), QDir::toNativeSeparators(m_pdfFolder + QLatin1Char('/')),
         QStringLiteral("PDF File (*.pdf)|*.pdf|"), documentName + QStringLiteral(".pdf")});
    if (!chosen || chosen->isEmpty())
        return false;
    m_pdfPath = *chosen;
    if (QFileInfo(m_pdfPath).suffix().isEmpty())
        m_pdfPath += QStringLiteral(".pdf");
    return true;
}

bool QtShipPrinter::printPicture(const QImage& picture, QPointF topLeftMm, QSizeF sizeMm, QString* error)
{
    const QRectF place(topLeftMm, sizeMm);
    return m_settings.pdf ? printToPdf(picture, place, error) : printToPrinter(picture, place, error);
}

bool QtShipPrinter::printToPdf(const QImage& picture, const QRectF& placeMm, QString* error) const
{
    const QString shownPath = QDir::toNativeSeparators(m_pdfPath);
    // Written through a save file, so a failed print never leaves half a PDF behind.
    QSaveFile file(m_pdfPath);
    if (m_pdfPath.isEmpty() || !file.open(QIODevice::WriteOnly)) {
        *error = QStringLiteral("The PDF file %1 could not be written: %2").arg(shownPath, file.errorString());
        return false;
    }
    {
        QPdfWriter writer(&file);
        writer.setTitle(m_documentName);
        writer.setCreator(kAppTitle);
        writer.setResolution(qualityResolution(m_settings.quality));
        QPageLayout layout(localPaper(), m_settings.orientation, QMarginsF());
        layout.setMode(QPageLayout::FullPageMode);
        writer.setPageLayout(layout);
        QPainter painter;
        if (!painter.begin(&writer)) {
            file.cancelWriting();
            *error = QStringLiteral("The PDF file %1 could not be started.").arg(shownPath);
            return false;
        }
        paintPicture(painter, writer.resolution(), picture, placeMm);
        painter.end();
    }
    if (!file.commit()) {
        *error = QStringLiteral("The PDF file %1 could not be written: %2").arg(shownPath, file.errorString());
        return false;
    }
    return true;
}

bool QtShipPrinter::printToPrinter(const QImage& picture, const QRectF& placeMm, QString* error) const
{
    QPrinter printer(QPrinter::HighResolution);
    applyPrintSettings(printer, m_settings);
    printer.setDocName(m_documentName);
    printer.setFullPage(true);
    if (!printer.isValid()) {
        *error = QStringLiteral("The printer %1 is not available.").arg(m_settings.printerName);
        return false;
    }
    QPainter painter;
    if (!painter.begin(&printer)) {
        *error = QStringLiteral("The printer %1 could not be started.").arg(m_settings.printerName);
        return false;
    }
    paintPicture(painter, printer.resolution(), picture, placeMm);
    if (!painter.end() || printer.printerState() == QPrinter::Error) {
        *error = QStringLiteral("The printer %1 did not accept the document.").arg(m_settings.printerName);
        return false;
    }
    return true;
}

} // namespace kw
