// Starts either the calculator window or a bare window of the same size,
// and when the window is first painted prints the wall-clock time in
// nanoseconds, the private memory (RssAnon, in KiB) and the CPU time the
// process has used since exec (microseconds), then quits.
// tools/startup_bench.sh runs it and compares the two.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <string>

#include "app/frm_calc.h"
#include "app/qt_host.h"

namespace {

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

// Reports once, at the first paint of the watched window.
class FirstPaint : public QObject {
  public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !done_) {
            done_ = true;
            QTimer::singleShot(0, [] {
                const auto now = std::chrono::system_clock::now().time_since_epoch();
                timespec cpu{};
                clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu);
                std::printf("%lld %ld %lld\n",
                            static_cast<long long>(
                                std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()),
                            RssAnonKib(),
                            static_cast<long long>(cpu.tv_sec) * 1000000 + cpu.tv_nsec / 1000);
                std::fflush(stdout);
                QApplication::quit();
            });
        }
        return false;
    }

  private:
    bool done_ = false;
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const std::string mode = argc > 1 ? argv[1] : "";
    FirstPaint probe;
    // "bare": an empty window; "text": the same with one line of text, so
    // that it starts the desktop's font system as any window with text does.
    if (mode == "bare" || mode == "text") {
        QMainWindow window;
        window.setWindowTitle(QStringLiteral("Tallimo"));
        if (mode == "text") {
            window.setCentralWidget(new QLabel(QStringLiteral("0")));
        }
        window.setFixedSize(531, 426);
        window.installEventFilter(&probe);
        window.show();
        return QApplication::exec();
    }
    tallimo::QtHost host;
    tallimo::FrmCalc window(host);
    window.installEventFilter(&probe);
    window.show();
    return QApplication::exec();
}
