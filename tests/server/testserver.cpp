// SPDX-License-Identifier: MIT
#include "testserver.h"

#include <arpa/inet.h>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <cstdlib>
#include <netinet/in.h>
#include <stdexcept>
#include <thread>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

#include "protocol/wirecontract.h"

TempFolder::TempFolder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "pelbixserver-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("cannot create a temporary folder");
    m_path = pattern;
}

TempFolder::~TempFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

ServerSettings testSettings()
{
    ServerSettings settings;
    settings.host = "127.0.0.1";
    settings.port = 0;
    settings.postLimit = 0;
    return settings;
}

RunningServer::RunningServer(ScoreStore& store, ServerSettings settings)
    : m_server(store, std::move(settings)), m_port(m_server.bind()), m_thread([this] { m_server.run(); })
{
}

RunningServer::~RunningServer()
{
    stop();
}

void RunningServer::stop()
{
    m_server.stop();
    if (m_thread.joinable())
        m_thread.join();
}

std::string encodeQueryValue(std::string_view text)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (std::isalnum(c) || c == '-' || c == '_' || c == '.' || c == '~') {
            out.push_back(ch);
        } else {
            out.push_back('%');
            out.push_back(kHex[c >> 4]);
            out.push_back(kHex[c & 0xF]);
        }
    }
    return out;
}

std::string postTarget(std::string_view name, std::string_view date, std::string_view score)
{
    return std::string(wire::kPostPath) + "?" + std::string(wire::kNameKey) + "=" + encodeQueryValue(name) + "&" +
           std::string(wire::kDateKey) + "=" + std::string(date) + "&" + std::string(wire::kScoreKey) + "=" +
           std::string(score);
}

int connectLoopback(int port, std::chrono::milliseconds timeout, const char* fromAddress)
{
    // The whole suite leaves thousands of loopback connections waiting out
    // their close, so a new one may briefly find no local address free:
    // that is the machine, not the server, and is tried again.
    for (int attempt = 1;; ++attempt) {
        const int sock = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in from{};
        from.sin_family = AF_INET;
        ::inet_pton(AF_INET, fromAddress, &from.sin_addr);
        if (::bind(sock, reinterpret_cast<sockaddr*>(&from), sizeof from) != 0) {
            ::close(sock);
            throw std::runtime_error(std::string("cannot send from ") + fromAddress);
        }
        timeval limit{};
        limit.tv_sec = static_cast<time_t>(timeout.count() / 1000);
        limit.tv_usec = static_cast<suseconds_t>((timeout.count() % 1000) * 1000);
        ::setsockopt(sock, SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit);
        ::setsockopt(sock, SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof limit);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(static_cast<uint16_t>(port));
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        if (::connect(sock, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0)
            return sock;
        const int error = errno;
        ::close(sock);
        const bool busy = error == EADDRNOTAVAIL || error == EADDRINUSE || error == EAGAIN;
        if (!busy || attempt == 50)
            throw std::runtime_error(std::string("cannot connect to the test server: ") + std::strerror(error));
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

bool pollUntil(const std::function<bool()>& done, std::chrono::milliseconds limit)
{
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!done()) {
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

int openConnections(int adminPort)
{
    static constexpr std::string_view kSample = "\npelbixsolo_connections_open ";
    const std::string body = httpRequest(adminPort, "GET", "/metrics").body;
    const std::size_t at = body.find(kSample);
    if (at == std::string::npos)
        return -1;
    return std::atoi(body.c_str() + at + kSample.size());
}

std::string rawExchange(int port, std::string_view request, std::chrono::milliseconds timeout, const char* fromAddress)
{
    return exchangeOn(connectLoopback(port, timeout, fromAddress), request);
}

std::string exchangeOn(int sock, std::string_view request)
{
    if (sock < 0)
        return {};
    ::send(sock, request.data(), request.size(), MSG_NOSIGNAL);
    std::string answer;
    char buffer[8192];
    ssize_t got = 0;
    while ((got = ::recv(sock, buffer, sizeof buffer, 0)) > 0)
        answer.append(buffer, static_cast<std::size_t>(got));
    ::close(sock);
    return answer;
}

HttpAnswer httpRequest(int port, std::string_view method, std::string_view target, std::string_view headers,
                       std::chrono::milliseconds timeout, const char* fromAddress)
{
    const std::string request = std::string(method) + " " + std::string(target) +
                                " HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\n" + std::string(headers) + "\r\n";
    const std::string raw = rawExchange(port, request, timeout, fromAddress);
    HttpAnswer answer;
    const auto end = raw.find("\r\n\r\n");
    if (end == std::string::npos || raw.rfind("HTTP/1.", 0) != 0 || raw.size() < 12)
        return answer;
    answer.status = std::atoi(raw.c_str() + 9);
    answer.head = raw.substr(0, end + 2);
    answer.body = raw.substr(end + 4);
    return answer;
}

std::string HttpAnswer::header(std::string_view name) const
{
    const auto lower = [](std::string text) {
        for (auto& c : text)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return text;
    };
    const std::string wanted = "\r\n" + lower(std::string(name)) + ":";
    const std::string folded = lower(head);
    const auto at = folded.find(wanted);
    if (at == std::string::npos)
        return {};
    auto start = at + wanted.size();
    while (start < head.size() && head[start] == ' ')
        ++start;
    return head.substr(start, head.find("\r\n", start) - start);
}

HalfRequests::HalfRequests(int port, int count, const std::vector<std::string>& from)
{
    const std::string start = "GET /counter/pelbixsolo.shtml HTTP/1.1\r\nX-Slow: ";
    for (int i = 0; i < count; ++i) {
        const int sock = connectLoopback(port, std::chrono::seconds(10), from[static_cast<std::size_t>(i) % from.size()].c_str());
        ::send(sock, start.data(), start.size(), MSG_NOSIGNAL);
        m_sockets.push_back(sock);
    }
}

HalfRequests::~HalfRequests()
{
    for (const int sock : m_sockets)
        ::close(sock);
}

int HalfRequests::closedByServer() const
{
    // Closed, or answered (a refusal) ahead of the close: anything but
    // "nothing to read yet".
    int closed = 0;
    for (const int sock : m_sockets) {
        char byte = 0;
        const ssize_t got = ::recv(sock, &byte, 1, MSG_DONTWAIT | MSG_PEEK);
        closed += got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK) ? 0 : 1;
    }
    return closed;
}
