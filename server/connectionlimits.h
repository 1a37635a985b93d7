#pragma once
#include <chrono>
#include <cstddef>

// Every bound on what one connection, and all of them together, may cost
// the server. The defaults suit the game's small GET requests.
struct ConnectionLimits {
    std::size_t threads = 8;                         // connections served at once
    std::size_t maxPending = 256;                    // accepted, waiting for a thread; more are turned away
    std::size_t listenBacklog = 256;                 // not yet accepted
    std::size_t maxRequestBytes = 16 * 1024;         // request line, headers and body together
    std::size_t maxPayloadBytes = 4 * 1024;          // a body, which no route here takes
    std::chrono::milliseconds readTimeout{5000};     // silence while a request is arriving
    std::chrono::milliseconds requestDeadline{10000}; // for a whole request to arrive
    std::chrono::milliseconds writeTimeout{5000};    // a client not taking any of the answer
    std::size_t minSendRate = 2048;                  // bytes a second, on average ...
    std::chrono::milliseconds sendGrace{10000};      // ... once an answer has been going this long
    std::chrono::milliseconds keepAliveTimeout{5000}; // idle between requests
    std::size_t keepAliveRequests = 100;             // requests on one connection
};
