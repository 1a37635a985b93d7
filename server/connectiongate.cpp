// SPDX-License-Identifier: MIT
#include "server/connectiongate.h"

#include <algorithm>
#include <arpa/inet.h>
#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <stdexcept>
#include <sys/epoll.h>
#include <sys/eventfd.h>
#include <unistd.h>
#include <vector>

#include "server/listpage.h"
#include "server/ratelimiter.h"
#include "server/requesthead.h"
#include "server/requestlog.h"
#include "server/servermetrics.h"

namespace {
constexpr int kListenBacklog = 1024;
constexpr std::size_t kAcceptBatch = 256;
constexpr std::chrono::milliseconds kSweepInterval{250};
constexpr std::chrono::seconds kSummaryInterval{1};
// A first head must be whole within this many idle time-outs, however
// steadily its bytes drip in.
constexpr int kHeadDeadlineFactor = 2;
constexpr const char* kRetryAfterBusy = "5";
constexpr std::chrono::milliseconds kDescriptorPause{100};

std::string statusAnswer(int status, const char* reason, std::string_view title, std::string_view sentence)
{
    const std::string body = renderMessagePage(title, sentence);
    std::string answer = "HTTP/1.1 " + std::to_string(status) + " " + reason + "\r\n";
    if (status == 503)
        answer += std::string("Retry-After: ") + kRetryAfterBusy + "\r\n";
    answer += "Content-Type: text/html; charset=utf-8\r\nContent-Length: " + std::to_string(body.size()) +
              "\r\nConnection: close\r\n\r\n" + body;
    return answer;
}

const std::string& answerFor(int status)
{
    static const std::string busy = statusAnswer(503, "Service Unavailable", "Busy",
                                                 "The server is busy; try again in a moment.");
    static const std::string badLength = statusAnswer(400, "Bad Request", "Bad request",
                                                      "The request's Content-Length is not a number.");
    static const std::string tooLarge = statusAnswer(413, "Content Too Large", "Too large",
                                                     "The request's Content-Length is more than this server takes.");
    static const std::string headTooLarge = statusAnswer(431, "Request Header Fields Too Large", "Too large",
                                                         "The request's header is more than this server takes.");
    switch (status) {
    case 400: return badLength;
    case 413: return tooLarge;
    case 431: return headTooLarge;
    default: return busy;
    }
}

// Sends a whole short answer and closes. What the client sent is read
// away first, so the close does not reset the connection under the answer.
// A client that keeps sending must not hold the gate's thread in the drain:
// past this much it gets a reset instead of the answer.
constexpr std::size_t kMostDrained = 64 * 1024;

void drainWaiting(int fd, std::size_t& budget)
{
    char scratch[4096];
    while (budget > 0) {
        const ssize_t got = ::recv(fd, scratch, std::min(sizeof scratch, budget), MSG_DONTWAIT);
        if (got <= 0)
            return;
        budget -= static_cast<std::size_t>(got);
    }
}

void answerAndClose(int fd, int status)
{
    std::size_t budget = kMostDrained;
    drainWaiting(fd, budget);
    const std::string& answer = answerFor(status);
    const ssize_t ignored = ::send(fd, answer.data(), answer.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
    (void)ignored;
    ::shutdown(fd, SHUT_WR);
    drainWaiting(fd, budget);
    ::close(fd);
}

std::string where(const std::string& host, int port)
{
    const std::string shown = host.empty() ? "[::]" : host.find(':') != std::string::npos ? "[" + host + "]" : host;
    return shown + ":" + std::to_string(port);
}

[[noreturn]] void cannotListen(const std::string& host, int port, int error)
{
    throw std::runtime_error("cannot listen on " + where(host, port) + ": " + std::strerror(error));
}
} // namespace

std::string clientAddressText(const sockaddr* address)
{
    char text[INET6_ADDRSTRLEN] = "-";
    if (address == nullptr)
        return text;
    if (address->sa_family == AF_INET) {
        inet_ntop(AF_INET, &reinterpret_cast<const sockaddr_in*>(address)->sin_addr, text, sizeof text);
    } else if (address->sa_family == AF_INET6) {
        const in6_addr& ip = reinterpret_cast<const sockaddr_in6*>(address)->sin6_addr;
        if (IN6_IS_ADDR_V4MAPPED(&ip))
            inet_ntop(AF_INET, ip.s6_addr + 12, text, sizeof text);
        else
            inet_ntop(AF_INET6, &ip, text, sizeof text);
    }
    return text;
}

ListenSocket::ListenSocket(const std::string& host, int port)
{
    sockaddr_storage address{};
    socklen_t length = 0;
    bool dualStack = false;
    if (host.empty()) {
        auto& six = reinterpret_cast<sockaddr_in6&>(address);
        six.sin6_family = AF_INET6;
        six.sin6_addr = in6addr_any;
        six.sin6_port = htons(static_cast<uint16_t>(port));
        length = sizeof six;
        dualStack = true;
    } else {
        addrinfo hints{};
        hints.ai_family = AF_UNSPEC;
        hints.ai_socktype = SOCK_STREAM;
        hints.ai_flags = AI_PASSIVE | AI_NUMERICSERV;
        addrinfo* found = nullptr;
        const int looked = getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &found);
        if (looked != 0 || found == nullptr)
            throw std::runtime_error("cannot listen on " + where(host, port) + ": " +
                                     (looked != 0 ? gai_strerror(looked) : "unknown address"));
        std::memcpy(&address, found->ai_addr, found->ai_addrlen);
        length = found->ai_addrlen;
        freeaddrinfo(found);
    }
    int sock = ::socket(address.ss_family, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (sock < 0 && dualStack && (errno == EAFNOSUPPORT || errno == EPROTONOSUPPORT)) {
        // No IPv6 on this machine: every IPv4 address, then.
        address = {};
        auto& four = reinterpret_cast<sockaddr_in&>(address);
        four.sin_family = AF_INET;
        four.sin_addr.s_addr = htonl(INADDR_ANY);
        four.sin_port = htons(static_cast<uint16_t>(port));
        length = sizeof four;
        dualStack = false;
        sock = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    }
    if (sock < 0)
        cannotListen(host, port, errno);
    const int on = 1;
    const int off = 0;
    if (::setsockopt(sock, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on) != 0 ||
        (dualStack && ::setsockopt(sock, IPPROTO_IPV6, IPV6_V6ONLY, &off, sizeof off) != 0) ||
        ::bind(sock, reinterpret_cast<const sockaddr*>(&address), length) != 0 ||
        ::listen(sock, kListenBacklog) != 0) {
        const int error = errno;
        ::close(sock);
        cannotListen(host, port, error);
    }
    sockaddr_storage bound{};
    socklen_t boundLength = sizeof bound;
    ::getsockname(sock, reinterpret_cast<sockaddr*>(&bound), &boundLength);
    m_fd = sock;
    m_port = ntohs(bound.ss_family == AF_INET6 ? reinterpret_cast<sockaddr_in6*>(&bound)->sin6_port
                                               : reinterpret_cast<sockaddr_in*>(&bound)->sin_port);
}

ListenSocket::~ListenSocket()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

ListenSocket::ListenSocket(ListenSocket&& other) noexcept : m_fd(other.m_fd), m_port(other.m_port)
{
    other.m_fd = -1;
}

ListenSocket& ListenSocket::operator=(ListenSocket&& other) noexcept
{
    if (this != &other) {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = other.m_fd;
        m_port = other.m_port;
        other.m_fd = -1;
    }
    return *this;
}

ConnectionGate::ConnectionGate(const ConnectionLimits& limits, ServerMetrics& metrics, Log log)
    : m_limits(limits), m_metrics(metrics), m_log(std::move(log))
{
}

ConnectionGate::~ConnectionGate()
{
    stop();
}

void ConnectionGate::start(int listenFd, Handoff handoff)
{
    m_listenFd = listenFd;
    m_handoff = std::move(handoff);
    m_epoll = ::epoll_create1(EPOLL_CLOEXEC);
    m_wake = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    m_spare = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    if (m_epoll < 0 || m_wake < 0)
        throw std::runtime_error(std::string("cannot start accepting connections: ") + std::strerror(errno));
    for (const int fd : {m_listenFd, m_wake}) {
        epoll_event event{};
        event.events = EPOLLIN;
        event.data.fd = fd;
        ::epoll_ctl(m_epoll, EPOLL_CTL_ADD, fd, &event);
    }
    m_thread = std::thread(&ConnectionGate::run, this);
}

void ConnectionGate::stop()
{
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    if (m_thread.joinable()) {
        const std::uint64_t one = 1;
        const ssize_t ignored = ::write(m_wake, &one, sizeof one);
        (void)ignored;
        m_thread.join();
    }
    {
        const std::lock_guard lock(m_mutex);
        std::vector<int> heads;
        for (const auto& [fd, tracked] : m_tracked)
            if (tracked.state == State::Head)
                heads.push_back(fd);
        for (const int fd : heads)
            dropHead(fd);
    }
    for (int* fd : {&m_epoll, &m_wake, &m_spare}) {
        if (*fd >= 0)
            ::close(*fd);
        *fd = -1;
    }
}

void ConnectionGate::run()
{
    std::array<epoll_event, 64> events;
    auto lastSweep = Clock::now();
    while (true) {
        int timeout = 0;
        {
            const std::lock_guard lock(m_mutex);
            if (m_stopping)
                break;
            timeout = timeoutMs(Clock::now());
        }
        const int ready = ::epoll_wait(m_epoll, events.data(), static_cast<int>(events.size()), timeout);
        const auto now = Clock::now();
        for (int i = 0; i < ready; ++i) {
            const int fd = events[static_cast<std::size_t>(i)].data.fd;
            if (fd == m_listenFd)
                acceptAll(now);
            else if (fd != m_wake)
                readHead(fd, now);
        }
        if (m_acceptPausedUntil && now >= *m_acceptPausedUntil) {
            m_acceptPausedUntil.reset();
            epoll_event event{};
            event.events = EPOLLIN;
            event.data.fd = m_listenFd;
            ::epoll_ctl(m_epoll, EPOLL_CTL_ADD, m_listenFd, &event);
            if (m_spare < 0)
                m_spare = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
        }
        if (now - lastSweep >= kSweepInterval) {
            sweep(now);
            lastSweep = now;
        }
        flushSummary(now, false);
    }
    flushSummary(Clock::now(), true);
}

int ConnectionGate::timeoutMs(Clock::time_point now)
{
    using std::chrono::duration_cast;
    using std::chrono::milliseconds;
    // Nothing to time: wait for the next event however long it takes.
    int timeout = m_heads > 0 || m_acceptPausedUntil ? static_cast<int>(kSweepInterval.count()) : -1;
    if (m_acceptPausedUntil)
        timeout = static_cast<int>(kDescriptorPause.count());
    if (m_refused.perAddress + m_refused.full + m_refused.noDescriptor + m_refused.evicted > 0) {
        const auto left = duration_cast<milliseconds>(m_refused.windowStart + kSummaryInterval - now).count();
        const int summary = static_cast<int>(std::max<long long>(left, 0) + 1);
        timeout = timeout < 0 ? summary : std::min(timeout, summary);
    }
    return timeout;
}

void ConnectionGate::acceptAll(Clock::time_point now)
{
    for (std::size_t i = 0; i < kAcceptBatch; ++i) {
        sockaddr_storage address{};
        socklen_t length = sizeof address;
        const int fd = ::accept4(m_listenFd, reinterpret_cast<sockaddr*>(&address), &length,
                                 SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (fd >= 0) {
            admit(fd, address, length, now);
            continue;
        }
        if (errno == EINTR || errno == ECONNABORTED)
            continue;
        if (errno == EMFILE || errno == ENFILE)
            acceptWithoutDescriptors(now);
        return;
    }
}

void ConnectionGate::acceptWithoutDescriptors(Clock::time_point now)
{
    // Free the spare descriptor to take this client rather than leave it,
    // and all behind it, in the queue: served when the oldest slow head
    // can make room (closing it frees a descriptor at once), else 503.
    if (m_spare >= 0)
        ::close(m_spare);
    m_spare = -1;
    sockaddr_storage address{};
    socklen_t length = sizeof address;
    const int fd = ::accept4(m_listenFd, reinterpret_cast<sockaddr*>(&address), &length, SOCK_NONBLOCK | SOCK_CLOEXEC);
    if (fd >= 0) {
        bool room = false;
        {
            const std::lock_guard lock(m_mutex);
            room = makeRoom(now, true);
            if (!room) {
                noteRefusal(now);
                ++m_refused.noDescriptor;
            }
        }
        if (room) {
            admit(fd, address, length, now);
        } else {
            m_metrics.countRefusal(ServerMetrics::Refusal::Full);
            answerAndClose(fd, 503);
        }
    }
    m_spare = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    if (m_spare < 0 && !m_acceptPausedUntil) {
        ::epoll_ctl(m_epoll, EPOLL_CTL_DEL, m_listenFd, nullptr);
        m_acceptPausedUntil = now + kDescriptorPause;
    }
}

void ConnectionGate::noteRefusal(Clock::time_point now)
{
    if (m_refused.perAddress + m_refused.full + m_refused.noDescriptor + m_refused.evicted == 0)
        m_refused.windowStart = now;
}

void ConnectionGate::admit(int fd, const sockaddr_storage& address, socklen_t length, Clock::time_point now)
{
    std::string key = RateLimiter::clientKey(clientAddressText(reinterpret_cast<const sockaddr*>(&address)));
    {
        std::unique_lock lock(m_mutex);
        const auto found = m_perClient.find(key);
        const unsigned fromClient = found == m_perClient.end() ? 0 : found->second;
        if (m_limits.perAddress != 0 && fromClient >= m_limits.perAddress) {
            noteRefusal(now);
            ++m_refused.perAddress;
            m_refused.busiest = key;
            lock.unlock();
            m_metrics.countRefusal(ServerMetrics::Refusal::PerAddress);
            answerAndClose(fd, 503);
            return;
        }
        if (m_live >= m_limits.maxConnections && !makeRoom(now, false)) {
            noteRefusal(now);
            ++m_refused.full;
            lock.unlock();
            m_metrics.countRefusal(ServerMetrics::Refusal::Full);
            answerAndClose(fd, 503);
            return;
        }
        ++m_perClient[key];
        ++m_live;
        ++m_heads;
        Tracked& tracked = m_tracked[fd];
        tracked.key = std::move(key);
        tracked.state = State::Head;
        tracked.since = now;
        tracked.lastActivity = now;
        tracked.address = address;
        tracked.addressLength = length;
        m_metrics.setOpenConnections(m_live);
        epoll_event event{};
        event.events = EPOLLIN | EPOLLRDHUP | EPOLLET;
        event.data.fd = fd;
        ::epoll_ctl(m_epoll, EPOLL_CTL_ADD, fd, &event);
    }
    readHead(fd, now); // the request may be there already
}

void ConnectionGate::readHead(int fd, Clock::time_point now)
{
    // Peeked, not read: the HTTP library reads the same bytes afterwards.
    thread_local std::string buffer;
    const std::size_t limit = m_limits.memoryPerConnection;
    buffer.resize(limit);
    const ssize_t got = ::recv(fd, buffer.data(), limit, MSG_PEEK);
    const int error = errno;

    std::unique_lock lock(m_mutex);
    const auto it = m_tracked.find(fd);
    if (it == m_tracked.end() || it->second.state != State::Head)
        return;
    if (got == 0 || (got < 0 && error != EAGAIN && error != EWOULDBLOCK && error != EINTR)) {
        dropHead(fd); // the client went away before finishing its request
        return;
    }
    if (got < 0)
        return;
    const RequestHead head = readRequestHead(std::string_view(buffer.data(), static_cast<std::size_t>(got)), limit);
    Tracked& tracked = it->second;
    switch (head.verdict) {
    case RequestHead::Verdict::Incomplete:
        if (static_cast<std::size_t>(got) > tracked.bytesSeen) {
            tracked.bytesSeen = static_cast<std::size_t>(got);
            tracked.lastActivity = now;
        }
        return;
    case RequestHead::Verdict::Pass: {
        ::epoll_ctl(m_epoll, EPOLL_CTL_DEL, fd, nullptr);
        tracked.state = State::Idle;
        tracked.since = now;
        --m_heads;
        const sockaddr_storage address = tracked.address;
        const socklen_t length = tracked.addressLength;
        lock.unlock();
        if (!m_handoff(fd, reinterpret_cast<const sockaddr*>(&address), length)) {
            // The library closed it; only this thread adds connections, so
            // a record still here is this connection's.
            lock.lock();
            const auto left = m_tracked.find(fd);
            if (left != m_tracked.end() && left->second.state == State::Idle)
                forget(fd);
        }
        return;
    }
    default: {
        const int status = head.verdict == RequestHead::Verdict::BadLength        ? 400
                           : head.verdict == RequestHead::Verdict::LengthTooLarge ? 413
                                                                                  : 431;
        const std::string client = clientAddressText(reinterpret_cast<const sockaddr*>(&tracked.address));
        const std::string requestLine(head.firstLine);
        ::epoll_ctl(m_epoll, EPOLL_CTL_DEL, fd, nullptr);
        forget(fd);
        lock.unlock();
        m_metrics.countRefusal(ServerMetrics::Refusal::BadHead);
        refuseHead(fd, status, requestLine, client);
        return;
    }
    }
}

void ConnectionGate::refuseHead(int fd, int status, const std::string& requestLine, const std::string& client)
{
    answerAndClose(fd, status);
    if (!m_log)
        return;
    // The request line as sent: method, target and version between spaces
    // (a line cut off at the limit has no version).
    std::string_view line(requestLine);
    std::string_view method = "-";
    std::string_view version = "-";
    if (const auto space = line.find(' '); space != std::string_view::npos) {
        method = line.substr(0, space);
        line.remove_prefix(space + 1);
        if (const auto last = line.rfind(' '); last != std::string_view::npos) {
            version = line.substr(last + 1);
            line = line.substr(0, last);
        }
    }
    const std::string& answer = answerFor(status);
    m_log(formatRequestLine({std::chrono::system_clock::now(), client, method, line, version, status,
                             answer.size() - answer.find("\r\n\r\n") - 4}));
}

void ConnectionGate::sweep(Clock::time_point now)
{
    const auto silence = std::chrono::duration_cast<Clock::duration>(m_limits.idleTimeout);
    const std::lock_guard lock(m_mutex);
    std::vector<int> late;
    for (const auto& [fd, tracked] : m_tracked)
        if (tracked.state == State::Head &&
            (now - tracked.lastActivity >= silence || now - tracked.since >= kHeadDeadlineFactor * silence))
            late.push_back(fd);
    for (const int fd : late) {
        dropHead(fd);
        m_metrics.countRefusal(ServerMetrics::Refusal::HeadTimeout);
    }
}

bool ConnectionGate::makeRoom(Clock::time_point now, bool headsOnly)
{
    auto oldest = m_tracked.end();
    for (auto it = m_tracked.begin(); it != m_tracked.end(); ++it) {
        const State state = it->second.state;
        if ((state == State::Head || (state == State::Idle && !headsOnly)) && now - it->second.since >= m_limits.evictableAfter &&
            (oldest == m_tracked.end() || it->second.since < oldest->second.since))
            oldest = it;
    }
    if (oldest == m_tracked.end())
        return false;
    noteRefusal(now);
    ++m_refused.evicted;
    m_metrics.countEviction();
    const int fd = oldest->first;
    if (oldest->second.state == State::Head) {
        dropHead(fd);
    } else {
        // The library owns it: cut the socket under it, and it closes the
        // connection on its own thread. Until then it no longer counts.
        ::shutdown(fd, SHUT_RDWR);
        forget(fd);
        m_tracked[fd].state = State::Evicted;
    }
    return true;
}

void ConnectionGate::forget(int fd)
{
    const auto it = m_tracked.find(fd);
    if (it == m_tracked.end())
        return;
    if (it->second.state != State::Evicted) {
        const auto client = m_perClient.find(it->second.key);
        if (client != m_perClient.end() && --client->second == 0)
            m_perClient.erase(client);
        --m_live;
        if (it->second.state == State::Head)
            --m_heads;
    }
    m_tracked.erase(it);
    m_metrics.setOpenConnections(m_live);
}

void ConnectionGate::dropHead(int fd)
{
    forget(fd);
    ::close(fd);
}

void ConnectionGate::requestStarted(int fd)
{
    const std::lock_guard lock(m_mutex);
    const auto it = m_tracked.find(fd);
    if (it != m_tracked.end() && it->second.state == State::Idle)
        it->second.state = State::Answering;
}

void ConnectionGate::requestEnded(int fd)
{
    const auto now = Clock::now();
    const std::lock_guard lock(m_mutex);
    const auto it = m_tracked.find(fd);
    if (it != m_tracked.end() && it->second.state == State::Answering) {
        it->second.state = State::Idle;
        it->second.since = now;
    }
}

void ConnectionGate::closed(int fd)
{
    const std::lock_guard lock(m_mutex);
    forget(fd);
}

void ConnectionGate::flushSummary(Clock::time_point now, bool force)
{
    std::string line;
    {
        const std::lock_guard lock(m_mutex);
        Refused& r = m_refused;
        if (r.perAddress + r.full + r.noDescriptor + r.evicted == 0 ||
            (!force && now - r.windowStart < kSummaryInterval))
            return;
        line = "pelbixsolo-server: connections in the last second:";
        if (r.perAddress > 0)
            line += " " + std::to_string(r.perAddress) + " refused over the per-address limit (" +
                    std::to_string(m_limits.perAddress) + ", last from " + r.busiest + ");";
        if (r.full > 0)
            line += " " + std::to_string(r.full) + " refused at the connection limit (" +
                    std::to_string(m_limits.maxConnections) + ");";
        if (r.noDescriptor > 0)
            line += " " + std::to_string(r.noDescriptor) +
                    " refused: no file descriptor left (raise the open-file limit, LimitNOFILE=);";
        if (r.evicted > 0)
            line += " " + std::to_string(r.evicted) + " idle or slow closed to make room;";
        line.back() = '\n';
        r = Refused{};
    }
    if (m_log)
        m_log(line);
}
