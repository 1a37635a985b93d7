// SPDX-License-Identifier: MIT
// Stops a loaded server over and over: clients fetching the list page,
// posting, and holding half-sent requests while stop() runs. A stop that
// races the HTTP library's threads aborts the process, so the count of
// rounds survived is the result. Long, so not part of the default suite:
//   PELBIX_STOP_ROUNDS=1000 build/tests/server/pelbix_server_stopstress
#include <atomic>
#include <cstdlib>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <unistd.h>

#include "server/sqlitescorestore.h"
#include "testserver.h"

namespace {
using namespace std::chrono_literals;

int rounds()
{
    const char* text = std::getenv("PELBIX_STOP_ROUNDS");
    return text != nullptr ? std::atoi(text) : 1000;
}
} // namespace

TEST(StopStress, StopUnderLoadNeverAborts)
{
    TempFolder folder;
    SqliteScoreStore store(folder.path() / "scores.sqlite3");
    const int total = rounds();
    int stopped = 0;
    for (int round = 0; round < total; ++round) {
        ServerSettings settings = testSettings();
        settings.limits.threads = 2;
        auto server = std::make_unique<RunningServer>(store, settings);
        std::atomic<int> answered{0};
        std::atomic<bool> done{false};
        std::vector<std::thread> clients;
        for (int c = 0; c < 4; ++c) {
            clients.emplace_back([&, c] {
                while (!done) {
                    try {
                        const std::string target = c % 2 == 0 ? std::string(ScoreServer::kListPath)
                                                              : postTarget("S" + std::to_string(c), "3/7/26", "50");
                        (void)httpRequest(server->port(), "GET", target, {}, 2s);
                    } catch (const std::exception&) {
                        // refused once the server stops listening
                    }
                    ++answered;
                }
            });
        }
        std::vector<int> halfSent;
        for (int i = 0; i < 8; ++i) {
            const int sock = connectLoopback(server->port(), 2s);
            ::send(sock, "GET / HTTP/1.1\r\n", 16, MSG_NOSIGNAL);
            halfSent.push_back(sock);
        }
        while (answered < 8)
            std::this_thread::yield();
        server->stop();
        done = true;
        for (auto& client : clients)
            client.join();
        for (const int sock : halfSent)
            ::close(sock);
        server.reset();
        ++stopped;
    }
    EXPECT_EQ(stopped, total);
    std::printf("stopped under load %d times\n", stopped);
}
