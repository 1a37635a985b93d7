// SPDX-License-Identifier: MIT
#pragma once
#include <chrono>
#include <cstddef>

// Every bound on what one client, and all of them together, may cost the
// server. The defaults suit the game's small GET requests.
struct ConnectionLimits {
    static constexpr unsigned kDefaultPerAddress = 16;

    unsigned threads = 0;                         // event threads; 0: one per processor core
    unsigned perAddress = kDefaultPerAddress;     // open connections from one client address
    unsigned maxConnections = 1024;               // open connections in all
    std::chrono::seconds idleTimeout{5};          // silence before a connection is closed
    std::size_t memoryPerConnection = 16 * 1024;  // request line, headers and answer headers
    std::size_t maxQueuedPosts = 4096;            // posts waiting for the database; more get 503
    // At the connection limit, a connection idle (or still sending its
    // first request) this long is closed to make room for a new client.
    std::chrono::milliseconds evictableAfter{500};
};
