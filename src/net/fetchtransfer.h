// SPDX-License-Identifier: MIT
#pragma once
#include <atomic>
#include <chrono>
#include <cstddef>
#include <functional>
#include <mutex>
#include <string>

#include <QByteArray>

#include "net/httpgeturl.h"
#include "net/httplimits.h"

// One BackgroundFetch fetch, run to its end by run() on a pool thread with
// copies of the component's settings taken when the fetch started. The
// component reads the results below once run() has returned (its future has
// finished); while it runs, only the progress hook sees them, on the
// transfer's thread.
class FetchTransfer {
public:
    struct Settings {
        std::string AcceptTypes;
        std::string Agent;
        std::string URL;
        std::string FileName;
        std::string UserName;
        std::string Password;
        std::string PostQuery;
        std::string Referer;
        bool BinaryData = false;
        bool UseCache = false;
        bool ToFile = false;
        long long MaxBodySize = 0;  // 0: any size
        HttpTimeouts Timeouts;
        bool OtherHostRedirects = true; // a post never follows one whatever this says
        std::string CaCertificates;     // a PEM file trusted besides the system's store
    };
    // Called on the transfer's thread after each chunk with TotalSize and Readed.
    using Progress = std::function<void(long long totalSize, long long readed)>;

    // Largest body piece read and reported at a time.
    static constexpr std::size_t kChunkSize = 1025;

    // An empty `progress` reports nothing.
    FetchTransfer(Settings settings, Progress progress);
    ~FetchTransfer();
    FetchTransfer(const FetchTransfer&) = delete;
    FetchTransfer& operator=(const FetchTransfer&) = delete;

    // Fetches until the answer is whole, fails, is stopped or runs out of time.
    void run();

    // Asks the transfer to end; one waiting on the network notices at once.
    void requestStop();
    [[nodiscard]] bool stopRequested() const { return m_stop.load(); }
    // From the library's progress call on the transfer's thread: notes bytes
    // sent as activity; returns whether the transfer is to end.
    bool transferTick(long long uploaded);

    [[nodiscard]] const Settings& settings() const { return m_settings; }

    // Results; read them only once run() has returned.
    bool Success = false;
    long long TotalSize = 0; // the Content-Length, 0 when absent or unusable
    long long Readed = 0;    // body bytes read so far
    int StatusCode = 0;      // of the last answer, 0 when none came
    QByteArray Result;
    // Why the fetch failed, none when it did not: a sentence marked for the
    // catalogue (context "FetchTransfer") and what goes in its %1.
    const char* ErrorPattern = nullptr;
    std::string ErrorDetail;
    static constexpr const char* kLibraryMessage = "%1";

private:
    using Clock = std::chrono::steady_clock;
    struct Hop {
        bool ok = false;
        long status = 0;
        std::string redirect; // the resolved Location of a redirect answer
    };
    void fetch();
    void fail(const char* pattern, std::string detail = {});
    Hop transfer(const HttpGetTarget& target, bool post, bool withCredentials);
    // Runs the transfer until it ends, fails, is stopped or runs out of time.
    bool drive(void* multi, void* easy);
    [[nodiscard]] bool redirectAllowed(const HttpGetTarget& from, const HttpGetTarget& to, bool post) const;
    bool deliverChunk(const char* data, std::size_t size);
    static std::size_t onHeader(char* data, std::size_t size, std::size_t count, void* self);
    static std::size_t onBody(char* data, std::size_t size, std::size_t count, void* self);

    const Settings m_settings;
    const Progress m_progress;

    std::atomic<bool> m_stop{false};
    std::mutex m_mutex;                 // guards the wake-up handle
    void* m_multi = nullptr;            // the libcurl multi handle while a transfer runs

    // Filled while the transfer runs, on its thread only.
    QByteArray m_pending;               // body bytes not yet reported as a chunk
    std::string m_contentLength;        // raw value of the last answer's header
    bool m_haveContentLength = false;
    long long m_headerBytes = 0;        // of the current answer's header
    bool m_overLimit = false;           // the answer went past a limit: a failure
    bool m_redirecting = false;         // the current answer is a redirect: its body is dropped
    int m_answerStatus = 0;             // of the current answer
    Clock::time_point m_started;        // of the whole fetch, redirects included
    Clock::time_point m_lastActivity;   // the last byte either way
    long long m_uploaded = 0;
};
