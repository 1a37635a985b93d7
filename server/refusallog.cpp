// SPDX-License-Identifier: MIT
#include "server/refusallog.h"

namespace {
constexpr const char* kPrefix = "pelbixsolo-server: ";
} // namespace

void RefusalLog::refused(const std::string& cause, Clock::time_point now, std::uint64_t posts)
{
    note("post refused (503): " + cause, now, posts);
}

void RefusalLog::unknown(const std::string& cause, Clock::time_point now, std::uint64_t posts)
{
    note("post perhaps stored, the database did not confirm it (202): " + cause, now, posts);
}

void RefusalLog::failed(const std::string& line, Clock::time_point now)
{
    note(line, now, 1);
}

void RefusalLog::note(const std::string& line, Clock::time_point now, std::uint64_t posts)
{
    const std::lock_guard lock(m_mutex);
    m_failures += posts;
    if (line == m_line && now - m_loggedAt < kSummaryInterval) {
        m_repeats += posts;
        return;
    }
    flushRepeats();
    if (m_write)
        m_write(kPrefix + line + "\n");
    m_line = line;
    m_loggedAt = now;
    m_repeats = posts - 1;
}

void RefusalLog::stored(Clock::time_point)
{
    const std::lock_guard lock(m_mutex);
    if (m_line.empty())
        return;
    flushRepeats();
    if (m_write)
        m_write(kPrefix + m_what + " again, after " + std::to_string(m_failures) + " failures\n");
    m_line.clear();
    m_failures = 0;
}

void RefusalLog::flushRepeats()
{
    if (m_repeats > 0 && m_write)
        m_write(kPrefix + std::string("the same again for ") + std::to_string(m_repeats) + " more posts: " + m_line +
                "\n");
    m_repeats = 0;
}
