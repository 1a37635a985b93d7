// SPDX-License-Identifier: MIT
#pragma once
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

#include "server/refusallog.h"
#include "server/scoreentry.h"

class ListPageCache;
class ScoreStore;

// Every database operation of the server runs on this one thread, so no
// request thread ever waits for the database. Queued posts are stored in
// batches, one transaction each; after a batch the list page is rendered
// anew before the posts are answered, so a poster finds the score on the
// next list page at once. Why posts are refused goes to the log, once
// per cause rather than once per post.
class StoreWorker {
public:
    static constexpr std::size_t kMaxBatch = 256;
    static constexpr std::size_t kDefaultMaxQueued = 4096;

    // Unknown: the database took the commit and never said how it ended;
    // the post may be stored, and sending it again stores it once.
    enum class Outcome { Stored, Unavailable, Unknown };
    // Called once per post, on the worker's thread or in stop().
    using Done = std::function<void(Outcome)>;

    StoreWorker(ScoreStore& store, ListPageCache& listPage, std::size_t maxQueued = kDefaultMaxQueued,
                RefusalLog::Write log = {});
    ~StoreWorker();
    StoreWorker(const StoreWorker&) = delete;
    StoreWorker& operator=(const StoreWorker&) = delete;

    // False when the queue is full or the worker has stopped; done is then
    // never called.
    [[nodiscard]] bool submit(ScoreEntry entry, Done done);
    // Asks for a new render of the list page; never waits.
    void refreshListPage();
    // Interrupts the database, answers every post not yet stored as
    // Unavailable, ends the thread and checkpoints the store. Nothing is
    // half-stored.
    void stop();

private:
    struct Post {
        ScoreEntry entry;
        Done done;
    };

    void run();

    ScoreStore& m_store;
    ListPageCache& m_listPage;
    const std::size_t m_maxQueued;
    const RefusalLog::Write m_log;
    RefusalLog m_refusals;
    RefusalLog m_listFailures;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<Post> m_queue;
    bool m_refreshWanted = false;
    bool m_stopping = false;
    std::thread m_thread;
};
