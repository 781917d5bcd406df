#include "tools/printcheck/printthrough.h"

#include "cli/cliprompts.h"
#include "display/twips.h"
#include "editor/shipeditor.h"
#include "common/ui/dlgprinter.h"
#include "common/ui/qtpageprinter.h"

#include <QComboBox>
#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

namespace printcheck {

namespace {

// A twip is a 1440th of an inch; the sheet is printed at its own size.
QSizeF sheetSizeMm(const QImage& sheet)
{
    const double mmPerPixel = kw::kTwipsPerPixel / 1440.0 * 25.4;
    return {sheet.width() * mmPerPixel, sheet.height() * mmPerPixel};
}

// Picks the queue in the open print setup and presses OK, as a user does.
void chooseInSetup(kw::DlgPrinter& setup, const QString& queue, QString& problem)
{
    auto* printers = setup.findChild<QComboBox*>(QStringLiteral("cmbPrinter"));
    auto* ok = setup.findChild<QPushButton*>(QStringLiteral("OKButton"));
    const int at = printers ? printers->findText(queue, Qt::MatchExactly) : -1;
    if (!setup.isVisible() || at < 0 || !ok) {
        problem = QStringLiteral("the print setup did not offer the queue %1").arg(queue);
        setup.reject();
        return;
    }
    printers->setCurrentIndex(at);
    ok->click();
}

} // namespace

std::optional<QSizeF> printThrough(const QString& queue, const QString& shipFile, QString& problem)
{
    QStringList listed;
    for (const kw::PrinterChoice& choice : kw::installedPrinters())
        listed << choice.name;
    if (!listed.contains(queue)) {
        problem = QStringLiteral("the print setup's printer list does not hold %1; it holds: %2")
                      .arg(queue, listed.join(QStringLiteral(", ")));
        return std::nullopt;
    }

    QTemporaryDir program;
    QDir().mkpath(program.path() + QStringLiteral("/Ships"));
    kw::CliPrompts prompts;
    kw::ShipEditor editor(prompts, program.path());
    editor.Load();
    if (!editor.OpenShip(shipFile)) {
        problem = QStringLiteral("the ship %1 was not opened: %2").arg(shipFile, prompts.messages.join(QLatin1Char(' ')));
        return std::nullopt;
    }
    const std::optional<QImage> sheet = editor.composeSheet();
    if (!sheet) {
        problem = QStringLiteral("the ship's record sheet cannot be made: %1").arg(prompts.messages.join(QLatin1Char(' ')));
        return std::nullopt;
    }

    kw::DlgPrinter setup;
    kw::QtPagePrinter printer(setup, prompts, program.path());
    QTimer::singleShot(0, &setup, [&] { chooseInSetup(setup, queue, problem); });
    prompts.messages.clear();
    const bool printed = editor.PrintShip(printer);
    if (!problem.isEmpty())
        return std::nullopt;
    if (!printed || !prompts.messages.isEmpty()) {
        problem = QStringLiteral("printing failed: %1").arg(prompts.messages.join(QLatin1Char(' ')));
        return std::nullopt;
    }
    if (setup.currentPrinter().printerName != queue || setup.currentPrinter().pdf) {
        problem = QStringLiteral("the print went to %1, not to %2").arg(setup.currentPrinter().printerName, queue);
        return std::nullopt;
    }
    return sheetSizeMm(*sheet);
}

} // namespace printcheck
