// SPDX-License-Identifier: MIT
#include "server/scoreserver.h"

#include <atomic>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <sys/socket.h>
#include <unistd.h>
#include <vector>

#include "server/sqlitescorestore.h"
#include "testserver.h"

namespace {
std::string readBody(const RunningServer& server, const std::string& target, int* status = nullptr)
{
    const HttpAnswer answer = server.get(target);
    if (status)
        *status = answer.status;
    return answer.body;
}

// Where each name appears on the list page, in page order.
std::vector<std::size_t> positionsOf(const std::string& page, const std::vector<std::string>& cells)
{
    std::vector<std::size_t> positions;
    for (const auto& cell : cells)
        positions.push_back(page.find("<td align=\"left\">" + cell + "</td>"));
    return positions;
}

class ScoreServerTest : public testing::Test {
protected:
    TempFolder m_folder;
    SqliteScoreStore m_store{m_folder.path() / "scores.sqlite3"};
};
} // namespace

TEST_F(ScoreServerTest, PostedScoreAppearsOnTheListPage)
{
    RunningServer server(m_store, testSettings());
    int status = 0;
    const std::string answer = readBody(server, postTarget("Ann", "3/7/26", "850"), &status);
    EXPECT_EQ(status, 200);
    EXPECT_FALSE(answer.empty());

    const std::string page = readBody(server, ScoreServer::kListPath, &status);
    EXPECT_EQ(status, 200);
    EXPECT_NE(page.find("<td align=\"right\">1</td><td align=\"left\">Ann</td><td align=\"center\">3/7/26</td>"
                        "<td align=\"right\">850</td>"),
              std::string::npos)
        << page;
}

TEST_F(ScoreServerTest, NamesArriveIntactAndAreEscapedOnThePage)
{
    const struct {
        std::string name;
        std::string shown;
    } cases[] = {
        {"A&B", "A&amp;B"},        {"#1 fan", "#1 fan"},     {"<script>", "&lt;script&gt;"},
        {"a b c", "a b c"},        {"x+y", "x+y"},           {"Zo\xC3\xAB", "Zo&#235;"},
        {"\"q\" 'r'", "&quot;q&quot; &#39;r&#39;"}, {"100%", "100%"},
    };
    RunningServer server(m_store, testSettings());
    int score = 1000; // lower by 50 each post, so the page keeps the cases' order
    for (const auto& c : cases) {
        int status = 0;
        (void)readBody(server, postTarget(c.name, "3/7/26", std::to_string(score)), &status);
        score -= 50;
        EXPECT_EQ(status, 200) << c.name;
    }
    const auto stored = m_store.best(100);
    const std::string page = readBody(server, ScoreServer::kListPath);
    ASSERT_EQ(stored.size(), std::size(cases));
    for (std::size_t i = 0; i < stored.size(); ++i) {
        EXPECT_EQ(stored[i].name, cases[i].name);
        EXPECT_NE(page.find("<td align=\"left\">" + cases[i].shown + "</td>"), std::string::npos) << cases[i].shown;
    }
    EXPECT_EQ(page.find("<script>"), std::string::npos);
}

TEST_F(ScoreServerTest, ListIsBestFirstWithTiesInPostingOrder)
{
    RunningServer server(m_store, testSettings());
    for (const auto& [name, score] : {std::pair{"Early500", "500"}, {"Early900", "900"}, {"Late500", "500"},
                                      {"Late900", "900"}, {"Low", "100"}})
        (void)readBody(server, postTarget(name, "1/2/26", score));
    const std::string page = readBody(server, ScoreServer::kListPath);
    const auto at = positionsOf(page, {"Early900", "Late900", "Early500", "Late500", "Low"});
    for (std::size_t i = 0; i < at.size(); ++i)
        ASSERT_NE(at[i], std::string::npos) << i;
    EXPECT_TRUE(std::is_sorted(at.begin(), at.end())) << page;
    EXPECT_NE(page.find("<td align=\"right\">5</td><td align=\"left\">Low</td>"), std::string::npos);
}

TEST_F(ScoreServerTest, ListPageStopsAtOneHundredRows)
{
    for (int i = 1; i <= 105; ++i)
        m_store.add({"P" + std::to_string(i), "1/1/26", i});
    RunningServer server(m_store, testSettings());
    const std::string page = readBody(server, ScoreServer::kListPath);
    std::size_t rows = 0;
    for (std::size_t at = page.find("<td align=\"left\">"); at != std::string::npos;
         at = page.find("<td align=\"left\">", at + 1))
        ++rows;
    EXPECT_EQ(rows, 100u);
    EXPECT_NE(page.find(">P6<"), std::string::npos);
    EXPECT_EQ(page.find(">P5<"), std::string::npos);
}

TEST_F(ScoreServerTest, VersionFileIsTheConfiguredBytes)
{
    for (const std::string& text : {std::string("1.0.3"), std::string("1.0.2\r\n"), std::string("v\0x", 3)}) {
        ServerSettings settings = testSettings();
        settings.versionText = text;
        RunningServer server(m_store, settings);
            const HttpAnswer result = server.get(ScoreServer::kVersionPath);
        EXPECT_EQ(result.status, 200);
        EXPECT_EQ(result.body, text);
    }
}

TEST_F(ScoreServerTest, VersionFileWithoutAVersionIsAnEmpty404)
{
    // A non-empty error page would differ from the game's version and
    // offer an update that has nothing to download.
    RunningServer server(m_store, testSettings());
    const HttpAnswer result = server.get(ScoreServer::kVersionPath);
    EXPECT_EQ(result.status, 404);
    EXPECT_TRUE(result.body.empty());
}

TEST_F(ScoreServerTest, InstallerIsServedWholeWithItsLength)
{
    std::string bytes(300 * 1024 + 7, '\0');
    std::mt19937 random(7);
    for (auto& b : bytes)
        b = static_cast<char>(random());
    ServerSettings settings = testSettings();
    settings.installer = m_folder.path() / "qztsetup.exe";
    std::ofstream(settings.installer, std::ios::binary) << bytes;
    RunningServer server(m_store, settings);
    const HttpAnswer result = server.get(ScoreServer::kInstallerPath);
    EXPECT_EQ(result.status, 200);
    EXPECT_EQ(result.header("Content-Length"), std::to_string(bytes.size()));
    EXPECT_TRUE(result.body == bytes);

    std::filesystem::remove(settings.installer);
    EXPECT_EQ(server.get(ScoreServer::kInstallerPath).status, 404);
}

TEST_F(ScoreServerTest, AnswersTheGamesHttp10Requests)
{
    ServerSettings settings = testSettings();
    settings.versionText = "1.0.2";
    settings.installer = m_folder.path() / "setup.bin";
    std::ofstream(settings.installer, std::ios::binary) << std::string(5000, 'z');
    RunningServer server(m_store, settings);

    // The foreground download: exactly these three header lines.
    const std::string download = rawExchange(server.port(),
        "GET /pelbixsolo/qztsetup.exe HTTP/1.0\r\n"
        "Accept: image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, */*\r\n"
        "User-Agent: Mozilla/3.0 (compatible)\r\n"
        "Host: 127.0.0.1\r\n\r\n");
    EXPECT_EQ(download.rfind("HTTP/1.1 200 OK\r\n", 0), 0u) << download.substr(0, 200);
    EXPECT_NE(download.find("Content-Length: 5000\r\n"), std::string::npos);
    EXPECT_TRUE(download.ends_with("\r\n\r\n" + std::string(5000, 'z')));

    // The background fetch: a post, then the version file, without a Host line.
    const std::string post = rawExchange(server.port(),
        "GET /cgi-bin/pelbixsolo.cgi?name=Ann%20B&date=3/7/26&score=850 HTTP/1.0\r\n"
        "Accept: */*\r\nUser-Agent: Kelvane HTTPGet\r\n\r\n");
    EXPECT_EQ(post.rfind("HTTP/1.1 200 OK\r\n", 0), 0u) << post;
    const std::string version = rawExchange(server.port(),
        "GET /pelbixsolo/pelbixsoloversion.txt HTTP/1.0\r\nAccept: */*\r\nUser-Agent: Kelvane HTTPGet\r\n\r\n");
    EXPECT_TRUE(version.ends_with("\r\n\r\n1.0.2")) << version;
    EXPECT_EQ(m_store.best(1), (std::vector<ScoreEntry>{{"Ann B", "3/7/26", 850}}));
}

TEST_F(ScoreServerTest, BadPostsAreRefusedNamingTheFieldAndStoreNothing)
{
    // One case per kind; checkPost's own tests go through every rule.
    const struct {
        std::string query;
        std::string problem;
    } cases[] = {
        {"date=3/7/26&score=50", "name is missing"},
        {"name=ElevenChars&date=3/7/26&score=50", "name is longer than 10"},
        {"name=" + std::string(65, 'x') + "&date=3/7/26&score=1", "name is too long"},
        {"name=Ann&date=&score=50", "date is empty"},
        {"name=Ann&date=3/7/2026&score=50", "date is not"},
        {"name=Ann&date=3/7/26&score=12345", "score is not a multiple of 50"},
    };
    RunningServer server(m_store, testSettings());
    for (const auto& c : cases) {
        int status = 0;
        const std::string page = readBody(server, std::string(ScoreServer::kPostPath) + "?" + c.query, &status);
        EXPECT_EQ(status, 400) << c.query;
        EXPECT_NE(page.find(c.problem), std::string::npos) << c.query << "\n" << page;
    }
    EXPECT_EQ(m_store.count(), 0);
}

TEST_F(ScoreServerTest, PostsOverTheLimitGet429AndAreNotStored)
{
    ServerSettings settings = testSettings();
    settings.postLimit = 3;
    RunningServer server(m_store, settings);
    std::vector<int> statuses;
    for (int i = 0; i < 5; ++i) {
        const HttpAnswer result = server.get(postTarget("Ann", "3/7/26", std::to_string(50 * i)));
        statuses.push_back(result.status);
        if (result.status == 429) {
            EXPECT_EQ(result.header("Retry-After"), "60");
        }
    }
    EXPECT_EQ(statuses, (std::vector<int>{200, 200, 200, 429, 429}));
    EXPECT_EQ(m_store.count(), 3);
    int status = 0;
    (void)readBody(server, ScoreServer::kListPath, &status);
    EXPECT_EQ(status, 200);
}

TEST_F(ScoreServerTest, OversizedRequestLineIsRefusedAndServingGoesOn)
{
    RunningServer server(m_store, testSettings());
    const std::string answer =
        rawExchange(server.port(), "GET /counter/pelbixsolo.shtml?" + std::string(20000, 'a') + " HTTP/1.0\r\n\r\n");
    EXPECT_EQ(answer.find("200 OK"), std::string::npos) << answer.substr(0, 100);
    int status = 0;
    (void)readBody(server, ScoreServer::kListPath, &status);
    EXPECT_EQ(status, 200);
}

TEST_F(ScoreServerTest, EndlessHeadersEndTheConnection)
{
    // The HTTP library keeps reading header lines for as long as they come;
    // the server must cut such a request off instead of growing with it.
    RunningServer server(m_store, testSettings());
    const int sock = connectLoopback(server.port(), std::chrono::seconds(10));
    const std::string line = "X-Filler: " + std::string(1000, 'f') + "\r\n";
    std::string start = "GET /counter/pelbixsolo.shtml HTTP/1.1\r\n";
    ::send(sock, start.data(), start.size(), MSG_NOSIGNAL);
    constexpr std::size_t kGiveUpAfter = 64u << 20;
    std::size_t sent = 0;
    int error = 0;
    while (sent < kGiveUpAfter) {
        const ssize_t n = ::send(sock, line.data(), line.size(), MSG_NOSIGNAL);
        if (n <= 0) {
            error = errno;
            break;
        }
        sent += static_cast<std::size_t>(n);
    }
    ::close(sock);
    EXPECT_LT(sent, kGiveUpAfter / 2);
    EXPECT_TRUE(error == ECONNRESET || error == EPIPE) << "the server must close, not just stop reading: " << error;
}

TEST_F(ScoreServerTest, ClientNotTakingTheInstallerIsCutOff)
{
    constexpr std::uintmax_t kInstallerSize = 64u << 20;
    ServerSettings settings = testSettings();
    settings.limits.idleTimeout = std::chrono::seconds(1);
    settings.installer = m_folder.path() / "big.exe";
    settings.adminHost = "127.0.0.1";
    settings.adminPort = 0;
    std::ofstream(settings.installer, std::ios::binary).close();
    std::filesystem::resize_file(settings.installer, kInstallerSize);
    RunningServer server(m_store, settings);

    const int sock = connectLoopback(server.port(), std::chrono::seconds(10));
    const std::string request = "GET /pelbixsolo/qztsetup.exe HTTP/1.0\r\n\r\n";
    ::send(sock, request.data(), request.size(), MSG_NOSIGNAL);
    // Take nothing until the server, its writes stalled past its timeout,
    // has closed the connection.
    EXPECT_TRUE(pollUntil([&] { return openConnections(server.adminPort()) == 1; }));
    EXPECT_TRUE(pollUntil([&] { return openConnections(server.adminPort()) == 0; }));
    std::uintmax_t received = 0;
    char buffer[65536];
    ssize_t got = 0;
    while ((got = ::recv(sock, buffer, sizeof buffer, 0)) > 0)
        received += static_cast<std::uintmax_t>(got);
    ::close(sock);
    EXPECT_EQ(got, 0) << "the server ends the connection";
    EXPECT_LT(received, kInstallerSize);
}

TEST_F(ScoreServerTest, ConcurrentPostersLoseNothing)
{
    constexpr int kClients = 8;
    constexpr int kPostsEach = 250;
    RunningServer server(m_store, testSettings());
    std::atomic<int> accepted{0};
    std::atomic<int> failed{0};
    std::vector<std::thread> clients;
    for (int c = 0; c < kClients; ++c) {
        clients.emplace_back([&, c] {
            for (int i = 0; i < kPostsEach; ++i) {
                if (server.get(postTarget("C" + std::to_string(c), "3/7/26", std::to_string(50 * i))).status == 200)
                    ++accepted;
                else
                    ++failed;
            }
        });
    }
    for (auto& t : clients)
        t.join();
    EXPECT_EQ(failed.load(), 0);
    EXPECT_EQ(m_store.count(), accepted.load());
}

TEST(ScoreServerPersistence, ScoresSurviveARestart)
{
    TempFolder folder;
    const auto file = folder.path() / "scores.sqlite3";
    {
        SqliteScoreStore store(file);
        RunningServer server(store, testSettings());
            ASSERT_EQ(server.get(postTarget("Keeper", "3/7/26", "4350")).status, 200);
    }
    SqliteScoreStore store(file);
    RunningServer server(store, testSettings());
    const HttpAnswer page = server.get(ScoreServer::kListPath);
    EXPECT_NE(page.body.find("<td align=\"left\">Keeper</td><td align=\"center\">3/7/26</td><td align=\"right\">4350</td>"),
              std::string::npos);
}

TEST_F(ScoreServerTest, SignatureIsServedBesideTheInstallerAndReadAtEachRequest)
{
    ServerSettings settings = testSettings();
    settings.installer = m_folder.path() / "qztsetup.exe";
    settings.signature = m_folder.path() / "qztsetup.exe.sig";
    RunningServer server(m_store, settings);
    EXPECT_EQ(server.get(ScoreServer::kSignaturePath).status, 404);

    const std::string signature(64, '\xA5');
    std::ofstream(settings.signature, std::ios::binary) << signature;
    const HttpAnswer present = server.get(ScoreServer::kSignaturePath);
    EXPECT_EQ(present.status, 200);
    EXPECT_EQ(present.body, signature);
    EXPECT_EQ(server.get(ScoreServer::kInstallerPath).status, 404) << "the installer itself is still missing";
}
