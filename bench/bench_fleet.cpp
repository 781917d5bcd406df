// A fleet of 100 ships: opening it with every card picture still to make, opening it again with
// the pictures cached, saving it, composing its two sheets, and the steps of undo and redo.
#include "bench/benchsupport.h"
#include "bench/hundredships.h"

#include "fleet/fleetorganizer.h"
#include <benchmark/benchmark.h>

using namespace kw;

namespace {

class SavingPrompts : public bench::SilentPrompts {
public:
    std::optional<QString> saveFileName(const FileDialogRequest&) override { return target; }
    QString target;
};

// The fleet opened once, so its pictures are cached.
struct OpenedFleet : bench::HundredShips {
    OpenedFleet() { organizer.OpenFleet(fleetPath); }

    SavingPrompts prompts;
    QTemporaryDir pictures;
    FleetOrganizer organizer{prompts, program.path(), pictures.path()};
};

} // namespace

static void OpenHundredShipsMakingEveryPicture(benchmark::State& state)
{
    bench::HundredShips fleet;
    bench::SilentPrompts prompts;
    for (auto _ : state) {
        state.PauseTiming();
        auto pictures = std::make_unique<QTemporaryDir>();
        FleetOrganizer organizer(prompts, fleet.program.path(), pictures->path());
        organizer.Load();
        state.ResumeTiming();
        organizer.OpenFleet(fleet.fleetPath);
        benchmark::DoNotOptimize(organizer.ShipCount());
        state.PauseTiming();
        pictures.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(OpenHundredShipsMakingEveryPicture)->Unit(benchmark::kMillisecond);

static void OpenHundredShipsWithCachedPictures(benchmark::State& state)
{
    OpenedFleet fleet;
    for (auto _ : state) {
        fleet.organizer.OpenFleet(fleet.fleetPath);
        benchmark::DoNotOptimize(fleet.organizer.ShipCount());
    }
    state.counters["ships"] = fleet.organizer.ShipCount();
}
BENCHMARK(OpenHundredShipsWithCachedPictures)->Unit(benchmark::kMillisecond);

static void SaveHundredShips(benchmark::State& state)
{
    OpenedFleet fleet;
    int n = 0;
    for (auto _ : state) {
        fleet.prompts.target = fleet.program.path() + QStringLiteral("/Saved%1.flt").arg(++n);
        benchmark::DoNotOptimize(fleet.organizer.SaveFleet());
    }
}
BENCHMARK(SaveHundredShips)->Unit(benchmark::kMillisecond);

static void ComposeHundredShipSheets(benchmark::State& state)
{
    OpenedFleet fleet;
    for (auto _ : state)
        benchmark::DoNotOptimize(fleet.organizer.composeSheets());
}
BENCHMARK(ComposeHundredShipSheets)->Unit(benchmark::kMillisecond);

// A drag that moves one card: the whole fleet is kept for undo.
static void MoveACardOfHundredAsAStep(benchmark::State& state)
{
    OpenedFleet fleet;
    FleetOrganizer& o = fleet.organizer;
    int n = 0;
    for (auto _ : state) {
        o.moveOverCard(50, QPointF(15, 30), true);
        o.dropOnPage(QPointF(1000 + ++n % 500, 2000));
    }
}
BENCHMARK(MoveACardOfHundredAsAStep)->Unit(benchmark::kMicrosecond);

// A card's name typed and committed as leaving its box does.
static void RenameACardOfHundredAsAStep(benchmark::State& state)
{
    OpenedFleet fleet;
    FleetOrganizer& o = fleet.organizer;
    int n = 0;
    for (auto _ : state) {
        o.typeCardName(50, ++n % 2 ? QStringLiteral("Even") : QStringLiteral("Odd"));
        o.commitTyping();
    }
}
BENCHMARK(RenameACardOfHundredAsAStep)->Unit(benchmark::kMicrosecond);

// The removal of a ship taken back and done again: all 100 cards change their place twice.
static void UndoAndRedoARemovalOfHundred(benchmark::State& state)
{
    OpenedFleet fleet;
    FleetOrganizer& o = fleet.organizer;
    o.chooseFleetEntry(0);
    o.Remove();
    for (auto _ : state) {
        o.Undo();
        o.Redo();
    }
}
BENCHMARK(UndoAndRedoARemovalOfHundred)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
