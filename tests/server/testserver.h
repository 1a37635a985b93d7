#pragma once
#include <chrono>
#include <filesystem>
#include <httplib.h>
#include <memory>
#include <string>
#include <string_view>
#include <thread>

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

// A ScoreServer on 127.0.0.1 and a free port, serving in a thread of its
// own until the object goes away.
class RunningServer {
public:
    RunningServer(ScoreStore& store, ServerSettings settings);
    ~RunningServer();
    RunningServer(const RunningServer&) = delete;
    RunningServer& operator=(const RunningServer&) = delete;

    [[nodiscard]] int port() const { return m_port; }
    // A client with connect and read timeouts, so no test waits forever.
    [[nodiscard]] std::unique_ptr<httplib::Client> client() const;

private:
    ScoreServer m_server;
    int m_port;
    std::thread m_thread;
};

// Settings for tests: loopback, any free port, no log, no post limit.
[[nodiscard]] ServerSettings testSettings();

// Percent-encodes every byte outside the unreserved set, as the game does.
[[nodiscard]] std::string encodeQueryValue(std::string_view text);

[[nodiscard]] std::string postTarget(std::string_view name, std::string_view date, std::string_view score);

// Sends request on a new connection and reads until the server closes it
// or timeout passes.
[[nodiscard]] std::string rawExchange(int port, std::string_view request,
                                      std::chrono::milliseconds timeout = std::chrono::seconds(10));

// A connected TCP socket to 127.0.0.1:port with send and receive timeouts.
[[nodiscard]] int connectLoopback(int port, std::chrono::milliseconds timeout);
