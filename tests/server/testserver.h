// SPDX-License-Identifier: MIT
#pragma once
#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "server/scoreserver.h"

// A fresh folder under the system's temporary folder, removed afterwards.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    [[nodiscard]] const std::filesystem::path& path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

// One answer as a plain client sees it; status 0 when none came.
struct HttpAnswer {
    int status = 0;
    std::string head; // status line and header lines
    std::string body;
    // The value of the first header line of that name (any case), or "".
    [[nodiscard]] std::string header(std::string_view name) const;
};

inline constexpr const char* kOtherClientAddress = "127.0.0.2";

// Sends method and target with the given extra header lines ("Name: value\r\n"
// each) on a new connection from fromAddress, and reads until the server
// closes it or timeout passes.
[[nodiscard]] HttpAnswer httpRequest(int port, std::string_view method, std::string_view target,
                                     std::string_view headers = {},
                                     std::chrono::milliseconds timeout = std::chrono::seconds(10),
                                     const char* fromAddress = "127.0.0.1");

// A ScoreServer on 127.0.0.1 and a free port, serving in a thread of its
// own until the object goes away.
class RunningServer {
public:
    RunningServer(ScoreStore& store, ServerSettings settings);
    ~RunningServer();
    RunningServer(const RunningServer&) = delete;
    RunningServer& operator=(const RunningServer&) = delete;

    [[nodiscard]] int port() const { return m_port; }
    [[nodiscard]] int adminPort() const { return m_server.adminPort(); }
    [[nodiscard]] HttpAnswer get(std::string_view target) const { return httpRequest(m_port, "GET", target); }
    // Stops and waits for run() to return.
    void stop();

private:
    ScoreServer m_server;
    int m_port;
    std::thread m_thread;
};

// Checks done every few milliseconds until it holds or limit passes;
// whether it held.
bool pollUntil(const std::function<bool()>& done, std::chrono::milliseconds limit = std::chrono::seconds(10));

// The client connections a server reports open on its admin address
// (/metrics), -1 when that gives no count.
[[nodiscard]] int openConnections(int adminPort);

// Settings for tests: loopback, any free port, no log, no post limit.
[[nodiscard]] ServerSettings testSettings();

// Percent-encodes every byte outside the unreserved set, as the game does.
[[nodiscard]] std::string encodeQueryValue(std::string_view text);

[[nodiscard]] std::string postTarget(std::string_view name, std::string_view date, std::string_view score);

// Sends request on a new connection and reads until the server closes it
// or timeout passes.
[[nodiscard]] std::string rawExchange(int port, std::string_view request,
                                      std::chrono::milliseconds timeout = std::chrono::seconds(10),
                                      const char* fromAddress = "127.0.0.1");

// Sends request on the connected socket sock, reads until the peer closes
// it, and closes it; "" when sock is negative.
[[nodiscard]] std::string exchangeOn(int sock, std::string_view request);

// Connections that send half a request and then nothing, from the given
// addresses in turn: slow clients, as an attacker holds them.
class HalfRequests {
public:
    HalfRequests(int port, int count, const std::vector<std::string>& from);
    ~HalfRequests();
    HalfRequests(const HalfRequests&) = delete;
    HalfRequests& operator=(const HalfRequests&) = delete;

    [[nodiscard]] int count() const { return static_cast<int>(m_sockets.size()); }
    // Connections the server has closed by now.
    [[nodiscard]] int closedByServer() const;

private:
    std::vector<int> m_sockets;
};

// A TCP socket from fromAddress connected to 127.0.0.1:port, with send and
// receive timeouts.
[[nodiscard]] int connectLoopback(int port, std::chrono::milliseconds timeout, const char* fromAddress = "127.0.0.1");
