// The record sheet: a full update with every icon painted, the exported picture, and Auto Calc.
#include "bench/benchsupport.h"

#include "display/sheetpainter.h"

#include <QBuffer>
#include <benchmark/benchmark.h>

using namespace kw;

static void FullUpdateWithPainting(benchmark::State& state)
{
    bench::MaximalDesign design;
    for (auto _ : state)
        design.editor->UpdateShip(true);
    state.counters["icons"] = design.editor->display().iconCount();
}
BENCHMARK(FullUpdateWithPainting)->Unit(benchmark::kMillisecond);

// The widest display (6275 x 3700 twips) with every icon placed, composed and encoded.
static void ComposeAndEncodeSheet(benchmark::State& state)
{
    bench::MaximalDesign design;
    bench::placeEveryIcon(*design.editor);
    for (auto _ : state) {
        const QImage sheet = composeRecordSheet(design.editor->display(), design.editor->shownLinkLines());
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        sheet.save(&buffer, "BMP");
        benchmark::DoNotOptimize(bytes);
    }
}
BENCHMARK(ComposeAndEncodeSheet)->Unit(benchmark::kMillisecond);

static void AutoCalcFromSmallestMass(benchmark::State& state)
{
    bench::MaximalDesign design;
    ShipEditor& e = *design.editor;
    for (auto _ : state) {
        state.PauseTiming();
        e.setFieldText(NumericField::TMF, QStringLiteral("3"));
        e.UpdateShip(false);
        state.ResumeTiming();
        e.AutoCalc();
    }
    state.counters["mass"] = e.ship().TMF;
}
BENCHMARK(AutoCalcFromSmallestMass)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
