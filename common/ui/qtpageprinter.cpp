#include "common/ui/qtpageprinter.h"

#include "common/pdfdocument.h"
#include "common/userprompts.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QPainter>
#include <QPrinter>

namespace kw {

namespace {

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
    return writePdfDocument(
        document, m_pdfPath,
        {m_documentName, localPaper(), orientationOf(document), qualityResolution(m_settings.quality)}, error);
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
    const bool painted = paintDocumentPages(printer, painter, printer.resolution(), document);
    if (!painter.end() || !painted || printer.printerState() == QPrinter::Error) {
        *error = QStringLiteral("The printer %1 did not accept the document.").arg(m_settings.printerName);
        return false;
    }
    return true;
}

} // namespace kw
