#include "common/pdfdocument.h"

#include "common/apptitle.h"

#include <QDir>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace kw {

bool paintDocumentPages(QPagedPaintDevice& device, QPainter& painter, int resolution, const PrintDocument& document)
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

bool writePdfDocument(const PrintDocument& document, const QString& path, const PdfOptions& options, QString* error)
{
    const QString shownPath = QDir::toNativeSeparators(path);
    // Written through a save file, so a failed print never leaves half a PDF behind.
    QSaveFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::WriteOnly)) {
        *error = QStringLiteral("The PDF file %1 could not be written: %2").arg(shownPath, file.errorString());
        return false;
    }
    {
        QPdfWriter writer(&file);
        writer.setTitle(options.title);
        writer.setCreator(kAppTitle);
        writer.setResolution(options.resolution);
        QPageLayout layout(options.paper, options.orientation, QMarginsF());
        layout.setMode(QPageLayout::FullPageMode);
        writer.setPageLayout(layout);
        QPainter painter;
        if (!painter.begin(&writer)) {
            file.cancelWriting();
            *error = QStringLiteral("The PDF file %1 could not be started.").arg(shownPath);
            return false;
        }
        const bool painted = paintDocumentPages(writer, painter, writer.resolution(), document);
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

} // namespace kw
