#pragma once
#include <chrono>
#include <memory>
#include <mutex>
#include <string>

class ScoreStore;

// The rendered list page, kept until a post here invalidates it or it is
// maxAge old, which bounds how long posts through other servers sharing the
// database stay unseen. One thread renders while the others wait for it.
// When the store fails, the last page rendered is served on.
class ListPageCache {
public:
    using Clock = std::chrono::steady_clock;

    ListPageCache(ScoreStore& store, std::chrono::milliseconds maxAge);

    // Throws StoreError when the store fails and no page was rendered yet.
    [[nodiscard]] std::shared_ptr<const std::string> page();
    void invalidate();

private:
    ScoreStore& m_store;
    const std::chrono::milliseconds m_maxAge;
    std::mutex m_mutex;
    std::shared_ptr<const std::string> m_page;
    Clock::time_point m_rendered;
    bool m_stale = false;
};
