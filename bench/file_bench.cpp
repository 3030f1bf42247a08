// Speed of saving and opening a calculation file of 100 000 lines: opening
// (read, parse, fill the grid) must stay under 150 ms, saving under 100 ms.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "grid/calc_grid.h"
#include "gridwork/calc_file.h"
#include "numbers/number_text.h"

namespace {

using namespace tallimo;
namespace fs = std::filesystem;

constexpr int kLines = 100000;

// Calculations as a user makes them: operands, operators, results, functions
// with accents and decimals, a cancellation now and then, comments on some
// results.
std::vector<CalcLine> SampleLines() {
    std::vector<CalcLine> lines;
    lines.reserve(kLines);
    double x = 0;
    for (int i = 0; lines.size() < kLines; ++i) {
        const double a = 1234.5 + i;
        lines.push_back({"", NumberToText(a), "", "", LineKind::Operation});
        lines.push_back({"x", "1,07", "", "", LineKind::Operation});
        x = a * 1.07;
        lines.push_back({"=", NumberToText(x),
                         i % 4 == 0 ? "          TVA réduite, trimestre " + std::to_string(i) : "",
                         "", LineKind::Result});
        switch (i % 3) {
            case 0:
                lines.push_back(
                    {"RCarrée", NumberToText(x = std::sqrt(x)), "", "", LineKind::Function});
                break;
            case 1:
                lines.push_back({"Décimal", NumberToText(x), "", "2", LineKind::Function});
                break;
            default:
                lines.push_back({"+", "3", "", "", LineKind::Operation});
                lines.push_back({"", "Annulation", "", "", LineKind::Cancellation});
                break;
        }
    }
    lines.resize(kLines);
    lines.back() = {"=", NumberToText(x), "", "", LineKind::Result};
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
    std::string File() const { return (path_ / "calculs.dat").string(); }

  private:
    fs::path path_;
};

// What the window does on "Enregistrer": the grid's lines written out.
void BM_Save100k(benchmark::State& state) {
    const std::vector<PackedLine> lines = PackLines(SampleLines());
    TempFolder folder;
    for (auto _ : state) {
        if (SaveCalculationFile(folder.File(), lines) != FileError::None) {
            state.SkipWithError("save failed");
            break;
        }
    }
    state.SetBytesProcessed(state.iterations() *
                            static_cast<std::int64_t>(fs::file_size(folder.File())));
}
BENCHMARK(BM_Save100k)->Unit(benchmark::kMillisecond);

// What the window does on "Ouvrir": read and check, then hand the lines over.
void BM_Open100k(benchmark::State& state) {
    TempFolder folder;
    if (SaveCalculationFile(folder.File(), SampleLines()) != FileError::None) {
        state.SkipWithError("save failed");
        return;
    }
    CalcGrid grid;
    for (auto _ : state) {
        PackedFile read = LoadCalculationLines(folder.File());
        if (read.error != FileError::None) {
            state.SkipWithError("open failed");
            break;
        }
        grid.Reset(std::move(read.lines));
        benchmark::DoNotOptimize(grid.GridLine());
    }
}
BENCHMARK(BM_Open100k)->Unit(benchmark::kMillisecond);

// The parts on their own, to see where the time goes.
void BM_Write100k(benchmark::State& state) {
    const std::vector<PackedLine> lines = PackLines(SampleLines());
    for (auto _ : state) {
        benchmark::DoNotOptimize(WriteCalculationFile(lines));
    }
}
BENCHMARK(BM_Write100k)->Unit(benchmark::kMillisecond);

void BM_Parse100k(benchmark::State& state) {
    const std::string bytes = WriteCalculationFile(SampleLines());
    for (auto _ : state) {
        benchmark::DoNotOptimize(ParseCalculationLines(bytes));
    }
}
BENCHMARK(BM_Parse100k)->Unit(benchmark::kMillisecond);

// The same through the lines with their texts, as other callers use them.
void BM_ParseToTexts100k(benchmark::State& state) {
    const std::string bytes = WriteCalculationFile(SampleLines());
    for (auto _ : state) {
        benchmark::DoNotOptimize(ParseCalculationFile(bytes));
    }
}
BENCHMARK(BM_ParseToTexts100k)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
