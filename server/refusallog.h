// SPDX-License-Identifier: MIT
#pragma once
#include <chrono>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>

// Says in the log why posts are refused, without a line per refusal: a
// cause is logged when it first appears, repeats of it are counted and
// summed up at most once per interval, and the return to storing is
// logged with the count. Safe from any thread.
class RefusalLog {
public:
    using Clock = std::chrono::steady_clock;
    using Write = std::function<void(const std::string&)>;
    static constexpr std::chrono::seconds kSummaryInterval{60};

    // what: the work that fails and comes back, "posts are stored".
    explicit RefusalLog(Write write, std::string what = "posts are stored")
        : m_write(std::move(write)), m_what(std::move(what))
    {
    }

    // Posts were refused (answered 503) for this cause.
    void refused(const std::string& cause, Clock::time_point now, std::uint64_t posts = 1);
    // Posts' outcome was not known (and answered so) for this cause.
    void unknown(const std::string& cause, Clock::time_point now, std::uint64_t posts = 1);
    // Any other failure, logged as it stands.
    void failed(const std::string& line, Clock::time_point now);
    // The work succeeds again.
    void stored(Clock::time_point now);

private:
    void note(const std::string& line, Clock::time_point now, std::uint64_t posts);
    void flushRepeats();

    Write m_write;
    const std::string m_what;
    std::mutex m_mutex;
    std::string m_line; // the last line logged for a failure; empty when storing
    Clock::time_point m_loggedAt;
    std::uint64_t m_repeats = 0; // posts since m_loggedAt, not yet in the log
    std::uint64_t m_failures = 0; // since the last successful store
};
