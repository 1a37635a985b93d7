#pragma once
#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <httplib.h>
#include <mutex>
#include <thread>
#include <vector>

// The HTTP library's queue of accepted connections, with a fixed number of
// threads and a bounded backlog. A connection that finds the backlog full is
// still run, at once on the accepting thread, with turningAway() true, so
// its handler closes it after a short refusal instead of leaking the socket.
class ConnectionQueue : public httplib::TaskQueue {
public:
    ConnectionQueue(std::size_t threads, std::size_t maxPending);
    ~ConnectionQueue() override;
    ConnectionQueue(const ConnectionQueue&) = delete;
    ConnectionQueue& operator=(const ConnectionQueue&) = delete;

    void enqueue(std::function<void()> job) override;
    void shutdown() override;

    // Connections accepted and still waiting for a thread.
    [[nodiscard]] std::size_t pending() const { return m_pending.load(); }
    [[nodiscard]] static bool turningAway();

private:
    void work();

    const std::size_t m_maxPending;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<std::function<void()>> m_jobs;
    std::atomic<std::size_t> m_pending{0};
    bool m_stopping = false;
    std::vector<std::thread> m_threads;
};
