// SPDX-License-Identifier: MIT
#pragma once
#include <functional>
#include <memory>

#include <QByteArray>
#include <QObject>
#include <QString>

#include "net/httplimits.h"
#include "net/wiretext.h"
#include "protocol/wirecontract.h"

class FetchTransfer;
template <typename T> class QFutureWatcher;

// Fetches one address over HTTP on a pool thread (QtConcurrent) and hands
// the whole body back on the thread that owns the component. One fetch at a time: starting
// another cancels the one under way, which then reports nothing. Each fetch
// ends with exactly one of OnDoneString (a whole, non-empty body arrived,
// whatever the HTTP status) or OnError (a body cut short, any transfer
// error, a time-out of Timeouts, a refused redirect or certificate).
// "https://" addresses are fetched over TLS, certificates checked against
// the system's store. Destroying the component stops its fetch at once,
// and no event reaches a destroyed component. Destroy it on its own thread
// before the QCoreApplication; a handler that wants it gone uses deleteLater().
class BackgroundFetch : public QObject {
    Q_OBJECT
public:
    using ProgressEvent = std::function<void(BackgroundFetch* Sender, long long TotalSize, long long Readed)>;
    using DoneFileEvent = std::function<void(QObject* Sender, const QString& FileName, long long FileSize)>;
    using DoneStringEvent = std::function<void(QObject* Sender, const QByteArray& Result)>;
    using NotifyEvent = std::function<void(QObject* Sender)>;

    explicit BackgroundFetch(QObject* parent = nullptr);
    ~BackgroundFetch() override;

    // Starts fetching URL; the body becomes OnDoneString's Result. A fetch
    // still under way is cancelled first, so a hung one never holds the next.
    void FetchString();
    // As FetchString, but the body is written to FileName (replacing it
    // whole) and reported through OnDoneFile.
    void FetchFile();
    // Asks the running fetch to end; its completion then reports failure.
    void Stop();

    [[nodiscard]] bool Busy() const { return m_transfer != nullptr; }
    // Whether the last completed fetch succeeded.
    [[nodiscard]] bool Succeeded() const { return m_success; }
    // The HTTP status of the last completed fetch's answer, 0 when none came.
    [[nodiscard]] int StatusCode() const { return m_statusCode; }
    // Body bytes the last completed fetch took in.
    [[nodiscard]] long long Received() const { return m_received; }
    // Why the last completed fetch failed (the library's or our own words),
    // empty after a success.
    [[nodiscard]] QString ErrorText() const { return m_errorText; }

    // Settings, copied by each fetch when it starts.
    QString AcceptTypes = QStringLiteral("*/*");
    QString Agent = wireText(wire::kFetchAgent); // empty sends no User-Agent
    bool BinaryData = false; // an answer without Content-Length is then a failure
    QString URL;             // "http://host[:port]/path?query"
    bool UseCache = false;   // false asks every cache on the way to go to the server
    QString FileName;
    QString UserName;
    QString Password;
    QString PostQuery;       // not empty: the request is a form POST with this body
    QString Referer;
    // Largest body taken, 0 for any. A larger Content-Length, more bytes than
    // this, or a header block past HttpLimits::kHeaderBlock ends the fetch as
    // a failure.
    long long MaxBodySize = 0;
    // Connect, stall and total limits of each fetch (redirects included).
    HttpTimeouts Timeouts;
    // Whether a redirect may lead to another host. A post (PostQuery) never
    // follows one there, nor does any fetch go from https back to http.
    bool OtherHostRedirects = true;
    // A PEM file of certificates trusted besides the system's store; empty
    // for the store alone.
    QString CaCertificates;

    // Events, on the component's thread. OnProgress follows each body chunk
    // of at most 1025 bytes; TotalSize is the Content-Length, 0 without one.
    // The transfer does not wait for it, and a fetch that was cancelled or
    // stopped reports no progress still queued.
    ProgressEvent OnProgress;
    DoneFileEvent OnDoneFile;
    DoneStringEvent OnDoneString;
    NotifyEvent OnError;

private:
    struct Gate;
    void start(bool toFile);
    void complete();
    void cancel();

    std::shared_ptr<Gate> m_gate;
    std::shared_ptr<FetchTransfer> m_transfer;
    QFutureWatcher<void>* m_watcher;
    unsigned m_serial = 0; // of the fetch under way, so a replaced one's progress is dropped
    bool m_success = false;
    int m_statusCode = 0;
    long long m_received = 0;
    QString m_errorText;
};
