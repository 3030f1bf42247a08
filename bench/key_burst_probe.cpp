// A fast typist on the numeric pad, against the calculator window with a
// grid of 100 000 lines: 1 000 keys (digits, comma, +, -, Enter) are given to
// the window at once, as a burst faster than any hand, with the desktop's
// host and its real 100 ms pressed look. Reports the keys acted on per
// second, the delay from the last key given to the final display, and
// whether the grid and the display are those of the same keys acted on one
// by one by the calculator alone.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QTemporaryDir>
#include <fstream>
#include <random>

#include "app/frm_calc.h"
#include "engine/calc_engine.h"
#include "engine/keyboard.h"
#include "grid/calc_grid.h"
#include "gridwork/calc_file.h"
#include "gridwork/line_edit.h"
#include "large_grid_file.h"
#include "silent_host.h"

namespace {

using namespace tallimo;

constexpr int kKeys = 1000;
constexpr int kLines = 100000;

struct PadKey {
    int qt_key;
    char text;
    int virtual_key;
};

// Digits mostly, as sums are typed; no division, so no message box.
std::vector<PadKey> Keys() {
    std::mt19937 random(20261207);
    std::vector<PadKey> keys;
    for (int i = 0; i < kKeys; ++i) {
        const int pick = static_cast<int>(random() % 16);
        if (pick < 10) {
            keys.push_back({Qt::Key_0 + pick, static_cast<char>('0' + pick), vk::kPad0 + pick});
        } else if (pick == 10) {
            keys.push_back({Qt::Key_Comma, ',', vk::kPadDecimal});
        } else if (pick < 13) {
            keys.push_back({Qt::Key_Plus, '+', vk::kPadAdd});
        } else if (pick < 15) {
            keys.push_back({Qt::Key_Minus, '-', vk::kPadSubtract});
        } else {
            keys.push_back({Qt::Key_Enter, '\r', vk::kEnter});
        }
    }
    return keys;
}

// Counts the keys the window has been given and notes when the last came.
class KeyCounter : public QObject {
  public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::KeyPress && ++count == kKeys) {
            last_key_ns = clock.nsecsElapsed();
        }
        return false;
    }
    QElapsedTimer clock;
    int count = 0;
    qint64 last_key_ns = 0;
};

void BM_BurstOfPadKeys(benchmark::State& state) {
    QTemporaryDir dir;
    OneFileHost host(WriteLargeGridFile(dir, kLines));
    const std::vector<PadKey> keys = Keys();

    // The same keys, each acted on in turn by the calculator alone.
    CalcGrid expected_grid;
    SilentHost silent;
    CalcEngine expected(expected_grid, silent, silent);
    expected_grid.Reset(LoadCalculationFile(host.Path().toStdString()).lines);
    expected.ContinueFromLastLine(ComputedLastValue(expected_grid));
    for (const PadKey& key : keys) {
        expected.Press(MapKeyboardKey(key.virtual_key, 0)->key);
    }

    double keys_per_second = 0;
    double final_delay_ms = 0;
    bool same = true;
    for (auto _ : state) {
        state.PauseTiming();
        FrmCalc window(host);
        window.show();
        window.MenuItem(MenuCommand::Open)->trigger();
        QApplication::processEvents();
        KeyCounter counter;
        window.installEventFilter(&counter);
        state.ResumeTiming();

        counter.clock.start();
        for (const PadKey& key : keys) {
            const QString text(QChar::fromLatin1(key.text));
            QApplication::postEvent(
                &window, new QKeyEvent(QEvent::KeyPress, key.qt_key, Qt::KeypadModifier, text));
            QApplication::postEvent(
                &window, new QKeyEvent(QEvent::KeyRelease, key.qt_key, Qt::KeypadModifier, text));
        }
        while (counter.count < kKeys || window.KeysPending()) {
            QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        }
        const qint64 done_ns = counter.clock.nsecsElapsed();

        state.PauseTiming();
        keys_per_second = kKeys / (static_cast<double>(done_ns) / 1e9);
        final_delay_ms = static_cast<double>(done_ns - counter.last_key_ns) / 1e6;
        same = window.Dial()->text().toStdString() == expected.Display() &&
               window.Grid().GridLine() == expected_grid.GridLine();
        for (int row = kLines - 1; same && row <= expected_grid.GridLine(); ++row) {
            same = window.Grid().Row(row) == expected_grid.Row(row);
        }
        state.ResumeTiming();
    }
    state.counters["keys_per_s"] = keys_per_second;
    state.counters["last_key_to_display_ms"] = final_delay_ms;
    state.counters["same_as_one_by_one"] = same ? 1 : 0;
}
BENCHMARK(BM_BurstOfPadKeys)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
