// SPDX-License-Identifier: MIT
// The storage suite, a two-server setup, a stalled backend and a restart
// against a real PostgreSQL server, whose connection URI comes in
// PELBIX_TEST_POSTGRES and whose restart command in PELBIX_TEST_POSTGRES_RESTART.
#include <atomic>
#include <csignal>
#include <cstdlib>
#include <libpq-fe.h>
#include <thread>
#include <tuple>

#include "scorestoresuite.h"
#include "server/postgresscorestore.h"
#include "server/storeerror.h"

namespace {
std::string connection()
{
    const char* uri = std::getenv("PELBIX_TEST_POSTGRES");
    if (uri == nullptr || *uri == '\0')
        throw std::runtime_error("PELBIX_TEST_POSTGRES is not set; run this through the postgres fixture");
    return uri;
}

// One statement on a connection of its own; the first value of the answer.
std::vector<std::string> query(const char* sql)
{
    PGconn* db = PQconnectdb(connection().c_str());
    std::vector<std::string> values;
    if (PQstatus(db) == CONNECTION_OK) {
        PGresult* result = PQexec(db, sql);
        for (int i = 0; i < PQntuples(result); ++i)
            values.emplace_back(PQgetvalue(result, i, 0));
        PQclear(result);
    }
    PQfinish(db);
    return values;
}

void dropTable()
{
    (void)query("DROP TABLE IF EXISTS pelbixsolo_scores");
}

// The fixture's role whose commits wait for a standby that never answers.
std::string waitingForStandby()
{
    (void)query("DO $$ BEGIN CREATE ROLE pelbix_sync LOGIN SUPERUSER; EXCEPTION WHEN duplicate_object THEN NULL; END $$");
    (void)query("ALTER ROLE pelbix_sync SET synchronous_commit = on");
    std::string uri = connection();
    const std::size_t user = uri.find("pelbix@");
    if (user == std::string::npos)
        throw std::runtime_error("unexpected test database URI " + uri);
    return uri.replace(user, 6, "pelbix_sync");
}

// The backends serving the server's store, stopped until the object goes.
class PausedBackends {
public:
    PausedBackends()
    {
        for (const auto& pid : query("SELECT pid FROM pg_stat_activity WHERE application_name = 'pelbixsolo-server'")) {
            m_pids.push_back(std::stoi(pid));
            ::kill(m_pids.back(), SIGSTOP);
        }
    }
    ~PausedBackends()
    {
        for (const int pid : m_pids)
            ::kill(pid, SIGCONT);
    }
    PausedBackends(const PausedBackends&) = delete;
    PausedBackends& operator=(const PausedBackends&) = delete;
    [[nodiscard]] std::size_t count() const { return m_pids.size(); }
    [[nodiscard]] const std::vector<int>& pids() const { return m_pids; }

private:
    std::vector<int> m_pids;
};
} // namespace

INSTANTIATE_TEST_SUITE_P(Postgres, ScoreStoreSuite,
                         testing::Values(StoreKind{"PostgreSQL",
                                                   [](const std::filesystem::path&) {
                                                       return std::make_unique<PostgresScoreStore>(connection(), 4);
                                                   },
                                                   dropTable}),
                         storeKindName);

TEST(PostgresScoreStore, UnreachableServerIsAnError)
{
    EXPECT_THROW(PostgresScoreStore("postgresql://nobody@127.0.0.1:1/none?connect_timeout=5", 1), StoreError);
}

TEST(PostgresScoreStore, TwoServersShareOneDatabase)
{
    dropTable();
    PostgresScoreStore storeA(connection(), 4);
    PostgresScoreStore storeB(connection(), 4);
    ServerSettings settings = testSettings();
    settings.listPageMaxAge = std::chrono::milliseconds(0);
    RunningServer serverA(storeA, settings);
    RunningServer serverB(storeB, settings);

    constexpr int kClientsEach = 4;
    constexpr int kPostsEach = 100;
    std::atomic<int> accepted{0};
    std::vector<std::thread> clients;
    for (int c = 0; c < 2 * kClientsEach; ++c) {
        clients.emplace_back([&, c] {
            const RunningServer& server = c % 2 == 0 ? serverA : serverB;
            for (int i = 0; i < kPostsEach; ++i)
                accepted += server.get(postTarget("c" + std::to_string(c), "3/7/26", std::to_string(50 * i))).status == 200;
        });
    }
    for (auto& t : clients)
        t.join();
    EXPECT_EQ(accepted.load(), 2 * kClientsEach * kPostsEach);
    EXPECT_EQ(storeA.count(), accepted.load());

    // A page is renewed once a request finds it old; a later one shows
    // what the other server stored.
    for (const auto& [via, other, name] : {std::tuple{&serverB, &serverA, "ViaB"}, std::tuple{&serverA, &serverB, "ViaA"}}) {
        ASSERT_EQ(via->get(postTarget(name, "3/7/26", "25050")).status, 200);
        EXPECT_NE(via->get(ScoreServer::kListPath).body.find(std::string(">") + name + "<"), std::string::npos);
        bool shown = false;
        for (int i = 0; i < 100 && !shown; ++i) {
            shown = other->get(ScoreServer::kListPath).body.find(std::string(">") + name + "<") != std::string::npos;
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        EXPECT_TRUE(shown) << name;
    }
}

TEST(PostgresStalled, PausedBackendLeavesStaticPathsServedAndRefusesThePostCleanly)
{
    using namespace std::chrono_literals;
    dropTable();
    PostgresScoreStore store(connection(), 1, 500ms);
    ServerSettings settings = testSettings();
    settings.versionText = "1.0.2";
    RunningServer server(store, settings);
    ASSERT_EQ(server.get(postTarget("Before", "3/7/26", "500")).status, 200);
    std::vector<int> pausedPids;
    {
        PausedBackends paused;
        ASSERT_EQ(paused.count(), 1u);
        pausedPids = paused.pids();
        EXPECT_EQ(server.get(ScoreServer::kVersionPath).body, "1.0.2");
        EXPECT_NE(server.get(ScoreServer::kListPath).body.find(">Before<"), std::string::npos);
        const HttpAnswer refused = server.get(postTarget("During", "3/7/26", "600"));
        EXPECT_EQ(refused.status, 503);
        EXPECT_FALSE(refused.header("Retry-After").empty());
    }
    EXPECT_EQ(server.get(postTarget("After", "3/7/26", "700")).status, 200);
    // The woken backend finds its client gone, rolls the refused post back and ends.
    const std::string pausedPid = std::to_string(pausedPids.front());
    const std::string stillThere = "SELECT count(*) FROM pg_stat_activity WHERE pid = " + pausedPid;
    EXPECT_TRUE(pollUntil([&] { return query(stillThere.c_str()) == std::vector<std::string>{"0"}; }));
    EXPECT_EQ(query("SELECT string_agg(name, ',' ORDER BY id) FROM pelbixsolo_scores"),
              std::vector<std::string>{"Before,After"});
}

// With the standby gone the cancel came after the local commit, and the
// post that was stored got 503 "not recorded"; the player's retry then
// stored it twice.
TEST(PostgresCommitCutOff, StoredPostIsNeverAnsweredNotRecordedAndItsRetryStoresOnce)
{
    using namespace std::chrono_literals;
    dropTable();
    PostgresScoreStore store(waitingForStandby(), 1, 1s);
    RunningServer server(store, testSettings());
    // Cancelled while waiting for the standby, a commit ends stored.
    const HttpAnswer waited = server.get(postTarget("Ann", "3/7/26", "850"));
    EXPECT_EQ(waited.status, 200) << waited.body;

    // A backend stopped inside its commit cannot say how it ended.
    HttpAnswer unsure;
    std::thread poster([&] { unsure = server.get(postTarget("Bob", "3/7/26", "900")); });
    bool committing = false;
    for (int i = 0; i < 200 && !committing; ++i) {
        committing = query("SELECT count(*) FROM pg_stat_activity WHERE application_name = 'pelbixsolo-server'"
                           " AND wait_event = 'SyncRep'") == std::vector<std::string>{"1"};
        if (!committing)
            std::this_thread::sleep_for(5ms);
    }
    {
        PausedBackends paused;
        poster.join();
    }
    ASSERT_TRUE(committing);
    EXPECT_EQ(unsure.status, 202);
    EXPECT_NE(unsure.body.find("Send it again"), std::string::npos) << unsure.body;
    EXPECT_EQ(unsure.body.find("not recorded"), std::string::npos) << unsure.body;

    for (const char* name : {"Ann", "Bob"}) {
        const std::string retry = postTarget(name, "3/7/26", name == std::string("Ann") ? "850" : "900");
        EXPECT_EQ(server.get(retry).status, 200) << name;
    }
    EXPECT_EQ(query("SELECT string_agg(name, ',' ORDER BY id) FROM pelbixsolo_scores"),
              std::vector<std::string>{"Ann,Bob"});
}

TEST(PostgresRestart, PostFloodAcrossARestartLosesAndRefusesNothing)
{
    const char* restart = std::getenv("PELBIX_TEST_POSTGRES_RESTART");
    ASSERT_NE(restart, nullptr) << "run this through the postgres fixture";
    dropTable();
    PostgresScoreStore store(connection(), 1, std::chrono::seconds(20));
    RunningServer server(store, testSettings());

    constexpr int kPosters = 4;
    std::atomic<bool> flooding{true};
    std::atomic<int> accepted{0};
    std::atomic<int> refused{0};
    std::vector<std::thread> posters;
    for (int p = 0; p < kPosters; ++p) {
        posters.emplace_back([&, p] {
            for (int i = 0; flooding; ++i) {
                const int status = server.get(postTarget("p" + std::to_string(p), "3/7/26", std::to_string(50 * (i % 500)))).status;
                ++(status == 200 ? accepted : refused);
            }
        });
    }
    EXPECT_TRUE(pollUntil([&] { return accepted >= kPosters; })) << "the flood is under way";
    const int beforeRestart = accepted;
    const int restarted = std::system((std::string(restart) + " >/dev/null").c_str());
    const int atRestart = accepted;
    pollUntil([&] { return accepted > atRestart + kPosters; }, std::chrono::seconds(20));
    flooding = false;
    for (auto& t : posters)
        t.join();
    ASSERT_EQ(restarted, 0);
    EXPECT_GT(accepted.load(), beforeRestart) << "posts go on after the restart";
    EXPECT_EQ(refused.load(), 0);
    EXPECT_EQ(store.count(), accepted.load());
}
