// SPDX-License-Identifier: MIT
#include "server/storeworker.h"

#include <vector>

#include "server/listpagecache.h"
#include "server/scorestore.h"
#include "server/storeerror.h"

StoreWorker::StoreWorker(ScoreStore& store, ListPageCache& listPage, std::size_t maxQueued)
    : m_store(store), m_listPage(listPage), m_maxQueued(maxQueued), m_thread([this] { run(); })
{
}

StoreWorker::~StoreWorker()
{
    stop();
}

bool StoreWorker::submit(ScoreEntry entry, Done done)
{
    {
        const std::lock_guard lock(m_mutex);
        if (m_stopping || m_queue.size() >= m_maxQueued)
            return false;
        m_queue.push_back({std::move(entry), std::move(done)});
    }
    m_wake.notify_one();
    return true;
}

void StoreWorker::refreshListPage()
{
    {
        const std::lock_guard lock(m_mutex);
        if (m_refreshWanted)
            return;
        m_refreshWanted = true;
    }
    m_wake.notify_one();
}

void StoreWorker::stop()
{
    std::deque<Post> left;
    {
        const std::lock_guard lock(m_mutex);
        if (m_stopping && !m_thread.joinable())
            return;
        m_stopping = true;
        left.swap(m_queue);
    }
    m_store.interrupt();
    m_wake.notify_one();
    if (m_thread.joinable())
        m_thread.join();
    for (Post& post : left)
        post.done(Outcome::Unavailable);
}

void StoreWorker::run()
{
    std::vector<Post> batch;
    std::vector<ScoreEntry> entries;
    for (;;) {
        bool refresh = false;
        {
            std::unique_lock lock(m_mutex);
            m_wake.wait(lock, [this] { return m_stopping || m_refreshWanted || !m_queue.empty(); });
            if (m_stopping)
                return;
            while (!m_queue.empty() && batch.size() < kMaxBatch) {
                batch.push_back(std::move(m_queue.front()));
                m_queue.pop_front();
            }
            refresh = m_refreshWanted;
            m_refreshWanted = false;
        }
        Outcome outcome = Outcome::Stored;
        if (!batch.empty()) {
            entries.clear();
            for (const Post& post : batch)
                entries.push_back(post.entry);
            try {
                m_store.addAll(entries);
            } catch (const StoreError&) {
                outcome = Outcome::Unavailable;
            }
        }
        if (refresh || (!batch.empty() && outcome == Outcome::Stored))
            m_listPage.refresh(m_store, ListPageCache::Clock::now());
        for (Post& post : batch)
            post.done(outcome);
        batch.clear();
    }
}
