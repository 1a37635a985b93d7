#include "testserver.h"

#include <arpa/inet.h>
#include <cctype>
#include <cstdlib>
#include <netinet/in.h>
#include <stdexcept>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

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
    m_server.stop();
    m_thread.join();
}

std::unique_ptr<httplib::Client> RunningServer::client() const
{
    auto client = std::make_unique<httplib::Client>("127.0.0.1", m_port);
    client->set_connection_timeout(5);
    client->set_read_timeout(20);
    client->set_write_timeout(5);
    return client;
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
    return std::string(ScoreServer::kPostPath) + "?name=" + encodeQueryValue(name) + "&date=" + std::string(date) +
           "&score=" + std::string(score);
}

int connectLoopback(int port, std::chrono::milliseconds timeout)
{
    const int sock = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    timeval limit{};
    limit.tv_sec = static_cast<time_t>(timeout.count() / 1000);
    limit.tv_usec = static_cast<suseconds_t>((timeout.count() % 1000) * 1000);
    ::setsockopt(sock, SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit);
    ::setsockopt(sock, SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof limit);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::connect(sock, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        ::close(sock);
        throw std::runtime_error("cannot connect to the test server");
    }
    return sock;
}

std::string rawExchange(int port, std::string_view request, std::chrono::milliseconds timeout)
{
    const int sock = connectLoopback(port, timeout);
    ::send(sock, request.data(), request.size(), MSG_NOSIGNAL);
    std::string answer;
    char buffer[8192];
    ssize_t got = 0;
    while ((got = ::recv(sock, buffer, sizeof buffer, 0)) > 0)
        answer.append(buffer, static_cast<std::size_t>(got));
    ::close(sock);
    return answer;
}
