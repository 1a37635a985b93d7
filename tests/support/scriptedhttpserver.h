// SPDX-License-Identifier: MIT
#pragma once
#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

// A loopback HTTP server for tests. It listens on 127.0.0.1 at a free port
// and runs the test's script once per accepted connection, each on a thread
// of its own, so a test controls every byte, pause and close. Requests read
// through readRequest() are recorded. Destroying the server wakes every
// script (pauses and hangs end at once) and joins all its threads.
class ScriptedHttpServer {
public:
    class Connection {
    public:
        // Reads one request: the head up to the empty line and, with a
        // Content-Length, the body. Empty when the peer closed or the server stops.
        std::string readRequest();
        bool send(std::string_view bytes);
        // Sends piece after piece until the peer stops taking them (closes)
        // or the server stops; returns the bytes sent.
        long long sendEndless(std::string_view piece);
        void pause(int milliseconds);   // ends early when the server stops
        void hang();                    // until the server stops
        void reset();                   // close with a reset instead of a FIN
        [[nodiscard]] int index() const { return m_index; } // 0 for the first connection
        [[nodiscard]] int port() const { return m_server.port(); }

    private:
        friend class ScriptedHttpServer;
        Connection(ScriptedHttpServer& server, int fd, int index) : m_server(server), m_fd(fd), m_index(index) {}
        bool readMore(); // false when the peer closed or the server stops
        ScriptedHttpServer& m_server;
        int m_fd;
        int m_index;
        std::string m_pending;
    };
    using Script = std::function<void(Connection&)>;

    explicit ScriptedHttpServer(Script script);
    ~ScriptedHttpServer();
    ScriptedHttpServer(const ScriptedHttpServer&) = delete;
    ScriptedHttpServer& operator=(const ScriptedHttpServer&) = delete;

    [[nodiscard]] int port() const { return m_port; }
    [[nodiscard]] std::string url(const std::string& path) const;
    [[nodiscard]] std::vector<std::string> requests() const;
    [[nodiscard]] int connections() const { return m_connections.load(); }

    // "HTTP/1.0 <status> <reason>", the given header lines, Content-Length
    // when withLength, the empty line and the body.
    static std::string answer(int status, const std::string& reason, const std::string& body,
                              bool withLength = true, const std::string& headerLines = {},
                              const std::string& version = "1.0");
    // A script that never answers its first connection and answers every
    // later one with 200 and `body`: a hung request and the one replacing it.
    static Script hangFirstThenAnswer(const std::string& body);
    // A loopback port on which nothing listens.
    static int closedPort();
    // Listens with a full queue on a loopback port and never accepts while
    // it lives: a connection attempt there neither succeeds nor fails.
    class FullBacklog {
    public:
        FullBacklog();
        ~FullBacklog();
        FullBacklog(const FullBacklog&) = delete;
        FullBacklog& operator=(const FullBacklog&) = delete;
        [[nodiscard]] int port() const { return m_port; }

    private:
        std::vector<int> m_fds;
        int m_port = 0;
    };

private:
    void acceptLoop();
    // Waits until fd is readable or the server stops; false on stop or timeout.
    bool waitReadable(int fd, int timeoutMilliseconds);

    Script m_script;
    int m_listenFd = -1;
    int m_wakeRead = -1;
    int m_wakeWrite = -1;
    int m_port = 0;
    std::atomic<bool> m_stopping{false};
    std::atomic<int> m_connections{0};
    mutable std::mutex m_mutex;
    std::vector<std::string> m_requests;
    std::vector<std::thread> m_threads;
    std::thread m_acceptThread;
};
