// Run: build/bench/calculation_bench --benchmark_repetitions=9 --benchmark_report_aggregates_only=true
#include "engine/calculation.h"

#include <benchmark/benchmark.h>

namespace {

using namespace varnel::engine;

// The hand-worked building project with an independent phase: every step of the command runs.
Project buildingProject() {
    Project p;
    p.amount = "1500";
    p.type = EngineeringType::Building;
    p.grade = Grade::II;
    p.conditions = {Condition::CivilDefence, Condition::Renovation};
    p.services = {Service::OverallDesign,       Service::DesignCoordination, Service::ConstructionBudget,
                  Service::AsBuiltDrawings,     Service::OwnPatents,         Service::NonstandardEquipment,
                  Service::StandardDesignReuse, Service::PartialChange};
    p.text(Entry::RenovationCoefficient) = "1.2";
    p.text(Entry::OwnPatentsAmount) = "3.5";
    p.text(Entry::NonstandardEquipmentAmount) = "50";
    p.text(Entry::NonstandardEquipmentRate) = "0.15";
    p.text(Entry::PartialChangeRate) = "0.2";
    p.independentPhase = true;
    p.phase = DesignPhase::Drawing;
    return p;
}

void wholeCalculation(benchmark::State& state) {
    const Project project = buildingProject();
    Variables variables;
    for (auto _ : state) {
        auto outcome = calculate(project, variables);
        benchmark::DoNotOptimize(outcome);
    }
}
BENCHMARK(wholeCalculation);

void roadProjectStoppingAtACheck(benchmark::State& state) {
    Project project;
    project.amount = "2000000";
    project.type = EngineeringType::Road;
    project.grade = Grade::I;
    project.conditions = {Condition::Renovation};
    project.text(Entry::RenovationCoefficient) = "1.5";
    Variables variables;
    for (auto _ : state) {
        auto outcome = calculate(project, variables);
        benchmark::DoNotOptimize(outcome);
    }
}
BENCHMARK(roadProjectStoppingAtACheck);

} // namespace

BENCHMARK_MAIN();
