// SPDX-License-Identifier: MIT
// Threats to the score list staying up, one group each: slow clients, a
// stalled database, and requests that bend HTTP.
#include <atomic>
#include <fstream>
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/socket.h>
#include <unistd.h>
#include <vector>

#include "server/sqlitescorestore.h"
#include "testserver.h"

namespace {
using namespace std::chrono_literals;

// A second connection to the database that holds its write lock.
class WriteLock {
public:
    explicit WriteLock(const std::filesystem::path& file)
    {
        sqlite3_open(file.c_str(), &m_db);
        m_held = sqlite3_exec(m_db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) == SQLITE_OK;
    }
    ~WriteLock() { sqlite3_close(m_db); }
    WriteLock(const WriteLock&) = delete;
    WriteLock& operator=(const WriteLock&) = delete;
    [[nodiscard]] bool held() const { return m_held; }
    void release() { sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr); }

private:
    sqlite3* m_db = nullptr;
    bool m_held = false;
};

// Passes everything to a store and tells when a write has reached it.
class WatchedStore : public ScoreStore {
public:
    explicit WatchedStore(ScoreStore& store) : m_store(store) {}
    void addAll(const std::vector<ScoreEntry>& entries) override
    {
        m_writing = true;
        m_store.addAll(entries);
    }
    std::vector<ScoreEntry> best(std::size_t limit) override { return m_store.best(limit); }
    std::int64_t count() override { return m_store.count(); }
    void interrupt() override { m_store.interrupt(); }
    void checkpoint() override { m_store.checkpoint(); }
    [[nodiscard]] bool writing() const { return m_writing; }

private:
    ScoreStore& m_store;
    std::atomic<bool> m_writing{false};
};

class Availability : public testing::Test {
protected:
    Availability()
    {
        m_settings.versionText = "1.0.2";
        m_settings.installer = m_folder.path() / "qztsetup.exe";
        std::ofstream(m_settings.installer, std::ios::binary) << m_installer;
    }

    TempFolder m_folder;
    const std::filesystem::path m_file = m_folder.path() / "scores.sqlite3";
    const std::string m_installer = std::string(200 * 1024, 'i') + "end";
    ServerSettings m_settings = testSettings();
};
} // namespace

TEST_F(Availability, SlowClientsFromOneAddressLeaveAnotherAddressServed)
{
    SqliteScoreStore store(m_file);
    RunningServer server(store, m_settings);
    HalfRequests attack(server.port(), 200, {"127.0.0.1"});
    for (int i = 0; i < 10; ++i) {
        const HttpAnswer page = httpRequest(server.port(), "GET", ScoreServer::kListPath, {}, 5s, kOtherClientAddress);
        ASSERT_EQ(page.status, 200) << i;
        EXPECT_NE(page.body.find("</html>"), std::string::npos);
    }
    // Past its limit the attacker's connections are closed, not kept.
    int open = attack.count() - attack.closedByServer();
    for (int wait = 0; wait < 100 && open > static_cast<int>(ConnectionLimits::kDefaultPerAddress); ++wait) {
        std::this_thread::sleep_for(50ms);
        open = attack.count() - attack.closedByServer();
    }
    EXPECT_LE(open, static_cast<int>(ConnectionLimits::kDefaultPerAddress));
}

TEST_F(Availability, StalledSqliteAnswersStaticPathsAndRefusesPostsCleanly)
{
    SqliteScoreStore store(m_file, 300ms);
    RunningServer server(store, m_settings);
    ASSERT_EQ(server.get(postTarget("Before", "3/7/26", "500")).status, 200);

    WriteLock lock(m_file);
    ASSERT_TRUE(lock.held());
    EXPECT_EQ(server.get(ScoreServer::kVersionPath).body, "1.0.2");
    EXPECT_NE(server.get(ScoreServer::kListPath).body.find(">Before<"), std::string::npos);
    EXPECT_EQ(server.get(ScoreServer::kInstallerPath).body, m_installer);
    const HttpAnswer refused = server.get(postTarget("During", "3/7/26", "600"));
    EXPECT_EQ(refused.status, 503);
    EXPECT_FALSE(refused.header("Retry-After").empty());

    lock.release();
    EXPECT_EQ(server.get(postTarget("After", "3/7/26", "700")).status, 200);
    const auto stored = store.best(10);
    ASSERT_EQ(stored.size(), 2u);
    EXPECT_EQ(stored[0].name, "After");
    EXPECT_EQ(stored[1].name, "Before");
}

TEST_F(Availability, StopAnswersAWaitingPostAndStoresNothing)
{
    SqliteScoreStore sqlite(m_file, 60s);
    WatchedStore store(sqlite);
    RunningServer server(store, m_settings);
    WriteLock lock(m_file);
    ASSERT_TRUE(lock.held());
    HttpAnswer post;
    std::thread poster([&] { post = server.get(postTarget("Waiting", "3/7/26", "50")); });
    // The post reaches the database, where it waits for the lock.
    EXPECT_TRUE(pollUntil([&] { return store.writing(); }));
    server.stop();
    poster.join();
    EXPECT_TRUE(post.status == 503 || post.status == 0) << post.status;
    lock.release();
    EXPECT_EQ(store.count(), 0);
}

TEST_F(Availability, RangeIsIgnoredAndTheWholeAnswerSent)
{
    SqliteScoreStore store(m_file);
    RunningServer server(store, m_settings);
    const std::string page = server.get(ScoreServer::kListPath).body;
    std::string manyRanges = "Range: bytes=0-";
    while (manyRanges.size() < 8000)
        manyRanges += ",0-";
    const struct {
        const char* path;
        std::string range;
        const std::string& whole;
    } cases[] = {
        {ScoreServer::kListPath, manyRanges + "\r\n", page},
        {ScoreServer::kListPath, "Range: bytes=5-9\r\n", page},
        {ScoreServer::kInstallerPath, "Range: bytes=0-0\r\n", m_installer},
        {ScoreServer::kInstallerPath, "Range: bytes=-100\r\n", m_installer},
        {ScoreServer::kInstallerPath, "Range: bytes=200000-\r\n", m_installer},
        {ScoreServer::kInstallerPath, "Range: bytes=18446744073709551615-\r\n", m_installer},
    };
    for (const auto& c : cases) {
        const HttpAnswer answer = httpRequest(server.port(), "GET", c.path, c.range);
        EXPECT_EQ(answer.status, 200) << c.path << " " << c.range.substr(0, 40);
        EXPECT_EQ(answer.header("Content-Length"), std::to_string(c.whole.size())) << c.range.substr(0, 40);
        EXPECT_TRUE(answer.body == c.whole) << c.range.substr(0, 40);
    }
}

TEST_F(Availability, OtherMethodsGet405AndHeadNeverPosts)
{
    SqliteScoreStore store(m_file);
    RunningServer server(store, m_settings);
    const std::string post = postTarget("Ann", "3/7/26", "850");
    for (const char* method : {"POST", "PUT", "DELETE", "PATCH", "OPTIONS"}) {
        for (const char* path : {ScoreServer::kListPath, ScoreServer::kVersionPath, ScoreServer::kInstallerPath,
                                 ScoreServer::kSignaturePath, "/elsewhere"}) {
            const HttpAnswer answer = httpRequest(server.port(), method, path, "Content-Length: 5\r\n\r\nhello");
            EXPECT_EQ(answer.status, 405) << method << " " << path;
            EXPECT_EQ(answer.header("Allow"), "GET, HEAD") << method << " " << path;
        }
        const HttpAnswer answer = httpRequest(server.port(), method, post);
        EXPECT_EQ(answer.status, 405) << method;
        EXPECT_EQ(answer.header("Allow"), "GET") << method;
    }
    EXPECT_EQ(httpRequest(server.port(), "HEAD", post).status, 405);

    const HttpAnswer head = httpRequest(server.port(), "HEAD", ScoreServer::kInstallerPath);
    EXPECT_EQ(head.status, 200);
    EXPECT_EQ(head.header("Content-Length"), std::to_string(m_installer.size()));
    EXPECT_TRUE(head.body.empty());
    EXPECT_EQ(store.count(), 0);
}
