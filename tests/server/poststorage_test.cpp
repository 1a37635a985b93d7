// SPDX-License-Identifier: MIT
// What a post's answer promises about the database: a 200 is stored, a
// repeat is stored once, and a refusal says why in the log.
#include <cstdlib>
#include <gtest/gtest.h>
#include <mutex>
#include <thread>
#include <vector>

#include "server/listpagecache.h"
#include "server/openscorestore.h"
#include "server/refusallog.h"
#include "server/sqlitescorestore.h"
#include "server/storeerror.h"
#include "server/storeworker.h"
#include "testserver.h"

namespace {
// The server's own lines (not the request lines) that the log received.
class LogLines {
public:
    std::function<void(const std::string&)> writer()
    {
        return [this](const std::string& line) {
            const std::lock_guard lock(m_mutex);
            if (line.rfind("pelbixsolo-server: ", 0) == 0)
                m_lines.push_back(line);
        };
    }
    [[nodiscard]] std::vector<std::string> lines() const
    {
        const std::lock_guard lock(m_mutex);
        return m_lines;
    }

private:
    mutable std::mutex m_mutex;
    std::vector<std::string> m_lines;
};
} // namespace

// The same post twice was two rows.
TEST(PostStorage, RepeatedPostIsAnswered200AndStoredOnce)
{
    TempFolder folder;
    SqliteScoreStore store(folder.path() / "s.sqlite3");
    RunningServer server(store, testSettings());
    const std::string post = postTarget("Ann", "3/7/26", "850");
    EXPECT_EQ(server.get(post).status, 200);
    EXPECT_EQ(server.get(post).status, 200);
    EXPECT_EQ(httpRequest(server.port(), "GET", post, {}, std::chrono::seconds(10), kOtherClientAddress).status, 200);
    EXPECT_EQ(store.count(), 2); // the other address is another player
}

// A deleted data folder got 200 for posts that then vanished, and a full
// disk logged thousands of bare 503 lines and not one cause.
TEST(PostStorage, DeletedDataFolderRefusesPostsAndLogsTheCauseOnce)
{
    TempFolder folder;
    const auto data = folder.path() / "data";
    std::filesystem::create_directories(data);
    SqliteScoreStore store(data / "s.sqlite3");
    LogLines log;
    ServerSettings settings = testSettings();
    settings.log = log.writer();
    RunningServer server(store, settings);
    ASSERT_EQ(server.get(postTarget("Before", "3/7/26", "50")).status, 200);
    std::filesystem::remove_all(data);
    for (int i = 1; i <= 20; ++i)
        EXPECT_EQ(server.get(postTarget("After", "3/7/26", std::to_string(50 * i))).status, 503) << i;
    const auto lines = log.lines();
    ASSERT_EQ(lines.size(), 1u) << testing::PrintToString(lines);
    EXPECT_NE(lines[0].find("deleted"), std::string::npos) << lines[0];
}

// The list page answered 503 with nothing in the log when the store could
// not be read.
TEST(PostStorage, UnreadableStoreLogsWhyTheListPageIsNotRendered)
{
    class UnreadableStore : public ScoreStore {
    public:
        void addAll(const std::vector<ScoreEntry>&) override { throw StoreError("the disk is on fire"); }
        std::vector<ScoreEntry> best(std::size_t) override { throw StoreError("the disk is on fire"); }
        std::int64_t count() override { return 0; }
        void interrupt() override {}
    } store;
    ListPageCache cache(std::chrono::milliseconds(0));
    LogLines log;
    StoreWorker worker(store, cache, StoreWorker::kDefaultMaxQueued, log.writer());
    worker.refreshListPage();
    for (int i = 0; i < 1000 && log.lines().empty(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    worker.stop();
    const auto lines = log.lines();
    ASSERT_FALSE(lines.empty());
    EXPECT_NE(lines[0].find("list page cannot be rendered: the disk is on fire"), std::string::npos) << lines[0];
}

TEST(RefusalLog, RepeatsAreCountedAndSummedUpNotLoggedEach)
{
    std::vector<std::string> lines;
    RefusalLog log([&lines](const std::string& line) { lines.push_back(line); });
    const auto start = RefusalLog::Clock::now();
    log.refused("disk full", start);
    log.refused("disk full", start + std::chrono::seconds(1), 3);
    log.refused("read-only", start + std::chrono::seconds(2));
    log.refused("read-only", start + std::chrono::seconds(3));
    log.refused("read-only", start + RefusalLog::kSummaryInterval + std::chrono::seconds(3));
    log.stored(start + RefusalLog::kSummaryInterval + std::chrono::seconds(4));
    log.stored(start + RefusalLog::kSummaryInterval + std::chrono::seconds(5));
    const std::vector<std::string> expected{
        "pelbixsolo-server: post refused (503): disk full\n",
        "pelbixsolo-server: the same again for 3 more posts: post refused (503): disk full\n",
        "pelbixsolo-server: post refused (503): read-only\n",
        "pelbixsolo-server: the same again for 1 more posts: post refused (503): read-only\n",
        "pelbixsolo-server: post refused (503): read-only\n",
        "pelbixsolo-server: posts are stored again, after 7 failures\n",
    };
    EXPECT_EQ(lines, expected);
}

TEST(PostStorage, BackupCommandCopiesARunningServersDatabase)
{
    TempFolder folder;
    SqliteScoreStore store(folder.path() / kSqliteFileName);
    RunningServer server(store, testSettings());
    ASSERT_EQ(server.get(postTarget("Ann", "3/7/26", "850")).status, 200);
    const auto copy = folder.path() / "copy.sqlite3";
    const std::string command = std::string(PELBIX_SERVER_EXE) + " backup '" + copy.string() + "' --data '" +
                                folder.path().string() + "' 2>/dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0);
    EXPECT_EQ(SqliteScoreStore(copy).best(10), (std::vector<ScoreEntry>{{"Ann", "3/7/26", 850}}));
    const std::string postgres = std::string(PELBIX_SERVER_EXE) + " backup '" + copy.string() +
                                 "' --database postgresql://nobody@127.0.0.1:1/none 2>/dev/null";
    EXPECT_NE(std::system(postgres.c_str()), 0);
}
