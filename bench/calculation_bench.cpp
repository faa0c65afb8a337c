// Run: build/bench/calculation_bench --benchmark_repetitions=9 --benchmark_report_aggregates_only=true
#include "engine/calculation.h"

#include <benchmark/benchmark.h>

namespace {

using varnel::engine::Inputs;
using varnel::engine::Variables;

// The hand-worked building project with an independent phase: every step of the command runs.
Inputs buildingProject() {
    Inputs in;
    in.amount = "1500";
    in.type = "建筑、人防工程";
    in.grade = "Ⅱ级";
    for (int box : {28, 7, 8, 10, 11, 22, 13, 3, 18, 21, 4})
        in.ticked.set(static_cast<std::size_t>(box));
    in.texts[19] = "1.2";
    in.texts[10] = "3.5";
    in.texts[7] = "50";
    in.texts[9] = "0.15";
    in.texts[3] = "0.2";
    in.option = 2;
    return in;
}

void wholeCalculation(benchmark::State& state) {
    const Inputs in = buildingProject();
    Variables variables;
    for (auto _ : state) {
        auto outcome = varnel::engine::calculate(in, variables);
        benchmark::DoNotOptimize(outcome);
    }
}
BENCHMARK(wholeCalculation);

void roadProjectStoppingAtACheck(benchmark::State& state) {
    Inputs in;
    in.amount = "2000000";
    in.type = "公路和城市道路工程";
    in.grade = "Ⅰ级";
    in.ticked.set(20);
    in.texts[8] = "1.5";
    Variables variables;
    for (auto _ : state) {
        auto outcome = varnel::engine::calculate(in, variables);
        benchmark::DoNotOptimize(outcome);
    }
}
BENCHMARK(roadProjectStoppingAtACheck);

} // namespace

BENCHMARK_MAIN();
