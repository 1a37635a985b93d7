// SPDX-License-Identifier: MIT
// Helper of download_bench.py.
//   pelbix_httpbench serve BYTES      serves a body of BYTES bytes on a free
//                                     127.0.0.1 port (printed first) until killed
//   pelbix_httpbench get URL FILE [CA] downloads URL into FILE with HttpClient,
//                                     trusting the PEM certificates in CA too
#include <arpa/inet.h>
#include <cstdio>
#include <cstdlib>
#include <netinet/in.h>
#include <string>
#include <sys/socket.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QFile>

#include "net/httpclient.h"

namespace {

constexpr std::size_t kSendPiece = 256 * 1024;

int serve(long long bytes)
{
    const int listener = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (::bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || ::listen(listener, 16) != 0 ||
        ::getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length) != 0)
        return 1;
    std::printf("%d\n", ntohs(address.sin_port));
    std::fflush(stdout);

    const std::string body(kSendPiece, 'p');
    const std::string header = "HTTP/1.0 200 OK\r\nContent-Type: application/octet-stream\r\nContent-Length: " +
                               std::to_string(bytes) + "\r\n\r\n";
    for (;;) {
        const int fd = ::accept(listener, nullptr, nullptr);
        if (fd < 0)
            continue;
        std::string request;
        char buffer[4096];
        while (request.find("\r\n\r\n") == std::string::npos) {
            const ssize_t count = ::recv(fd, buffer, sizeof buffer, 0);
            if (count <= 0)
                break;
            request.append(buffer, static_cast<std::size_t>(count));
        }
        bool ok = ::send(fd, header.data(), header.size(), MSG_NOSIGNAL) == static_cast<ssize_t>(header.size());
        for (long long left = bytes; ok && left > 0;) {
            const auto piece = static_cast<std::size_t>(std::min<long long>(left, kSendPiece));
            const ssize_t sent = ::send(fd, body.data(), piece, MSG_NOSIGNAL);
            ok = sent > 0;
            left -= sent;
        }
        ::close(fd);
    }
}

int get(const char* url, const char* fileName, const char* caCertificates)
{
    QFile file(QString::fromLocal8Bit(fileName));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 1;
    HttpClient cli;
    cli.URL = QString::fromLocal8Bit(url);
    cli.ReceiveStream = &file;
    if (caCertificates)
        cli.CaCertificates = QString::fromLocal8Bit(caCertificates);
    // The program's own event loop carries the request; its end ends the loop.
    QObject::connect(&cli, &HttpClient::requestDone, QCoreApplication::instance(), &QCoreApplication::quit);
    cli.GetAsync();
    QCoreApplication::exec();
    if (cli.StatusCode() >= 400) {
        std::fprintf(stderr, "%s (%d)\n", qPrintable(cli.ReasonPhrase()), cli.StatusCode());
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc == 3 && std::string(argv[1]) == "serve")
        return serve(std::atoll(argv[2]));
    if ((argc == 4 || argc == 5) && std::string(argv[1]) == "get")
        return get(argv[2], argv[3], argc == 5 ? argv[4] : nullptr);
    std::fprintf(stderr, "usage: %s serve BYTES | get URL FILE [CA]\n", argv[0]);
    return 2;
}
