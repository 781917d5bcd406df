#pragma once

#include <QImage>
#include <QPointF>
#include <QSizeF>
#include <QString>

namespace kw {

// The printer as the ship editor sees it: the print setup, then one page with one picture.
// The windows implement it over the platform's printers; tests implement it with a recorder.
class ShipPrinter {
public:
    virtual ~ShipPrinter() = default;

    // Shows the print setup; false when the user cancelled it. The document name titles the
    // print job (and proposes a file name where the output is a file).
    virtual bool setup(const QString& documentName) = 0;

    // Prints one page: the picture with its top-left at the given distance from the page's
    // top-left corner, at the given size, both in millimetres; the document ends with it.
    // False with the reason when the printer failed.
    virtual bool printPicture(const QImage& picture, QPointF topLeftMm, QSizeF sizeMm, QString* error) = 0;
};

} // namespace kw
