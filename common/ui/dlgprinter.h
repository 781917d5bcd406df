#pragma once

#include <QDialog>
#include <QList>
#include <QPageLayout>
#include <QString>
#include <array>

class QComboBox;
class QLineEdit;
class QPrinter;
class QRadioButton;

namespace kw {

class UpDown;

// The print qualities in the order of the optQuality buttons.
enum class PrintQuality { Draft = 0, Low = 1, Medium = 2, High = 3 };
inline constexpr int kPrintQualityCount = 4;
// The resolution asked of the printer for each quality.
int qualityResolution(PrintQuality quality);

// One entry of the printer list and what it accepts.
struct PrinterChoice {
    QString name;
    bool pdf = false;   // the entry that writes a PDF file instead of printing
    bool portraitAccepted = true;
    bool landscapeAccepted = true;
    std::array<bool, kPrintQualityCount> qualityAccepted{true, true, true, true};
    // The printer's own settings: those it had when listed, then those set by the last OK.
    QPageLayout::Orientation orientation = QPageLayout::Landscape;
    PrintQuality quality = PrintQuality::Medium;
};

// What the last OK chose: the application's current printer and its settings.
struct PrintSettings {
    QString printerName;
    bool pdf = false;
    QPageLayout::Orientation orientation = QPageLayout::Landscape;
    PrintQuality quality = PrintQuality::Medium;
    int copies = 1;
};

// The installed printers in the platform's order, then the PDF entry that is always there.
QList<PrinterChoice> installedPrinters();
// The name of the installed default printer; empty when there is none.
QString defaultPrinterName();
// The text of the PDF entry, and the entry itself.
QString pdfEntryName();
PrinterChoice pdfEntry();
// A printer set up as the settings say (printer, orientation, resolution, copies).
void applyPrintSettings(QPrinter& printer, const PrintSettings& settings);

// "Print Setup": choose the printer, orientation, print quality and copies. The program makes
// one for the whole run and lends it to its windows, so the choices persist from one use to the
// next, whichever window asks.
class DlgPrinter : public QDialog {
    Q_OBJECT

public:
    // Over the installed printers, the default one selected.
    explicit DlgPrinter(QWidget* parent = nullptr);
    // Over a given list, selecting the entry named currentPrinter (the last entry when none is).
    DlgPrinter(const QList<PrinterChoice>& printers, const QString& currentPrinter, QWidget* parent = nullptr);

    // -1 when the dialog was cancelled, otherwise the list position chosen; 0 before first use.
    int retval() const { return m_retval; }
    bool ORLandscapeOnly() const { return m_landscapeOnly; }
    bool ORPortraitOnly() const { return m_portraitOnly; }
    void setORLandscapeOnly(bool only);
    void setORPortraitOnly(bool only);

    // Shows the dialog modally over its owner window and returns retval. The dialog outlives
    // the windows it is lent to: it goes back to its own parent when it closes.
    int showModal(QWidget* owner = nullptr);
    // The printer chosen with the last OK; before that, the entry selected at load.
    PrintSettings currentPrinter() const { return m_current; }
    const QList<PrinterChoice>& printers() const { return m_printers; }

public Q_SLOTS:
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    struct Choices {
        int printer = -1;
        bool portrait = false;
        bool landscape = true;
        int quality = static_cast<int>(PrintQuality::Medium);
        QString copies;
    };

    void build();
    void choosePrinter(int index);
    void applyOrientationLocks();
    void OKButton_Click();
    void stepCopies(int value);
    PrintSettings chosenSettings() const;
    Choices choices() const;
    void restore(const Choices& choices);

    QList<PrinterChoice> m_printers;
    PrintSettings m_current;
    Choices m_shown;
    int m_retval = 0;
    bool m_landscapeOnly = false;
    bool m_portraitOnly = false;

    QComboBox* m_printer = nullptr;
    std::array<QRadioButton*, 2> m_orientation{};
    std::array<QRadioButton*, kPrintQualityCount> m_quality{};
    QLineEdit* m_copies = nullptr;
    UpDown* m_copiesUpDown = nullptr;
};

} // namespace kw
