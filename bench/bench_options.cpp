// SPDX-FileCopyrightText: 2026 VodiVudi
// SPDX-License-Identifier: GPL-3.0-or-later
// Times the working out of the seven mortgage types for terms of 40 and 100 years,
// with and without their month-by-month schedules.
// Usage: hearthwise_bench [--benchmark_* options]

#include "calc/LoanQuestions.h"
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

// Each What If answer of the second round, for a 40-year and a 100-year term.
hw::OptionsInput whatIfCase(const benchmark::State& state) {
    return {*hw::Currency::fromUnits(450000),
            6.5F,
            static_cast<float>(state.range(0)),
            9000.0,
            4500.0,
            *hw::Currency::fromUnits(9000),
            *hw::Currency::fromUnits(4500)};
}
void howOften(benchmark::State& state) {
    const hw::OptionsInput input = whatIfCase(state);
    for (auto _ : state)
        benchmark::DoNotOptimize(hw::howOften(hw::TableType, input));
}
void lowerRepayment(benchmark::State& state) {
    const hw::OptionsInput input = whatIfCase(state);
    for (auto _ : state)
        benchmark::DoNotOptimize(hw::lowerRepayment(hw::TableType, input, {500.0, 20000.0, 12}));
}
void offsetAccount(benchmark::State& state) {
    const hw::OptionsInput input = whatIfCase(state);
    for (auto _ : state)
        benchmark::DoNotOptimize(hw::offsetAccount(input, 40000.0, 300.0));
}
void refinancing(benchmark::State& state) {
    const hw::OptionsInput input = whatIfCase(state);
    for (auto _ : state)
        benchmark::DoNotOptimize(hw::refinancing(input, {480000.0, 7.5, 30.0, 3000.0}));
}
BENCHMARK(howOften)->Arg(40)->Arg(100)->Unit(benchmark::kMicrosecond);
BENCHMARK(lowerRepayment)->Arg(40)->Arg(100)->Unit(benchmark::kMicrosecond);
BENCHMARK(offsetAccount)->Arg(40)->Arg(100)->Unit(benchmark::kMicrosecond);
BENCHMARK(refinancing)->Arg(40)->Arg(100)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
