// Speed of the number texts and of a recording key step on a large grid.
#include <benchmark/benchmark.h>

#include <optional>
#include <string>

#include "engine/calc_engine.h"
#include "numbers/number_text.h"
#include "silent_host.h"

namespace {

using namespace tallimo;

void BM_NumberToText(benchmark::State& state) {
    const double values[] = {15.0, 0.5, 1.0 / 3, 1e20, 1e-5, -1234.5678, 6.55957};
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(NumberToText(values[i++ % 7]));
    }
}
BENCHMARK(BM_NumberToText);

void BM_TextToNumber(benchmark::State& state) {
    const char* texts[] = {"15",
                           "0,5",
                           "0,333333333333333",
                           "1E+20",
                           "1E-05",
                           "-1234,5678",
                           "3,1415926535897932384626433832795"};
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(TextToNumber(texts[i++ % 7]));
    }
}
BENCHMARK(BM_TextToNumber);

// One operator after a typed operand: reads the display, evaluates, records
// the operand and writes the operator into the new open row. The grid
// already holds state.range(0) lines.
void BM_OperatorStepRecordsALine(benchmark::State& state) {
    CalcGrid grid;
    SilentHost host;
    CalcEngine engine(grid, host, host);
    engine.Press({Key::Digit, 1, 1});
    engine.Press({Key::Operator, 0, 1});
    while (grid.GridLine() < state.range(0)) {
        engine.Press({Key::Digit, 1, 1});
        engine.Press({Key::Operator, 0, 1});
    }
    // The digit costs a few nanoseconds; pausing the timer around it would
    // cost far more than it.
    for (auto _ : state) {
        engine.Press({Key::Digit, 7, 1});
        engine.Press({Key::Operator, 0, 1});
    }
}
BENCHMARK(BM_OperatorStepRecordsALine)->Arg(10)->Arg(100000);

}  // namespace

BENCHMARK_MAIN();
