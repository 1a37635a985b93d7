// SPDX-License-Identifier: MIT
#pragma once
#include <condition_variable>
#include <filesystem>
#include <memory>
#include <mutex>
#include <string_view>
#include <vector>

#include "protocol/wirecontract.h"
#include "server/connectiongate.h"
#include "server/serversettings.h"

class ListPageCache;
class RateLimiter;
class ScoreStore;
class ServerMetrics;
class StoreWorker;
struct MHD_Connection;
struct MHD_Daemon;
struct MHD_Response;

// The online side of the game: score posts, the high-score list page, the
// version file, the installer and its signature, at the paths the game asks
// for. Connections are served by a few event threads (GNU libmicrohttpd with
// epoll), so a slow client costs a socket, not a thread; the database is
// reached only from the store worker, so nothing but a post ever waits for it.
class ScoreServer {
public:
    static constexpr const char* kPostPath = wire::kPostPath;
    static constexpr const char* kListPath = wire::kListPath;
    static constexpr const char* kVersionPath = wire::kVersionPath;
    static constexpr const char* kInstallerPath = wire::kInstallerPath;
    static constexpr const char* kSignaturePath = wire::kSignaturePath;

    // Renders the first list page from the store before serving.
    ScoreServer(ScoreStore& store, ServerSettings settings);
    ~ScoreServer();
    ScoreServer(const ScoreServer&) = delete;
    ScoreServer& operator=(const ScoreServer&) = delete;

    // Binds the listening sockets (and the admin address, when set);
    // returns the port. Throws std::runtime_error naming the cause.
    int bind();
    // The same with sockets bound beforehand, so a start that cannot
    // listen fails before the database is touched; admin may be unbound.
    int bind(ListenSocket listen, ListenSocket admin);
    // The admin address's port, once bound; 0 when there is none.
    [[nodiscard]] int adminPort() const { return m_adminPort; }
    // Serves until stop(); call after bind(). Posts still waiting when it
    // ends are answered 503 and not stored.
    void run();
    // Safe from any thread, also before run() has started.
    void stop();

private:
    friend struct ScoreServerCallbacks; // the library's entry points
    struct Request;                      // one request from its first line to its last byte

    // Each returns false when the connection must be dropped.
    bool answer(MHD_Connection* connection, Request& request, std::string_view path);
    bool post(MHD_Connection* connection, Request& request);
    bool listPage(MHD_Connection* connection, Request& request);
    bool file(MHD_Connection* connection, Request& request, const std::filesystem::path& path);
    bool respond(MHD_Connection* connection, Request& request, int status, MHD_Response* response, std::size_t bytes);
    bool page(MHD_Connection* connection, Request& request, int status, std::string_view title,
              std::string_view sentence, const char* allow = nullptr);
    void finishRequest(MHD_Connection* connection, const Request* request);
    void startDaemons();

    ScoreStore& m_store;
    const ServerSettings m_settings;
    std::unique_ptr<RateLimiter> m_limiter;
    std::unique_ptr<ListPageCache> m_listPage;
    std::unique_ptr<StoreWorker> m_worker;
    std::unique_ptr<ServerMetrics> m_metrics;
    std::unique_ptr<ConnectionGate> m_gate;
    ListenSocket m_listen;
    ListenSocket m_adminListen;
    int m_adminPort = 0;
    // One single-threaded daemon per event thread; the gate deals new
    // connections out in turn. None of them has a listening socket of its
    // own, so stopping never races a thread over one.
    std::vector<MHD_Daemon*> m_daemons;
    std::size_t m_nextDaemon = 0; // the gate's thread only
    MHD_Daemon* m_admin = nullptr;
    MHD_Response* m_versionResponse = nullptr;

    // The list page as an answer that every connection shares, rebuilt
    // when the page changes.
    std::mutex m_pageMutex;
    std::shared_ptr<const std::string> m_answeredPage;
    MHD_Response* m_pageResponse = nullptr;

    std::mutex m_stopMutex;
    std::condition_variable m_stopped;
    bool m_stopRequested = false;
};
