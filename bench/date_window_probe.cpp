// The date calculator window: from the menu's call to its first paint, and
// one keystroke with the recomputation and repaint it causes, in each mode.
// Offscreen unless QT_QPA_PLATFORM says otherwise (run it on an X server to
// count the real drawing too).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "app/qt_host.h"
#include "dates/ui/calendar.h"
#include "dates/ui/frm_date.h"

namespace {

using namespace tallimo;

// Notes the first paint of any widget of the watched window.
class PaintWatch : public QObject {
  public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType() &&
            qobject_cast<FrmDate*>(static_cast<QWidget*>(watched)->window()) != nullptr) {
            painted = true;
        }
        return false;
    }
    bool painted = false;
};

void BM_OpenToFirstPaint(benchmark::State& state) {
    QtHost host;
    QWidget main_window;
    PaintWatch watch;
    qApp->installEventFilter(&watch);
    for (auto _ : state) {
        watch.painted = false;
        QPointer<FrmDate> window;
        OpenDateCalculator(host, &main_window, window);
        while (!watch.painted) {
            QApplication::processEvents(QEventLoop::AllEvents, 5);
        }
        state.PauseTiming();
        delete window.data();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    qApp->removeEventFilter(&watch);
}
BENCHMARK(BM_OpenToFirstPaint)->Unit(benchmark::kMillisecond);

// Typing "1" then erasing it in the days field, over and over: each key
// reads the field, shifts the date, lays out the result's month, and with
// the argument 1 repaints what changed.
void BM_KeystrokeInDateMode(benchmark::State& state) {
    const bool repaint = state.range(0) != 0;
    QtHost host;
    QPointer<FrmDate> window;
    OpenDateCalculator(host, nullptr, window);
    window->findChild<QPushButton*>(QStringLiteral("cmdMenu0"))->click();
    auto* days = window->findChild<QLineEdit*>(QStringLiteral("txtIntervalle2"));
    days->setFocus();
    days->end(false);
    QApplication::processEvents();
    bool type = true;
    for (auto _ : state) {
        QTest::keyClick(days, type ? Qt::Key_1 : Qt::Key_Backspace);
        type = !type;
        if (repaint) {
            QApplication::processEvents();
        }
    }
    delete window.data();
}
BENCHMARK(BM_KeystrokeInDateMode)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// A month step in the start calendar: its new page, the interval, and with
// the argument 1 the repaint.
void BM_KeystrokeInIntervalMode(benchmark::State& state) {
    const bool repaint = state.range(0) != 0;
    QtHost host;
    QPointer<FrmDate> window;
    OpenDateCalculator(host, nullptr, window);
    window->findChild<QPushButton*>(QStringLiteral("cmdMenu1"))->click();
    auto* start = window->findChild<Calendar*>(QStringLiteral("calDépart"));
    QApplication::processEvents();
    bool forward = true;
    for (auto _ : state) {
        QTest::keyClick(start, forward ? Qt::Key_PageDown : Qt::Key_PageUp);
        forward = !forward;
        if (repaint) {
            QApplication::processEvents();
        }
    }
    delete window.data();
}
BENCHMARK(BM_KeystrokeInIntervalMode)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

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
