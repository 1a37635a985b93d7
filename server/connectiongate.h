// SPDX-License-Identifier: MIT
#pragma once
#include <chrono>
#include <cstddef>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <sys/socket.h>
#include <thread>
#include <unordered_map>

#include "server/connectionlimits.h"

class ServerMetrics;

// An IPv4 address as text (also when the socket saw it mapped into IPv6),
// or an IPv6 address; "-" for anything else.
[[nodiscard]] std::string clientAddressText(const sockaddr* address);

// A bound, listening TCP socket. An empty host listens on every IPv6 and
// IPv4 address through one dual-stack socket (IPv4 alone where the machine
// has no IPv6). Throws std::runtime_error naming the address and the cause.
class ListenSocket {
public:
    ListenSocket() = default;
    ListenSocket(const std::string& host, int port);
    ~ListenSocket();
    ListenSocket(ListenSocket&& other) noexcept;
    ListenSocket& operator=(ListenSocket&& other) noexcept;

    [[nodiscard]] int fd() const { return m_fd; }
    // Gives the socket up to a new owner, which closes it.
    [[nodiscard]] int release()
    {
        const int fd = m_fd;
        m_fd = -1;
        return fd;
    }
    [[nodiscard]] int port() const { return m_port; }

private:
    int m_fd = -1;
    int m_port = 0;
};

// Everything between the listening socket and the HTTP library: it accepts,
// counts connections per client (an IPv4 address, or an IPv6 /64, since one
// host usually holds a whole /64), holds each new connection until its first
// request head is complete and sound, and only then hands it over. At the
// connection limit it closes the oldest idle or slow connection to make
// room, or answers 503 at once, so a client never waits unseen in the
// kernel's queue. Refusals are counted and summed up in the log at most once
// a second.
class ConnectionGate {
public:
    using Clock = std::chrono::steady_clock;
    // Takes over fd (closing it on failure); false when it could not.
    using Handoff = std::function<bool(int fd, const sockaddr* address, socklen_t length)>;
    using Log = std::function<void(const std::string&)>;

    ConnectionGate(const ConnectionLimits& limits, ServerMetrics& metrics, Log log);
    ~ConnectionGate();
    ConnectionGate(const ConnectionGate&) = delete;
    ConnectionGate& operator=(const ConnectionGate&) = delete;

    // Accepts on listenFd (not taken over) in a thread of its own.
    void start(int listenFd, Handoff handoff);
    // Stops accepting and closes the connections still sending their first
    // head. Handed-over connections are the library's to close.
    void stop();

    // From the library's threads, for a handed-over connection.
    void requestStarted(int fd);
    void requestEnded(int fd);
    void closed(int fd);

private:
    enum class State { Head, Idle, Answering, Evicted };
    struct Tracked {
        std::string key;
        State state = State::Head;
        Clock::time_point since;        // accepted, or last request ended
        Clock::time_point lastActivity; // new bytes of the first head arrived
        std::size_t bytesSeen = 0;
        sockaddr_storage address{};
        socklen_t addressLength = 0;
    };
    struct Refused {
        std::size_t perAddress = 0;
        std::size_t full = 0;
        std::size_t noDescriptor = 0;
        std::size_t evicted = 0;
        std::string busiest; // a client turned away over its own limit
        Clock::time_point windowStart;
    };

    void run();
    void acceptAll(Clock::time_point now);
    void admit(int fd, const sockaddr_storage& address, socklen_t length, Clock::time_point now);
    void readHead(int fd, Clock::time_point now);
    void sweep(Clock::time_point now);
    void noteRefusal(Clock::time_point now); // with m_mutex held
    void flushSummary(Clock::time_point now, bool force);
    bool makeRoom(Clock::time_point now, bool headsOnly); // with m_mutex held
    void acceptWithoutDescriptors(Clock::time_point now);
    void forget(int fd);                       // with m_mutex held
    void dropHead(int fd);                     // with m_mutex held: closes a connection still in its head
    void refuseHead(int fd, int status, const std::string& requestLine, const std::string& client);
    [[nodiscard]] int timeoutMs(Clock::time_point now);

    const ConnectionLimits m_limits;
    ServerMetrics& m_metrics;
    const Log m_log;
    Handoff m_handoff;
    int m_listenFd = -1;
    int m_epoll = -1;
    int m_wake = -1;
    int m_spare = -1; // kept free so a refusal can still be answered when no descriptor is left
    // Out of descriptors even so: the listening socket rests until then,
    // rather than wake this thread again and again.
    std::optional<Clock::time_point> m_acceptPausedUntil;
    std::thread m_thread;

    std::mutex m_mutex;
    std::unordered_map<int, Tracked> m_tracked;
    std::unordered_map<std::string, unsigned> m_perClient;
    std::size_t m_live = 0; // tracked and not evicted
    std::size_t m_heads = 0;
    Refused m_refused;
    bool m_stopping = false;
};
