// SPDX-License-Identifier: MIT
#pragma once
#include <array>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <string>

// What an operator watches: counts since start, kept with relaxed atomics so
// the request threads never wait for each other, and shown on the admin
// address in the Prometheus text format.
class ServerMetrics {
public:
    enum class PostResult { Stored, Invalid, RateLimited, Unavailable, Count };
    enum class Refusal { PerAddress, Full, BadHead, HeadTimeout, Count };

    void countPost(PostResult result) { bump(m_posts[static_cast<std::size_t>(result)]); }
    void countListRequest() { bump(m_listRequests); }
    void countRefusal(Refusal reason) { bump(m_refusals[static_cast<std::size_t>(reason)]); }
    void countEviction() { bump(m_evictions); }
    void setOpenConnections(std::size_t open) { m_open.store(open, std::memory_order_relaxed); }
    // How long a post waited for the store, from its queueing to its outcome.
    void addDatabaseWait(std::chrono::steady_clock::duration wait);

    [[nodiscard]] std::uint64_t posts(PostResult result) const
    {
        return m_posts[static_cast<std::size_t>(result)].load(std::memory_order_relaxed);
    }
    [[nodiscard]] std::uint64_t refusals(Refusal reason) const
    {
        return m_refusals[static_cast<std::size_t>(reason)].load(std::memory_order_relaxed);
    }

    [[nodiscard]] std::string render() const;

    // Upper bounds of the database-wait histogram, in seconds.
    static constexpr std::array<double, 9> kWaitBuckets{0.001, 0.005, 0.01, 0.05, 0.1, 0.5, 1, 2, 5};

private:
    using Counter = std::atomic<std::uint64_t>;
    static void bump(Counter& counter) { counter.fetch_add(1, std::memory_order_relaxed); }

    std::array<Counter, static_cast<std::size_t>(PostResult::Count)> m_posts{};
    std::array<Counter, static_cast<std::size_t>(Refusal::Count)> m_refusals{};
    Counter m_listRequests{0};
    Counter m_evictions{0};
    std::atomic<std::size_t> m_open{0};
    std::array<Counter, kWaitBuckets.size() + 1> m_waitBuckets{}; // the last one is +Inf
    Counter m_waitMicroseconds{0};
};
