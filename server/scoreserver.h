#pragma once
#include <memory>

#include "server/serversettings.h"

class GuardedHttpServer;
class ListPageCache;
class RateLimiter;
class ScoreStore;
namespace httplib {
struct Request;
struct Response;
} // namespace httplib

// The online side of the game: score posts, the high-score list page, the
// version file and the installer, at the paths the game asks for.
class ScoreServer {
public:
    static constexpr const char* kPostPath = "/cgi-bin/pelbixsolo.cgi";
    static constexpr const char* kListPath = "/counter/pelbixsolo.shtml";
    static constexpr const char* kVersionPath = "/pelbixsolo/pelbixsoloversion.txt";
    static constexpr const char* kInstallerPath = "/pelbixsolo/qztsetup.exe";

    ScoreServer(ScoreStore& store, ServerSettings settings);
    ~ScoreServer();
    ScoreServer(const ScoreServer&) = delete;
    ScoreServer& operator=(const ScoreServer&) = delete;

    // Binds the listening socket; returns the port. Throws std::runtime_error.
    int bind();
    // Serves until stop(); call after bind().
    void run();
    // Safe from any thread, also before run() has started.
    void stop();

private:
    void postScore(const httplib::Request& request, httplib::Response& response);
    void listPage(httplib::Response& response);
    void versionFile(httplib::Response& response) const;
    void installer(httplib::Response& response) const;
    void logRequest(const httplib::Request& request, const httplib::Response& response) const;

    ScoreStore& m_store;
    const ServerSettings m_settings;
    std::unique_ptr<GuardedHttpServer> m_http;
    std::unique_ptr<RateLimiter> m_limiter;
    std::unique_ptr<ListPageCache> m_listPage;
};
