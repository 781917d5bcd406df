// A fleet of 100 ships: opening it with every card picture still to make, opening it again with
// the pictures cached, saving it, and composing its two sheets.
#include "bench/benchsupport.h"

#include "fleet/fleetorganizer.h"
#include "storage/defaultships.h"
#include "storage/programfolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <benchmark/benchmark.h>

using namespace kw;

namespace {

constexpr int kShips = 100;

// A program folder with the sample designs and a fleet of 100 ships, each from a ship file of
// its own (the samples in turn), so that every card needs a picture of its own.
struct HundredShips {
    HundredShips()
    {
        bench::ensureApplication();
        ensureShipsFolder(program.path(), nullptr);
        QStringList samples;
        QDirIterator it(shipsFolder(program.path()), {QStringLiteral("*.shp")}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            samples << it.next();
        samples.sort();
        fleetPath = program.path() + QStringLiteral("/Armada.flt");
        QDir().mkpath(program.path() + QStringLiteral("/Armada"));
        QByteArray text = "Ships=" + QByteArray::number(kShips) + "\r\n";
        for (int k = 1; k <= kShips; ++k) {
            const QByteArray file = "Ship" + QByteArray::number(k) + ".shp";
            QFile::copy(samples[k % samples.size()],
                        program.path() + QStringLiteral("/Armada/") + QString::fromLatin1(file));
            text += "S" + QByteArray::number(k) + "," + QByteArray::number(k) + ",Ship," + file + ","
                    + QByteArray::number(k % 10 * 1500) + "," + QByteArray::number(k / 10 * 1000 + 765) + ",notes\r\n";
        }
        QFile out(fleetPath);
        out.open(QIODevice::WriteOnly);
        out.write(text);
    }

    QTemporaryDir program;
    QString fleetPath;
};

class SavingPrompts : public bench::SilentPrompts {
public:
    std::optional<QString> saveFileName(const FileDialogRequest&) override { return target; }
    QString target;
};

// The fleet opened once, so its pictures are cached.
struct OpenedFleet : HundredShips {
    OpenedFleet() { organizer.OpenFleet(fleetPath); }

    SavingPrompts prompts;
    QTemporaryDir pictures;
    FleetOrganizer organizer{prompts, program.path(), pictures.path()};
};

} // namespace

static void OpenHundredShipsMakingEveryPicture(benchmark::State& state)
{
    HundredShips fleet;
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

BENCHMARK_MAIN();
