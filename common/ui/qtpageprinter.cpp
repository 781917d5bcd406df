#include "common/ui/qtpageprinter.h"

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

// The painter works in device dots; every place is measured from the paper's corner. A page
// after the first starts a new sheet.
bool paintPages(QPagedPaintDevice& device, QPainter& painter, int resolution, const PrintDocument& document)
{
    const double dotsPerMm = resolution / 25.4;
    for (qsizetype i = 0; i < document.pages.size(); ++i) {
        if (i > 0 && !device.newPage())
            return false;
        const PrintedPage& page = document.pages[i];
        painter.drawImage(QRectF(page.topLeftMm * dotsPerMm, page.sizeMm * dotsPerMm), page.picture);
    }
    return true;
}

QPageSize localPaper()
{
    return QPageSize(QLocale().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter : QPageSize::A4);
}

} // namespace

QtPagePrinter::QtPagePrinter(DlgPrinter& setupDialog, UserPrompts& prompts, const QString& pdfFolder, QWidget* owner)
    : m_dialog(setupDialog), m_prompts(prompts), m_pdfFolder(pdfFolder), m_owner(owner)
{
}

bool QtPagePrinter::setup(const QString& documentName)
{
    m_documentName = documentName;
    m_pdfPath.clear();
    if (m_dialog.showModal(m_owner) == -1)
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

QPageLayout::Orientation QtPagePrinter::orientationOf(const PrintDocument& document) const
{
    switch (document.orientation) {
    case PageOrientation::Portrait:
        return QPageLayout::Portrait;
    case PageOrientation::Landscape:
        return QPageLayout::Landscape;
    case PageOrientation::AsSetUp:
        break;
    }
    return m_settings.orientation;
}

bool QtPagePrinter::print(const PrintDocument& document, QString* error)
{
    if (document.pages.isEmpty()) {
        *error = QStringLiteral("There is nothing to print.");
        return false;
    }
    return m_settings.pdf ? printToPdf(document, error) : printToPrinter(document, error);
}

bool QtPagePrinter::printToPdf(const PrintDocument& document, QString* error) const
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
        QPageLayout layout(localPaper(), orientationOf(document), QMarginsF());
        layout.setMode(QPageLayout::FullPageMode);
        writer.setPageLayout(layout);
        QPainter painter;
        if (!painter.begin(&writer)) {
            file.cancelWriting();
            *error = QStringLiteral("The PDF file %1 could not be started.").arg(shownPath);
            return false;
        }
        const bool painted = paintPages(writer, painter, writer.resolution(), document);
        painter.end();
        if (!painted) {
            file.cancelWriting();
            *error = QStringLiteral("The PDF file %1 could not take another page.").arg(shownPath);
            return false;
        }
    }
    if (!file.commit()) {
        *error = QStringLiteral("The PDF file %1 could not be written: %2").arg(shownPath, file.errorString());
        return false;
    }
    return true;
}

bool QtPagePrinter::printToPrinter(const PrintDocument& document, QString* error) const
{
    QPrinter printer(QPrinter::HighResolution);
    applyPrintSettings(printer, m_settings);
    printer.setPageOrientation(orientationOf(document));
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
    const bool painted = paintPages(printer, painter, printer.resolution(), document);
    if (!painter.end() || !painted || printer.printerState() == QPrinter::Error) {
        *error = QStringLiteral("The printer %1 did not accept the document.").arg(m_settings.printerName);
        return false;
    }
    return true;
}

} // namespace kw
