// SPDX-License-Identifier: MIT
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <unistd.h>

#include "core/history/historyanalysis.h"
#include "core/history/historystore.h"
#include "history/historybot.h"

namespace fs = std::filesystem;

namespace {

const Solver& solver()
{
    static const Solver s;
    return s;
}

std::string scratch(const char* name)
{
    const fs::path p = fs::temp_directory_path() / ("pelbixhistorybench-" + std::to_string(::getpid()) + name);
    fs::remove(p);
    return p.string();
}

// What the game does when a game ends: replay it for the roll counts, judge
// it with the coach, store it in one transaction (the file's sync included).
void BM_RecordGame(benchmark::State& st)
{
    ErringBot bot(solver(), 1, 0.2);
    std::vector<HistoryGame> games;
    for (int i = 0; i < 64; ++i)
        games.push_back(*bot.play());
    const std::string path = scratch("-record.sqlite3");
    HistoryStore store(path);
    (void)store.open();
    std::size_t i = 0;
    for (auto _ : st) {
        HistoryGame g = games[i++ % games.size()];
        completeGame(g, &solver());
        if (!store.record(g).empty())
            st.SkipWithError("not recorded");
    }
    fs::remove(path);
}
BENCHMARK(BM_RecordGame)->Unit(benchmark::kMillisecond);

// The statistics window's read: every game of a 10,000-game history,
// without decisions.
void BM_LoadTenThousand(benchmark::State& st)
{
    const char* keep = std::getenv("PELBIX_HISTORY_BENCH_FILE"); // keeps the file for the window's benchmark
    const std::string path = keep ? keep : scratch("-load.sqlite3");
    {
        HistoryStore store(path);
        if (store.load(false).size() < 10000) {
            ErringBot bot(solver(), 2, 0.2);
            for (int i = 0; i < 10000; ++i) {
                HistoryGame g = *bot.play();
                completeGame(g, &solver());
                (void)store.record(g);
            }
        }
    }
    for (auto _ : st) {
        HistoryStore store(path);
        benchmark::DoNotOptimize(store.load(false).size());
    }
    if (!keep)
        fs::remove(path);
}
BENCHMARK(BM_LoadTenThousand)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
