#include <benchmark/benchmark.h>

#include "core/game/solver.h"

namespace {

// The whole solve: every roll scored by the rules, the on-board round and
// the ten rounds before the first bank.
void BM_SolverSolve(benchmark::State& st)
{
    for (auto _ : st) {
        const Solver solver;
        benchmark::DoNotOptimize(solver.expectedGame());
    }
}
BENCHMARK(BM_SolverSolve)->Unit(benchmark::kMillisecond);

// A hint once solved: every distinct choice after a six-dice roll, valued
// and sorted (the largest list a roll gives).
void BM_SolverHint(benchmark::State& st)
{
    const Solver solver;
    const FaceCounts roll{0, 2, 0, 0, 0, 2, 2}; // 1,1,5,5,6,6
    const Situation s{350, true, 4};
    for (auto _ : st)
        benchmark::DoNotOptimize(solver.choices(s, roll));
}
BENCHMARK(BM_SolverHint)->Unit(benchmark::kMicrosecond);

} // namespace
