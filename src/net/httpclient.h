// SPDX-License-Identifier: MIT
#pragma once
#include <functional>
#include <memory>
#include <string>

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QStringList>

#include "net/httpexception.h"
#include "net/httpanswerparser.h"
#include "net/httplimits.h"
#include "net/urlsplit.h"
#include "net/wiretext.h"
#include "protocol/wirecontract.h"

class QIODevice;
class QTimer;
class ClientSocket;

// An HTTP/1.0 and 1.1 client driven by the owning thread's event loop: look
// up the host, connect, send the request, read the header, read the body,
// following redirects. The start calls return at once and every request
// ends with requestDone; the status then tells how: 400 or more is a
// failure, 404 with the client's own reason when it failed on its side.
// Timeouts bounds the connection, each silence and the whole request, and a
// new request cancels one still under way (which ends as aborted).
// "https://" goes over TLS with the system's certificates. Without a Proxy
// the environment's proxy rule (proxyrule.h) applies; https through a proxy
// goes through a CONNECT tunnel.
// A handler that wants the client gone uses deleteLater(); a client
// destroyed mid-request reports nothing more.
class HttpClient : public QObject, private HttpAnswerParser::Events {
    Q_OBJECT
public:
    enum class HttpRequest { Abort, Get, Post, Put, Head };
    Q_ENUM(HttpRequest)
    enum class HttpState {
        Ready,
        NotConnected,
        Connected,
        DnsLookup,
        DnsLookupDone,
        WaitingHeader,
        WaitingBody,
        BodyReceived,
        WaitingProxyConnect,
        Aborting,
    };

    using NotifyEvent = std::function<void(QObject* Sender)>;
    using CommandEvent = std::function<void(QObject* Sender, QString& S)>;

    // Bytes of SendStream sent at a time.
    static constexpr qint64 kSendChunk = 8193;
    // Receive-buffer fills handled per socket notification at most.
    static constexpr int kReadsPerEvent = 16;

    explicit HttpClient(QObject* parent = nullptr);
    ~HttpClient() override;

    // Start a request; a request still under way is aborted first. Post and
    // Put throw code 2 without a SendStream.
    void GetAsync();
    void PostAsync();
    void PutAsync();
    void HeadAsync();
    // Ends the request under way with status 404, "Connection aborted on request".
    void Abort();

    void SetRequestVer(const QString& version); // throws code 5 unless "1.0" or "1.1"

    // The answer.
    [[nodiscard]] int StatusCode() const { return m_statusCode; }
    [[nodiscard]] QString ReasonPhrase() const { return m_reasonPhrase; }
    [[nodiscard]] long long ContentLength() const { return answer().contentLength; }
    [[nodiscard]] QString ContentType() const { return QString::fromStdString(answer().contentType); }
    [[nodiscard]] QString Location() const { return m_location; }
    [[nodiscard]] QStringList RcvdHeader() const;
    [[nodiscard]] long long RcvdCount() const { return answer().receivedCount; }
    [[nodiscard]] QString DocName() const { return m_docName; }
    [[nodiscard]] HttpState State() const { return m_state; }

    // Settings.
    QString URL;
    QString LocalAddr = QStringLiteral("0.0.0.0");
    QString Proxy;
    QString ProxyPort = QStringLiteral("80");
    QString Sender;
    QString Agent = wireText(wire::kClientAgent);
    QString Accept = QStringLiteral("image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, */*");
    QString AcceptLanguage;
    QString Reference;
    QString Connection;
    QString Username;
    QString Password;
    QString ProxyUsername;
    QString ProxyPassword;
    bool NoCache = false;
    QDateTime ModifiedSince; // null: no If-Modified-Since
    QString Cookie;
    QString ContentTypePost = QStringLiteral("application/x-www-form-urlencoded");
    QString ContentRangeBegin;
    QString ContentRangeEnd;
    QString AcceptRanges;
    // Largest body taken, 0 for any; a larger Content-Length, or more bytes
    // than this, ends the request as the client's failure.
    long long MaxBodySize = 0;
    // Connect (lookup and TLS included), stall and total limits of a request;
    // the total covers its redirects. Zero sets no limit of that kind.
    HttpTimeouts Timeouts;
    // A PEM file of certificates trusted besides the system's store.
    QString CaCertificates;
    // Not owned. The body goes to ReceiveStream when set; SendStream is the
    // body of a POST or PUT, sent from its current position to its end.
    QIODevice* ReceiveStream = nullptr;
    QIODevice* SendStream = nullptr;

    // Events, on the owning thread.
    NotifyEvent OnSessionConnected;
    CommandEvent OnCommand;
    NotifyEvent OnDocBegin;
    NotifyEvent OnDocEnd;
    NotifyEvent OnLocationChange;

signals:
    // The end of a request, queued after it: `error` is 0, a socket error,
    // or a HttpError (Aborted, LineTooLong). An Abort of an idle client
    // reports HttpRequest::Abort at once.
    void requestDone(HttpClient::HttpRequest request, int error);

public:
    // The request text for the current settings and target: the request
    // line, the header lines, the empty line. Exposed for tests of the wire form.
    [[nodiscard]] QByteArray requestText();

private:
    struct Target {
        UrlParts url;            // with the defaults filled in
        QString connectHost;     // the host or the proxy
        QString connectPort;
        QString requestTarget;   // the path, or the full address through a proxy
        bool secure = false;     // https
        bool tunnel = false;     // https through a proxy: CONNECT first
        bool unusableProxy = false;
        QString proxyUser;
        QString proxyPassword;
    };

    [[nodiscard]] const HttpAnswerParser::Answer& answer() const { return m_parser.answer(); }
    [[nodiscard]] Target targetFor(const std::string& location) const;
    void startRequest(HttpRequest request);
    void startConnection();
    void dnsLookupDone(int error);
    void sessionConnected(int error);
    void connected();
    void sendTunnelRequest();
    void tunnelAnswered(HttpAnswerParser::Outcome outcome);
    void startTls();
    void tlsDone(int error);
    void startTimers();
    void timedOut(const QString& reason, int error);
    void noteActivity();
    void sendBodyChunk();
    void lineTooLong();
    // The one end of a request that failed on the client's side: status 404
    // with the reason, the connection dropped, the document ended.
    void failRequest(const QString& reason);
    // Stops the body where it stands; the request then fails with the reason.
    void haltDoc(const QString& reason);
    void adjustDocName();
    [[nodiscard]] std::string redirectLocation();
    void dataAvailable(int error);
    void sessionClosed(int error);
    void connectionClosed(int error);
    void answerEnded(HttpAnswerParser::Outcome outcome);
    void followRedirect();
    void restartAfterRedirect();
    void postRestart();
    void failSocket(const QString& reason, int error);
    void dropSocket(bool hard = false);
    void finishDoc();
    void setState(HttpState state);
    void resetAnswer();
    [[nodiscard]] bool keepAlive() const;
    [[nodiscard]] HttpAnswerParser::Request parserRequest() const;
    [[nodiscard]] bool sameConnection(const Target& target) const;
    void fire(const NotifyEvent& event) { if (event) event(this); }

    // HttpAnswerParser::Events
    void headerData() override;
    void headerEnd() override;
    void bodyBegins() override;
    void docBegin() override;
    void docData(const char* data, std::size_t size) override;

    std::unique_ptr<ClientSocket> m_socket;
    HttpAnswerParser m_parser{*this};
    HttpState m_state = HttpState::Ready;
    HttpRequest m_requestType = HttpRequest::Get;
    QString m_requestVer = QStringLiteral("1.0");
    Target m_target;
    QString m_connectedHost; // where the open socket goes, for reuse
    QString m_connectedPort;
    std::string m_connectedProto;
    bool m_socketKeepsAlive = false;
    int m_statusCode = 0;
    QString m_reasonPhrase;
    QString m_location;
    QString m_docName;
    int m_requestError = 0;
    int m_redirects = 0;
    bool m_docEnded = false;
    bool m_sendingBody = false;
    QString m_haltReason;        // why the body was stopped, empty while it flows
    bool m_dropping = false;     // our own close: its event is not a peer's
    bool m_redirectPending = false; // follow Location once the socket has closed
    long long m_skipOnReuse = 0;
    unsigned m_restartSerial = 0;
    QTimer* m_connectTimer = nullptr;
    QTimer* m_stallTimer = nullptr;
    QTimer* m_totalTimer = nullptr;
};
