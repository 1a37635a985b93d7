// SPDX-License-Identifier: MIT
#pragma once
#include <condition_variable>
#include <cstddef>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

// A few worker threads that run one job over the indices 0..count-1, the
// calling thread taking its share; run returns when every index is done.
// Jobs must not depend on each other; each index runs exactly once. An
// exception from a job is caught on its thread and rethrown by run.
class BlockPool {
public:
    // threads counts the caller too; 0 means one per core.
    explicit BlockPool(unsigned threads = 0);
    ~BlockPool();
    BlockPool(const BlockPool&) = delete;
    BlockPool& operator=(const BlockPool&) = delete;

    [[nodiscard]] unsigned threads() const { return unsigned(m_workers.size()) + 1; }

    // alongside, when given, runs on the calling thread once the workers
    // have been woken, before it takes its share; an exception from it is
    // rethrown once every index has run, ahead of any from the job.
    void run(std::size_t count, const std::function<void(std::size_t)>& job,
             const std::function<void()>& alongside = {});

private:
    void work();
    // Runs indices of the current round until none is left.
    void drain();

    std::vector<std::thread> m_workers;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_done;
    const std::function<void(std::size_t)>* m_job = nullptr;
    std::size_t m_count = 0;
    std::size_t m_next = 0;
    std::size_t m_finished = 0;
    unsigned long m_round = 0;
    bool m_stop = false;
    std::exception_ptr m_error;
};
