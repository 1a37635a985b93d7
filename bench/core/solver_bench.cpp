// SPDX-License-Identifier: MIT
#include <benchmark/benchmark.h>

#include "core/game/coach.h"

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

// A hint once solved, after a six-dice roll with many distinct choices:
// every selection scored, valued and sorted.
void BM_SolverHint(benchmark::State& st)
{
    const Solver solver;
    GameState state;
    const int faces[kDice] = {1, 1, 5, 5, 6, 6};
    for (int i = 0; i < kDice; ++i)
        state.dice[static_cast<std::size_t>(i)] = Die{faces[i], DieStatus::InPlay};
    state.round = 7;
    state.roundTotal = 350;
    state.onBoard = true;
    state.canPlay = true;
    for (auto _ : st)
        benchmark::DoNotOptimize(hintFor(solver, state));
}
BENCHMARK(BM_SolverHint)->Unit(benchmark::kMicrosecond);

} // namespace
