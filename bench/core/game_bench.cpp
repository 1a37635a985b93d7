// SPDX-License-Identifier: MIT
#include <benchmark/benchmark.h>

#include "core/game/game.h"
#include "core/game/scoring.h"

namespace {

class NullBoard final : public Board {
public:
    void setSlotText(int, const std::string&) override {}
    void setScoreText(const std::string&) override {}
    void setScoreRecordedText(const std::string&) override {}
    void setFinalScoreText(const std::string&) override {}
    void setGreetingText(const std::string&) override {}
    void setShown(BoardElement, bool) override {}
    void bringToFront(BoardElement) override {}
    void moveTurnMarker(int) override {}
    void moveDie(int, int, int) override {}
    void showFace(int, int) override {}
    void playsounds(const std::string&) override {}
    void showMessage(const std::string&) override {}
    void startPauseTimer(int) override {}
    void stopPauseTimer() override {}
    std::string playerName() const override { return "Bench"; }
};

class NullTally final : public TallyReports {
public:
    void addtomineincrease(int) override {}
    void postscore(int, int) override {}
    bool checkscore(int, const std::string&) override { return false; }
    void addscore(int, int) override {}
};

void BM_gettempscore(benchmark::State& st)
{
    GameState s;
    const int faces[6] = {1, 1, 1, 5, 5, 3};
    for (auto _ : st) {
        for (int i = 0; i < 6; ++i)
            s.dice[static_cast<std::size_t>(i)] = Die{faces[i], DieStatus::Selected};
        benchmark::DoNotOptimize(previewPoints(s));
    }
}
BENCHMARK(BM_gettempscore);

// A bot that selects every 1 and 5 (or, failing that, every die), banks, and
// rolls on when the bank is refused.
void BM_TenRoundGame(benchmark::State& st)
{
    NullBoard board;
    NullTally tally;
    DiceGenerator faces(42);
    Game game(board, tally, faces);
    for (auto _ : st) {
        game.button_startClick();
        while (game.state().round <= kRounds) {
            for (int guard = 0; guard < 50 && game.state().canPlay; ++guard) {
                game.image_rollClick();
                if (!game.state().canPlay)
                    break;
                bool any = false;
                for (int i = 1; i <= kDice; ++i) {
                    const Die& d = game.state().die(i);
                    if (d.status == DieStatus::InPlay && (d.value == 1 || d.value == 5)) {
                        game.dice2Click(i);
                        any = true;
                    }
                }
                if (!any)
                    for (int i = 1; i <= kDice; ++i)
                        game.dice2Click(i);
                game.image_turnClick();
            }
            game.Timer2Timer();
        }
        benchmark::DoNotOptimize(game.state().gameTotal);
    }
}
BENCHMARK(BM_TenRoundGame)->Unit(benchmark::kMicrosecond);

} // namespace
