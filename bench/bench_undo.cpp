// Undo on the largest design: what one step costs (its snapshot, the comparison that decides
// whether it is kept, undo and redo) and how much a kept step holds.
#include "bench/benchsupport.h"

#include <benchmark/benchmark.h>

using namespace kw;

// A drag (one step kept), then undo and redo of it.
static void DragUndoRedo(benchmark::State& state)
{
    bench::MaximalDesign design;
    ShipEditor& editor = *design.editor;
    bench::placeEveryIcon(editor);
    const int icon = editor.display().iconCount() / 2;
    int step = 0;
    for (auto _ : state) {
        editor.dropIconOnDisplay(icon, QPointF(1000 + (step++ % 200) * 4, 1500), QPointF());
        editor.undo();
        editor.redo();
    }
    if (editor.undoAction() != QLatin1String("Move Icons"))
        state.SkipWithError("the drag was not kept as a step");
    state.counters["icons"] = editor.display().iconCount();
    state.counters["steps"] = static_cast<double>(editor.undoCount());
}
BENCHMARK(DragUndoRedo)->Unit(benchmark::kMicrosecond);

// A field edit with its recalculation, undone and redone: the figures change, the icons do not.
static void FieldEditUndoRedo(benchmark::State& state)
{
    bench::MaximalDesign design;
    ShipEditor& editor = *design.editor;
    bench::placeEveryIcon(editor);
    int step = 0;
    for (auto _ : state) {
        editor.changeUpDown(NumericField::Armour, 10 + step++ % 20);
        editor.undo();
        editor.redo();
    }
}
BENCHMARK(FieldEditUndoRedo)->Unit(benchmark::kMicrosecond);

// What a kept drag step holds of its own: the icons' places; their looks, the record's lists
// and the texts are shared with the design and the other steps.
static void SnapshotOwnBytes(benchmark::State& state)
{
    bench::MaximalDesign design;
    ShipEditor& editor = *design.editor;
    bench::placeEveryIcon(editor);
    for (auto _ : state) {
        const EditorSnapshot snapshot = editor.snapshot();
        benchmark::DoNotOptimize(snapshot.iconPlaces.constData());
    }
    const EditorSnapshot snapshot = editor.snapshot();
    state.counters["placeBytes"] = static_cast<double>(snapshot.iconPlaces.size() * sizeof(IconPlace));
    state.counters["sharesFaces"] = snapshot.iconFaces.constData() == editor.snapshot().iconFaces.constData() ? 1 : 0;
    state.counters["icons"] = editor.display().iconCount();
}
BENCHMARK(SnapshotOwnBytes)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
