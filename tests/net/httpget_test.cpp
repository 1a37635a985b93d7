// SPDX-License-Identifier: MIT
#include <atomic>
#include <chrono>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <thread>

#include <QFile>
#include <QTemporaryDir>

#include "net/backgroundfetch.h"
#include "net/httpgeturl.h"
#include "support/eventwait.h"
#include "support/scriptedhttpserver.h"
#include "support/tlstestserver.h"

namespace {

using Connection = ScriptedHttpServer::Connection;

// Counts what a component delivers.
struct Outcomes {
    int done = 0;
    int errors = 0;
    int progressCalls = 0;
    QByteArray result;
    std::vector<long long> totals;
    std::vector<long long> readed;

    void attach(BackgroundFetch& get, bool withProgress = false)
    {
        get.OnDoneString = [this](QObject*, const QByteArray& body) {
            ++done;
            result = body;
        };
        get.OnError = [this](QObject*) { ++errors; };
        if (withProgress) {
            get.OnProgress = [this](BackgroundFetch* sender, long long total, long long read) {
                EXPECT_NE(sender, nullptr);
                ++progressCalls;
                totals.push_back(total);
                readed.push_back(read);
            };
        }
    }
    [[nodiscard]] int completions() const { return done + errors; }
};

ScriptedHttpServer::Script answering(const std::string& bytes)
{
    return [bytes](Connection& c) {
        c.readRequest();
        c.send(bytes);
    };
}

} // namespace

TEST(splitHttpGetUrl, HostPortAndPath)
{
    const struct {
        const char* url;
        const char* host;
        int port;
        const char* path;
    } cases[] = {
        {"http://host/a/b?x=1&y=2", "host", 80, "/a/b?x=1&y=2"},
        {"HTTP://Host/x", "Host", 80, "/x"},
        {"hTtP://host/", "host", 80, "/"},
        {"Https://host/v", "host", 443, "/v"},
        {"http://host:8080/cgi-bin/p.cgi?name=a b#c", "host", 8080, "/cgi-bin/p.cgi?name=a b#c"},
        {"host/p", "host", 80, "/p"},
        {"http://host", "", 80, ""},
        {"http:///p", "", 80, "/p"},
        {"http://host:abc/p", "", 80, ""},
        {"http://host:70000/p", "", 80, ""},
    };
    for (const auto& c : cases) {
        const HttpGetTarget target = splitHttpGetUrl(c.url);
        EXPECT_EQ(target.host, c.host) << c.url;
        if (target.valid()) {
            EXPECT_EQ(target.port, c.port) << c.url;
            EXPECT_EQ(target.path, c.path) << c.url;
        }
    }
}

TEST(FetchString, CompletesOncePerAnswer)
{
    const std::string page404 = std::string(120, 'n');
    const struct {
        const char* name;
        std::string answer;
        bool binary;
        bool success;
        std::string body;
    } cases[] = {
        {"404 page is a success", ScriptedHttpServer::answer(404, "Not Found", page404), false, true, page404},
        {"500 page is a success", ScriptedHttpServer::answer(500, "Oops", "broken"), false, true, "broken"},
        {"empty body is a failure", ScriptedHttpServer::answer(200, "OK", ""), false, false, ""},
        {"no length, read to the end", ScriptedHttpServer::answer(200, "OK", "to the end", false), false, true, "to the end"},
        {"no length with binary data", ScriptedHttpServer::answer(200, "OK", "data", false), true, false, ""},
        {"negative length counts as absent", "HTTP/1.0 200 OK\r\nContent-Length: -4\r\n\r\ndata", true, false, ""},
        {"binary data with a length", ScriptedHttpServer::answer(200, "OK", std::string("a\0b", 3)), true, true,
         std::string("a\0b", 3)},
        {"closed without an answer", "", false, false, ""},
    };
    for (const auto& c : cases) {
        ScriptedHttpServer server(answering(c.answer));
        BackgroundFetch get;
        Outcomes outcomes;
        outcomes.attach(get);
        get.BinaryData = c.binary;
        get.URL = QString::fromStdString(server.url("/x"));
        get.FetchString();
        ASSERT_TRUE(waitUntil([&] { return outcomes.completions() > 0; })) << c.name;
        waitUntil([] { return false; }, 50); // a second completion would come now
        EXPECT_EQ(outcomes.completions(), 1) << c.name;
        EXPECT_EQ(outcomes.done, c.success ? 1 : 0) << c.name;
        EXPECT_EQ(get.Succeeded(), c.success) << c.name;
        EXPECT_EQ(outcomes.result.toStdString(), c.body) << c.name;
        EXPECT_FALSE(get.Busy()) << c.name;
    }
}

TEST(FetchString, ReportsProgressPerChunkOfAtMost1025Bytes)
{
    const struct {
        std::size_t size;
        bool withLength;
        std::vector<long long> readed;
    } cases[] = {
        {1025, true, {1025}},
        {1026, true, {1025, 1026}},
        {3000, false, {1025, 2050, 3000}},
    };
    for (const auto& c : cases) {
        std::string body;
        for (std::size_t i = 0; i < c.size; ++i)
            body += static_cast<char>('a' + i % 26);
        // Sent in uneven pieces, so chunking cannot lean on the server's writes.
        ScriptedHttpServer server([&](Connection& conn) {
            conn.readRequest();
            const std::string bytes = ScriptedHttpServer::answer(200, "OK", body, c.withLength);
            for (std::size_t at = 0; at < bytes.size(); at += 700) {
                conn.send(std::string_view(bytes).substr(at, 700));
                conn.pause(5);
            }
        });
        BackgroundFetch get;
        Outcomes outcomes;
        outcomes.attach(get, true);
        get.URL = QString::fromStdString(server.url("/"));
        get.FetchString();
        ASSERT_TRUE(waitUntil([&] { return outcomes.completions() > 0; })) << c.size;
        EXPECT_EQ(outcomes.result.toStdString(), body) << c.size;
        EXPECT_EQ(outcomes.readed, c.readed) << c.size;
        for (long long total : outcomes.totals)
            EXPECT_EQ(total, c.withLength ? static_cast<long long>(c.size) : 0) << c.size;
    }
}

TEST(FetchString, SendsTheRequestFromItsSettings)
{
    const struct {
        const char* name;
        bool useCache;
        const char* postQuery;
        const char* referer;
        const char* agent;
        std::vector<std::string> present;
        std::vector<std::string> absent;
    } cases[] = {
        {"plain GET", false, "", "", "Kelvane HTTPGet",
         {"GET /cgi-bin/pelbixsolo.cgi?name=Ann&date=1/2/2026&score=5000 HTTP/1.0\r\n", "User-Agent: Kelvane HTTPGet\r\n",
          "Accept: */*\r\n", "Pragma: no-cache\r\n", "Cache-Control: no-cache\r\n"},
         {"Referer:", "Content-Type:"}},
        {"cache allowed, no agent, referrer", true, "", "http://ref.example/", "",
         {"Referer: http://ref.example/\r\n"},
         {"Pragma:", "User-Agent:"}},
        {"form POST", false, "a=1&b=2", "", "Kelvane HTTPGet",
         {"POST /cgi-bin/pelbixsolo.cgi?name=Ann&date=1/2/2026&score=5000 HTTP/1.0\r\n",
          "Content-Type: application/x-www-form-urlencoded\r\n", "Content-Length: 7\r\n", "\r\n\r\na=1&b=2"},
         {}},
    };
    for (const auto& c : cases) {
        ScriptedHttpServer server(answering(ScriptedHttpServer::answer(200, "OK", "fine")));
        BackgroundFetch get;
        Outcomes outcomes;
        outcomes.attach(get);
        get.UseCache = c.useCache;
        get.PostQuery = QString::fromLatin1(c.postQuery);
        get.Referer = QString::fromLatin1(c.referer);
        get.Agent = QString::fromLatin1(c.agent);
        get.URL = QString::fromStdString(server.url("/cgi-bin/pelbixsolo.cgi?name=Ann&date=1/2/2026&score=5000"));
        get.FetchString();
        ASSERT_TRUE(waitUntil([&] { return outcomes.completions() > 0; })) << c.name;
        ASSERT_EQ(server.requests().size(), 1u) << c.name;
        const std::string request = server.requests()[0];
        EXPECT_NE(request.find("Host: 127.0.0.1:" + std::to_string(server.port()) + "\r\n"), std::string::npos);
        for (const auto& line : c.present)
            EXPECT_NE(request.find(line), std::string::npos) << c.name << ": " << line << "\n" << request;
        for (const auto& line : c.absent)
            EXPECT_EQ(request.find(line), std::string::npos) << c.name << ": " << line << "\n" << request;
    }
}

TEST(FetchString, ASpaceOrHashInTheQueryReachesTheServerEncoded)
{
    ScriptedHttpServer server(answering(ScriptedHttpServer::answer(200, "OK", "fine")));
    BackgroundFetch get;
    Outcomes outcomes;
    outcomes.attach(get);
    get.URL = QString::fromStdString(server.url("/p/../q?name=Ann Lee&x=#1"));
    get.FetchString();
    ASSERT_TRUE(waitUntil([&] { return outcomes.completions() > 0; }));
    ASSERT_EQ(server.requests().size(), 1u);
    EXPECT_EQ(server.requests()[0].rfind("GET /p/../q?name=Ann%20Lee&x=%231 HTTP/1.0\r\n", 0), 0u) << server.requests()[0];
}

TEST(FetchString, ANewStartCancelsAHungFetch)
{
    ScriptedHttpServer server(ScriptedHttpServer::hangFirstThenAnswer("second"));
    BackgroundFetch get;
    Outcomes outcomes;
    outcomes.attach(get);
    get.URL = QString::fromStdString(server.url("/first"));
    get.FetchString();
    ASSERT_TRUE(waitUntil([&] { return server.requests().size() == 1; }));
    get.URL = QString::fromStdString(server.url("/second"));
    get.FetchString();
    ASSERT_TRUE(waitUntil([&] { return outcomes.completions() > 0; }));
    EXPECT_EQ(outcomes.done, 1);
    EXPECT_EQ(outcomes.errors, 0);
    EXPECT_EQ(outcomes.result, "second");
}

TEST(FetchString, FailsOnACutBodyOrATimeOut)
{
    using namespace std::chrono_literals;
    const HttpTimeouts quick{200ms, 200ms, 0ms};
    const struct {
        const char* name;
        ScriptedHttpServer::Script script;
        HttpTimeouts timeouts;
    } cases[] = {
        {"short close", answering("HTTP/1.0 200 OK\r\nContent-Length: 100\r\n\r\nshort"), {}},
        {"reset", [](Connection& c) {
             c.readRequest();
             c.send("HTTP/1.0 200 OK\r\nContent-Length: 100\r\n\r\nshort");
             c.reset();
         }, {}},
        {"truncated chunks", answering("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n5\r\nhello\r\n"), {}},
        {"stall", [](Connection& c) {
             c.readRequest();
             c.send("HTTP/1.0 200 OK\r\n\r\npart");
             c.hang();
         }, quick},
        {"drip past the total", [](Connection& c) {
             c.readRequest();
             c.send("HTTP/1.0 200 OK\r\n\r\n");
             while (c.send("x"))
                 c.pause(20);
         }, {200ms, 200ms, 300ms}},
    };
    for (const auto& c : cases) {
        ScriptedHttpServer server(c.script);
        BackgroundFetch get;
        Outcomes outcomes;
        outcomes.attach(get);
        get.Timeouts = c.timeouts;
        get.URL = QString::fromStdString(server.url("/"));
        get.FetchString();
        ASSERT_TRUE(waitUntil([&] { return outcomes.completions() > 0; })) << c.name;
        EXPECT_EQ(outcomes.errors, 1) << c.name;
        EXPECT_FALSE(get.ErrorText().isEmpty()) << c.name;
    }
    // A port that never accepts, and a server that never starts its TLS handshake.
    ScriptedHttpServer::FullBacklog stuck;
    ScriptedHttpServer silent([](Connection& c) { c.hang(); });
    for (const QString& url : {QStringLiteral("http://127.0.0.1:%1/").arg(stuck.port()),
                               QStringLiteral("https://127.0.0.1:%1/").arg(silent.port())}) {
        BackgroundFetch get;
        Outcomes outcomes;
        outcomes.attach(get);
        get.Timeouts = quick;
        get.URL = url;
        get.FetchString();
        ASSERT_TRUE(waitUntil([&] { return outcomes.completions() > 0; })) << url.toStdString();
        EXPECT_EQ(outcomes.errors, 1) << url.toStdString();
    }
}

TEST(FetchString, ManyQuickRestartsEndWithTheLastFetchOnly)
{
    ScriptedHttpServer server([](Connection& c) {
        const std::string request = c.readRequest();
        c.pause(20);
        if (!request.empty()) // a cancelled fetch may close before its request is whole
            c.send(ScriptedHttpServer::answer(200, "OK", request.substr(4, request.find(" HTTP/") - 4)));
    });
    BackgroundFetch get;
    Outcomes outcomes;
    outcomes.attach(get);
    for (int i = 0; i < 30; ++i) {
        get.URL = QString::fromStdString(server.url("/" + std::to_string(i)));
        get.FetchString();
        if (i % 10 == 0)
            waitUntil([&] { return false; }, 5);
    }
    ASSERT_TRUE(waitUntil([&] { return outcomes.completions() > 0; }));
    waitUntil([] { return false; }, 100);
    EXPECT_EQ(outcomes.completions(), 1);
    EXPECT_EQ(outcomes.result, "/29");
}

TEST(FetchString, FollowsRedirectsWithinTheirRules)
{
    // /r<n> sends to /r<n-1>, /r0 answers; /far sends to the same server under another name.
    ScriptedHttpServer server([](Connection& c) {
        const std::string request = c.readRequest();
        const std::string path = request.substr(request.find(' ') + 1, request.find(" HTTP/") - request.find(' ') - 1);
        std::string location;
        if (path == "/far")
            location = "http://localhost:" + std::to_string(c.port()) + "/r0";
        else if (path == "/file")
            location = "file:///etc/passwd";
        else if (path != "/r0")
            location = "/r" + std::to_string(std::stoi(path.substr(2)) - 1);
        c.send(location.empty() ? ScriptedHttpServer::answer(200, "OK", "landed")
                                : ScriptedHttpServer::answer(302, "Found", "moved", true, "Location: " + location + "\r\n"));
    });
    const struct {
        const char* path;
        bool otherHosts;
        const char* postQuery;
        bool lands;
    } cases[] = {
        {"/r20", true, "", true},
        {"/r21", true, "", false},
        {"/far", true, "", true},
        {"/far", false, "", false},
        {"/far", true, "score=1", false},
        {"/r1", true, "score=1", true},
        {"/file", true, "", false},
    };
    for (const auto& c : cases) {
        BackgroundFetch get;
        Outcomes outcomes;
        outcomes.attach(get);
        get.OtherHostRedirects = c.otherHosts;
        get.PostQuery = QString::fromLatin1(c.postQuery);
        get.URL = QString::fromStdString(server.url(c.path));
        get.FetchString();
        ASSERT_TRUE(waitUntil([&] { return outcomes.completions() > 0; })) << c.path;
        EXPECT_EQ(outcomes.done, c.lands ? 1 : 0) << c.path << " " << c.otherHosts << " " << c.postQuery;
        EXPECT_EQ(outcomes.result, c.lands ? "landed" : "") << c.path;
    }
}

TEST(FetchString, KeepsTheCredentialsFromAnotherHost)
{
    ScriptedHttpServer server([](Connection& c) {
        const std::string request = c.readRequest();
        c.send(request.find("GET /far") == 0
                   ? ScriptedHttpServer::answer(302, "Found", "", true,
                                                "Location: http://localhost:" + std::to_string(c.port()) + "/near\r\n")
                   : ScriptedHttpServer::answer(200, "OK", "landed"));
    });
    BackgroundFetch get;
    Outcomes outcomes;
    outcomes.attach(get);
    get.UserName = QStringLiteral("ann");
    get.Password = QStringLiteral("secret");
    get.URL = QString::fromStdString(server.url("/far"));
    get.FetchString();
    ASSERT_TRUE(waitUntil([&] { return outcomes.completions() > 0; }));
    EXPECT_EQ(outcomes.result, "landed");
    ASSERT_EQ(server.requests().size(), 2u);
    EXPECT_NE(server.requests()[0].find("Authorization: Basic"), std::string::npos);
    EXPECT_EQ(server.requests()[1].find("Authorization"), std::string::npos) << server.requests()[1];
}

TEST(FetchString, ChecksTheServersCertificate)
{
    TlsTestServer server(ScriptedHttpServer::answer(200, "OK", "secret").c_str());
    ASSERT_TRUE(server.ready());
    // A plain server that sends a post on to the TLS one on the same host.
    ScriptedHttpServer upgrade(answering(ScriptedHttpServer::answer(
        302, "Found", "", true, "Location: " + server.url(QStringLiteral("/list")).toStdString() + "\r\n")));
    const struct {
        const char* name;
        QString url;
        bool trusted;
        const char* error; // empty: the fetch succeeds
    } cases[] = {
        {"self-signed", server.url(QStringLiteral("/list")), false, "certificate"},
        {"trusted", server.url(QStringLiteral("/list")), true, ""},
        {"another name", server.url(QStringLiteral("/list"), QStringLiteral("localhost")), true, "localhost"},
        {"redirect to https", QString::fromStdString(upgrade.url("/post")), true, ""},
    };
    for (const auto& c : cases) {
        BackgroundFetch get;
        Outcomes outcomes;
        outcomes.attach(get);
        get.OtherHostRedirects = false;
        if (c.trusted)
            get.CaCertificates = server.certificateFile();
        get.URL = c.url;
        get.FetchString();
        ASSERT_TRUE(waitUntil([&] { return outcomes.completions() > 0; })) << c.name;
        EXPECT_EQ(outcomes.result, *c.error ? "" : "secret") << c.name;
        EXPECT_TRUE(get.ErrorText().contains(QLatin1String(c.error))) << c.name << ": " << get.ErrorText().toStdString();
    }
    // Never from TLS back to plain text.
    server.setAnswer(ScriptedHttpServer::answer(302, "Found", "", true, "Location: " + upgrade.url("/x") + "\r\n").c_str());
    BackgroundFetch get;
    Outcomes outcomes;
    outcomes.attach(get);
    get.CaCertificates = server.certificateFile();
    get.URL = server.url(QStringLiteral("/list"));
    get.FetchString();
    ASSERT_TRUE(waitUntil([&] { return outcomes.completions() > 0; }));
    EXPECT_EQ(outcomes.errors, 1);
    EXPECT_EQ(upgrade.connections(), 1);
}

TEST(FetchString, TunnelsHttpsThroughTheEnvironmentsProxy)
{
    // A proxy that refuses: what matters is the tunnel request and the failure.
    ScriptedHttpServer proxy(answering("HTTP/1.1 407 Proxy Authentication Required\r\nContent-Length: 0\r\n\r\n"));
    qputenv("https_proxy", "http://u:p@127.0.0.1:" + QByteArray::number(proxy.port()));
    BackgroundFetch get;
    Outcomes outcomes;
    outcomes.attach(get);
    get.URL = QStringLiteral("https://pelbix-elsewhere.invalid/v");
    get.FetchString();
    const bool ended = waitUntil([&] { return outcomes.completions() > 0; });
    qunsetenv("https_proxy");
    ASSERT_TRUE(ended);
    EXPECT_EQ(outcomes.errors, 1);
    ASSERT_FALSE(proxy.requests().empty());
    const std::string request = proxy.requests()[0];
    EXPECT_EQ(request.rfind("CONNECT pelbix-elsewhere.invalid:443 HTTP/1.1\r\n", 0), 0u) << request;
    EXPECT_NE(request.find("Proxy-Authorization: Basic dTpw\r\n"), std::string::npos) << request;
}

TEST(FetchString, ThreeComponentsBusyAtOnce)
{
    // Nobody is answered until all three requests are in.
    std::atomic<int> arrived{0};
    ScriptedHttpServer server([&](Connection& c) {
        const std::string request = c.readRequest();
        ++arrived;
        for (int i = 0; i < 500 && arrived < 3; ++i)
            c.pause(10);
        c.send(ScriptedHttpServer::answer(200, "OK", request.substr(4, 2)));
    });
    BackgroundFetch gets[3];
    Outcomes outcomes[3];
    for (int i = 0; i < 3; ++i) {
        outcomes[i].attach(gets[i]);
        gets[i].URL = QString::fromStdString(server.url("/" + std::to_string(i) + "x"));
        gets[i].FetchString();
    }
    ASSERT_TRUE(waitUntil([&] {
        return outcomes[0].completions() + outcomes[1].completions() + outcomes[2].completions() == 3;
    }));
    EXPECT_EQ(arrived, 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(outcomes[i].result.toStdString(), "/" + std::to_string(i)) << i;
}

TEST(FetchString, AHandlerMayStartTheNextFetch)
{
    ScriptedHttpServer server(answering(ScriptedHttpServer::answer(200, "OK", "again")));
    BackgroundFetch get;
    int done = 0;
    get.URL = QString::fromStdString(server.url("/"));
    get.OnDoneString = [&](QObject* sender, const QByteArray&) {
        EXPECT_EQ(sender, &get);
        if (++done == 1)
            get.FetchString();
    };
    get.FetchString();
    ASSERT_TRUE(waitUntil([&] { return done == 2; }));
    EXPECT_EQ(server.connections(), 2);
}

TEST(FetchString, AProgressHandlerMayStartTheNextFetch)
{
    ScriptedHttpServer server(answering(ScriptedHttpServer::answer(200, "OK", std::string(3000, 'b'))));
    BackgroundFetch get;
    int progress = 0;
    int done = 0;
    get.URL = QString::fromStdString(server.url("/"));
    get.OnProgress = [&](BackgroundFetch*, long long, long long) {
        if (++progress == 1)
            get.FetchString(); // cancels the fetch whose progress this is
    };
    get.OnDoneString = [&](QObject*, const QByteArray&) { ++done; };
    get.FetchString();
    ASSERT_TRUE(waitUntil([&] { return done > 0; }));
    waitUntil([] { return false; }, 50);
    EXPECT_EQ(done, 1);
    EXPECT_EQ(server.connections(), 2);
}

TEST(FetchString, FailsWithoutAServer)
{
    const std::string urls[] = {
        "http://127.0.0.1:" + std::to_string(ScriptedHttpServer::closedPort()) + "/refused",
        "http://pelbix-nowhere.invalid/x",
        "http://no-slash-after-host",
    };
    for (const auto& url : urls) {
        BackgroundFetch get;
        Outcomes outcomes;
        outcomes.attach(get);
        get.URL = QString::fromStdString(url);
        get.FetchString();
        ASSERT_TRUE(waitUntil([&] { return outcomes.completions() > 0; })) << url;
        EXPECT_EQ(outcomes.errors, 1) << url;
    }
}

TEST(Stop, EndsAFetchThatHangsWithOneFailure)
{
    ScriptedHttpServer server([](Connection& c) {
        c.readRequest();
        c.hang();
    });
    BackgroundFetch get;
    Outcomes outcomes;
    outcomes.attach(get);
    get.URL = QString::fromStdString(server.url("/"));
    get.FetchString();
    ASSERT_TRUE(waitUntil([&] { return !server.requests().empty(); }));
    get.Stop();
    ASSERT_TRUE(waitUntil([&] { return outcomes.completions() > 0; }));
    waitUntil([] { return false; }, 50);
    EXPECT_EQ(outcomes.errors, 1);
    EXPECT_EQ(outcomes.completions(), 1);
}

TEST(BackgroundFetch, ReplacedFetchesThatHangDoNotHoldTheNext)
{
    // Far more replaced fetches than the transfers' pool has threads: each
    // must leave its thread as soon as it is cancelled.
    ScriptedHttpServer hanging([](Connection& c) {
        c.readRequest();
        c.hang();
    });
    ScriptedHttpServer good(answering(ScriptedHttpServer::answer(200, "OK", "fine")));
    BackgroundFetch get;
    Outcomes outcomes;
    outcomes.attach(get);
    get.URL = QString::fromStdString(hanging.url("/"));
    for (int i = 0; i < 40; ++i) {
        get.FetchString();
        ASSERT_TRUE(waitUntil([&] { return hanging.connections() > i; })) << i;
    }
    get.URL = QString::fromStdString(good.url("/"));
    get.FetchString();
    ASSERT_TRUE(waitUntil([&] { return outcomes.completions() > 0; }));
    EXPECT_EQ(outcomes.result, "fine");
    EXPECT_EQ(outcomes.completions(), 1);
}

TEST(BackgroundFetch, DestroyedDuringAFetchThatHangsGetsNothing)
{
    ScriptedHttpServer server([](Connection& c) {
        c.readRequest();
        c.hang();
    });
    Outcomes outcomes;
    auto get = std::make_unique<BackgroundFetch>();
    outcomes.attach(*get);
    get->URL = QString::fromStdString(server.url("/"));
    get->FetchString();
    ASSERT_TRUE(waitUntil([&] { return !server.requests().empty(); }));
    get.reset(); // must neither wait for the server nor crash
    waitUntil([] { return false; }, 100);
    EXPECT_EQ(outcomes.completions(), 0);
}

TEST(BackgroundFetch, DestroyedWithProgressStillQueuedGetsNothing)
{
    // The transfer queues a chunk's progress for this thread, which destroys
    // the component instead of running its event loop.
    std::atomic<bool> sent{false};
    ScriptedHttpServer server([&](Connection& c) {
        c.readRequest();
        c.send("HTTP/1.0 200 OK\r\nContent-Length: 5000\r\n\r\n" + std::string(2000, 'x'));
        sent = true;
        c.hang();
    });
    Outcomes outcomes;
    auto get = std::make_unique<BackgroundFetch>();
    outcomes.attach(*get, true);
    get->URL = QString::fromStdString(server.url("/"));
    get->FetchString();
    for (int i = 0; i < 1000 && !sent; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    // Time for the transfer to read the chunk and queue its report; nothing
    // on this thread can see that without running the events in question.
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    get.reset();
    waitUntil([] { return false; }, 100);
    EXPECT_EQ(outcomes.progressCalls, 0);
    EXPECT_EQ(outcomes.completions(), 0);
}

TEST(FetchFile, WritesTheBodyToTheFile)
{
    ScriptedHttpServer server(answering(ScriptedHttpServer::answer(200, "OK", "1.0.3")));
    QTemporaryDir dir;
    BackgroundFetch get;
    QString doneName;
    long long doneSize = -1;
    get.OnDoneFile = [&](QObject*, const QString& name, long long size) {
        doneName = name;
        doneSize = size;
    };
    get.FileName = dir.filePath(QStringLiteral("version.txt"));
    get.URL = QString::fromStdString(server.url("/v"));
    get.FetchFile();
    ASSERT_TRUE(waitUntil([&] { return doneSize >= 0; }));
    EXPECT_EQ(doneName, get.FileName);
    EXPECT_EQ(doneSize, 5);
    QFile file(get.FileName);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "1.0.3");
}

TEST(FetchString, FollowsARedirectToItsTarget)
{
    ScriptedHttpServer server([](Connection& c) {
        const std::string request = c.readRequest();
        if (request.rfind("GET /old ", 0) == 0)
            c.send(ScriptedHttpServer::answer(302, "Found", "moved", true, "Location: /new\r\n"));
        else
            c.send(ScriptedHttpServer::answer(200, "OK", "target"));
    });
    BackgroundFetch get;
    Outcomes outcomes;
    outcomes.attach(get);
    get.URL = QString::fromStdString(server.url("/old"));
    get.FetchString();
    ASSERT_TRUE(waitUntil([&] { return outcomes.completions() > 0; }));
    EXPECT_EQ(outcomes.result, "target");
}
