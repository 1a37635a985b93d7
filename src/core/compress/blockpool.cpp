// SPDX-License-Identifier: MIT
#include "core/compress/blockpool.h"

#include <algorithm>
#include <system_error>
#include <utility>

BlockPool::BlockPool(unsigned threads)
{
    if (threads == 0)
        threads = std::max(1u, std::thread::hardware_concurrency());
    m_workers.reserve(threads - 1);
    for (unsigned i = 1; i < threads; ++i) {
        try {
            m_workers.emplace_back([this] { work(); });
        } catch (const std::system_error&) {
            // Out of threads: the ones there are (or the caller alone) do all the work.
            break;
        }
    }
}

BlockPool::~BlockPool()
{
    {
        std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_wake.notify_all();
    for (auto& worker : m_workers)
        worker.join();
}

void BlockPool::run(std::size_t count, const std::function<void(std::size_t)>& job,
                    const std::function<void()>& alongside)
{
    if (count == 0) {
        if (alongside)
            alongside();
        return;
    }
    {
        std::lock_guard lock(m_mutex);
        m_job = &job;
        m_count = count;
        m_next = 0;
        m_finished = 0;
        m_error = nullptr;
        ++m_round;
    }
    if (count > 1)
        m_wake.notify_all();
    std::exception_ptr asideError;
    if (alongside) {
        try {
            alongside();
        } catch (...) {
            asideError = std::current_exception();
        }
    }
    drain();
    std::unique_lock lock(m_mutex);
    m_done.wait(lock, [this] { return m_finished == m_count; });
    m_job = nullptr;
    const std::exception_ptr jobError = std::exchange(m_error, nullptr);
    if (asideError)
        std::rethrow_exception(asideError);
    if (jobError)
        std::rethrow_exception(jobError);
}

void BlockPool::drain()
{
    std::unique_lock lock(m_mutex);
    while (m_next < m_count) {
        const std::size_t index = m_next++;
        const auto* job = m_job;
        lock.unlock();
        std::exception_ptr error;
        try {
            (*job)(index);
        } catch (...) {
            error = std::current_exception();
        }
        lock.lock();
        if (error && !m_error)
            m_error = error;
        if (++m_finished == m_count)
            m_done.notify_all();
    }
}

void BlockPool::work()
{
    unsigned long seen = 0;
    for (;;) {
        {
            std::unique_lock lock(m_mutex);
            m_wake.wait(lock, [&] { return m_stop || (m_round != seen && m_next < m_count); });
            if (m_stop)
                return;
            seen = m_round;
        }
        drain();
    }
}
