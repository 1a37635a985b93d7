// SPDX-License-Identifier: MIT
#include "net/fetchtransfer.h"

#include <algorithm>
#include <chrono>
#include <curl/curl.h>
#include <string_view>
#include <utility>

#include "net/httpfield.h"
#include "net/httpgeturl.h"
#include "net/httplimits.h"
#include "net/proxyrule.h"

namespace {

constexpr int kPollMilliseconds = 1000;
constexpr char kFormContentType[] = "Content-Type: application/x-www-form-urlencoded";

// Bytes that would break the request line (spaces, controls, non-ASCII) or
// cut the address short ("#") go out percent-encoded, so the server decodes
// what the caller wrote; everything else is sent exactly as written.
std::string requestTarget(const std::string& path)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string target;
    for (unsigned char c : path) {
        if (c <= 0x20 || c >= 0x7F || c == '#') {
            target += '%';
            target += kHex[c >> 4];
            target += kHex[c & 0x0F];
        } else {
            target += static_cast<char>(c);
        }
    }
    return target;
}

// Called by the library while it waits as well as while data flows.
int onXferInfo(void* self, curl_off_t, curl_off_t, curl_off_t, curl_off_t uploaded)
{
    return static_cast<FetchTransfer*>(self)->transferTick(uploaded) ? 1 : 0;
}

struct CurlGlobal {
    CurlGlobal() { curl_global_init(CURL_GLOBAL_DEFAULT); }
};

} // namespace

FetchTransfer::FetchTransfer(Settings settings, Progress progress)
    : m_settings(std::move(settings)), m_progress(std::move(progress))
{
    // Once per process, before any transfer runs: the library's set-up is not thread-safe.
    static CurlGlobal global;
}

FetchTransfer::~FetchTransfer() = default;

void FetchTransfer::run()
{
    fetch();
}

void FetchTransfer::requestStop()
{
    m_stop = true;
    std::lock_guard lock(m_mutex);
    if (m_multi)
        curl_multi_wakeup(static_cast<CURLM*>(m_multi));
}

void FetchTransfer::fail(const char* pattern, std::string detail)
{
    ErrorPattern = pattern;
    ErrorDetail = std::move(detail);
}

void FetchTransfer::fetch()
{
    HttpGetTarget target = splitHttpGetUrl(m_settings.URL);
    const std::string firstHost = target.host;
    bool post = !m_settings.PostQuery.empty();
    m_started = Clock::now();
    for (int redirects = 0;; ++redirects) {
        if (!target.valid()) {
            fail(QT_TRANSLATE_NOOP("FetchTransfer", "no host in the address"));
            return;
        }
        // The user name and password are for the host they were given for.
        const Hop hop = transfer(target, post, HttpField::equalNoCase(target.host, firstHost));
        if (!hop.ok || m_stop || m_overLimit)
            return;
        if (!m_redirecting)
            break;
        const HttpGetTarget next = splitHttpGetUrl(hop.redirect);
        if (redirects >= HttpLimits::kRedirects) {
            fail(QT_TRANSLATE_NOOP("FetchTransfer", "too many redirects"));
            return;
        }
        if (!redirectAllowed(target, next, post)) {
            fail(QT_TRANSLATE_NOOP("FetchTransfer", "redirect refused: %1"), hop.redirect);
            return;
        }
        // As browsers do: only 307 and 308 repeat a post.
        post = post && (hop.status == 307 || hop.status == 308);
        target = next;
    }

    // The last piece shorter than a chunk is reported here.
    if (!m_pending.isEmpty()) {
        const QByteArray last = std::exchange(m_pending, QByteArray());
        if (!deliverChunk(last.constData(), static_cast<std::size_t>(last.size())))
            return;
    }
    if (m_settings.BinaryData && !m_haveContentLength) {
        fail(QT_TRANSLATE_NOOP("FetchTransfer", "no Content-Length"));
        return;
    }
    Success = Readed != 0;
    if (!Success)
        fail(QT_TRANSLATE_NOOP("FetchTransfer", "empty answer"));
}

bool FetchTransfer::redirectAllowed(const HttpGetTarget& from, const HttpGetTarget& to, bool post) const
{
    if (!to.valid() || (from.secure() && !to.secure()))
        return false; // never from TLS back to plain text
    if (m_settings.OtherHostRedirects && !post)
        return true;
    return HttpField::equalNoCase(from.host, to.host);
}

FetchTransfer::Hop FetchTransfer::transfer(const HttpGetTarget& target, bool post, bool withCredentials)
{
    Hop hop;
    const ProxyRoute proxy = proxyRouteFor(target.scheme, target.host);
    if (proxy.unusable) {
        fail(QT_TRANSLATE_NOOP("FetchTransfer", "unusable proxy setting"));
        return hop;
    }
    CURL* easy = curl_easy_init();
    CURLM* multi = curl_multi_init();
    if (!easy || !multi) {
        curl_easy_cleanup(easy);
        curl_multi_cleanup(multi);
        fail(QT_TRANSLATE_NOOP("FetchTransfer", "libcurl is not available"));
        return hop;
    }
    m_redirecting = false;
    m_answerStatus = 0;
    m_lastActivity = Clock::now();
    m_uploaded = 0;

    const bool defaultPort = target.port == (target.secure() ? 443 : 80);
    const std::string url = target.scheme + "://" + target.host +
                            (defaultPort ? std::string() : ":" + std::to_string(target.port)) +
                            requestTarget(target.path);
    curl_easy_setopt(easy, CURLOPT_URL, url.c_str());
    curl_easy_setopt(easy, CURLOPT_PATH_AS_IS, 1L);
    curl_easy_setopt(easy, CURLOPT_HTTP_VERSION, CURL_HTTP_VERSION_1_0);
    curl_easy_setopt(easy, CURLOPT_PROTOCOLS_STR, "http,https");
    // Redirects are followed here, one transfer each, so that each target
    // can be judged before anything is sent to it.
    curl_easy_setopt(easy, CURLOPT_FOLLOWLOCATION, 0L);
    curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
    // A stop must not wait for a name lookup that hangs in the resolver's thread.
    curl_easy_setopt(easy, CURLOPT_QUICK_EXIT, 1L);
    curl_easy_setopt(easy, CURLOPT_BUFFERSIZE, static_cast<long>(kChunkSize));
    char errorBuffer[CURL_ERROR_SIZE] = {};
    curl_easy_setopt(easy, CURLOPT_ERRORBUFFER, errorBuffer);
    if (m_settings.Timeouts.connect.count() > 0)
        curl_easy_setopt(easy, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(m_settings.Timeouts.connect.count()));
    // Certificates are checked against the system's store (the library's default).
    if (!m_settings.CaCertificates.empty())
        curl_easy_setopt(easy, CURLOPT_CAINFO, m_settings.CaCertificates.c_str());
    // The proxy rule decided already; the library must not read the environment again.
    const std::string proxyUrl = proxy.url();
    curl_easy_setopt(easy, CURLOPT_PROXY, proxyUrl.c_str());
    curl_easy_setopt(easy, CURLOPT_NOPROXY, "");
    if (!proxy.user.empty()) {
        curl_easy_setopt(easy, CURLOPT_PROXYUSERNAME, proxy.user.c_str());
        curl_easy_setopt(easy, CURLOPT_PROXYPASSWORD, proxy.password.c_str());
    }
    if (!m_settings.Agent.empty())
        curl_easy_setopt(easy, CURLOPT_USERAGENT, m_settings.Agent.c_str());
    if (!m_settings.Referer.empty())
        curl_easy_setopt(easy, CURLOPT_REFERER, m_settings.Referer.c_str());
    if (withCredentials && !m_settings.UserName.empty())
        curl_easy_setopt(easy, CURLOPT_USERNAME, m_settings.UserName.c_str());
    if (withCredentials && !m_settings.Password.empty())
        curl_easy_setopt(easy, CURLOPT_PASSWORD, m_settings.Password.c_str());

    curl_slist* headers = nullptr;
    // "Accept:" with no value keeps the library from sending its own.
    const std::string accept = "Accept:" + (m_settings.AcceptTypes.empty() ? "" : " " + m_settings.AcceptTypes);
    headers = curl_slist_append(headers, accept.c_str());
    if (!m_settings.UseCache) {
        headers = curl_slist_append(headers, "Cache-Control: no-cache");
        headers = curl_slist_append(headers, "Pragma: no-cache");
    }
    if (post) {
        headers = curl_slist_append(headers, kFormContentType);
        curl_easy_setopt(easy, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(m_settings.PostQuery.size()));
        curl_easy_setopt(easy, CURLOPT_COPYPOSTFIELDS, m_settings.PostQuery.c_str());
    }
    curl_easy_setopt(easy, CURLOPT_HTTPHEADER, headers);

    curl_easy_setopt(easy, CURLOPT_HEADERFUNCTION, &FetchTransfer::onHeader);
    curl_easy_setopt(easy, CURLOPT_HEADERDATA, this);
    curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, &FetchTransfer::onBody);
    curl_easy_setopt(easy, CURLOPT_WRITEDATA, this);
    curl_easy_setopt(easy, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(easy, CURLOPT_XFERINFOFUNCTION, &onXferInfo);
    curl_easy_setopt(easy, CURLOPT_XFERINFODATA, this);

    curl_multi_add_handle(multi, easy);
    hop.ok = drive(multi, easy);
    if (!hop.ok && !ErrorPattern) {
        if (errorBuffer[0] != '\0')
            fail(kLibraryMessage, errorBuffer); // the library's own words, never translated
        else
            fail(QT_TRANSLATE_NOOP("FetchTransfer", "transfer failed"));
    }
    if (curl_easy_getinfo(easy, CURLINFO_RESPONSE_CODE, &hop.status) == CURLE_OK)
        StatusCode = static_cast<int>(hop.status);
    char* location = nullptr;
    if (m_redirecting && curl_easy_getinfo(easy, CURLINFO_REDIRECT_URL, &location) == CURLE_OK && location)
        hop.redirect = location;
    m_redirecting = m_redirecting && !hop.redirect.empty();
    curl_multi_remove_handle(multi, easy);
    curl_easy_cleanup(easy);
    curl_multi_cleanup(multi);
    curl_slist_free_all(headers);
    return hop;
}

bool FetchTransfer::drive(void* multiHandle, void* easyHandle)
{
    auto* multi = static_cast<CURLM*>(multiHandle);
    {
        std::lock_guard lock(m_mutex);
        m_multi = multi;
    }
    const HttpTimeouts& limits = m_settings.Timeouts;
    // requestStop() wakes the poll, so a server that never answers cannot
    // keep this thread (or the program's exit) waiting; the time-outs below
    // end it without a stop.
    int running = 1;
    while (!m_stop) {
        if (curl_multi_perform(multi, &running) != CURLM_OK || running == 0)
            break;
        const auto now = Clock::now();
        auto wait = std::chrono::milliseconds(kPollMilliseconds);
        if (limits.stall.count() > 0) {
            const auto left =
                limits.stall - std::chrono::duration_cast<std::chrono::milliseconds>(now - m_lastActivity);
            if (left.count() <= 0) {
                fail(QT_TRANSLATE_NOOP("FetchTransfer", "no data for %1 ms"), std::to_string(limits.stall.count()));
                break;
            }
            wait = std::min(wait, left);
        }
        if (limits.total.count() > 0) {
            const auto left = limits.total - std::chrono::duration_cast<std::chrono::milliseconds>(now - m_started);
            if (left.count() <= 0) {
                fail(QT_TRANSLATE_NOOP("FetchTransfer", "no complete answer within %1 ms"), std::to_string(limits.total.count()));
                break;
            }
            wait = std::min(wait, left);
        }
        curl_multi_poll(multi, nullptr, 0, static_cast<int>(std::max<long long>(1, wait.count())), nullptr);
    }
    {
        std::lock_guard lock(m_mutex);
        m_multi = nullptr;
    }
    if (running != 0 || m_stop)
        return false;
    // The transfer's own result: a body cut short, a reset or a bad
    // certificate all end here as failures.
    int queued = 0;
    while (CURLMsg* message = curl_multi_info_read(multi, &queued)) {
        if (message->msg == CURLMSG_DONE && message->easy_handle == easyHandle)
            return message->data.result == CURLE_OK;
    }
    return false;
}

bool FetchTransfer::transferTick(long long uploaded)
{
    if (uploaded != m_uploaded) {
        m_uploaded = uploaded;
        m_lastActivity = Clock::now();
    }
    return m_stop;
}

bool FetchTransfer::deliverChunk(const char* data, std::size_t size)
{
    Result.append(data, static_cast<qsizetype>(size));
    Readed += static_cast<long long>(size);
    if (m_progress)
        m_progress(TotalSize, Readed);
    return !m_stop;
}

std::size_t FetchTransfer::onHeader(char* data, std::size_t size, std::size_t count, void* self)
{
    auto& worker = *static_cast<FetchTransfer*>(self);
    const std::size_t length = size * count;
    static constexpr std::string_view kContentLength = "content-length:";
    const std::string_view line(data, length);
    worker.m_lastActivity = Clock::now();
    static constexpr std::string_view kLocation = "location:";
    if (HttpField::startsWithNoCase(line, "http/")) {
        // A new answer (an interim 100, or a proxy's tunnel answer) replaces the last one's fields.
        worker.m_haveContentLength = false;
        worker.TotalSize = 0;
        worker.m_headerBytes = 0;
        worker.m_redirecting = false;
        const auto space = line.find(' ');
        worker.m_answerStatus =
            space == std::string_view::npos ? 0 : std::atoi(std::string(line.substr(space + 1, 3)).c_str());
    } else if (HttpField::startsWithNoCase(line, kContentLength)) {
        const long long value = HttpField::contentLength(line.substr(kContentLength.size()));
        worker.m_haveContentLength = value >= 0;
        worker.TotalSize = worker.m_haveContentLength ? value : 0;
    } else if (HttpField::startsWithNoCase(line, kLocation)) {
        worker.m_redirecting = worker.m_answerStatus >= 300 && worker.m_answerStatus <= 399;
    } else if (line == "\r\n" || line == "\n") {
        // Known too large before a byte of it comes; a redirect's body is dropped anyway.
        const long long limit = worker.m_settings.MaxBodySize;
        if (!worker.m_redirecting && limit > 0 && worker.TotalSize > limit)
            worker.m_overLimit = true;
    }
    worker.m_headerBytes += static_cast<long long>(length);
    if (worker.m_headerBytes > HttpLimits::kHeaderBlock)
        worker.m_overLimit = true;
    return worker.m_stop || worker.m_overLimit ? 0 : length;
}

std::size_t FetchTransfer::onBody(char* data, std::size_t size, std::size_t count, void* self)
{
    auto& worker = *static_cast<FetchTransfer*>(self);
    const std::size_t length = size * count;
    worker.m_lastActivity = Clock::now();
    if (worker.m_redirecting)
        return worker.m_stop ? 0 : length;
    // Binary data without a length is refused before any of it is read.
    if (worker.m_stop || (worker.m_settings.BinaryData && !worker.m_haveContentLength))
        return 0;
    const long long limit = worker.m_settings.MaxBodySize;
    if (limit > 0 && worker.Readed + worker.m_pending.size() + static_cast<long long>(length) > limit) {
        worker.m_overLimit = true;
        return 0;
    }
    worker.m_pending.append(data, static_cast<qsizetype>(length));
    qsizetype offset = 0;
    while (worker.m_pending.size() - offset >= static_cast<qsizetype>(kChunkSize)) {
        if (!worker.deliverChunk(worker.m_pending.constData() + offset, kChunkSize))
            return 0;
        offset += static_cast<qsizetype>(kChunkSize);
    }
    worker.m_pending.remove(0, offset);
    return length;
}

