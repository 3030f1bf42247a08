// The calculator window with a large grid: a calculation file of N lines is
// opened through the file menu, then each iteration types a digit and "+"
// on the keypad (one recorded line, the new open row scrolled into view) and
// lets the window repaint. Compares N = 10 with N = 100 000. Also what one
// line costs the window in memory, and how long a large file takes to open.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>
#include <string>

#include "app/frm_calc.h"
#include "appearance/ui/kst_gdi_ctl.h"
#include "large_grid_file.h"

namespace {

using namespace tallimo;

// The process's private memory in bytes, as the system counts it.
double PrivateBytes() {
    std::ifstream rollup("/proc/self/smaps_rollup");
    std::string key;
    double kilobytes = 0;
    double total = 0;
    while (rollup >> key) {
        if (key == "Private_Clean:" || key == "Private_Dirty:") {
            rollup >> kilobytes;
            total += kilobytes * 1024;
        }
    }
    return total;
}

// The private memory of the window with a file of 100 000 lines open, less
// that of the empty window, per line. Runs first, before the other
// benchmarks leave freed memory behind.
void BM_WindowMemoryPerLine(benchmark::State& state) {
    const int lines = static_cast<int>(state.range(0));
    QTemporaryDir dir;
    OneFileHost host(WriteLargeGridFile(dir, lines));
    double per_line = 0;
    for (auto _ : state) {
        FrmCalc window(host);
        window.show();
        QApplication::processEvents();
        const double empty = PrivateBytes();
        window.MenuItem(MenuCommand::Open)->trigger();
        QApplication::processEvents();
        per_line = (PrivateBytes() - empty) / lines;
    }
    state.counters["bytes_per_line"] = per_line;
}
BENCHMARK(BM_WindowMemoryPerLine)->Arg(100000)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_KeyStepWithLargeGrid(benchmark::State& state) {
    QTemporaryDir dir;
    OneFileHost host(WriteLargeGridFile(dir, static_cast<int>(state.range(0))));
    FrmCalc window(host);
    window.show();
    window.MenuItem(MenuCommand::Open)->trigger();
    QApplication::processEvents();
    KstGdiCtl* one = window.KeyControl(KeyId::Chiffre1);
    KstGdiCtl* plus = window.KeyControl(KeyId::Operateur0);
    for (auto _ : state) {
        QTest::mouseClick(one, Qt::LeftButton, {}, QPoint(13, 13));
        QTest::mouseClick(plus, Qt::LeftButton, {}, QPoint(13, 13));
        QApplication::processEvents();
    }
    state.counters["lines"] = window.Grid().GridLine();
}
BENCHMARK(BM_KeyStepWithLargeGrid)->Arg(10)->Arg(100000)->Unit(benchmark::kMicrosecond);

// Opening the file itself, grid view included.
void BM_OpenLargeFileIntoTheWindow(benchmark::State& state) {
    QTemporaryDir dir;
    OneFileHost host(WriteLargeGridFile(dir, static_cast<int>(state.range(0))));
    FrmCalc window(host);
    window.show();
    for (auto _ : state) {
        window.MenuItem(MenuCommand::Open)->trigger();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_OpenLargeFileIntoTheWindow)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
