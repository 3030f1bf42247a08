// What the colours add to the start of the calculator window: reading the
// style and colours from the settings file, and putting them on the window
// (every key's face redrawn, the palettes of window, grid and dial). Run
// offscreen unless a display is given.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>
#include <fstream>
#include <string>

#include "app/frm_calc.h"
#include "app/qt_host.h"
#include "app/qt_settings_store.h"
#include "appearance/color_styles.h"
#include "appearance/ui/window_colors.h"
#include "grid/ui/calc_grid_view.h"

namespace {

using namespace tallimo;

long RssAnonKib() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("RssAnon:", 0) == 0) {
            return std::stol(line.substr(8));
        }
    }
    return -1;
}

// A settings folder holding a custom style, as after a personalisation.
class SettingsFolder {
  public:
    SettingsFolder() {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir_.path());
        std::ofstream(dir_.filePath(QStringLiteral("Kestrone App Tallimo.conf")).toStdString())
            << "[Colors]\nStyle=4\nColor1=255\nColor2=-2147483646\nColor3=65280\n"
               "Color4=16711680\nColor5=0\n";
    }

  private:
    QTemporaryDir dir_;
};

// The first read of the run: the file is opened and parsed. Later stores of
// the same file share Qt's parsed copy, so this runs once.
void BM_LoadColorsFirstRead(benchmark::State& state) {
    SettingsFolder folder;
    const long before = RssAnonKib();
    for (auto _ : state) {
        QtSettingsStore store;
        benchmark::DoNotOptimize(LoadColors(store));
    }
    state.counters["RssAnon_KiB"] = static_cast<double>(RssAnonKib() - before);
}
BENCHMARK(BM_LoadColorsFirstRead)->Iterations(1);

void BM_LoadColors(benchmark::State& state) {
    SettingsFolder folder;
    for (auto _ : state) {
        QtSettingsStore store;
        benchmark::DoNotOptimize(LoadColors(store));
    }
}
BENCHMARK(BM_LoadColors);

// Style 1 (system colours) or the custom style (RGB colours) on the window.
void BM_ApplyWindowColors(benchmark::State& state) {
    QtHost host;
    FrmCalc window(host);
    std::array<KstGdiCtl*, kKeyCount> keys{};
    for (int i = 0; i < kKeyCount; ++i) {
        keys[static_cast<std::size_t>(i)] = window.KeyControl(KeyAt(i));
    }
    const WindowColorParts parts{&keys, GridMode::Calculator, window.centralWidget(),
                                 window.GridView(), window.Dial()};
    const ColorSet colors = state.range(0) == 1
                                ? StyleColorSet(1, {})
                                : ColorSet{4, {0x0000FF, SystemColor(2), 0x00FF00, 0xFF0000, 0}};
    const long before = RssAnonKib();
    for (auto _ : state) {
        ApplyWindowColors(parts, colors);
    }
    state.counters["RssAnon_KiB"] = static_cast<double>(RssAnonKib() - before);
}
BENCHMARK(BM_ApplyWindowColors)->Arg(1)->Arg(4)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
