#include "server/guardedhttpserver.h"

#include <string_view>
#include <sys/socket.h>
#include <unistd.h>

#include "server/connectionqueue.h"
#include "server/guardedstream.h"

namespace {
constexpr std::string_view kBusyAnswer =
    "HTTP/1.1 503 Service Unavailable\r\nContent-Type: text/plain\r\nContent-Length: 13\r\n"
    "Retry-After: 5\r\nConnection: close\r\n\r\nServer busy.\n";

std::chrono::seconds wholeSeconds(std::chrono::milliseconds duration)
{
    return std::chrono::duration_cast<std::chrono::seconds>(duration);
}
} // namespace

GuardedHttpServer::GuardedHttpServer(const ConnectionLimits& limits) : m_limits(limits)
{
    // The library applies these to accepted sockets too; GuardedStream
    // enforces the finer limits itself.
    set_read_timeout(wholeSeconds(limits.readTimeout));
    set_write_timeout(wholeSeconds(limits.writeTimeout));
    set_keep_alive_timeout(wholeSeconds(limits.keepAliveTimeout).count());
    set_keep_alive_max_count(limits.keepAliveRequests);
    set_payload_max_length(limits.maxPayloadBytes);
    set_tcp_nodelay(true);
    new_task_queue = [this] {
        auto* queue = new ConnectionQueue(m_limits.threads, m_limits.maxPending);
        m_queue = queue;
        return queue;
    };
}

int GuardedHttpServer::bindTo(const std::string& host, int port)
{
    const int bound = port == 0 ? bind_to_any_port(host) : (bind_to_port(host, port) ? port : -1);
    if (bound < 0)
        return -1;
    // The library listens with a tiny backlog; a second listen() only
    // enlarges it.
    ::listen(svr_sock_, static_cast<int>(m_limits.listenBacklog));
    return bound;
}

void GuardedHttpServer::halt()
{
    stop();
    // stop() only acts on a running loop; a loop about to start finds its
    // socket shut and ends at its first accept.
    const socket_t sock = svr_sock_;
    if (sock != INVALID_SOCKET)
        ::shutdown(sock, SHUT_RDWR);
}

void GuardedHttpServer::turnAway(socket_t sock)
{
    // Non-blocking, best effort: the accepting thread must not wait here.
    ::send(sock, kBusyAnswer.data(), kBusyAnswer.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
}

bool GuardedHttpServer::process_and_close_socket(socket_t sock)
{
    if (ConnectionQueue::turningAway()) {
        turnAway(sock);
    } else {
        GuardedStream stream(sock, m_limits);
        const auto firstRequest = [] { return true; };
        const auto mayIdle = [this] {
            // An idle connection gives its thread up as soon as another is waiting.
            const ConnectionQueue* queue = m_queue.load();
            return svr_sock_ != INVALID_SOCKET && (queue == nullptr || queue->pending() == 0);
        };
        for (std::size_t served = 0; served < m_limits.keepAliveRequests; ++served) {
            const bool waited = served == 0 ? stream.waitForRequest(m_limits.readTimeout, firstRequest)
                                            : stream.waitForRequest(m_limits.keepAliveTimeout, mayIdle);
            if (!waited)
                break;
            stream.beginRequest();
            const bool lastRequest = served + 1 == m_limits.keepAliveRequests || !mayIdle();
            bool connectionClosed = false;
            const bool ok = process_request(stream, lastRequest, connectionClosed, {});
            if (!ok || connectionClosed || stream.overrun() || lastRequest)
                break;
        }
    }
    ::shutdown(sock, SHUT_RDWR);
    ::close(sock);
    return true;
}
