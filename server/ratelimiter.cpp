// SPDX-License-Identifier: MIT
#include "server/ratelimiter.h"

#include <algorithm>
#include <arpa/inet.h>
#include <array>
#include <cstring>

RateLimiter::RateLimiter(int perMinute, std::size_t maxClients)
    : m_perMinute(perMinute), m_maxClients(std::max<std::size_t>(maxClients, 1))
{
}

bool RateLimiter::allow(const std::string& client, Clock::time_point now)
{
    if (m_perMinute <= 0)
        return true;
    const std::lock_guard lock(m_mutex);
    auto it = m_buckets.find(client);
    if (it == m_buckets.end()) {
        if (m_buckets.size() >= m_maxClients) {
            m_buckets.erase(m_byAge.back());
            m_byAge.pop_back();
        }
        m_byAge.push_front(client);
        it = m_buckets.emplace(client, Bucket{static_cast<double>(m_perMinute), now, m_byAge.begin()}).first;
    } else {
        m_byAge.splice(m_byAge.begin(), m_byAge, it->second.age);
    }
    Bucket& bucket = it->second;
    const std::chrono::duration<double> elapsed = now - bucket.refilled;
    if (elapsed.count() > 0) {
        bucket.tokens = std::min<double>(m_perMinute, bucket.tokens + elapsed.count() * m_perMinute / 60.0);
        bucket.refilled = now;
    }
    if (bucket.tokens < 1.0)
        return false;
    bucket.tokens -= 1.0;
    return true;
}

std::size_t RateLimiter::trackedClients() const
{
    const std::lock_guard lock(m_mutex);
    return m_buckets.size();
}

std::string RateLimiter::clientKey(std::string_view address)
{
    std::array<unsigned char, 16> bytes{};
    const std::string text(address);
    if (text.find(':') == std::string::npos || inet_pton(AF_INET6, text.c_str(), bytes.data()) != 1)
        return text;
    static constexpr std::array<unsigned char, 12> kMappedPrefix{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xFF, 0xFF};
    std::array<char, INET6_ADDRSTRLEN> out{};
    if (std::memcmp(bytes.data(), kMappedPrefix.data(), kMappedPrefix.size()) == 0) {
        inet_ntop(AF_INET, bytes.data() + kMappedPrefix.size(), out.data(), out.size());
        return out.data();
    }
    std::fill(bytes.begin() + 8, bytes.end(), 0);
    inet_ntop(AF_INET6, bytes.data(), out.data(), out.size());
    return std::string(out.data()) + "/64";
}
