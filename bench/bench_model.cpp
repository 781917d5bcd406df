// The model's hot paths: one recalculation, the ship file both ways, and the layout part of a
// full update, on the largest design the editor allows.
#include "bench/benchsupport.h"

#include "display/sheetgeometry.h"
#include "model/hulltrack.h"
#include "storage/shipfile.h"

#include <benchmark/benchmark.h>

using namespace kw;

static void UpdateShipFiguresOnly(benchmark::State& state)
{
    bench::MaximalDesign design;
    for (auto _ : state)
        design.editor->UpdateShip(false);
}
BENCHMARK(UpdateShipFiguresOnly)->Unit(benchmark::kMicrosecond);

static void ParseShipFile(benchmark::State& state)
{
    bench::MaximalDesign design;
    QByteArray bytes;
    writeShipFile(design.editor->fileData(false), bytes);
    for (auto _ : state)
        benchmark::DoNotOptimize(readShipFile(bytes));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(ParseShipFile)->Unit(benchmark::kMicrosecond);

static void SerialiseShipFile(benchmark::State& state)
{
    bench::MaximalDesign design;
    const ShipFileData data = design.editor->fileData(false);
    for (auto _ : state) {
        QByteArray bytes;
        writeShipFile(data, bytes);
        benchmark::DoNotOptimize(bytes);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(SerialiseShipFile)->Unit(benchmark::kMicrosecond);

// Track layout, TestSize and the icons' places and sizes, without painting their pictures, on
// copies of the editor's design and display.
static void FullUpdateLayoutOnly(benchmark::State& state)
{
    bench::MaximalDesign design;
    const ShipEditor& e = *design.editor;
    ShipRecord ship = e.ship();
    DisplayModel display = e.display();
    for (auto _ : state) {
        applyTrackLayout(ship);
        TestSize(display.sheet, ship.TMF, ship.HullTrack[0]);
        layoutSystemIcons(display, e.fittedSystems(), ship.Weapons);
        benchmark::DoNotOptimize(display.iconCount());
    }
}
BENCHMARK(FullUpdateLayoutOnly)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
