// SPDX-License-Identifier: MIT
#pragma once
#include <chrono>
#include <cstddef>
#include <list>
#include <mutex>
#include <string>
#include <string_view>
#include <unordered_map>

// Allows each client perMinute posts a minute: a bucket of perMinute tokens
// per client, refilled evenly over a minute. The table holds at most
// maxClients clients; past that the one seen longest ago is forgotten, so a
// flood of addresses costs bounded memory. A limit of 0 allows everything.
class RateLimiter {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr std::size_t kMaxClients = 16384;

    explicit RateLimiter(int perMinute, std::size_t maxClients = kMaxClients);

    [[nodiscard]] bool allow(const std::string& client, Clock::time_point now);
    [[nodiscard]] std::size_t trackedClients() const;

    // The key a remote address is counted under: IPv4 addresses (also when
    // mapped into IPv6) as they are, IPv6 addresses by their /64 network,
    // since one host is usually given a whole /64.
    [[nodiscard]] static std::string clientKey(std::string_view address);

private:
    struct Bucket {
        double tokens;
        Clock::time_point refilled;
        std::list<std::string>::iterator age; // place in m_byAge
    };

    const int m_perMinute;
    const std::size_t m_maxClients;
    mutable std::mutex m_mutex;
    std::unordered_map<std::string, Bucket> m_buckets;
    std::list<std::string> m_byAge; // most recently seen first
};
