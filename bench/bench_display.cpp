// The record sheet: a full update with every icon painted, the exported picture, the zoomed
// view, and Auto Calc.
#include "bench/benchsupport.h"

#include "display/sheetpainter.h"

#include <QBuffer>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <cmath>

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

// The view's repaint of the widest display at a zoom (percent) with every icon placed: the
// first repaint paints each icon's look at the finer size, later ones take it from the cache.
static void PaintZoomedSchematic(benchmark::State& state)
{
    bench::MaximalDesign design;
    bench::placeEveryIcon(*design.editor);
    const double zoom = state.range(0) / 100.0;
    const QSize size = (QSizeF(displayPixelSize(design.editor->display())) * zoom).toSize();
    QImage view(size, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&view);
        painter.scale(zoom, zoom);
        paintSchematic(painter, design.editor->display(), design.editor->shownLinkLines(),
                       static_cast<int>(std::ceil(zoom)));
    }
    state.counters["icons"] = design.editor->display().iconCount();
}
BENCHMARK(PaintZoomedSchematic)->Arg(100)->Arg(200)->Arg(400)->Unit(benchmark::kMillisecond);

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
