// SPDX-License-Identifier: MIT
#include <benchmark/benchmark.h>

#include "core/game/game.h"
#include "core/game/scoring.h"
#include "core/game/nullboard.h"

namespace {

void BM_previewPoints(benchmark::State& st)
{
    GameState s;
    const int faces[6] = {1, 1, 1, 5, 5, 3};
    for (auto _ : st) {
        for (int i = 0; i < 6; ++i)
            s.dice[static_cast<std::size_t>(i)] = Die{faces[i], DieStatus::Selected};
        benchmark::DoNotOptimize(previewPoints(s));
    }
}
BENCHMARK(BM_previewPoints);

// A bot that selects every 1 and 5 (or, failing that, every die), banks, and
// rolls on when the bank is refused.
void BM_TenRoundGame(benchmark::State& st)
{
    NullBoard board;
    NullTally tally;
    DiceGenerator faces(42);
    Game game(board, tally, faces);
    for (auto _ : st) {
        game.start();
        while (game.state().round <= kRounds) {
            for (int guard = 0; guard < 50 && game.state().canPlay; ++guard) {
                game.roll();
                if (!game.state().canPlay)
                    break;
                bool any = false;
                for (int i = 1; i <= kDice; ++i) {
                    const Die& d = game.state().die(i);
                    if (d.status == DieStatus::InPlay && (d.value == 1 || d.value == 5)) {
                        game.toggleDie(i);
                        any = true;
                    }
                }
                if (!any)
                    for (int i = 1; i <= kDice; ++i)
                        game.toggleDie(i);
                game.bank();
            }
            game.pauseElapsed();
        }
        benchmark::DoNotOptimize(game.state().gameTotal);
    }
}
BENCHMARK(BM_TenRoundGame)->Unit(benchmark::kMicrosecond);

} // namespace
