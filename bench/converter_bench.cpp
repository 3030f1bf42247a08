// The converter window with many rows: one keystroke's conversion, the row
// that a conversion in the last row adds, and the window's opening up to its
// first paint. Offscreen, painting included.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <algorithm>
#include <memory>

#include "app/qt_host.h"
#include "converter/ui/frm_hod.h"
#include "converter/ui/kst_d_grid.h"

namespace {

using namespace tallimo;

void Key(QWidget* field, Qt::Key key, const QString& text) {
    for (const auto type : {QEvent::KeyPress, QEvent::KeyRelease}) {
        QKeyEvent event(type, key, Qt::NoModifier, text);
        QApplication::sendEvent(field, &event);
    }
}

// A shown window whose table has `rows` rows, the last one empty.
std::unique_ptr<FrmHOD> WindowWithRows(QtHost& host, int rows) {
    auto window = std::make_unique<FrmHOD>(host);
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    window->show();
    KstDGrid* grid = window->Grid();
    while (grid->LastRow() < rows) {
        Key(grid->Field(grid->LastRow(), Column::Dec), Qt::Key_1, QStringLiteral("1"));
    }
    QApplication::processEvents();
    return window;
}

// A digit typed, then taken back, in a row in the middle: each is one
// keystroke converting its row.
void BM_KeystrokeConversion(benchmark::State& state) {
    QtHost host;
    const int rows = static_cast<int>(state.range(0));
    const std::unique_ptr<FrmHOD> window = WindowWithRows(host, rows);
    QLineEdit* field = window->Grid()->Field(std::max(rows / 2, 1), Column::Dec);
    field->setFocus();
    bool typed = false;
    for (auto _ : state) {
        if (typed) {
            Key(field, Qt::Key_Backspace, QStringLiteral("\b"));
        } else {
            Key(field, Qt::Key_7, QStringLiteral("7"));
        }
        typed = !typed;
        QApplication::processEvents();
    }
    state.counters["rows"] = window->Grid()->LastRow();
}
BENCHMARK(BM_KeystrokeConversion)->Arg(1)->Arg(1000)->Unit(benchmark::kMicrosecond);

// A digit typed in the last row, which adds one; 200 rows past the start.
void BM_AddRow(benchmark::State& state) {
    QtHost host;
    const std::unique_ptr<FrmHOD> window = WindowWithRows(host, static_cast<int>(state.range(0)));
    KstDGrid* grid = window->Grid();
    for (auto _ : state) {
        Key(grid->Field(grid->LastRow(), Column::Dec), Qt::Key_1, QStringLiteral("1"));
        QApplication::processEvents();
    }
    state.counters["rows"] = grid->LastRow();
}
BENCHMARK(BM_AddRow)->Arg(1)->Arg(1000)->Iterations(200)->Unit(benchmark::kMicrosecond);

// Told when its widget is first painted.
class FirstPaint : public QObject {
  public:
    bool eventFilter(QObject*, QEvent* event) override {
        painted = painted || event->type() == QEvent::Paint;
        return false;
    }
    bool painted = false;
};

void BM_OpenToFirstPaint(benchmark::State& state) {
    QtHost host;
    for (auto _ : state) {
        QPointer<FrmHOD> window;
        FirstPaint watch;
        OpenConverter(window, host, nullptr);
        window->Grid()->installEventFilter(&watch);
        while (!watch.painted) {
            QApplication::processEvents();
        }
        state.PauseTiming();
        delete window;
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenToFirstPaint)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
