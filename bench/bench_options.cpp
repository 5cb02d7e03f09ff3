// Times the working out of the seven mortgage types for terms of 40 and 100 years.
// Usage: hearthwise_bench [--benchmark_* options]

#include "calc/MortgageOptions.h"

#include <benchmark/benchmark.h>

namespace {

void calculateOptions(benchmark::State& state) {
    const hw::Regional regional{QLocale(QStringLiteral("en_US"))};
    const hw::OptionsInput input{*hw::Currency::fromUnits(450000),
                                 QStringLiteral("6.50%"),
                                 regional.number(static_cast<double>(state.range(0))),
                                 9000.0,
                                 4500.0,
                                 regional.currency(9000.0),
                                 regional.currency(4500.0)};
    for (auto _ : state)
        benchmark::DoNotOptimize(hw::calculateOptions(input, regional));
    state.SetLabel(std::to_string(state.range(0)) + " years");
}
BENCHMARK(calculateOptions)->Arg(40)->Arg(100)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
