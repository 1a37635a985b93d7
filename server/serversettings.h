// SPDX-License-Identifier: MIT
#pragma once
#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "server/connectionlimits.h"

// What a running server serves and how. The command line fills it in main();
// tests build it directly.
struct ServerSettings {
    static constexpr int kDefaultPostLimit = 10;

    std::string host = "127.0.0.1"; // empty: every IPv6 and IPv4 address
    int port = 8080; // 0 picks a free port
    // The operator's address for /metrics and /healthz; no port means none.
    std::string adminHost;
    std::optional<int> adminPort;
    // Body of the version file, byte for byte. Without it the file answers
    // 404 with an empty body, which the game ignores: an error page there
    // would count as a newer version and start an update that cannot work.
    std::optional<std::string> versionText;
    std::filesystem::path installer; // read at each request, so it can be replaced while running
    std::filesystem::path signature; // the installer's detached signature, read like the installer
    int postLimit = kDefaultPostLimit; // posts a minute from one client; 0 = no limit
    std::chrono::milliseconds listPageMaxAge{1000};
    // Longest wait for the database; past it a post is answered 503.
    std::chrono::milliseconds databaseTimeout{2000};
    ConnectionLimits limits;
    // Receives one finished line per request; empty means no log.
    std::function<void(const std::string&)> log;
};
