// SPDX-License-Identifier: MIT
#include "server/scoreserver.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <microhttpd.h>
#include <stdexcept>
#include <sys/socket.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

#include "server/listpage.h"
#include "server/listpagecache.h"
#include "server/postvalidator.h"
#include "server/querydecoder.h"
#include "server/ratelimiter.h"
#include "server/requestlog.h"
#include "server/scorestore.h"
#include "server/servermetrics.h"
#include "server/storeworker.h"

namespace {
constexpr const char* kHtml = "text/html; charset=utf-8";
constexpr const char* kRetryAfterPostLimit = "60";
constexpr const char* kRetryAfterUnavailable = "5";
constexpr const char* kMetricsPath = "/metrics";
constexpr const char* kHealthPath = "/healthz";
constexpr const char* kMetricsType = "text/plain; version=0.0.4; charset=utf-8";
constexpr unsigned kAdminConnections = 64;

enum class PostOutcome { Waiting, Stored, Unavailable, Unknown };

PostOutcome postOutcome(StoreWorker::Outcome outcome)
{
    switch (outcome) {
    case StoreWorker::Outcome::Stored:
        return PostOutcome::Stored;
    case StoreWorker::Outcome::Unknown:
        return PostOutcome::Unknown;
    case StoreWorker::Outcome::Unavailable:
        break;
    }
    return PostOutcome::Unavailable;
}

bool isPlainRead(MHD_Connection* connection, const std::string& method)
{
    if (method != MHD_HTTP_METHOD_GET && method != MHD_HTTP_METHOD_HEAD)
        return false;
    const char* length = MHD_lookup_connection_value(connection, MHD_HEADER_KIND, MHD_HTTP_HEADER_CONTENT_LENGTH);
    return (length == nullptr || std::string_view(length) == "0") &&
           MHD_lookup_connection_value(connection, MHD_HEADER_KIND, MHD_HTTP_HEADER_TRANSFER_ENCODING) == nullptr;
}

unsigned eventThreads(unsigned configured)
{
    return configured != 0 ? configured : std::max(1u, std::thread::hardware_concurrency());
}
} // namespace

struct ScoreServer::Request {
    std::string target; // as the client sent it, query included
    std::string client;
    std::string method;
    std::string version;
    int socket = -1;
    std::chrono::steady_clock::time_point queued; // when a post went to the store
    int status = 0;
    std::size_t bytes = 0;
    bool answered = false;
    // Set by the store worker before it resumes the suspended connection.
    std::atomic<PostOutcome> outcome{PostOutcome::Waiting};
};

// The library calls these plain functions; each hands over to the server.
struct ScoreServerCallbacks {
    // Before the headers are read: the raw target, and the request's record.
    static void* start(void*, const char* uri, MHD_Connection* connection)
    {
        auto* request = new ScoreServer::Request;
        request->target = uri == nullptr ? "" : uri;
        if (const auto* info = MHD_get_connection_info(connection, MHD_CONNECTION_INFO_CLIENT_ADDRESS))
            request->client = clientAddressText(info->client_addr);
        if (const auto* info = MHD_get_connection_info(connection, MHD_CONNECTION_INFO_CONNECTION_FD))
            request->socket = info->connect_fd;
        return request;
    }

    static MHD_Result handle(void* server, MHD_Connection* connection, const char* url, const char* method,
                             const char* version, const char*, std::size_t* uploadSize, void** record)
    {
        auto& self = *static_cast<ScoreServer*>(server);
        auto* request = static_cast<ScoreServer::Request*>(*record);
        if (request == nullptr) {
            request = new ScoreServer::Request;
            *record = request;
        }
        if (request->method.empty()) {
            self.m_gate->requestStarted(request->socket);
            request->method = method;
            request->version = version;
            // The library keeps a connection open for the next request only
            // when the answer comes after the whole request was read, on a
            // later call. A request with a body or another method is
            // answered at once and the connection closed: no path here takes
            // a body, and none is worth reading.
            if (isPlainRead(connection, request->method))
                return MHD_YES;
        }
        if (*uploadSize != 0) {
            *uploadSize = 0;
            return MHD_YES;
        }
        if (request->answered)
            return MHD_YES;
        return self.answer(connection, *request, url == nullptr ? "" : url) ? MHD_YES : MHD_NO;
    }

    static void end(void* server, MHD_Connection* connection, void** record, MHD_RequestTerminationCode)
    {
        auto* request = static_cast<ScoreServer::Request*>(*record);
        static_cast<ScoreServer*>(server)->finishRequest(connection, request);
        delete request;
        *record = nullptr;
    }

    static void connectionEvent(void* server, MHD_Connection* connection, void**, MHD_ConnectionNotificationCode code)
    {
        // Told before the library closes the socket, so the number is not
        // yet free for a new connection to take.
        if (code != MHD_CONNECTION_NOTIFY_CLOSED)
            return;
        if (const auto* info = MHD_get_connection_info(connection, MHD_CONNECTION_INFO_CONNECTION_FD))
            static_cast<ScoreServer*>(server)->m_gate->closed(info->connect_fd);
    }

    static MHD_Result admin(void* server, MHD_Connection* connection, const char* url, const char* method,
                            const char*, const char*, std::size_t*, void** record)
    {
        // Answered on the first call, with the request's body (if any) unread.
        (void)record;
        const std::string_view path = url == nullptr ? "" : url;
        const bool read = std::string_view(method) == MHD_HTTP_METHOD_GET || std::string_view(method) == MHD_HTTP_METHOD_HEAD;
        std::string body;
        unsigned status = MHD_HTTP_OK;
        const char* type = "text/plain; charset=utf-8";
        if (!read) {
            status = MHD_HTTP_METHOD_NOT_ALLOWED;
            body = "GET or HEAD only\n";
        } else if (path == kMetricsPath) {
            body = static_cast<ScoreServer*>(server)->m_metrics->render();
            type = kMetricsType;
        } else if (path == kHealthPath) {
            body = "ok\n";
        } else {
            status = MHD_HTTP_NOT_FOUND;
            body = "not found\n";
        }
        MHD_Response* response = MHD_create_response_from_buffer(body.size(), body.data(), MHD_RESPMEM_MUST_COPY);
        if (response == nullptr)
            return MHD_NO;
        MHD_add_response_header(response, MHD_HTTP_HEADER_CONTENT_TYPE, type);
        MHD_add_response_header(response, MHD_HTTP_HEADER_CACHE_CONTROL, "no-store");
        const MHD_Result queued = MHD_queue_response(connection, status, response);
        MHD_destroy_response(response);
        return queued;
    }
};

ScoreServer::ScoreServer(ScoreStore& store, ServerSettings settings)
    : m_store(store),
      m_settings(std::move(settings)),
      m_limiter(std::make_unique<RateLimiter>(m_settings.postLimit)),
      m_listPage(std::make_unique<ListPageCache>(m_settings.listPageMaxAge)),
      m_metrics(std::make_unique<ServerMetrics>()),
      m_gate(std::make_unique<ConnectionGate>(m_settings.limits, *m_metrics, m_settings.log))
{
    m_listPage->refresh(m_store, ListPageCache::Clock::now());
    m_worker = std::make_unique<StoreWorker>(m_store, *m_listPage, m_settings.limits.maxQueuedPosts, m_settings.log);
    if (m_settings.versionText) {
        m_versionResponse = MHD_create_response_from_buffer(m_settings.versionText->size(),
                                                            const_cast<char*>(m_settings.versionText->data()),
                                                            MHD_RESPMEM_PERSISTENT);
        MHD_add_response_header(m_versionResponse, MHD_HTTP_HEADER_CONTENT_TYPE, "text/plain");
    }
}

ScoreServer::~ScoreServer()
{
    m_worker->stop();
    if (m_versionResponse)
        MHD_destroy_response(m_versionResponse);
    if (m_pageResponse)
        MHD_destroy_response(m_pageResponse);
}

int ScoreServer::bind()
{
    ListenSocket listen(m_settings.host, m_settings.port);
    return bind(std::move(listen), m_settings.adminPort ? ListenSocket(m_settings.adminHost, *m_settings.adminPort)
                                                        : ListenSocket());
}

int ScoreServer::bind(ListenSocket listen, ListenSocket admin)
{
    m_adminListen = std::move(admin);
    m_adminPort = m_adminListen.fd() >= 0 ? m_adminListen.port() : 0;
    m_listen = std::move(listen);
    return m_listen.port();
}

void ScoreServer::startDaemons()
{
    const ConnectionLimits& limits = m_settings.limits;
    // The gate keeps the count; the library's own cap only stops a runaway,
    // with room for connections cut off but not yet closed.
    const unsigned backstop = 2 * limits.maxConnections + 16;
    for (unsigned i = 0; i < eventThreads(limits.threads); ++i) {
        MHD_Daemon* daemon = MHD_start_daemon(
            MHD_USE_EPOLL_INTERNAL_THREAD | MHD_ALLOW_SUSPEND_RESUME | MHD_USE_NO_LISTEN_SOCKET, 0, nullptr, nullptr,
            &ScoreServerCallbacks::handle, this, MHD_OPTION_CONNECTION_LIMIT, backstop, MHD_OPTION_CONNECTION_TIMEOUT,
            static_cast<unsigned>(limits.idleTimeout.count()), MHD_OPTION_CONNECTION_MEMORY_LIMIT,
            limits.memoryPerConnection, MHD_OPTION_URI_LOG_CALLBACK, &ScoreServerCallbacks::start, this,
            MHD_OPTION_NOTIFY_COMPLETED, &ScoreServerCallbacks::end, this, MHD_OPTION_NOTIFY_CONNECTION,
            &ScoreServerCallbacks::connectionEvent, this, MHD_OPTION_END);
        if (daemon == nullptr)
            throw std::runtime_error(std::string("cannot start serving: ") + std::strerror(errno));
        m_daemons.push_back(daemon);
    }
    if (m_adminListen.fd() >= 0) {
        // The library closes the socket it was given when it stops.
        m_admin = MHD_start_daemon(MHD_USE_EPOLL_INTERNAL_THREAD, 0, nullptr, nullptr, &ScoreServerCallbacks::admin,
                                   this, MHD_OPTION_LISTEN_SOCKET, m_adminListen.release(),
                                   MHD_OPTION_CONNECTION_LIMIT, kAdminConnections, MHD_OPTION_CONNECTION_TIMEOUT,
                                   static_cast<unsigned>(limits.idleTimeout.count()), MHD_OPTION_CONNECTION_MEMORY_LIMIT,
                                   limits.memoryPerConnection, MHD_OPTION_END);
        if (m_admin == nullptr)
            throw std::runtime_error(std::string("cannot start the admin address: ") + std::strerror(errno));
    }
    m_gate->start(m_listen.fd(), [this](int fd, const sockaddr* address, socklen_t length) {
        MHD_Daemon* daemon = m_daemons[m_nextDaemon++ % m_daemons.size()];
        return MHD_add_connection(daemon, fd, address, length) == MHD_YES;
    });
}

void ScoreServer::run()
{
    std::exception_ptr failure;
    try {
        startDaemons();
        std::unique_lock lock(m_stopMutex);
        m_stopped.wait(lock, [this] { return m_stopRequested; });
    } catch (...) {
        failure = std::current_exception();
    }
    // No new connections; then every post still waiting is answered, so
    // no connection stays suspended; then the rest are closed.
    m_gate->stop();
    m_worker->stop();
    for (MHD_Daemon* daemon : m_daemons)
        MHD_stop_daemon(daemon);
    m_daemons.clear();
    if (m_admin != nullptr)
        MHD_stop_daemon(m_admin);
    m_admin = nullptr;
    m_listen = ListenSocket();
    if (failure)
        std::rethrow_exception(failure);
}

void ScoreServer::stop()
{
    {
        const std::lock_guard lock(m_stopMutex);
        m_stopRequested = true;
    }
    m_stopped.notify_all();
}

bool ScoreServer::answer(MHD_Connection* connection, Request& request, std::string_view path)
{
    if (request.outcome != PostOutcome::Waiting) {
        m_metrics->addDatabaseWait(std::chrono::steady_clock::now() - request.queued);
        if (request.outcome == PostOutcome::Stored)
            return page(connection, request, MHD_HTTP_OK, "Score recorded", "Score recorded.");
        // Neither "recorded" nor "not recorded" would be sure to be true.
        if (request.outcome == PostOutcome::Unknown)
            return page(connection, request, MHD_HTTP_ACCEPTED, "Score perhaps recorded",
                        "Score perhaps recorded: the score table did not confirm it in time. Send it again: "
                        "the same score sent again within an hour is recorded once.");
        return page(connection, request, MHD_HTTP_SERVICE_UNAVAILABLE, "Score not recorded",
                    "Score not recorded: the score table is not available; try again in a moment.");
    }
    const bool get = request.method == MHD_HTTP_METHOD_GET;
    if (path == kPostPath) {
        // A link checker's HEAD must not post.
        if (!get)
            return page(connection, request, MHD_HTTP_METHOD_NOT_ALLOWED, "Score not recorded",
                        "Score not recorded: scores are posted with GET.", "GET");
        return post(connection, request);
    }
    if (!get && request.method != MHD_HTTP_METHOD_HEAD)
        return page(connection, request, MHD_HTTP_METHOD_NOT_ALLOWED, "Not allowed",
                    "This address answers only GET and HEAD.", "GET, HEAD");
    if (path == kListPath)
        return listPage(connection, request);
    if (path == kVersionPath) {
        if (m_versionResponse)
            return respond(connection, request, MHD_HTTP_OK, m_versionResponse, m_settings.versionText->size());
        // An error page here would differ from the game's version and
        // offer an update that has nothing to download.
        MHD_Response* empty = MHD_create_response_from_buffer(0, nullptr, MHD_RESPMEM_PERSISTENT);
        const bool queued = respond(connection, request, MHD_HTTP_NOT_FOUND, empty, 0);
        MHD_destroy_response(empty);
        return queued;
    }
    if (path == kInstallerPath)
        return file(connection, request, m_settings.installer);
    if (path == kSignaturePath)
        return file(connection, request, m_settings.signature);
    return page(connection, request, MHD_HTTP_NOT_FOUND, "Not found", "There is nothing at this address.");
}

bool ScoreServer::post(MHD_Connection* connection, Request& request)
{
    if (!m_limiter->allow(RateLimiter::clientKey(request.client), RateLimiter::Clock::now()))
        return page(connection, request, MHD_HTTP_TOO_MANY_REQUESTS, "Too many posts",
                    "Score not recorded: too many scores from your address; try again in a minute.");
    PostCheck check = checkPost(decodeQuery(queryOf(request.target)));
    if (!check.entry)
        return page(connection, request, MHD_HTTP_BAD_REQUEST, "Score not recorded",
                    "Score not recorded: " + check.problem + ".");
    check.entry->origin = RateLimiter::clientKey(request.client);
    // Suspended before the worker can finish, since resuming a connection
    // that is not suspended is not allowed.
    request.queued = std::chrono::steady_clock::now();
    MHD_suspend_connection(connection);
    const bool queued = m_worker->submit(std::move(*check.entry), [connection, &request](StoreWorker::Outcome outcome) {
        request.outcome = postOutcome(outcome);
        MHD_resume_connection(connection);
    });
    if (!queued) {
        request.outcome = PostOutcome::Unavailable;
        MHD_resume_connection(connection);
    }
    return true;
}

bool ScoreServer::listPage(MHD_Connection* connection, Request& request)
{
    const std::lock_guard lock(m_pageMutex);
    const ListPageCache::View view = m_listPage->current(ListPageCache::Clock::now());
    if (view.due)
        m_worker->refreshListPage();
    if (!view.page)
        return page(connection, request, MHD_HTTP_SERVICE_UNAVAILABLE, "High scores",
                    "The high-score list is not available at the moment.");
    if (view.page != m_answeredPage) {
        // Connections still sending the old answer keep it alive.
        if (m_pageResponse)
            MHD_destroy_response(m_pageResponse);
        m_pageResponse = MHD_create_response_from_buffer(view.page->size(), const_cast<char*>(view.page->data()),
                                                         MHD_RESPMEM_MUST_COPY);
        MHD_add_response_header(m_pageResponse, MHD_HTTP_HEADER_CONTENT_TYPE, kHtml);
        m_answeredPage = view.page;
    }
    return respond(connection, request, MHD_HTTP_OK, m_pageResponse, view.page->size());
}

bool ScoreServer::file(MHD_Connection* connection, Request& request, const std::filesystem::path& path)
{
    // Opened at each request, so the file can be replaced while serving;
    // the length is the size at opening.
    const int fd = path.empty() ? -1 : ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat info {};
    if (fd < 0 || ::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        if (fd >= 0)
            ::close(fd);
        return page(connection, request, MHD_HTTP_NOT_FOUND, "Not found", "No such file is offered here.");
    }
    const auto size = static_cast<std::uint64_t>(info.st_size);
    MHD_Response* response = MHD_create_response_from_fd64(size, fd); // closes fd when done
    if (response == nullptr) {
        ::close(fd);
        return false;
    }
    MHD_add_response_header(response, MHD_HTTP_HEADER_CONTENT_TYPE, "application/octet-stream");
    const bool queued = respond(connection, request, MHD_HTTP_OK, response, static_cast<std::size_t>(size));
    MHD_destroy_response(response);
    return queued;
}

bool ScoreServer::respond(MHD_Connection* connection, Request& request, int status, MHD_Response* response,
                          std::size_t bytes)
{
    request.answered = true;
    request.status = status;
    request.bytes = bytes;
    return response != nullptr && MHD_queue_response(connection, static_cast<unsigned>(status), response) == MHD_YES;
}

bool ScoreServer::page(MHD_Connection* connection, Request& request, int status, std::string_view title,
                       std::string_view sentence, const char* allow)
{
    std::string body = renderMessagePage(title, sentence);
    MHD_Response* response = MHD_create_response_from_buffer(body.size(), body.data(), MHD_RESPMEM_MUST_COPY);
    if (response == nullptr)
        return false;
    MHD_add_response_header(response, MHD_HTTP_HEADER_CONTENT_TYPE, kHtml);
    if (allow != nullptr)
        MHD_add_response_header(response, MHD_HTTP_HEADER_ALLOW, allow);
    if (status == MHD_HTTP_TOO_MANY_REQUESTS)
        MHD_add_response_header(response, MHD_HTTP_HEADER_RETRY_AFTER, kRetryAfterPostLimit);
    else if (status == MHD_HTTP_SERVICE_UNAVAILABLE)
        MHD_add_response_header(response, MHD_HTTP_HEADER_RETRY_AFTER, kRetryAfterUnavailable);
    const bool queued = respond(connection, request, status, response, body.size());
    MHD_destroy_response(response);
    return queued;
}

void ScoreServer::finishRequest(MHD_Connection* connection, const Request* request)
{
    // A request the library refused on its own (a line or header too long)
    // never reached the handler: its status is whatever the library sent.
    int status = request != nullptr ? request->status : 0;
    if (status == 0) {
        if (const auto* info = MHD_get_connection_info(connection, MHD_CONNECTION_INFO_HTTP_STATUS))
            status = static_cast<int>(info->http_status);
    }
    if (request == nullptr && status == 0)
        return; // a connection that ended without a request
    std::string client = request != nullptr ? request->client : std::string();
    int socket = request != nullptr ? request->socket : -1;
    if (request == nullptr) {
        if (const auto* info = MHD_get_connection_info(connection, MHD_CONNECTION_INFO_CLIENT_ADDRESS))
            client = clientAddressText(info->client_addr);
        if (const auto* info = MHD_get_connection_info(connection, MHD_CONNECTION_INFO_CONNECTION_FD))
            socket = info->connect_fd;
    }
    m_gate->requestEnded(socket);

    const std::string_view target = request != nullptr ? std::string_view(request->target) : std::string_view("-");
    const std::string_view path = target.substr(0, target.find('?'));
    if (path == kPostPath) {
        if (status == MHD_HTTP_OK)
            m_metrics->countPost(ServerMetrics::PostResult::Stored);
        else if (status == MHD_HTTP_BAD_REQUEST)
            m_metrics->countPost(ServerMetrics::PostResult::Invalid);
        else if (status == MHD_HTTP_TOO_MANY_REQUESTS)
            m_metrics->countPost(ServerMetrics::PostResult::RateLimited);
        else if (status == MHD_HTTP_SERVICE_UNAVAILABLE)
            m_metrics->countPost(ServerMetrics::PostResult::Unavailable);
    } else if (path == kListPath) {
        m_metrics->countListRequest();
    }
    if (!m_settings.log)
        return;
    const auto known = [](const std::string* text) {
        return text == nullptr || text->empty() ? std::string_view("-") : std::string_view(*text);
    };
    m_settings.log(formatRequestLine({std::chrono::system_clock::now(), client,
                                      known(request != nullptr ? &request->method : nullptr), target,
                                      known(request != nullptr ? &request->version : nullptr), status,
                                      request != nullptr ? request->bytes : 0}));
}
