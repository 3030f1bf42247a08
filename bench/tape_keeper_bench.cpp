// What keeping a 100 000-line grid on disk costs the user-interface thread:
// per change (every key that records a line), and once per interval, when the
// keeper copies the lines for its worker. The worker's own write is measured
// too, for information: it happens off the key path.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <QCoreApplication>
#include <filesystem>
#include <string>
#include <vector>

#include "app/tape_keeper.h"
#include "gridwork/calc_file.h"
#include "gridwork/csv_export.h"
#include "numbers/number_text.h"

namespace {

using namespace tallimo;
namespace fs = std::filesystem;

constexpr int kLines = 100000;

// Operands, operators, results and functions, a comment on every fourth
// result: the kind of grid a day of work leaves.
const std::vector<PackedLine>& Grid() {
    static const std::vector<PackedLine> lines = [] {
        std::vector<CalcLine> made;
        made.reserve(kLines);
        for (int i = 0; made.size() < kLines; ++i) {
            const double a = 1234.5 + i;
            made.push_back({"", NumberToText(a), "", "", LineKind::Operation});
            made.push_back({"x", "1,07", "", "", LineKind::Operation});
            made.push_back(
                {"=", NumberToText(a * 1.07),
                 i % 4 == 0 ? "          TVA réduite, trimestre " + std::to_string(i) : "", "",
                 LineKind::Result});
            made.push_back({"Décimal", NumberToText(a * 1.07), "", "2", LineKind::Function});
        }
        made.resize(kLines);
        return PackLines(made);
    }();
    return lines;
}

class TempFolder {
  public:
    TempFolder() {
        std::string pattern = (fs::temp_directory_path() / "tallimo-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()) != nullptr) {
            path_ = pattern;
        }
    }
    ~TempFolder() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    QString Folder() const { return QString::fromStdString((path_ / "tallimo").string()); }
    std::string File(const char* name) const { return (path_ / name).string(); }

  private:
    fs::path path_;
};

TapeKeeper::Options KeeperOptions(const TempFolder& folder, std::chrono::milliseconds interval) {
    TapeKeeper::Options options;
    options.state_folder = folder.Folder();
    options.interval = interval;
    return options;
}

// A key within the interval: the grid is marked as changed, nothing more.
void BM_ChangeWithinTheInterval(benchmark::State& state) {
    TempFolder folder;
    const std::vector<PackedLine>& grid = Grid();
    TapeKeeper keeper([&grid] { return grid; }, KeeperOptions(folder, std::chrono::hours(1)));
    keeper.GridChanged();
    QCoreApplication::processEvents();  // the first change is copied at once
    for (auto _ : state) {
        keeper.GridChanged();
    }
    keeper.FlushNow();
}
BENCHMARK(BM_ChangeWithinTheInterval);

// The key on which the interval ends: the copy of the lines handed to the
// worker. Waiting for the worker's write is left out of the time.
void BM_ChangeThatCopiesTheGrid(benchmark::State& state) {
    TempFolder folder;
    const std::vector<PackedLine>& grid = Grid();
    TapeKeeper keeper([&grid] { return grid; }, KeeperOptions(folder, std::chrono::hours(0)));
    for (auto _ : state) {
        keeper.GridChanged();
        QCoreApplication::processEvents();
        state.PauseTiming();
        keeper.FlushNow();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ChangeThatCopiesTheGrid)->Unit(benchmark::kMillisecond)->UseRealTime();

// The worker's part: the calculation file made and replaced atomically.
void BM_WorkerWrite(benchmark::State& state) {
    TempFolder folder;
    for (auto _ : state) {
        benchmark::DoNotOptimize(SaveCalculationFile(folder.File("grille.dat"), Grid()));
    }
}
BENCHMARK(BM_WorkerWrite)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ExportCsv(benchmark::State& state) {
    TempFolder folder;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ExportCsv(folder.File("grille.csv"), UnpackLines(Grid())));
    }
}
BENCHMARK(BM_ExportCsv)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
