#include "server/listpagecache.h"

#include <gtest/gtest.h>

#include "server/scorestore.h"
#include "server/storeerror.h"

namespace {
// A store whose reads can be made to fail, counting them.
class FlakyStore : public ScoreStore {
public:
    void add(const ScoreEntry& entry) override { m_rows.push_back(entry); }
    std::vector<ScoreEntry> best(std::size_t) override
    {
        ++reads;
        if (failing)
            throw StoreError("database away");
        return m_rows;
    }
    std::int64_t count() override { return static_cast<std::int64_t>(m_rows.size()); }

    bool failing = false;
    int reads = 0;

private:
    std::vector<ScoreEntry> m_rows;
};
} // namespace

TEST(ListPageCache, RendersAgainOnlyAfterAPostAndServesTheLastPageWhileTheStoreFails)
{
    FlakyStore store;
    ListPageCache cache(store, std::chrono::hours(1));
    EXPECT_NE(cache.page()->find("No scores"), std::string::npos);
    (void)cache.page();
    EXPECT_EQ(store.reads, 1);

    store.add({"Ann", "3/7/26", 850});
    cache.invalidate();
    EXPECT_NE(cache.page()->find(">Ann<"), std::string::npos);
    EXPECT_EQ(store.reads, 2);

    store.failing = true;
    cache.invalidate();
    EXPECT_NE(cache.page()->find(">Ann<"), std::string::npos);
    (void)cache.page();
    EXPECT_EQ(store.reads, 3) << "a failed read is not repeated on every request";

    ListPageCache fresh(store, std::chrono::hours(1));
    EXPECT_THROW((void)fresh.page(), StoreError);
}
