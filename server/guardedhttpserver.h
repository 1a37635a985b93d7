#pragma once
#include <atomic>
#include <httplib.h>
#include <string>

#include "server/connectionlimits.h"

class ConnectionQueue;

// An HTTP server whose connections all run through GuardedStream and a
// bounded ConnectionQueue, so no client can make it read, wait or queue
// without limit. Routes are added as on httplib::Server.
class GuardedHttpServer : public httplib::Server {
public:
    explicit GuardedHttpServer(const ConnectionLimits& limits);

    // Binds and listens; port 0 picks a free port. Returns the port, or -1.
    [[nodiscard]] int bindTo(const std::string& host, int port);
    // Stops serving, also when called before the accept loop has started.
    void halt();

private:
    // Replaces the library's per-connection loop (a private virtual there).
    bool process_and_close_socket(socket_t sock) override;
    void turnAway(socket_t sock);

    const ConnectionLimits m_limits;
    std::atomic<ConnectionQueue*> m_queue{nullptr};
};
