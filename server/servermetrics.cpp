// SPDX-License-Identifier: MIT
#include "server/servermetrics.h"

#include <cstdio>

namespace {
constexpr const char* kPostResultNames[] = {"stored", "invalid", "rate_limited", "unavailable"};
constexpr const char* kRefusalNames[] = {"per_address", "full", "bad_request_head", "head_timeout"};

void family(std::string& out, const char* name, const char* type, const char* help)
{
    out += "# HELP ";
    out += name;
    out += ' ';
    out += help;
    out += "\n# TYPE ";
    out += name;
    out += ' ';
    out += type;
    out += '\n';
}

void sample(std::string& out, const std::string& name, std::uint64_t value)
{
    out += name;
    out += ' ';
    out += std::to_string(value);
    out += '\n';
}

std::string seconds(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}
} // namespace

void ServerMetrics::addDatabaseWait(std::chrono::steady_clock::duration wait)
{
    const double secondsWaited = std::chrono::duration<double>(wait).count();
    std::size_t bucket = 0;
    while (bucket < kWaitBuckets.size() && secondsWaited > kWaitBuckets[bucket])
        ++bucket;
    bump(m_waitBuckets[bucket]);
    const auto micro = std::chrono::duration_cast<std::chrono::microseconds>(wait).count();
    m_waitMicroseconds.fetch_add(static_cast<std::uint64_t>(micro < 0 ? 0 : micro), std::memory_order_relaxed);
}

std::string ServerMetrics::render() const
{
    std::string out;
    family(out, "pelbixsolo_posts_total", "counter", "Score posts answered, by result.");
    for (std::size_t i = 0; i < m_posts.size(); ++i)
        sample(out, std::string("pelbixsolo_posts_total{result=\"") + kPostResultNames[i] + "\"}",
               m_posts[i].load(std::memory_order_relaxed));
    family(out, "pelbixsolo_list_requests_total", "counter", "Requests for the high-score list page.");
    sample(out, "pelbixsolo_list_requests_total", m_listRequests.load(std::memory_order_relaxed));
    family(out, "pelbixsolo_connections_open", "gauge", "Client connections open now.");
    sample(out, "pelbixsolo_connections_open", m_open.load(std::memory_order_relaxed));
    family(out, "pelbixsolo_connections_refused_total", "counter", "Connections refused or cut off, by reason.");
    for (std::size_t i = 0; i < m_refusals.size(); ++i)
        sample(out, std::string("pelbixsolo_connections_refused_total{reason=\"") + kRefusalNames[i] + "\"}",
               m_refusals[i].load(std::memory_order_relaxed));
    family(out, "pelbixsolo_connections_evicted_total", "counter",
           "Idle or slow connections closed to make room near the connection limit.");
    sample(out, "pelbixsolo_connections_evicted_total", m_evictions.load(std::memory_order_relaxed));

    family(out, "pelbixsolo_database_wait_seconds", "histogram", "Time a score post waited for the database.");
    std::uint64_t cumulative = 0;
    for (std::size_t i = 0; i < m_waitBuckets.size(); ++i) {
        cumulative += m_waitBuckets[i].load(std::memory_order_relaxed);
        const std::string bound = i < kWaitBuckets.size() ? seconds(kWaitBuckets[i]) : "+Inf";
        sample(out, "pelbixsolo_database_wait_seconds_bucket{le=\"" + bound + "\"}", cumulative);
    }
    out += "pelbixsolo_database_wait_seconds_sum " +
           seconds(static_cast<double>(m_waitMicroseconds.load(std::memory_order_relaxed)) / 1e6) + "\n";
    sample(out, "pelbixsolo_database_wait_seconds_count", cumulative);
    return out;
}
