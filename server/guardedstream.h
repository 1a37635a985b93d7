#pragma once
#include <array>
#include <chrono>
#include <cstddef>
#include <functional>
#include <httplib.h>

#include "server/connectionlimits.h"

// The server's view of one client socket, handed to the HTTP library in
// place of its own. The library reads a request without any bound on line
// length, header count or total time; this stream gives each request a byte
// budget and a deadline and ends the connection when either is spent. It
// also ends answers that a client takes too slowly.
class GuardedStream : public httplib::Stream {
public:
    using Clock = std::chrono::steady_clock;

    GuardedStream(int socket, const ConnectionLimits& limits);

    // Waits up to idle for the next request's first byte; keepWaiting is
    // asked between short slices of the wait and may end it early.
    [[nodiscard]] bool waitForRequest(std::chrono::milliseconds idle, const std::function<bool()>& keepWaiting);
    // Starts the budget and the deadline of the next request.
    void beginRequest();
    // The last request broke a limit; the connection must not be reused.
    [[nodiscard]] bool overrun() const { return m_overrun; }

    bool is_readable() const override;
    bool is_writable() const override;
    ssize_t read(char* ptr, size_t size) override;
    ssize_t write(const char* ptr, size_t size) override;
    void get_remote_ip_and_port(std::string& ip, int& port) const override;
    void get_local_ip_and_port(std::string& ip, int& port) const override;
    socket_t socket() const override { return m_socket; }

private:
    [[nodiscard]] bool waitFor(short events, std::chrono::milliseconds timeout) const;

    const int m_socket;
    const ConnectionLimits m_limits;
    std::array<char, 4096> m_buffer{};
    std::size_t m_begin = 0;
    std::size_t m_end = 0;
    std::size_t m_requestBytes = 0;
    Clock::time_point m_deadline;
    Clock::time_point m_sendStart;
    std::size_t m_sent = 0;
    bool m_overrun = false;
};
