// Dragging on the record sheet: the cost of one step of a drag or a keyboard move on the
// largest design, from the model operation to the repainted System Display.
#include "bench/benchsupport.h"

#include "display/placement.h"
#include "editor/ui/systemdisplayview.h"
#include "model/weaponkinds.h"

#include <QImage>
#include <benchmark/benchmark.h>

using namespace kw;

namespace {

// Every icon placed on the widest display, and the first launcher linked to the first magazine.
void placeEverything(ShipEditor& editor)
{
    bench::placeEveryIcon(editor);
    int launcher = 0;
    int magazine = 0;
    for (const SystemIcon& icon : editor.display().icons()) {
        const std::optional<int> mount = icon.mountNumber();
        if (!mount)
            continue;
        const SalvoEnd end = salvoEndOf(editor.ship().Weapons[*mount]);
        if (!launcher && end == SalvoEnd::Launcher)
            launcher = icon.index;
        if (!magazine && end == SalvoEnd::Magazine)
            magazine = icon.index;
    }
    editor.startLink();
    editor.clickIcon(launcher, false);
    editor.clickIcon(magazine, false);
}

} // namespace

// One drop of a dragged icon a few twips further on, and the display painted afresh.
static void DragStepWithRepaint(benchmark::State& state)
{
    bench::MaximalDesign design;
    ShipEditor& editor = *design.editor;
    placeEverything(editor);
    SystemDisplayView view(editor);
    QImage frame(view.size(), QImage::Format_RGB32);
    const int icon = editor.display().iconCount() / 2;
    const QPointF grab(7, 7);
    if (editor.ship().SalvoLinkCount() != 1 || !editor.canDragIcons()) {
        state.SkipWithError("the design could not be laid out");
        return;
    }
    int step = 0;
    for (auto _ : state) {
        const double x = 1000 + (step++ % 200) * 4;
        editor.dropIconOnDisplay(icon, QPointF(x, 1500), grab);
        view.render(&frame);
        benchmark::DoNotOptimize(frame.constBits());
    }
    state.counters["icons"] = editor.display().iconCount();
    state.counters["left"] = editor.display().icon(icon).left;
}
BENCHMARK(DragStepWithRepaint)->Unit(benchmark::kMillisecond);

// A keyboard step with a band-selected quarter of the display moving, markers painted.
static void KeyboardStepWithManySelected(benchmark::State& state)
{
    bench::MaximalDesign design;
    ShipEditor& editor = *design.editor;
    placeEverything(editor);
    editor.finishBand({0, 0}, {3000, 1800}, true);
    SystemDisplayView view(editor);
    QImage frame(view.size(), QImage::Format_RGB32);
    int step = 0;
    for (auto _ : state) {
        editor.nudgeSelection(step++ % 2 ? Qt::Key_Left : Qt::Key_Right);
        view.render(&frame);
        benchmark::DoNotOptimize(frame.constBits());
    }
    state.counters["selected"] = editor.display().SelectedCount();
}
BENCHMARK(KeyboardStepWithManySelected)->Unit(benchmark::kMillisecond);
