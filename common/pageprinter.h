#pragma once

#include <QImage>
#include <QList>
#include <QPointF>
#include <QSizeF>
#include <QString>

namespace kw {

// One printed page: a picture with its top-left corner at a distance from the top-left corner
// of the paper, at a size on paper, both in millimetres.
struct PrintedPage {
    QImage picture;
    QPointF topLeftMm;
    QSizeF sizeMm;
};

// The orientation of a document's pages: the one chosen in the print setup, or one the document
// needs whatever was chosen (the fleet's roster and orders sheet are landscape).
enum class PageOrientation { AsSetUp, Portrait, Landscape };

struct PrintDocument {
    PageOrientation orientation = PageOrientation::AsSetUp;
    QList<PrintedPage> pages;
};

// The size on paper of a picture drawn at 96 pixels to the inch, printed at its own scale.
inline QSizeF paperSizeMm(const QImage& picture)
{
    constexpr double kMmPerPixel = 25.4 / 96.0;
    return {picture.width() * kMmPerPixel, picture.height() * kMmPerPixel};
}

// The printer as the controllers see it: the print setup first, then a document of one or more
// pages. The windows implement it over the platform's printers; tests implement it with a
// recorder.
class PagePrinter {
public:
    virtual ~PagePrinter() = default;

    // Shows the print setup; false when the user cancelled it. The document name titles the
    // print job (and proposes a file name where the output is a file).
    virtual bool setup(const QString& documentName) = 0;

    // Prints the document on what the setup chose, every page on a sheet of its own. False with
    // the reason when nothing or not everything could be printed.
    virtual bool print(const PrintDocument& document, QString* error) = 0;
};

} // namespace kw
