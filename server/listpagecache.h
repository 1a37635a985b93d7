// SPDX-License-Identifier: MIT
#pragma once
#include <chrono>
#include <memory>
#include <mutex>
#include <string>

class ScoreStore;

// The rendered list page. Readers take the current page and never wait for
// the database; renders happen elsewhere (the store worker), after a post
// here and when a reader finds the page older than maxAge, which bounds how
// long posts through other servers sharing the database stay unseen. When
// the store fails, the last page rendered is served on.
class ListPageCache {
public:
    using Clock = std::chrono::steady_clock;

    explicit ListPageCache(std::chrono::milliseconds maxAge);

    struct View {
        std::shared_ptr<const std::string> page; // null before the first render
        bool due = false;                        // a new render is wanted
    };
    [[nodiscard]] View current(Clock::time_point now) const;

    // Renders from the store; on failure keeps the old page, waits maxAge
    // before being due again, and returns false with the store's reason in
    // failure, when given.
    bool refresh(ScoreStore& store, Clock::time_point now, std::string* failure = nullptr);

private:
    const std::chrono::milliseconds m_maxAge;
    mutable std::mutex m_mutex;
    std::shared_ptr<const std::string> m_page;
    Clock::time_point m_rendered; // or last tried, when the store failed
    bool m_tried = false;
};
