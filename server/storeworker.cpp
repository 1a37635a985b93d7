// SPDX-License-Identifier: MIT
#include "server/storeworker.h"

#include <utility>
#include <vector>

#include "server/listpagecache.h"
#include "server/scorestore.h"
#include "server/storeerror.h"

StoreWorker::StoreWorker(ScoreStore& store, ListPageCache& listPage, std::size_t maxQueued, RefusalLog::Write log)
    : m_store(store),
      m_listPage(listPage),
      m_maxQueued(maxQueued),
      m_log(log),
      m_refusals(log),
      m_listFailures(std::move(log), "the list page is rendered"),
      m_thread([this] { run(); })
{
}

StoreWorker::~StoreWorker()
{
    stop();
}

bool StoreWorker::submit(ScoreEntry entry, Done done)
{
    std::string refusal;
    {
        const std::lock_guard lock(m_mutex);
        if (m_stopping)
            refusal = "the server is stopping";
        else if (m_queue.size() >= m_maxQueued)
            refusal = "the database is too slow: " + std::to_string(m_maxQueued) + " posts already wait for it";
        else
            m_queue.push_back({std::move(entry), std::move(done)});
    }
    if (!refusal.empty()) {
        m_refusals.refused(refusal, RefusalLog::Clock::now());
        return false;
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
    for (Post& post : left) {
        m_refusals.refused("the server is stopping", RefusalLog::Clock::now());
        post.done(Outcome::Unavailable);
    }
    try {
        m_store.checkpoint();
    } catch (const StoreError& error) {
        if (m_log)
            m_log(std::string("pelbixsolo-server: stopping: ") + error.what() + "\n");
    }
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
            const auto now = RefusalLog::Clock::now();
            try {
                m_store.addAll(entries);
                m_refusals.stored(now);
            } catch (const StoreOutcomeUnknown& error) {
                outcome = Outcome::Unknown;
                m_refusals.unknown(error.what(), now, batch.size());
            } catch (const StoreError& error) {
                outcome = Outcome::Unavailable;
                m_refusals.refused(error.what(), now, batch.size());
            }
        }
        if (refresh || (!batch.empty() && outcome == Outcome::Stored)) {
            // Until a render works the last page is served, or 503 before the first.
            std::string failure;
            if (m_listPage.refresh(m_store, ListPageCache::Clock::now(), &failure))
                m_listFailures.stored(RefusalLog::Clock::now());
            else
                m_listFailures.failed("the list page cannot be rendered: " + failure, RefusalLog::Clock::now());
        }
        for (Post& post : batch)
            post.done(outcome);
        batch.clear();
    }
}
