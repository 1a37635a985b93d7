#include "server/scoreserver.h"

#include <fcntl.h>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

#include "server/guardedhttpserver.h"
#include "server/listpage.h"
#include "server/listpagecache.h"
#include "server/postvalidator.h"
#include "server/querydecoder.h"
#include "server/ratelimiter.h"
#include "server/requestlog.h"
#include "server/scorestore.h"
#include "server/storeerror.h"

namespace {
constexpr const char* kHtml = "text/html; charset=utf-8";
constexpr std::size_t kInstallerChunk = 64 * 1024;

std::string routePattern(std::string_view path)
{
    std::string pattern;
    for (const char c : path) {
        if (c == '.')
            pattern += '\\';
        pattern += c;
    }
    return pattern;
}

void answerPage(httplib::Response& response, int status, std::string_view title, std::string_view sentence)
{
    response.status = status;
    response.set_content(renderMessagePage(title, sentence), kHtml);
}

// Closes the installer once the library is done with the answer.
struct OpenFile {
    explicit OpenFile(int descriptor) : fd(descriptor) {}
    ~OpenFile() { ::close(fd); }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    const int fd;
};
} // namespace

ScoreServer::ScoreServer(ScoreStore& store, ServerSettings settings)
    : m_store(store),
      m_settings(std::move(settings)),
      m_http(std::make_unique<GuardedHttpServer>(m_settings.limits)),
      m_limiter(std::make_unique<RateLimiter>(m_settings.postLimit)),
      m_listPage(std::make_unique<ListPageCache>(store, m_settings.listPageMaxAge))
{
    m_http->Get(routePattern(kPostPath), [this](const httplib::Request& q, httplib::Response& r) { postScore(q, r); });
    m_http->Get(routePattern(kListPath), [this](const httplib::Request&, httplib::Response& r) { listPage(r); });
    m_http->Get(routePattern(kVersionPath), [this](const httplib::Request&, httplib::Response& r) { versionFile(r); });
    m_http->Get(routePattern(kInstallerPath), [this](const httplib::Request&, httplib::Response& r) { installer(r); });
    m_http->Get(".*", [](const httplib::Request&, httplib::Response& r) {
        answerPage(r, 404, "Not found", "There is nothing at this address.");
    });
    m_http->set_exception_handler([](const httplib::Request&, httplib::Response& r, std::exception_ptr) {
        answerPage(r, 500, "Server error", "The server could not answer this request.");
    });
    if (m_settings.log)
        m_http->set_logger([this](const httplib::Request& q, const httplib::Response& r) { logRequest(q, r); });
}

ScoreServer::~ScoreServer() = default;

int ScoreServer::bind()
{
    const int port = m_http->bindTo(m_settings.host, m_settings.port);
    if (port < 0)
        throw std::runtime_error("cannot listen on " + m_settings.host + ":" + std::to_string(m_settings.port));
    return port;
}

void ScoreServer::run()
{
    m_http->listen_after_bind();
}

void ScoreServer::stop()
{
    m_http->halt();
}

void ScoreServer::postScore(const httplib::Request& request, httplib::Response& response)
{
    // The library sends HEAD to GET routes; a link checker must not post.
    if (request.method != "GET") {
        response.set_header("Allow", "GET");
        answerPage(response, 405, "Score not recorded", "Score not recorded: scores are posted with GET.");
        return;
    }
    if (!m_limiter->allow(RateLimiter::clientKey(request.remote_addr), RateLimiter::Clock::now())) {
        response.set_header("Retry-After", "60");
        answerPage(response, 429, "Too many posts", "Score not recorded: too many scores from your address; try again in a minute.");
        return;
    }
    const PostCheck check = checkPost(decodeQuery(queryOf(request.target)));
    if (!check.entry) {
        answerPage(response, 400, "Score not recorded", "Score not recorded: " + check.problem + ".");
        return;
    }
    try {
        m_store.add(*check.entry);
    } catch (const StoreError&) {
        answerPage(response, 503, "Score not recorded", "Score not recorded: the score table is not available.");
        return;
    }
    m_listPage->invalidate();
    answerPage(response, 200, "Score recorded", "Score recorded.");
}

void ScoreServer::listPage(httplib::Response& response)
{
    try {
        const auto page = m_listPage->page();
        response.set_content(*page, kHtml);
    } catch (const StoreError&) {
        answerPage(response, 503, "High scores", "The high-score list is not available at the moment.");
    }
}

void ScoreServer::versionFile(httplib::Response& response) const
{
    if (!m_settings.versionText) {
        response.status = 404;
        return;
    }
    response.set_content(*m_settings.versionText, "text/plain");
}

void ScoreServer::installer(httplib::Response& response) const
{
    const int fd = m_settings.installer.empty() ? -1 : ::open(m_settings.installer.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat info {};
    if (fd < 0 || ::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        if (fd >= 0)
            ::close(fd);
        answerPage(response, 404, "Not found", "No installer is offered here.");
        return;
    }
    auto file = std::make_shared<OpenFile>(fd);
    // Content-Length is the size at opening; a file replaced meanwhile is
    // still read through the handle opened here.
    response.set_content_provider(
        static_cast<std::size_t>(info.st_size), "application/octet-stream",
        [file](std::size_t offset, std::size_t length, httplib::DataSink& sink) {
            char buffer[kInstallerChunk];
            const ssize_t got = ::pread(file->fd, buffer, std::min(length, sizeof buffer), static_cast<off_t>(offset));
            if (got <= 0)
                return false; // shrunk or unreadable: end the answer short rather than pad it
            return sink.write(buffer, static_cast<std::size_t>(got));
        });
}

void ScoreServer::logRequest(const httplib::Request& request, const httplib::Response& response) const
{
    std::size_t bytes = response.body.size();
    if (response.has_header("Content-Length"))
        bytes = std::strtoull(response.get_header_value("Content-Length").c_str(), nullptr, 10);
    m_settings.log(formatRequestLine({std::chrono::system_clock::now(), request.remote_addr, request.method,
                                      request.target, request.version, response.status, bytes}));
}
