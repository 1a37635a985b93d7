// SPDX-License-Identifier: MIT
#include "support/scriptedhttpserver.h"

#include <algorithm>
#include <arpa/inet.h>
#include <cerrno>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr int kForever = -1;
constexpr std::size_t kReadChunk = 65536;

int listenOnLoopback(int& port)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (fd < 0 || ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || ::listen(fd, 64) != 0 ||
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0)
        throw std::runtime_error("cannot listen on 127.0.0.1");
    port = ntohs(address.sin_port);
    return fd;
}

std::size_t contentLength(const std::string& head)
{
    std::string lower;
    for (char c : head)
        lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    const auto at = lower.find("\r\ncontent-length:");
    return at == std::string::npos ? 0 : std::stoul(head.substr(at + 17));
}

} // namespace

ScriptedHttpServer::ScriptedHttpServer(Script script) : m_script(std::move(script))
{
    m_listenFd = listenOnLoopback(m_port);
    int pipeFds[2];
    if (::pipe2(pipeFds, O_CLOEXEC) != 0)
        throw std::runtime_error("cannot make a pipe");
    m_wakeRead = pipeFds[0];
    m_wakeWrite = pipeFds[1];
    m_acceptThread = std::thread([this] { acceptLoop(); });
}

ScriptedHttpServer::~ScriptedHttpServer()
{
    m_stopping = true;
    // Every wait polls the pipe's read end too; closing the write end wakes them all.
    ::close(m_wakeWrite);
    m_acceptThread.join();
    for (std::thread& thread : m_threads)
        thread.join();
    ::close(m_wakeRead);
    ::close(m_listenFd);
}

std::string ScriptedHttpServer::url(const std::string& path) const
{
    return "http://127.0.0.1:" + std::to_string(m_port) + path;
}

std::vector<std::string> ScriptedHttpServer::requests() const
{
    std::lock_guard lock(m_mutex);
    return m_requests;
}

ScriptedHttpServer::Script ScriptedHttpServer::hangFirstThenAnswer(const std::string& body)
{
    return [body](Connection& c) {
        c.readRequest();
        if (c.index() == 0)
            c.hang();
        else
            c.send(answer(200, "OK", body));
    };
}

std::string ScriptedHttpServer::answer(int status, const std::string& reason, const std::string& body,
                                       bool withLength, const std::string& headerLines, const std::string& version)
{
    std::string text = "HTTP/" + version + " " + std::to_string(status) + " " + reason + "\r\n" + headerLines;
    if (withLength)
        text += "Content-Length: " + std::to_string(body.size()) + "\r\n";
    return text + "\r\n" + body;
}

int ScriptedHttpServer::closedPort()
{
    int port = 0;
    ::close(listenOnLoopback(port));
    return port;
}

bool ScriptedHttpServer::waitReadable(int fd, int timeoutMilliseconds)
{
    pollfd fds[2] = {{fd, POLLIN, 0}, {m_wakeRead, POLLIN, 0}};
    const int ready = ::poll(fds, 2, timeoutMilliseconds);
    return ready > 0 && fds[1].revents == 0 && !m_stopping;
}

void ScriptedHttpServer::acceptLoop()
{
    while (waitReadable(m_listenFd, kForever)) {
        const int fd = ::accept4(m_listenFd, nullptr, nullptr, SOCK_CLOEXEC);
        if (fd < 0)
            continue;
        const int index = m_connections++;
        m_threads.emplace_back([this, fd, index] {
            Connection connection(*this, fd, index);
            m_script(connection);
            ::close(connection.m_fd);
        });
    }
}

bool ScriptedHttpServer::Connection::readMore()
{
    char buffer[kReadChunk];
    if (!m_server.waitReadable(m_fd, kForever))
        return false;
    const ssize_t count = ::recv(m_fd, buffer, sizeof buffer, 0);
    if (count <= 0)
        return false;
    m_pending.append(buffer, static_cast<std::size_t>(count));
    return true;
}

std::string ScriptedHttpServer::Connection::readRequest()
{
    std::size_t headEnd;
    while ((headEnd = m_pending.find("\r\n\r\n")) == std::string::npos) {
        if (!readMore())
            return {};
    }
    const std::size_t total = headEnd + 4 + contentLength(m_pending.substr(0, headEnd + 2));
    while (m_pending.size() < total) {
        if (!readMore())
            return {};
    }
    std::string request = m_pending.substr(0, total);
    m_pending.erase(0, total);
    std::lock_guard lock(m_server.m_mutex);
    m_server.m_requests.push_back(request);
    return request;
}

bool ScriptedHttpServer::Connection::send(std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t sent = ::send(m_fd, bytes.data(), bytes.size(), MSG_NOSIGNAL);
        if (sent <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(sent));
    }
    return true;
}

long long ScriptedHttpServer::Connection::sendEndless(std::string_view piece)
{
    long long total = 0;
    for (;;) {
        // Waits for room without blocking in send(), so stopping the server ends it.
        pollfd fds[2] = {{m_fd, POLLOUT, 0}, {m_server.m_wakeRead, POLLIN, 0}};
        if (::poll(fds, 2, kForever) <= 0 || fds[1].revents != 0 || (fds[0].revents & (POLLERR | POLLHUP)))
            return total;
        const ssize_t sent = ::send(m_fd, piece.data(), piece.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
        if (sent < 0 && errno != EAGAIN)
            return total;
        total += std::max<ssize_t>(sent, 0);
    }
}

void ScriptedHttpServer::Connection::pause(int milliseconds)
{
    pollfd wake{m_server.m_wakeRead, POLLIN, 0};
    ::poll(&wake, 1, milliseconds);
}

void ScriptedHttpServer::Connection::hang()
{
    pause(kForever);
}

void ScriptedHttpServer::Connection::reset()
{
    const linger hard{1, 0};
    ::setsockopt(m_fd, SOL_SOCKET, SO_LINGER, &hard, sizeof hard);
    ::close(m_fd);
    m_fd = -1;
}

ScriptedHttpServer::FullBacklog::FullBacklog()
{
    int listener = -1;
    {
        // A queue of one: the first attempts fill it, later SYNs are dropped.
        listener = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        if (listener < 0 || ::bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
            ::listen(listener, 0) != 0 || ::getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length) != 0)
            throw std::runtime_error("cannot listen on 127.0.0.1");
        m_port = ntohs(address.sin_port);
        m_fds.push_back(listener);
        for (int i = 0; i < 3; ++i) {
            const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
            if (fd < 0)
                continue;
            (void)::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
            m_fds.push_back(fd);
        }
    }
}

ScriptedHttpServer::FullBacklog::~FullBacklog()
{
    for (int fd : m_fds)
        ::close(fd);
}
