// SPDX-License-Identifier: MIT
// The connection gate against hostile crowds and broken heads: the limits
// per client and in all, the quick refusal, room made by closing the oldest
// idle connection, and the library's doubled answer kept off the wire.
#include <arpa/inet.h>
#include <condition_variable>
#include <cstdlib>
#include <gtest/gtest.h>
#include <mutex>
#include <netinet/in.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "server/sqlitescorestore.h"
#include "testserver.h"

namespace {
using namespace std::chrono_literals;

// The server's log lines, with a wait for one to appear.
class CollectedLog {
public:
    std::function<void(const std::string&)> sink()
    {
        return [this](const std::string& line) {
            const std::lock_guard lock(m_mutex);
            m_text += line;
            m_changed.notify_all();
        };
    }
    bool waitFor(std::string_view text, std::chrono::milliseconds wait = 10s)
    {
        std::unique_lock lock(m_mutex);
        return m_changed.wait_for(lock, wait, [&] { return m_text.find(text) != std::string::npos; });
    }
    std::string text()
    {
        const std::lock_guard lock(m_mutex);
        return m_text;
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::string m_text;
};

// Both ends of every connection live in this process: raise the soft
// open-file limit (1024 on many systems) as far as that takes.
bool allowDescriptors(rlim_t needed)
{
    rlimit files{};
    if (::getrlimit(RLIMIT_NOFILE, &files) != 0 || files.rlim_max < needed)
        return false;
    if (files.rlim_cur < needed) {
        files.rlim_cur = needed;
        return ::setrlimit(RLIMIT_NOFILE, &files) == 0;
    }
    return true;
}

constexpr rlim_t kCrowdDescriptors = 4096; // 2,000 clients, up to 1,024 of them served, and spare

std::vector<std::string> loopbackAddresses(int count)
{
    std::vector<std::string> addresses;
    for (int i = 0; i < count; ++i)
        addresses.push_back("127.0.1." + std::to_string(i + 1));
    return addresses;
}

int countOf(const std::string& text, std::string_view part)
{
    int count = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

class ConnectionGateTest : public testing::Test {
protected:
    ConnectionGateTest() { m_settings.log = m_log.sink(); }

    TempFolder m_folder;
    SqliteScoreStore m_store{m_folder.path() / "scores.sqlite3"};
    CollectedLog m_log;
    ServerSettings m_settings = testSettings();
};
} // namespace

TEST_F(ConnectionGateTest, UnreadableContentLengthGetsOneAnswerOnTheWire)
{
    // The HTTP library sends its header block twice for these.
    const struct {
        const char* length;
        const char* statusLine;
    } cases[] = {
        {"99999999999999999999", "HTTP/1.1 413 "},
        {"-1", "HTTP/1.1 400 "},
        {"12 abc", "HTTP/1.1 400 "},
    };
    RunningServer server(m_store, m_settings);
    for (const auto& c : cases) {
        const std::string raw = rawExchange(
            server.port(), std::string("GET /counter/pelbixsolo.shtml HTTP/1.1\r\nHost: x\r\nContent-Length: ") +
                               c.length + "\r\n\r\n");
        EXPECT_EQ(raw.rfind(c.statusLine, 0), 0u) << raw;
        EXPECT_EQ(countOf(raw, "HTTP/1."), 1) << raw;
        const auto bodyAt = raw.find("\r\n\r\n");
        ASSERT_NE(bodyAt, std::string::npos);
        EXPECT_NE(raw.find("Content-Length: " + std::to_string(raw.size() - bodyAt - 4) + "\r\n"), std::string::npos)
            << raw;
        EXPECT_TRUE(m_log.waitFor(std::string("\"GET /counter/pelbixsolo.shtml HTTP/1.1\" ") + (c.statusLine + 9)))
            << m_log.text();
    }
    EXPECT_EQ(server.get(ScoreServer::kListPath).status, 200);
}

TEST_F(ConnectionGateTest, RequestsTheLibraryRefusesAreLoggedWithTheStatusSent)
{
    RunningServer server(m_store, m_settings);
    // The gate looks only at a connection's first request; the second one
    // here is the library's to refuse.
    const std::string raw = rawExchange(server.port(), "GET /counter/pelbixsolo.shtml HTTP/1.1\r\nHost: x\r\n\r\n"
                                                       "GET /counter/pelbixsolo.shtml HTTP/1.1\r\nX-Big: " +
                                                           std::string(20000, 'b') + "\r\n\r\n");
    const auto second = raw.find("HTTP/1.1 4");
    ASSERT_NE(second, std::string::npos) << raw.substr(0, 300);
    const std::string sent = raw.substr(second + 9, 3);
    EXPECT_TRUE(m_log.waitFor(" " + sent + " ")) << sent << "\n" << m_log.text();
    EXPECT_EQ(m_log.text().find("\" 0 "), std::string::npos) << m_log.text();
}

TEST_F(ConnectionGateTest, AtTheLimitANewClientGetsA503AtOnceAndTheLogSaysWhy)
{
    m_settings.limits.maxConnections = 4;
    m_settings.limits.evictableAfter = std::chrono::hours(1); // nothing is old enough to close
    RunningServer server(m_store, m_settings);
    HalfRequests held(server.port(), 4, {"127.0.0.1"});
    const HttpAnswer refused = httpRequest(server.port(), "GET", ScoreServer::kListPath, {}, 5s, kOtherClientAddress);
    EXPECT_EQ(refused.status, 503);
    EXPECT_EQ(refused.header("Retry-After"), "5");
    EXPECT_TRUE(m_log.waitFor("1 refused at the connection limit (4)")) << m_log.text();
}

TEST_F(ConnectionGateTest, AtTheLimitTheOldestIdleConnectionMakesRoom)
{
    m_settings.limits.maxConnections = 4;
    m_settings.limits.evictableAfter = 0ms;
    RunningServer server(m_store, m_settings);
    HalfRequests held(server.port(), 4, {"127.0.0.1"});
    EXPECT_EQ(httpRequest(server.port(), "GET", ScoreServer::kListPath, {}, 5s, kOtherClientAddress).status, 200);
    // Accepted together, the four are equally old: one of them goes.
    ASSERT_TRUE(m_log.waitFor("1 idle or slow closed to make room")) << m_log.text();
    EXPECT_EQ(held.closedByServer(), 1);
}

TEST_F(ConnectionGateTest, AKeptAliveConnectionBetweenRequestsMakesRoomToo)
{
    m_settings.limits.maxConnections = 1;
    m_settings.limits.evictableAfter = 0ms;
    RunningServer server(m_store, m_settings);
    const int kept = connectLoopback(server.port(), 10s);
    const std::string request = "GET /pelbixsolo/pelbixsoloversion.txt HTTP/1.1\r\nHost: x\r\n\r\n";
    ::send(kept, request.data(), request.size(), MSG_NOSIGNAL);
    std::string answer;
    char buffer[4096];
    while (answer.find("\r\n\r\n") == std::string::npos) { // an empty 404: the head is the whole answer
        const ssize_t got = ::recv(kept, buffer, sizeof buffer, 0);
        ASSERT_GT(got, 0);
        answer.append(buffer, static_cast<std::size_t>(got));
    }
    ASSERT_EQ(answer.rfind("HTTP/1.1 404", 0), 0u) << answer;
    // Idle inside the HTTP library once it has marked the request done
    // (just after sending); then it closes the connection once cut off.
    int status = 0;
    for (int attempt = 0; attempt < 100 && status != 200; ++attempt) {
        status = httpRequest(server.port(), "GET", ScoreServer::kListPath, {}, 5s, kOtherClientAddress).status;
        if (status != 200)
            std::this_thread::sleep_for(10ms);
    }
    EXPECT_EQ(status, 200);
    EXPECT_EQ(::recv(kept, buffer, sizeof buffer, 0), 0);
    ::close(kept);
}

TEST_F(ConnectionGateTest, TwoThousandSlowConnectionsFrom200AddressesLeaveAnotherClientServed)
{
    if (!allowDescriptors(kCrowdDescriptors))
        GTEST_SKIP() << "the open-file limit is below " << kCrowdDescriptors;
    RunningServer server(m_store, m_settings); // the default limits: 16 per address, 1024 in all
    HalfRequests attack(server.port(), 2000, loopbackAddresses(200));
    // Once the crowd has filled the server for a moment, its oldest
    // connections are old enough to be closed for newcomers.
    ASSERT_TRUE(m_log.waitFor("refused at the connection limit")) << m_log.text();
    for (int i = 0; i < 20; ++i) {
        const HttpAnswer page = httpRequest(server.port(), "GET", ScoreServer::kListPath, {}, 5s, kOtherClientAddress);
        ASSERT_EQ(page.status, 200) << i;
        EXPECT_NE(page.body.find("</html>"), std::string::npos);
    }
    EXPECT_TRUE(m_log.waitFor("idle or slow closed to make room")) << m_log.text();
}

namespace {
constexpr const char* kNamespaceMark = "PELBIX_TEST_IN_NETWORK_NAMESPACE";
constexpr const char* kAttackPrefix = "2001:db8:77::";

int connectFromIpv6(int port, const std::string& from)
{
    const int sock = ::socket(AF_INET6, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const int on = 1;
    // The whole /64 is routed to this host, not assigned address by address.
    ::setsockopt(sock, SOL_IP, IP_FREEBIND, &on, sizeof on);
    timeval limit{10, 0};
    ::setsockopt(sock, SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit);
    sockaddr_in6 source{};
    source.sin6_family = AF_INET6;
    ::inet_pton(AF_INET6, from.c_str(), &source.sin6_addr);
    sockaddr_in6 server{};
    server.sin6_family = AF_INET6;
    server.sin6_port = htons(static_cast<uint16_t>(port));
    server.sin6_addr = in6addr_loopback;
    if (::bind(sock, reinterpret_cast<sockaddr*>(&source), sizeof source) != 0 ||
        ::connect(sock, reinterpret_cast<sockaddr*>(&server), sizeof server) != 0) {
        ::close(sock);
        return -1;
    }
    return sock;
}

std::string exchangeFromIpv6(int port, const std::string& from, const std::string& request)
{
    return exchangeOn(connectFromIpv6(port, from), request);
}
} // namespace

TEST_F(ConnectionGateTest, TwoThousandAddressesOfOneIpv6Slash64CountAsOneClient)
{
    if (!allowDescriptors(kCrowdDescriptors))
        GTEST_SKIP() << "the open-file limit is below " << kCrowdDescriptors;
    if (std::getenv(kNamespaceMark) == nullptr) {
        // Run this test again inside a network namespace of its own, where
        // a whole /64 can be routed to loopback without touching the machine.
        if (std::system("unshare -rn true >/dev/null 2>&1") != 0)
            GTEST_SKIP() << "cannot make a network namespace here (unshare -rn failed)";
        const std::string test = testing::UnitTest::GetInstance()->current_test_info()->test_suite_name() +
                                 std::string(".") + testing::UnitTest::GetInstance()->current_test_info()->name();
        const std::string self = std::filesystem::read_symlink("/proc/self/exe").string();
        const std::string command = std::string("unshare -rn sh -c 'ip link set lo up && ip -6 route add local ") +
                                    kAttackPrefix + "/64 dev lo && " + kNamespaceMark + "=1 exec \"" + self +
                                    "\" --gtest_filter=" + test + "' 2>&1";
        const int status = std::system(command.c_str());
        ASSERT_TRUE(WIFEXITED(status)) << command;
        if (WEXITSTATUS(status) == 77)
            GTEST_SKIP() << "no IPv6 inside the network namespace";
        EXPECT_EQ(WEXITSTATUS(status), 0) << "the test inside the namespace failed; its output is above";
        return;
    }
    m_settings.host = "::1";
    RunningServer server(m_store, m_settings);
    std::vector<int> attack;
    for (int i = 1; i <= 2000; ++i) {
        char address[64];
        std::snprintf(address, sizeof address, "%s%x:%x", kAttackPrefix, i / 256 + 1, i % 256 + 1);
        const int sock = connectFromIpv6(server.port(), address);
        if (sock < 0) {
            if (i == 1)
                std::exit(77);
            continue;
        }
        ::send(sock, "GET / HTTP/1.1\r\nX-Slow: ", 24, MSG_NOSIGNAL);
        attack.push_back(sock);
    }
    EXPECT_TRUE(m_log.waitFor("refused over the per-address limit (16, last from 2001:db8:77::/64)")) << m_log.text();
    for (int i = 0; i < 20; ++i) {
        const std::string page =
            exchangeFromIpv6(server.port(), "::1", "GET /counter/pelbixsolo.shtml HTTP/1.0\r\n\r\n");
        ASSERT_EQ(page.rfind("HTTP/1.1 200 ", 0), 0u) << i << ": " << page.substr(0, 80);
    }
    for (const int sock : attack)
        ::close(sock);
}

TEST_F(ConnectionGateTest, EveryAddressMeansIpv4AndIpv6)
{
    m_settings.host = "";
    RunningServer server(m_store, m_settings);
    EXPECT_EQ(server.get(ScoreServer::kListPath).status, 200);
    const std::string overIpv6 =
        exchangeFromIpv6(server.port(), "::1", "GET /counter/pelbixsolo.shtml HTTP/1.0\r\n\r\n");
    if (overIpv6.empty() && connectFromIpv6(server.port(), "::1") < 0)
        GTEST_SKIP() << "no IPv6 loopback on this machine";
    EXPECT_EQ(overIpv6.rfind("HTTP/1.1 200 ", 0), 0u) << overIpv6.substr(0, 80);
}

TEST_F(ConnectionGateTest, MetricsAndHealthAreOnTheAdminAddressOnly)
{
    m_settings.adminHost = "127.0.0.1";
    m_settings.adminPort = 0;
    RunningServer server(m_store, m_settings);
    ASSERT_EQ(server.get(postTarget("Ann", "3/7/26", "850")).status, 200);
    ASSERT_EQ(server.get(std::string(ScoreServer::kPostPath) + "?name=Ann").status, 400);
    (void)server.get(ScoreServer::kListPath);

    const HttpAnswer health = httpRequest(server.adminPort(), "GET", "/healthz");
    EXPECT_EQ(health.status, 200);
    EXPECT_EQ(health.body, "ok\n");
    const HttpAnswer metrics = httpRequest(server.adminPort(), "GET", "/metrics");
    EXPECT_EQ(metrics.status, 200);
    EXPECT_EQ(metrics.header("Content-Type").rfind("text/plain; version=0.0.4", 0), 0u);
    for (const char* line : {"pelbixsolo_posts_total{result=\"stored\"} 1\n",
                             "pelbixsolo_posts_total{result=\"invalid\"} 1\n", "pelbixsolo_list_requests_total 1\n",
                             "pelbixsolo_database_wait_seconds_count 1\n",
                             "# TYPE pelbixsolo_connections_open gauge\n"})
        EXPECT_NE(metrics.body.find(line), std::string::npos) << line << metrics.body;

    EXPECT_EQ(server.get("/metrics").status, 404);
    EXPECT_EQ(server.get("/healthz").status, 404);
}
