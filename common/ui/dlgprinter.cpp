#include "common/ui/dlgprinter.h"

#include "common/ui/updown.h"
#include "display/sheetfonts.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QShowEvent>
#include <QVBoxLayout>
#include <algorithm>

namespace kw {

namespace {

constexpr int kMaxCopies = 999;

// Nothing tells which orientations a printer accepts, so every printer takes both; the
// qualities it takes follow from the resolutions it reports.
PrinterChoice describePrinter(const QPrinterInfo& info)
{
    PrinterChoice choice;
    choice.name = info.printerName();
    const QList<int> resolutions = info.supportedResolutions();
    const int best = resolutions.isEmpty() ? 0 : *std::max_element(resolutions.begin(), resolutions.end());
    for (int q = 0; q < kPrintQualityCount; ++q)
        choice.qualityAccepted[q] = best == 0 || best >= qualityResolution(static_cast<PrintQuality>(q));

    const QPrinter printer(info, QPrinter::HighResolution);
    choice.orientation = printer.pageLayout().orientation();
    choice.quality = PrintQuality::Draft;
    for (int q = 0; q < kPrintQualityCount; ++q) {
        if (choice.qualityAccepted[q] && qualityResolution(static_cast<PrintQuality>(q)) <= printer.resolution())
            choice.quality = static_cast<PrintQuality>(q);
    }
    return choice;
}

int copiesIn(const QString& text)
{
    bool ok = false;
    const int copies = text.toInt(&ok);
    return ok ? qBound(1, copies, kMaxCopies) : 1;
}

} // namespace

int qualityResolution(PrintQuality quality)
{
    switch (quality) {
    case PrintQuality::Draft: return 150;
    case PrintQuality::Low: return 300;
    case PrintQuality::Medium: return 600;
    case PrintQuality::High: return 1200;
    }
    return 600;
}

QString pdfEntryName()
{
    return QStringLiteral("Print to PDF file");
}

PrinterChoice pdfEntry()
{
    PrinterChoice pdf;
    pdf.name = pdfEntryName();
    pdf.pdf = true;
    return pdf;
}

QList<PrinterChoice> installedPrinters()
{
    QList<PrinterChoice> list;
    for (const QString& name : QPrinterInfo::availablePrinterNames())
        list << describePrinter(QPrinterInfo::printerInfo(name));
    list << pdfEntry();
    return list;
}

QString defaultPrinterName()
{
    return QPrinterInfo::defaultPrinterName();
}

void applyPrintSettings(QPrinter& printer, const PrintSettings& settings)
{
    if (settings.pdf) {
        printer.setOutputFormat(QPrinter::PdfFormat);
    } else {
        printer.setOutputFormat(QPrinter::NativeFormat);
        printer.setPrinterName(settings.printerName);
        // A printer object keeps the paper it had when another printer is chosen, as long as
        // the new one takes it; the chosen printer prints on its own paper.
        const QPageSize paper = QPrinterInfo::printerInfo(settings.printerName).defaultPageSize();
        if (paper.isValid())
            printer.setPageSize(paper);
    }
    printer.setPageOrientation(settings.orientation);
    printer.setResolution(qualityResolution(settings.quality));
    printer.setCopyCount(settings.copies);
}

DlgPrinter::DlgPrinter(QWidget* parent) : DlgPrinter(installedPrinters(), defaultPrinterName(), parent)
{
}

DlgPrinter::DlgPrinter(const QList<PrinterChoice>& printers, const QString& currentPrinter, QWidget* parent)
    : QDialog(parent), m_printers(printers)
{
    build();
    int selected = static_cast<int>(m_printers.size()) - 1;
    for (int i = 0; i < m_printers.size(); ++i) {
        if (!m_printers[i].pdf && m_printers[i].name == currentPrinter) {
            selected = i;
            break;
        }
    }
    for (const PrinterChoice& choice : m_printers)
        m_printer->addItem(choice.name);
    // Selecting raises the choice as a click would: the options take the printer's settings.
    m_printer->setCurrentIndex(selected);
    m_current = chosenSettings();
    m_shown = choices();
}

void DlgPrinter::build()
{
    loadSheetFonts();
    setFont(QFont(QStringLiteral("Tahoma"), 8));
    setWindowTitle(QStringLiteral("Print Setup"));
    setObjectName(QStringLiteral("dlgPrinter"));

    auto* printerFrame = new QGroupBox(QStringLiteral("Select Printer"), this);
    printerFrame->setObjectName(QStringLiteral("fraPrinter"));
    m_printer = new QComboBox(printerFrame);
    m_printer->setObjectName(QStringLiteral("cmbPrinter"));
    m_printer->setMinimumWidth(260);
    (new QVBoxLayout(printerFrame))->addWidget(m_printer);
    connect(m_printer, &QComboBox::currentIndexChanged, this, &DlgPrinter::choosePrinter);

    auto* orientationFrame = new QGroupBox(QStringLiteral("Orientation"), this);
    orientationFrame->setObjectName(QStringLiteral("fraOrientation"));
    auto* orientationLayout = new QVBoxLayout(orientationFrame);
    const char* const orientationCaptions[2] = {"Portrait", "Landscape"};
    for (int i = 0; i < 2; ++i) {
        m_orientation[i] = new QRadioButton(QString::fromLatin1(orientationCaptions[i]), orientationFrame);
        m_orientation[i]->setObjectName(QStringLiteral("optOrientation_%1").arg(i));
        orientationLayout->addWidget(m_orientation[i]);
    }
    orientationLayout->addStretch();
    m_orientation[1]->setChecked(true);

    auto* qualityFrame = new QGroupBox(QStringLiteral("Print Quality"), this);
    qualityFrame->setObjectName(QStringLiteral("fraQuality"));
    auto* qualityLayout = new QVBoxLayout(qualityFrame);
    const char* const qualityCaptions[kPrintQualityCount] = {"Draft", "Low", "Medium", "High"};
    for (int i = kPrintQualityCount - 1; i >= 0; --i) {
        m_quality[i] = new QRadioButton(QString::fromLatin1(qualityCaptions[i]), qualityFrame);
        m_quality[i]->setObjectName(QStringLiteral("optQuality_%1").arg(i));
        qualityLayout->addWidget(m_quality[i]);
    }
    m_quality[static_cast<int>(PrintQuality::Medium)]->setChecked(true);

    auto* copiesFrame = new QGroupBox(QStringLiteral("Copies"), this);
    copiesFrame->setObjectName(QStringLiteral("fraCopies"));
    auto* copiesLayout = new QHBoxLayout(copiesFrame);
    copiesLayout->setSpacing(0);
    m_copies = new QLineEdit(QStringLiteral("1"), copiesFrame);
    m_copies->setObjectName(QStringLiteral("txtCopies"));
    m_copies->setMaxLength(3);
    m_copies->setFixedWidth(40);
    // Only digits get in; Backspace edits and Enter presses OK as usual.
    m_copies->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), m_copies));
    m_copiesUpDown = new UpDown(QStringLiteral("updCopies"), 1, kMaxCopies, copiesFrame);
    m_copiesUpDown->setValue(1);
    copiesLayout->addWidget(m_copies);
    copiesLayout->addWidget(m_copiesUpDown);
    copiesLayout->addStretch();
    connect(m_copies, &QLineEdit::textChanged, this, [this](const QString& text) { m_copiesUpDown->setValue(copiesIn(text)); });
    connect(m_copiesUpDown, &UpDown::valueChanged, this, &DlgPrinter::stepCopies);

    auto* okButton = new QPushButton(QStringLiteral("OK"), this);
    okButton->setObjectName(QStringLiteral("OKButton"));
    okButton->setDefault(true);
    auto* cancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    cancelButton->setObjectName(QStringLiteral("CancelButton"));
    cancelButton->setAutoDefault(false);
    connect(okButton, &QPushButton::clicked, this, &DlgPrinter::OKButton_Click);
    connect(cancelButton, &QPushButton::clicked, this, &DlgPrinter::reject);

    auto* side = new QVBoxLayout;
    side->addWidget(copiesFrame);
    side->addStretch();
    side->addWidget(okButton);
    side->addWidget(cancelButton);

    auto* options = new QHBoxLayout;
    options->addWidget(orientationFrame);
    options->addWidget(qualityFrame);
    options->addLayout(side);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(printerFrame);
    layout->addLayout(options);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void DlgPrinter::choosePrinter(int index)
{
    if (index < 0 || index >= m_printers.size())
        return;
    const PrinterChoice& choice = m_printers[index];
    for (int q = 0; q < kPrintQualityCount; ++q)
        m_quality[q]->setEnabled(choice.qualityAccepted[q]);
    m_orientation[choice.orientation == QPageLayout::Portrait ? 0 : 1]->setChecked(true);
    m_quality[static_cast<int>(choice.quality)]->setChecked(true);
    applyOrientationLocks();
}

void DlgPrinter::applyOrientationLocks()
{
    const int index = m_printer->currentIndex();
    if (index < 0 || index >= m_printers.size())
        return;
    const PrinterChoice& choice = m_printers[index];
    m_orientation[0]->setEnabled(choice.portraitAccepted);
    m_orientation[1]->setEnabled(choice.landscapeAccepted);
    if (m_landscapeOnly && choice.landscapeAccepted) {
        m_orientation[1]->setChecked(true);
        m_orientation[0]->setEnabled(false);
    } else if (m_portraitOnly && choice.portraitAccepted) {
        m_orientation[0]->setChecked(true);
        m_orientation[1]->setEnabled(false);
    }
}

void DlgPrinter::setORLandscapeOnly(bool only)
{
    m_landscapeOnly = only;
    applyOrientationLocks();
}

void DlgPrinter::setORPortraitOnly(bool only)
{
    m_portraitOnly = only;
    applyOrientationLocks();
}

void DlgPrinter::stepCopies(int value)
{
    m_copies->setText(QString::number(value));
}

PrintSettings DlgPrinter::chosenSettings() const
{
    PrintSettings settings;
    const int index = m_printer->currentIndex();
    if (index >= 0 && index < m_printers.size()) {
        settings.printerName = m_printers[index].name;
        settings.pdf = m_printers[index].pdf;
    }
    settings.orientation = m_orientation[0]->isChecked() ? QPageLayout::Portrait : QPageLayout::Landscape;
    settings.quality = PrintQuality::High;
    for (int q = 0; q < kPrintQualityCount - 1; ++q) {
        if (m_quality[q]->isChecked()) {
            settings.quality = static_cast<PrintQuality>(q);
            break;
        }
    }
    settings.copies = copiesIn(m_copies->text());
    return settings;
}

DlgPrinter::Choices DlgPrinter::choices() const
{
    Choices c;
    c.printer = m_printer->currentIndex();
    c.portrait = m_orientation[0]->isChecked();
    c.landscape = m_orientation[1]->isChecked();
    for (int q = 0; q < kPrintQualityCount; ++q) {
        if (m_quality[q]->isChecked())
            c.quality = q;
    }
    c.copies = m_copies->text();
    return c;
}

void DlgPrinter::restore(const Choices& c)
{
    m_printer->setCurrentIndex(c.printer);
    m_orientation[0]->setChecked(c.portrait);
    m_orientation[1]->setChecked(c.landscape);
    m_quality[qBound(0, c.quality, kPrintQualityCount - 1)]->setChecked(true);
    m_copies->setText(c.copies);
    applyOrientationLocks();
}

void DlgPrinter::showEvent(QShowEvent* event)
{
    if (!event->spontaneous())
        m_shown = choices();
    QDialog::showEvent(event);
}

int DlgPrinter::showModal(QWidget* owner)
{
    QWidget* const home = parentWidget();
    if (owner)
        setParent(owner, windowFlags());
    exec();
    if (owner)
        setParent(home, windowFlags());
    return m_retval;
}

void DlgPrinter::OKButton_Click()
{
    m_retval = m_printer->currentIndex();
    if (m_retval >= 0) {
        m_current = chosenSettings();
        // The printer keeps what was set on it, as a printer's own settings do.
        m_printers[m_retval].orientation = m_current.orientation;
        m_printers[m_retval].quality = m_current.quality;
    }
    m_copies->setText(QString::number(m_current.copies));
    m_shown = choices();
    accept();
}

void DlgPrinter::reject()
{
    // Cancel (or the close box) changes nothing: the options go back to how they were shown.
    m_retval = -1;
    restore(m_shown);
    QDialog::reject();
}

} // namespace kw
