#pragma once

#include "common/pageprinter.h"

#include <QPageLayout>
#include <QPageSize>
#include <QString>

class QPagedPaintDevice;
class QPainter;

namespace kw {

// Paints a document's pages on a paged device whose painter is open, every page after the first
// on a new sheet; places are measured from the paper's corner. False when the device could not
// take another page.
bool paintDocumentPages(QPagedPaintDevice& device, QPainter& painter, int resolution, const PrintDocument& document);

struct PdfOptions {
    QString title;
    QPageSize paper = QPageSize(QPageSize::A4);
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    int resolution = 1200;
};

// Writes a document as a PDF file, whole or not at all. On failure `error` names the file and
// says why.
bool writePdfDocument(const PrintDocument& document, const QString& path, const PdfOptions& options, QString* error);

} // namespace kw
