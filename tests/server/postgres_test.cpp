// The storage suite and a two-server setup against a real PostgreSQL
// server, whose connection URI comes in PELBIX_TEST_POSTGRES.
#include <atomic>
#include <cstdlib>
#include <libpq-fe.h>
#include <thread>

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

void dropTable()
{
    PGconn* db = PQconnectdb(connection().c_str());
    ASSERT_EQ(PQstatus(db), CONNECTION_OK) << PQerrorMessage(db);
    PQclear(PQexec(db, "DROP TABLE IF EXISTS pelbixsolo_scores"));
    PQfinish(db);
}
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
    constexpr int kPostsEach = 250;
    std::atomic<int> accepted{0};
    std::vector<std::thread> clients;
    for (int c = 0; c < 2 * kClientsEach; ++c) {
        clients.emplace_back([&, c] {
            auto client = (c % 2 == 0 ? serverA : serverB).client();
            for (int i = 0; i < kPostsEach; ++i) {
                const auto result = client->Get(postTarget("c" + std::to_string(c), "3/7/26", std::to_string(i)).c_str());
                if (result && result->status == 200)
                    ++accepted;
            }
        });
    }
    for (auto& t : clients)
        t.join();
    EXPECT_EQ(accepted.load(), 2 * kClientsEach * kPostsEach);
    EXPECT_EQ(storeA.count(), accepted.load());

    ASSERT_EQ(serverB.client()->Get(postTarget("OnlyViaB", "3/7/26", "9999999").c_str())->status, 200);
    const auto page = serverA.client()->Get(ScoreServer::kListPath);
    ASSERT_TRUE(page);
    EXPECT_NE(page->body.find(">OnlyViaB<"), std::string::npos);
}
