// Speed of recomputing a long calculation chain and of deleting a line from
// a large grid.
#include <benchmark/benchmark.h>

#include <optional>
#include <string>
#include <vector>

#include "gridwork/line_edit.h"
#include "numbers/number_text.h"
#include "silent_host.h"

namespace {

using namespace tallimo;

// One chain of `lines` lines: a first operand, then operators with their
// operands, a function now and then and a result every tenth line, so that
// every kind of step is recomputed.
std::vector<CalcLine> LongChain(int lines) {
    static const char* const kOperators[] = {"+", "x", "-", "/"};
    static const char* const kFunctions[] = {"RCarrée", "Carré", "Arrond", "1/x"};
    std::vector<CalcLine> chain;
    chain.reserve(static_cast<std::size_t>(lines));
    chain.push_back({"", "1", "", "", LineKind::Operation});
    for (int i = 1; static_cast<int>(chain.size()) < lines; ++i) {
        if (i % 10 == 0) {
            chain.push_back({"=", "0", "", "", LineKind::Result});
        } else if (i % 7 == 0) {
            chain.push_back({kFunctions[i % 4], "0", "", "2", LineKind::Function});
        } else {
            chain.push_back({kOperators[i % 4], NumberToText(1.0 + (i % 13) * 0.25), "", "",
                             LineKind::Operation});
        }
    }
    return chain;
}

// Each pass starts from another first operand, so that every result changes
// and is written again.
void BM_RecalculateChain(benchmark::State& state) {
    CalcGrid grid;
    grid.Reset(LongChain(static_cast<int>(state.range(0))));
    const int last = grid.GridLine() - 1;
    int pass = 0;
    for (auto _ : state) {
        grid.SetValue(0, NumberToText(1.5 + (pass++ % 2)));
        RecalculateChain(grid, 0, last);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_RecalculateChain)->Arg(30000)->Unit(benchmark::kMillisecond);

// Short calculations as the keypad records them: 3, + 4, "RCarrée" 2, + 5,
// = 10.
std::vector<CalcLine> ManyChains(int lines) {
    std::vector<CalcLine> grid;
    grid.reserve(static_cast<std::size_t>(lines));
    while (static_cast<int>(grid.size()) < lines) {
        grid.push_back({"", "3", "", "", LineKind::Operation});
        grid.push_back({"+", "4", "", "", LineKind::Operation});
        grid.push_back({"RCarrée", "2", "", "", LineKind::Function});
        grid.push_back({"+", "5", "", "", LineKind::Operation});
        grid.push_back({"=", "10", "", "", LineKind::Result});
    }
    return grid;
}

enum Where { kTop, kMiddle };

// Deletes an operand that carries a function (two rows go) in a grid of
// state.range(0) lines, in its first chain or in one in the middle. The
// grid is rebuilt, untimed, after each deletion.
void BM_DeleteLine(benchmark::State& state) {
    const std::vector<CalcLine> lines = ManyChains(static_cast<int>(state.range(0)));
    const int chain_start = state.range(1) == kTop ? 0 : (static_cast<int>(lines.size()) / 10) * 5;
    CalcGrid grid;
    SilentHost host;
    LineEditor editor(grid, host, host);
    for (auto _ : state) {
        state.PauseTiming();
        grid.Reset(lines);
        state.ResumeTiming();
        benchmark::DoNotOptimize(editor.Delete(chain_start + 1));
    }
}
BENCHMARK(BM_DeleteLine)
    ->Args({100000, kTop})
    ->Args({100000, kMiddle})
    ->Unit(benchmark::kMillisecond);

// The worst case: the deleted line belongs to one chain of the whole grid,
// which is recomputed after the deletion.
void BM_DeleteLineOfOneLongChain(benchmark::State& state) {
    const std::vector<CalcLine> lines = LongChain(static_cast<int>(state.range(0)));
    CalcGrid grid;
    SilentHost host;
    LineEditor editor(grid, host, host);
    for (auto _ : state) {
        state.PauseTiming();
        grid.Reset(lines);
        state.ResumeTiming();
        benchmark::DoNotOptimize(editor.Delete(1));
    }
}
BENCHMARK(BM_DeleteLineOfOneLongChain)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
