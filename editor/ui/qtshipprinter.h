#pragma once

#include "common/ui/dlgprinter.h"
#include "editor/shipprinter.h"

namespace kw {

class UserPrompts;

// Prints the record sheet on the printer chosen in the print setup. The PDF entry asks for the
// file to write, starting in the given folder, when the setup is confirmed.
class QtShipPrinter : public ShipPrinter {
public:
    QtShipPrinter(DlgPrinter& setupDialog, UserPrompts& prompts, const QString& pdfFolder);

    bool setup(const QString& documentName) override;
    bool printPicture(const QImage& picture, QPointF topLeftMm, QSizeF sizeMm, QString* error) override;

    // The PDF file the last setup chose; empty when a printer was chosen.
    QString pdfPath() const { return m_pdfPath; }

private:
    bool printToPdf(const QImage& picture, const QRectF& placeMm, QString* error) const;
    bool printToPrinter(const QImage& picture, const QRectF& placeMm, QString* error) const;

    DlgPrinter& m_dialog;
    UserPrompts& m_prompts;
    QString m_pdfFolder;
    QString m_documentName;
    QString m_pdfPath;
    PrintSettings m_settings;
};

} // namespace kw
