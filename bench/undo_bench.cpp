// Undoing a "Grille vierge" of a long tape: the history gives the 100 000
// lines back, the grid takes them, the calculator its state; and what keeping
// a step costs before such a change.
#include <benchmark/benchmark.h>

#include <optional>
#include <string>
#include <vector>

#include "gridwork/grid_history.h"
#include "numbers/number_text.h"
#include "silent_host.h"

namespace {

using namespace tallimo;

std::vector<CalcLine> Tape(int lines) {
    std::vector<CalcLine> tape;
    tape.reserve(static_cast<std::size_t>(lines));
    for (int i = 0; i < lines; ++i) {
        tape.push_back({i % 10 == 0 ? "" : "+", NumberToText(1.0 + (i % 13) * 0.25),
                        i % 50 == 0 ? "          facture" : "", "", LineKind::Operation});
    }
    return tape;
}

TapeState Now(const CalcGrid& grid, const CalcEngine& engine, const GridHistory& history) {
    return {LineSnapshot(grid.Lines(), history.Base()), engine.Snapshot(), ""};
}

// What the document does for "Annuler la modification" after "Grille vierge".
void BM_UndoBlankGrid(benchmark::State& state) {
    SilentHost host;
    CalcGrid grid;
    CalcEngine engine(grid, host, host);
    GridHistory history;
    const std::vector<CalcLine> tape = Tape(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        grid.Reset(tape);
        history.Record(Now(grid, engine, history));
        engine.BlankGrid();
        state.ResumeTiming();

        std::optional<TapeState> back = history.Undo(Now(grid, engine, history));
        std::vector<PackedLine> lines = back->lines.Lines();
        lines.pop_back();  // the open row
        grid.Reset(std::move(lines));
        engine.Restore(back->engine);
        benchmark::DoNotOptimize(grid.GridLine());
    }
}
BENCHMARK(BM_UndoBlankGrid)->Arg(100000)->Unit(benchmark::kMillisecond);

// Keeping the tape before a change, when the history already holds it: only
// the comparison, every run shared.
void BM_RecordStepOverKeptTape(benchmark::State& state) {
    SilentHost host;
    CalcGrid grid;
    CalcEngine engine(grid, host, host);
    GridHistory history;
    grid.Reset(Tape(static_cast<int>(state.range(0))));
    history.Record(Now(grid, engine, history));
    for (auto _ : state) {
        history.Record(Now(grid, engine, history));
    }
}
BENCHMARK(BM_RecordStepOverKeptTape)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
