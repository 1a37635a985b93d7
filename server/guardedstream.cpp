#include "server/guardedstream.h"

#include <algorithm>
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>

namespace {
// How often a keep-alive wait asks whether it should go on.
constexpr std::chrono::milliseconds kIdleSlice{100};

void addressText(const sockaddr_storage& address, std::string& ip, int& port)
{
    char text[INET6_ADDRSTRLEN] = {};
    if (address.ss_family == AF_INET) {
        const auto& v4 = reinterpret_cast<const sockaddr_in&>(address);
        inet_ntop(AF_INET, &v4.sin_addr, text, sizeof text);
        port = ntohs(v4.sin_port);
    } else if (address.ss_family == AF_INET6) {
        const auto& v6 = reinterpret_cast<const sockaddr_in6&>(address);
        inet_ntop(AF_INET6, &v6.sin6_addr, text, sizeof text);
        port = ntohs(v6.sin6_port);
    }
    ip = text;
}
} // namespace

GuardedStream::GuardedStream(int socket, const ConnectionLimits& limits) : m_socket(socket), m_limits(limits)
{
    beginRequest();
}

bool GuardedStream::waitFor(short events, std::chrono::milliseconds timeout) const
{
    pollfd fd{m_socket, events, 0};
    int ready = 0;
    do {
        ready = ::poll(&fd, 1, static_cast<int>(std::max<std::chrono::milliseconds::rep>(timeout.count(), 0)));
    } while (ready < 0 && errno == EINTR);
    return ready > 0;
}

bool GuardedStream::waitForRequest(std::chrono::milliseconds idle, const std::function<bool()>& keepWaiting)
{
    if (m_begin < m_end)
        return true;
    const auto until = Clock::now() + idle;
    // keepWaiting is first asked after one slice, so a client that sends its
    // next request right after an answer is never cut off in between.
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(until - Clock::now());
        if (left.count() <= 0)
            return false;
        if (waitFor(POLLIN, std::min(left, kIdleSlice)))
            return true;
        if (!keepWaiting())
            return false;
    }
}

void GuardedStream::beginRequest()
{
    m_requestBytes = 0;
    m_deadline = Clock::now() + m_limits.requestDeadline;
    m_sent = 0;
    m_sendStart = {};
}

bool GuardedStream::is_readable() const
{
    if (m_begin < m_end)
        return true;
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(m_deadline - Clock::now());
    return waitFor(POLLIN, std::min(left, m_limits.readTimeout));
}

bool GuardedStream::is_writable() const
{
    return waitFor(POLLOUT, m_limits.writeTimeout);
}

ssize_t GuardedStream::read(char* ptr, size_t size)
{
    if (m_begin == m_end) {
        if (m_overrun)
            return -1;
        if (m_requestBytes >= m_limits.maxRequestBytes || Clock::now() >= m_deadline || !is_readable()) {
            m_overrun = true;
            return -1;
        }
        ssize_t received = 0;
        do {
            received = ::recv(m_socket, m_buffer.data(), m_buffer.size(), 0);
        } while (received < 0 && errno == EINTR);
        if (received <= 0)
            return received;
        m_begin = 0;
        m_end = static_cast<std::size_t>(received);
    }
    // Counting what is handed on, not what arrived, charges a pipelined
    // request's bytes to that request.
    const std::size_t allowed = m_limits.maxRequestBytes - std::min(m_requestBytes, m_limits.maxRequestBytes);
    const std::size_t count = std::min({size, m_end - m_begin, allowed});
    if (count == 0) {
        m_overrun = true;
        return -1;
    }
    std::copy_n(m_buffer.data() + m_begin, count, ptr);
    m_begin += count;
    m_requestBytes += count;
    return static_cast<ssize_t>(count);
}

ssize_t GuardedStream::write(const char* ptr, size_t size)
{
    const auto now = Clock::now();
    if (m_sent == 0 && m_sendStart == Clock::time_point{})
        m_sendStart = now;
    const auto elapsed = now - m_sendStart;
    if (elapsed > m_limits.sendGrace) {
        const double seconds = std::chrono::duration<double>(elapsed).count();
        if (static_cast<double>(m_sent) < seconds * static_cast<double>(m_limits.minSendRate)) {
            m_overrun = true;
            return -1;
        }
    }
    if (!is_writable()) {
        m_overrun = true;
        return -1;
    }
    ssize_t sent = 0;
    do {
        sent = ::send(m_socket, ptr, size, MSG_NOSIGNAL);
    } while (sent < 0 && errno == EINTR);
    if (sent > 0)
        m_sent += static_cast<std::size_t>(sent);
    return sent;
}

void GuardedStream::get_remote_ip_and_port(std::string& ip, int& port) const
{
    sockaddr_storage address{};
    socklen_t length = sizeof address;
    if (::getpeername(m_socket, reinterpret_cast<sockaddr*>(&address), &length) == 0)
        addressText(address, ip, port);
}

void GuardedStream::get_local_ip_and_port(std::string& ip, int& port) const
{
    sockaddr_storage address{};
    socklen_t length = sizeof address;
    if (::getsockname(m_socket, reinterpret_cast<sockaddr*>(&address), &length) == 0)
        addressText(address, ip, port);
}
