#pragma once

#include "common/pageprinter.h"
#include "common/ui/dlgprinter.h"

class QPagedPaintDevice;

namespace kw {

class UserPrompts;

// Prints documents on the printer chosen in the program's print setup. The PDF entry asks for
// the file to write, starting in the given folder, when the setup is confirmed.
class QtPagePrinter : public PagePrinter {
public:
    // The setup is shown over the owner window.
    QtPagePrinter(DlgPrinter& setupDialog, UserPrompts& prompts, const QString& pdfFolder, QWidget* owner = nullptr);

    bool setup(const QString& documentName) override;
    bool print(const PrintDocument& document, QString* error) override;

    // The PDF file the last setup chose; empty when a printer was chosen.
    QString pdfPath() const { return m_pdfPath; }

private:
    QPageLayout::Orientation orientationOf(const PrintDocument& document) const;
    bool printToPdf(const PrintDocument& document, QString* error) const;
    bool printToPrinter(const PrintDocument& document, QString* error) const;

    DlgPrinter& m_dialog;
    UserPrompts& m_prompts;
    QString m_pdfFolder;
    QWidget* m_owner;
    QString m_documentName;
    QString m_pdfPath;
    PrintSettings m_settings;
};

} // namespace kw
