// SPDX-License-Identifier: MIT
#pragma once
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <functional>
#include <mutex>
#include <string>

#include <QByteArray>

#include "net/httpgeturl.h"
#include "net/httplimits.h"

class QObject;

// The worker of one BackgroundFetch fetch. It runs on its own thread with copies of
// the component's settings taken when the fetch started, and hands progress
// and completion to the component's thread synchronously: the worker waits
// until the call there has returned, so the component may read the results
// below during such a call without a lock.
//
// The hand-off is gated: once the component has called release(), no call
// reaches it again, and release() returns only when no call is in flight.
class BackgroundFetchThread {
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
        bool WantsProgress = false; // whether OnProgress was assigned at the start
        long long MaxBodySize = 0;  // 0: any size
        HttpTimeouts Timeouts;
        bool OtherHostRedirects = true; // a post never follows one whatever this says
        std::string CaCertificates;     // a PEM file trusted besides the system's store
    };
    using Call = std::function<void(BackgroundFetchThread&)>;

    // Largest body piece read and reported at a time.
    static constexpr std::size_t kChunkSize = 1025;

    // `receiver` lives on the component's thread; `progress` and `done` run
    // there, the first after each chunk (only with WantsProgress), the second
    // once at the end.
    BackgroundFetchThread(Settings settings, QObject* receiver, Call progress, Call done);
    ~BackgroundFetchThread();
    BackgroundFetchThread(const BackgroundFetchThread&) = delete;
    BackgroundFetchThread& operator=(const BackgroundFetchThread&) = delete;

    // The thread's body: fetch, then deliver the completion.
    void run();

    // Asks the worker to end; a transfer waiting on the network notices at once.
    void requestStop();
    [[nodiscard]] bool stopRequested() const { return m_stop.load(); }
    // From the library's progress call on the worker thread: notes bytes
    // sent as activity; returns whether the transfer is to end.
    bool transferTick(long long uploaded);

    // From the component's thread, before the component goes away: stops the
    // worker, closes the gate and delivers (as no-ops) any call in flight.
    void release();

    [[nodiscard]] const Settings& settings() const { return m_settings; }

    // Results; read them only from inside a progress or completion call.
    bool Success = false;
    long long TotalSize = 0; // the Content-Length, 0 when absent or unusable
    long long Readed = 0;    // body bytes read so far
    int StatusCode = 0;      // of the last answer, 0 when none came
    QByteArray Result;
    std::string ErrorText;   // why the fetch failed, empty when it did not

private:
    using Clock = std::chrono::steady_clock;
    struct Hop {
        bool ok = false;
        long status = 0;
        std::string redirect; // the resolved Location of a redirect answer
    };
    bool handOff(const Call& call);
    void fetch();
    Hop transfer(const HttpGetTarget& target, bool post, bool withCredentials);
    // Runs the transfer until it ends, fails, is stopped or runs out of time.
    bool drive(void* multi, void* easy);
    [[nodiscard]] bool redirectAllowed(const HttpGetTarget& from, const HttpGetTarget& to, bool post) const;
    bool deliverChunk(const char* data, std::size_t size);
    static std::size_t onHeader(char* data, std::size_t size, std::size_t count, void* self);
    static std::size_t onBody(char* data, std::size_t size, std::size_t count, void* self);

    const Settings m_settings;
    QObject* const m_receiver;
    const Call m_progress;
    const Call m_done;

    std::atomic<bool> m_stop{false};
    std::mutex m_mutex;                 // guards the gate and the wake-up handle
    std::condition_variable m_idle;     // signalled when a hand-off has returned
    bool m_released = false;
    int m_inFlight = 0;
    bool m_inCall = false;              // a hand-off call runs; receiver's thread only
    void* m_multi = nullptr;            // the libcurl multi handle while a transfer runs

    // Filled while the transfer runs, on the worker thread only.
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
