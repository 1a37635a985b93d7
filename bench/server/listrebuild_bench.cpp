// SPDX-License-Identifier: MIT
// Rebuilding the list page (the hundred best scores read and rendered) from
// the SQLite database named in PELBIX_BENCH_DB, as the store worker does
// after every batch of posts.
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <stdexcept>

#include "server/listpagecache.h"
#include "server/sqlitescorestore.h"

static void BM_ListPageRebuild(benchmark::State& state)
{
    const char* file = std::getenv("PELBIX_BENCH_DB");
    if (file == nullptr) {
        state.SkipWithError("set PELBIX_BENCH_DB to a score database");
        return;
    }
    SqliteScoreStore store(file);
    ListPageCache cache(std::chrono::seconds(1));
    for (auto _ : state) {
        if (!cache.refresh(store, ListPageCache::Clock::now()))
            throw std::runtime_error("the list page could not be rendered");
    }
    state.counters["rows"] = static_cast<double>(store.count());
}
BENCHMARK(BM_ListPageRebuild)->Unit(benchmark::kMicrosecond);
