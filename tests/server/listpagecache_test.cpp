// SPDX-License-Identifier: MIT
#include "server/listpagecache.h"

#include <gtest/gtest.h>

#include "server/scorestore.h"
#include "server/storeerror.h"

namespace {
// A store whose reads can be made to fail.
class FlakyStore : public ScoreStore {
public:
    void addAll(const std::vector<ScoreEntry>& entries) override { m_rows.insert(m_rows.end(), entries.begin(), entries.end()); }
    std::vector<ScoreEntry> best(std::size_t) override
    {
        if (failing)
            throw StoreError("database away");
        return m_rows;
    }
    std::int64_t count() override { return static_cast<std::int64_t>(m_rows.size()); }
    void interrupt() override {}

    bool failing = false;

private:
    std::vector<ScoreEntry> m_rows;
};
} // namespace

TEST(ListPageCache, IsDueWhenEmptyOrOldAndKeepsTheLastPageWhileTheStoreFails)
{
    using namespace std::chrono_literals;
    FlakyStore store;
    ListPageCache cache(1000ms);
    const auto t0 = ListPageCache::Clock::now();
    EXPECT_FALSE(cache.current(t0).page);
    EXPECT_TRUE(cache.current(t0).due);

    store.failing = true;
    EXPECT_FALSE(cache.refresh(store, t0));
    EXPECT_FALSE(cache.current(t0).page) << "no page is made up";
    EXPECT_FALSE(cache.current(t0 + 999ms).due) << "a failed read is not repeated on every request";

    store.failing = false;
    store.add({"Ann", "3/7/26", 850});
    EXPECT_TRUE(cache.refresh(store, t0 + 1s));
    EXPECT_NE(cache.current(t0 + 1s).page->find(">Ann<"), std::string::npos);
    EXPECT_FALSE(cache.current(t0 + 1999ms).due);
    EXPECT_TRUE(cache.current(t0 + 2s).due);

    store.failing = true;
    EXPECT_FALSE(cache.refresh(store, t0 + 2s));
    EXPECT_NE(cache.current(t0 + 2s).page->find(">Ann<"), std::string::npos);
}
