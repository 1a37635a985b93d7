#include "server/connectionqueue.h"

#include <algorithm>

namespace {
thread_local bool t_turningAway = false;
} // namespace

ConnectionQueue::ConnectionQueue(std::size_t threads, std::size_t maxPending) : m_maxPending(maxPending)
{
    threads = std::max<std::size_t>(threads, 1);
    m_threads.reserve(threads);
    for (std::size_t i = 0; i < threads; ++i)
        m_threads.emplace_back([this] { work(); });
}

ConnectionQueue::~ConnectionQueue()
{
    shutdown();
}

bool ConnectionQueue::turningAway()
{
    return t_turningAway;
}

void ConnectionQueue::enqueue(std::function<void()> job)
{
    {
        const std::lock_guard lock(m_mutex);
        if (m_jobs.size() < m_maxPending && !m_stopping) {
            m_jobs.push_back(std::move(job));
            m_pending = m_jobs.size();
            m_wake.notify_one();
            return;
        }
    }
    t_turningAway = true;
    job();
    t_turningAway = false;
}

void ConnectionQueue::shutdown()
{
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_all();
    for (auto& thread : m_threads) {
        if (thread.joinable())
            thread.join();
    }
}

void ConnectionQueue::work()
{
    for (;;) {
        std::function<void()> job;
        {
            std::unique_lock lock(m_mutex);
            m_wake.wait(lock, [this] { return m_stopping || !m_jobs.empty(); });
            // Connections already accepted are still served, so none is
            // dropped without an answer when the server stops.
            if (m_jobs.empty())
                return;
            job = std::move(m_jobs.front());
            m_jobs.pop_front();
            m_pending = m_jobs.size();
        }
        job();
    }
}
