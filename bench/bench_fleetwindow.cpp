// The Fleet Organizer's window over a fleet of 100 ships: opening the fleet, which lays out
// the cards' 300 text boxes, a pointer move over a card, which the whole window follows, and a
// removal taken back and done again, which the boxes of every card follow.
#include "bench/hundredships.h"

#include "common/ui/dlgprinter.h"
#include "fleet/fleetorganizer.h"
#include "fleet/ui/fleetpageview.h"
#include "fleet/ui/frmfleetorganizer.h"

#include <benchmark/benchmark.h>

using namespace kw;

namespace {

// The window shown, over an organizer that has made every card's picture once.
struct FleetWindow : bench::HundredShips {
    FleetWindow()
    {
        organizer.Load();
        organizer.OpenFleet(fleetPath);
        window.show();
    }

    bench::SilentPrompts prompts;
    QTemporaryDir pictures;
    FleetOrganizer organizer{prompts, program.path(), pictures.path()};
    DlgPrinter printSetup{QList<PrinterChoice>{pdfEntry()}, pdfEntryName()};
    FrmFleetOrganizer window{organizer, prompts, printSetup};
};

} // namespace

static void OpenHundredShipsInTheWindow(benchmark::State& state)
{
    FleetWindow fleet;
    for (auto _ : state) {
        state.PauseTiming();
        fleet.organizer.Load();
        state.ResumeTiming();
        fleet.organizer.OpenFleet(fleet.fleetPath);
        fleet.window.page()->repaint();
    }
}
BENCHMARK(OpenHundredShipsInTheWindow)->Unit(benchmark::kMillisecond);

static void MoveOverACardOfHundred(benchmark::State& state)
{
    FleetWindow fleet;
    int x = 0;
    for (auto _ : state) {
        fleet.organizer.moveOverCard(50, QPointF(++x % 100, 30), false);
        fleet.window.page()->repaint();
    }
}
BENCHMARK(MoveOverACardOfHundred)->Unit(benchmark::kMicrosecond);

static void UndoAndRedoARemovalInTheWindow(benchmark::State& state)
{
    FleetWindow fleet;
    fleet.organizer.chooseFleetEntry(0);
    fleet.organizer.Remove();
    for (auto _ : state) {
        fleet.organizer.Undo();
        fleet.organizer.Redo();
        fleet.window.page()->repaint();
    }
}
BENCHMARK(UndoAndRedoARemovalInTheWindow)->Unit(benchmark::kMillisecond);
