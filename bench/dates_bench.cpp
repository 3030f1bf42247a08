// The date calculator's arithmetic: an interval between two days, a day
// shifted by years, months and days, and a month page.
#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "dates/date_interval.h"
#include "dates/date_shift.h"
#include "dates/month_layout.h"

namespace {

using namespace tallimo;

std::vector<CalendarDate> RandomDays(int count) {
    std::mt19937 random(12);
    std::uniform_int_distribution<int> offset(
        0, DaysBetween(CalendarDate::First(), CalendarDate::Last()));
    std::vector<CalendarDate> days;
    for (int i = 0; i < count; ++i) {
        days.push_back(*AddToDate(CalendarDate::First(), DateUnit::Days, offset(random)));
    }
    return days;
}

void BM_IntervalBetween(benchmark::State& state) {
    const std::vector<CalendarDate> days = RandomDays(1024);
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            IntervalText(IntervalBetween(days[i % 1024], days[(i + 1) % 1024])));
        ++i;
    }
}
BENCHMARK(BM_IntervalBetween);

void BM_ShiftDate(benchmark::State& state) {
    const std::vector<CalendarDate> days = RandomDays(1024);
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ShiftDate(days[i++ % 1024], false, {3, 14, 45}));
    }
}
BENCHMARK(BM_ShiftDate);

void BM_LayOutMonth(benchmark::State& state) {
    const std::vector<CalendarDate> days = RandomDays(1024);
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(LayOutMonth(days[i++ % 1024]));
    }
}
BENCHMARK(BM_LayOutMonth);

}  // namespace

BENCHMARK_MAIN();
