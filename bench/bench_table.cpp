// keelwright-cli table over 1,000 designs, copies of the sample designs spread over ten folders:
// found, each opened as stats opens it, and written as CSV. The goal is under 2 s for all of
// them, in the program and as a whole run of the tool.
#include "bench/benchsupport.h"

#include "cli/shiptable.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace kw;

namespace {

constexpr int kDesigns = 1000;

struct ThousandDesigns {
    ThousandDesigns()
    {
        const QString samples = QStringLiteral(KEELWRIGHT_SAMPLES);
        QDir().mkpath(program.path() + QStringLiteral("/Ships"));
        QFile::copy(samples + QStringLiteral("/Sides.txt"), program.path() + QStringLiteral("/Ships/Sides.txt"));
        QStringList ships;
        QDirIterator it(samples, {QStringLiteral("*.shp")}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            ships << it.next();
        for (int i = 0; i < kDesigns; ++i) {
            const QString folder = designs.path() + QStringLiteral("/Fleet %1").arg(i % 10);
            QDir().mkpath(folder);
            QFile::copy(ships[i % ships.size()],
                        folder + QStringLiteral("/%1 %2").arg(i).arg(QFileInfo(ships[i % ships.size()]).fileName()));
        }
        qputenv("KEELWRIGHT_HOME", QFile::encodeName(program.path()));
    }
    QTemporaryDir program;
    QTemporaryDir designs;
};

} // namespace

static void TableThousandDesigns(benchmark::State& state)
{
    bench::ensureApplication();
    const ThousandDesigns fixture;
    for (auto _ : state) {
        const ShipTable table = tableShips({fixture.designs.path()});
        if (table.rows.size() != kDesigns || table.refused != 0)
            state.SkipWithError("not every design was tabled");
        benchmark::DoNotOptimize(shipTableCsv(table));
    }
    state.SetItemsProcessed(state.iterations() * kDesigns);
}
BENCHMARK(TableThousandDesigns)->Unit(benchmark::kMillisecond);

// The same as a player's script meets it: the tool started, its CSV read to the end.
static void TableCommandThousandDesigns(benchmark::State& state)
{
    const ThousandDesigns fixture;
    for (auto _ : state) {
        QProcess tool;
        tool.setProcessEnvironment(QProcessEnvironment::systemEnvironment());
        tool.start(QStringLiteral(KEELWRIGHT_CLI),
                   {QStringLiteral("table"), fixture.designs.path(), QStringLiteral("--csv")});
        tool.waitForFinished(60000);
        const QByteArray csv = tool.readAllStandardOutput();
        if (tool.exitCode() != 0 || csv.count('\n') != kDesigns + 1)
            state.SkipWithError("the tool did not table every design");
    }
    state.SetItemsProcessed(state.iterations() * kDesigns);
}
BENCHMARK(TableCommandThousandDesigns)->Unit(benchmark::kMillisecond)->UseRealTime();

BENCHMARK_MAIN();
