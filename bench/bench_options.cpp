// Times the working out of the seven mortgage types for terms of 40 and 100 years,
// with and without their month-by-month schedules.
// Usage: hearthwise_bench [--benchmark_* options]

#include "calc/MortgageOptions.h"

#include <benchmark/benchmark.h>

namespace {

void run(benchmark::State& state, hw::Schedules schedules) {
    const hw::OptionsInput input{*hw::Currency::fromUnits(450000),
                                 6.5F,
                                 static_cast<float>(state.range(0)),
                                 9000.0,
                                 4500.0,
                                 *hw::Currency::fromUnits(9000),
                                 *hw::Currency::fromUnits(4500)};
    for (auto _ : state)
        benchmark::DoNotOptimize(hw::calculateOptions(input, schedules));
    state.SetLabel(std::to_string(state.range(0)) + " years");
}
void calculateOptions(benchmark::State& state) {
    run(state, hw::Schedules::Without);
}
void calculateOptionsWithSchedules(benchmark::State& state) {
    run(state, hw::Schedules::With);
}
BENCHMARK(calculateOptions)->Arg(40)->Arg(100)->Unit(benchmark::kMicrosecond);
BENCHMARK(calculateOptionsWithSchedules)->Arg(40)->Arg(100)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
