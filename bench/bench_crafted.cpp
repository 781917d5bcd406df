// Crafted ship files under the size limit: each must open in the editor (OpenShip with its
// load-time calculation) within 2 s and 300 MB. The files found by fuzzing are read from the
// regression folder; the one that puts every counted key at its maximum is made here.
#include "bench/benchsupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <fstream>
#include <malloc.h>
#include <string>

using namespace kw;

namespace {

// The process's peak resident memory since the last reset, in MB (Linux). Memory freed by the
// benchmark before is handed back first, or it would count again.
void resetPeakMemory()
{
    malloc_trim(0);
    std::ofstream("/proc/self/clear_refs") << "5";
}

double peakMemoryMb()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stod(line.substr(6)) / 1024.0;
    }
    return 0;
}

QByteArray pairs(int n)
{
    QByteArray bytes;
    for (int k = 0; k < n; ++k)
        bytes += "," + QByteArray::number(100 + k % 4000) + "," + QByteArray::number(100 + k % 3000);
    return bytes;
}

// Every counted key at its maximum, each twice; 32767 salvo launchers and magazines; as many links.
QByteArray everythingAtItsMaximum()
{
    constexpr int kMost = 32767;
    QByteArray file = "Name=Crafted\r\nSide=Blue\r\nTMF=100\r\nFTL=Standard\r\nMD=2\r\nHullIntegrity=Average - 30%\r\n";
    for (int twice = 0; twice < 2; ++twice) {
        for (const char* key : {"FCS", "FighterBays", "Screens", "ADFC", "PDSs", "DCPs", "ORTILLERY"})
            file += key + ("=" + QByteArray::number(kMost)) + pairs(kMost) + "\r\n";
        for (const char* key : {"CargoSpace", "PassengerSpace"})
            file += key + ("=" + QByteArray::number(kMost)) + pairs(4) + "\r\n";
        QByteArray bays = "Hangars=" + QByteArray::number(kMost);
        for (int k = 0; k < kMost; ++k)
            bays += "," + QByteArray::number(k % 50 + 1) + ",300," + QByteArray::number(k % 3000);
        file += bays + "\r\n";
        for (const char* key : {"ReflexField", "CloakingField", "LocalisedECM", "AreaECM", "NovaCannon", "MineSweeper"})
            file += key + QByteArray("=True,10,10\r\n");
        file += "Sensors=Superior,20,20\r\n";
    }
    file += "Weapons=" + QByteArray::number(kMost) + "\r\n";
    for (int m = 0; m < kMost; ++m) {
        file += m % 2 ? "Salvo Magazine=0," + QByteArray::number(m) + ",4,False,False,False,False,False,False,"
                      : "Salvo Launcher=0," + QByteArray::number(m) + ",STD,True,False,False,False,False,False,";
        file += QByteArray::number(m % 4000) + "," + QByteArray::number(m % 3000) + ",3,9\r\n";
    }
    QByteArray links = "SalvoLinks=" + QByteArray::number(kMost);
    for (int k = 0; k < kMost; ++k)
        links += "," + QByteArray::number(2 * (k % 16384)) + "," + QByteArray::number(2 * (k % 16383) + 1);
    return file + links + "\r\n";
}

void OpenCraftedShip(benchmark::State& state, const QByteArray& bytes)
{
    bench::ensureApplication();
    QTemporaryDir folder;
    const QString path = folder.path() + QStringLiteral("/crafted.shp");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        state.SkipWithError("the crafted file could not be written");
        return;
    }
    file.close();
    bench::SilentPrompts prompts;
    double peak = 0;
    int icons = 0;
    for (auto _ : state) {
        state.PauseTiming();
        resetPeakMemory();
        {
            ShipEditor editor(prompts, folder.path());
            editor.Load();
            state.ResumeTiming();
            editor.OpenShip(path);
            state.PauseTiming();
            icons = editor.display().iconCount();
        }
        peak = qMax(peak, peakMemoryMb());
        state.ResumeTiming();
    }
    state.counters["peak_MB"] = peak;
    state.counters["icons"] = icons;
    state.counters["file_MB"] = bytes.size() / 1048576.0;
}

QByteArray finding(const char* name)
{
    QFile file(QStringLiteral(KEELWRIGHT_SOURCE_DIR "/tests/data/fuzz/shipfile/") + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

#define CRAFTED(name, bytes)                                                                                          \
    BENCHMARK_CAPTURE(OpenCraftedShip, name, bytes)->Unit(benchmark::kMillisecond)->Iterations(3)

CRAFTED(fcs_repeated, finding("fcs-repeated.shp"));
CRAFTED(cargospace_repeated, finding("cargospace-repeated.shp"));
CRAFTED(hangars_repeated, finding("hangars-repeated.shp"));
CRAFTED(ortillery_repeated, finding("ortillery-repeated.shp"));
CRAFTED(weapons_repeated, finding("weapons-repeated.shp"));
CRAFTED(salvolinks_many, finding("salvolinks-many.shp"));
CRAFTED(everything_at_its_maximum, everythingAtItsMaximum());

BENCHMARK_MAIN();
