// What one recorded line costs in memory: the heap a grid of 1 000 000 lines
// holds beyond an empty one, per line, reported as the counter
// "bytes_per_line". The lines are those of a calculation file as users make
// them, read through the file reader, so that the figure counts what opening
// a large file leaves in memory (the grid's own rows, not the window's).
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <cmath>
#include <string>

#include "grid/calc_grid.h"
#include "gridwork/calc_file.h"
#include "numbers/number_text.h"

namespace {

using namespace tallimo;

constexpr int kLines = 1'000'000;

// Operands, operators, results with their full digits, functions with
// accents and decimals, a cancellation now and then, comments on some
// results.
std::string SampleFile() {
    std::string text = "\"Kestrone Application Virelle\"\r\n\"1.5.0\"\r\n";
    auto record = [&text](int kind, const std::string& op, const std::string& value,
                          const std::string& comment, const std::string& decimals) {
        text += std::to_string(kind) + ",\"" + op + "\",\"" + value + "\",\"" + comment + "\",\"" +
                decimals + "\"\r\n";
    };
    int lines = 0;
    double x = 0;
    for (int i = 0; lines < kLines - 1; ++i) {
        const double a = 1234.5 + i;
        record(0, "", NumberToText(a), "", "");
        record(0, "/", "7", "", "");
        x = a / 7;
        record(2, "=", NumberToText(x),
               i % 4 == 0 ? "          TVA, trimestre " + std::to_string(i) : "", "");
        lines += 3;
        switch (i % 3) {
            case 0:
                record(1,
                       "RCarr\xE9"
                       "e",
                       NumberToText(x = std::sqrt(x)), "", "");
                lines += 1;
                break;
            case 1:
                record(1,
                       "D\xE9"
                       "cimal",
                       NumberToText(x = std::trunc(x * 100) / 100), "", "2");
                lines += 1;
                break;
            default:
                record(0, "+", "3", "", "");
                record(3, "", "Annulation", "", "");
                lines += 2;
                break;
        }
    }
    record(2, "=", NumberToText(x), "", "");
    return text;
}

// Small blocks in the arenas and the large ones the allocator maps apart.
std::size_t HeapInUse() {
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

void BM_LineMemory(benchmark::State& state) {
    const std::string file = SampleFile();
    double per_line = 0;
    std::size_t lines = 0;
    for (auto _ : state) {
        CalcGrid grid;
        const std::size_t before = HeapInUse();
        {
            ParsedFile parsed = ParseCalculationFile(file);
            grid.Reset(std::move(parsed.lines));
        }
        const std::size_t after = HeapInUse();
        lines = static_cast<std::size_t>(grid.GridLine());
        per_line = static_cast<double>(after - before) / static_cast<double>(lines);
    }
    state.counters["lines"] = static_cast<double>(lines);
    state.counters["bytes_per_line"] = per_line;
}
BENCHMARK(BM_LineMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
