// SPDX-License-Identifier: MIT
#include "net/httpclient.h"

#include <QCoreApplication>
#include <QIODevice>
#include <QMetaObject>
#include <QTimer>

#include "net/socketexception.h"
#include "net/httpfield.h"
#include "net/httplimits.h"
#include "net/proxyrule.h"
#include "net/clientsocket.h"
#include "net/wsocketerror.h"

namespace {

constexpr int kClientFailure = static_cast<int>(HttpError::ClientFailure);
constexpr int kFirstErrorStatus = 400;

const char* const kAborted = QT_TRANSLATE_NOOP("HttpClient", "Connection aborted on request");

QString latin(const std::string& text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

std::string stripFragment(const std::string& text)
{
    return text.substr(0, text.find('#'));
}

QString socketErrorText(int error)
{
    return QCoreApplication::translate("HttpClient", "%1 (Error #%2)")
        .arg(wsocketerror::translatedDesc(error), QString::number(error));
}

// "Sun, 06 Nov 1994 08:49:37", always in English and in UTC.
QString httpDate(const QDateTime& when)
{
    static const char* const kDays[] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
    static const char* const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                          "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const QDateTime utc = when.toUTC();
    const QDate date = utc.date();
    const QTime time = utc.time();
    return QString::asprintf("%s, %2.2d %s %4.4d %2.2d:%2.2d:%2.2d", kDays[date.dayOfWeek() - 1], date.day(),
                             kMonths[date.month() - 1], date.year(), time.hour(), time.minute(), time.second());
}

QByteArray basicCredentials(const QString& user, const QString& password)
{
    return (user + QLatin1Char(':') + password).toLatin1().toBase64();
}

QString seconds(std::chrono::milliseconds limit)
{
    return QString::number(static_cast<double>(limit.count()) / 1000.0) + QStringLiteral(" s");
}

std::string defaultPort(const std::string& proto)
{
    return proto == "https" ? "443" : "80";
}

} // namespace

HttpClient::HttpClient(QObject* parent) : QObject(parent), m_socket(std::make_unique<ClientSocket>())
{
    m_socket->OnDnsLookupDone = [this](int error) { dnsLookupDone(error); };
    m_socket->OnSessionConnected = [this](int error) { sessionConnected(error); };
    m_socket->OnDataAvailable = [this](int error) { dataAvailable(error); };
    m_socket->OnDataSent = [this](int) { sendBodyChunk(); };
    m_socket->OnSessionClosed = [this](int error) { sessionClosed(error); };
    m_socket->OnTlsDone = [this](int error) { tlsDone(error); };
    for (QTimer** timer : {&m_connectTimer, &m_stallTimer, &m_totalTimer}) {
        *timer = new QTimer(this);
        (*timer)->setSingleShot(true);
    }
    const QString timedOutText = socketErrorText(wsocketerror::kTimedOut);
    connect(m_connectTimer, &QTimer::timeout, this, [this, timedOutText] {
        timedOut(tr("can't connect: %1").arg(timedOutText), wsocketerror::kTimedOut);
    });
    connect(m_stallTimer, &QTimer::timeout, this, [this, timedOutText] {
        timedOut(tr("%1: no data for %2").arg(timedOutText, seconds(Timeouts.stall)), wsocketerror::kTimedOut);
    });
    connect(m_totalTimer, &QTimer::timeout, this, [this, timedOutText] {
        timedOut(tr("%1: no complete answer within %2").arg(timedOutText, seconds(Timeouts.total)),
                 wsocketerror::kTimedOut);
    });
}

HttpClient::~HttpClient() = default;

void HttpClient::SetRequestVer(const QString& version)
{
    if (version != QLatin1String("1.0") && version != QLatin1String("1.1"))
        throw HttpException("Insupported HTTP version", HttpError::BadVersion);
    m_requestVer = version;
}

QStringList HttpClient::RcvdHeader() const
{
    QStringList lines;
    for (const std::string& line : answer().headerLines)
        lines << latin(line);
    return lines;
}

void HttpClient::GetAsync()
{
    startRequest(HttpRequest::Get);
}

void HttpClient::PostAsync()
{
    startRequest(HttpRequest::Post);
}

void HttpClient::PutAsync()
{
    startRequest(HttpRequest::Put);
}

void HttpClient::HeadAsync()
{
    startRequest(HttpRequest::Head);
}

void HttpClient::startRequest(HttpRequest request)
{
    if ((request == HttpRequest::Post || request == HttpRequest::Put) && !SendStream)
        throw HttpException("HTTP component has nothing to post or put", HttpError::NothingToPost);
    // A request that hangs must not hold the next one.
    if (m_state != HttpState::Ready)
        Abort();
    m_requestType = request;
    m_requestError = 0;
    m_redirects = 0;
    m_redirectPending = false;
    m_skipOnReuse = 0;
    resetAnswer();
    m_location = URL;

    const std::string url = URL.toStdString();
    const UrlParts parts = splitUrl(url);
    if (!parts.user.empty()) {
        Username = QString::fromStdString(parts.user);
        Password = QString::fromStdString(parts.pass);
    }
    m_target = targetFor(url);
    if (m_target.unusableProxy) {
        m_statusCode = kClientFailure;
        m_reasonPhrase = QStringLiteral("unusable proxy setting");
        setState(HttpState::Ready);
        return;
    }
    startTimers();
    startConnection();
}

void HttpClient::startTimers()
{
    if (Timeouts.total.count() > 0)
        m_totalTimer->start(Timeouts.total);
}

void HttpClient::noteActivity()
{
    if (m_stallTimer->isActive())
        m_stallTimer->start(Timeouts.stall);
}

void HttpClient::timedOut(const QString& reason, int error)
{
    if (m_state == HttpState::Ready)
        return;
    if (m_state == HttpState::DnsLookup)
        m_socket->CancelDnsLookup();
    ++m_restartSerial;
    m_redirectPending = false;
    m_requestError = error;
    m_parser.halt();
    failRequest(reason);
}

HttpClient::Target HttpClient::targetFor(const std::string& location) const
{
    Target target;
    target.url = splitUrl(stripFragment(location));
    const bool portGiven = !target.url.port.empty();
    if (target.url.proto.empty())
        target.url.proto = "http";
    if (target.url.path.empty())
        target.url.path = "/";
    if (!portGiven)
        target.url.port = defaultPort(target.url.proto);
    target.secure = target.url.proto == "https";

    QString proxyHost;
    QString proxyPort;
    if (!Proxy.isEmpty()) {
        const UrlParts proxy = splitUrl(Proxy.toStdString());
        proxyHost = QString::fromStdString(proxy.host);
        proxyPort = proxy.port.empty() ? ProxyPort : QString::fromStdString(proxy.port);
        target.proxyUser = ProxyUsername;
        target.proxyPassword = ProxyPassword;
    } else {
        const ProxyRoute route = proxyRouteFor(target.url.proto, target.url.host);
        target.unusableProxy = route.unusable;
        if (!route.direct && !route.unusable) {
            proxyHost = QString::fromStdString(route.host);
            proxyPort = QString::number(route.port);
            target.proxyUser = QString::fromStdString(route.user);
            target.proxyPassword = QString::fromStdString(route.password);
        }
    }
    if (proxyHost.isEmpty()) {
        target.connectHost = QString::fromStdString(target.url.host);
        target.connectPort = QString::fromStdString(target.url.port);
        target.requestTarget = QString::fromStdString(target.url.path);
        return target;
    }
    target.connectHost = proxyHost;
    target.connectPort = proxyPort;
    // TLS goes end to end through a tunnel; plain requests name the whole address.
    target.tunnel = target.secure;
    target.requestTarget = target.tunnel ? QString::fromStdString(target.url.path)
                                         : QString::fromStdString(target.url.proto + "://" + target.url.host +
                                                                  (portGiven ? ":" + target.url.port : std::string()) +
                                                                  target.url.path);
    return target;
}

// Whether the open socket goes where `target` needs to go.
bool HttpClient::sameConnection(const Target& target) const
{
    return m_socket->State() == ClientSocket::SocketState::Connected && m_connectedHost == target.connectHost && m_connectedPort == target.connectPort &&
           m_connectedProto == target.url.proto;
}

void HttpClient::startConnection()
{
    if (m_socketKeepsAlive && sameConnection(m_target)) {
        connected();
        return;
    }
    dropSocket(true);
    m_stallTimer->stop();
    setState(HttpState::NotConnected);
    setState(HttpState::DnsLookup);
    if (Timeouts.connect.count() > 0)
        m_connectTimer->start(Timeouts.connect);
    try {
        m_socket->DnsLookup(m_target.connectHost);
    } catch (const SocketException& error) {
        m_statusCode = kClientFailure;
        m_reasonPhrase = QCoreApplication::translate("ClientSocket", error.what());
        setState(HttpState::Ready);
    }
}

void HttpClient::dnsLookupDone(int error)
{
    if (m_state != HttpState::DnsLookup)
        return;
    if (error != 0) {
        m_statusCode = kClientFailure;
        m_reasonPhrase = tr("can't resolve hostname to IP address");
        m_requestError = error;
        connectionClosed(0);
        return;
    }
    setState(HttpState::DnsLookupDone);
    m_socket->Addr = m_socket->DnsResult();
    m_socket->Port = m_target.connectPort;
    m_socket->Proto = QStringLiteral("tcp");
    m_socket->LocalAddr = LocalAddr;
    m_connectedHost = m_target.connectHost;
    m_connectedPort = m_target.connectPort;
    m_connectedProto = m_target.url.proto;
    m_socketKeepsAlive = false;
    try {
        m_socket->Connect();
    } catch (const SocketException&) {
        failSocket(tr("can't connect: %1").arg(socketErrorText(m_socket->LastError())), m_socket->LastError());
    }
}

void HttpClient::sessionConnected(int error)
{
    if (m_state != HttpState::DnsLookupDone)
        return;
    if (error != 0) {
        failSocket(socketErrorText(error), error);
        return;
    }
    if (m_target.tunnel)
        sendTunnelRequest();
    else if (m_target.secure)
        startTls();
    else
        connected();
}

void HttpClient::sendTunnelRequest()
{
    setState(HttpState::WaitingProxyConnect);
    m_parser.start(HttpAnswerParser::Request::Head);
    const QString authority = QString::fromStdString(m_target.url.host + ":" + m_target.url.port);
    QByteArray text = "CONNECT " + authority.toLatin1() + " HTTP/1.1\r\nHost: " + authority.toLatin1() + "\r\n";
    if (!m_target.proxyUser.isEmpty())
        text += "Proxy-Authorization: Basic " + basicCredentials(m_target.proxyUser, m_target.proxyPassword) + "\r\n";
    text += "\r\n";
    m_socket->PutDataInSendBuffer(text.constData(), static_cast<std::size_t>(text.size()));
    m_socket->Send();
}

void HttpClient::tunnelAnswered(HttpAnswerParser::Outcome outcome)
{
    using Outcome = HttpAnswerParser::Outcome;
    if (outcome == Outcome::More)
        return;
    if (outcome == Outcome::HeaderTooLarge || answer().status != 200) {
        failRequest(tr("the proxy refused the tunnel: %1 %2")
                        .arg(QString::number(answer().status), latin(answer().reason)));
        return;
    }
    resetAnswer();
    startTls();
}

void HttpClient::startTls()
{
    setState(HttpState::Connected);
    m_socket->StartTls(QString::fromStdString(m_target.url.host), CaCertificates);
}

void HttpClient::tlsDone(int error)
{
    if (m_state != HttpState::Connected)
        return;
    if (error != 0) {
        m_requestError = error;
        failRequest(tr("can't establish a secure connection: %1").arg(m_socket->LastErrorDetail()));
        return;
    }
    connected();
}

void HttpClient::connected()
{
    // From here on the connect limit is over and silence counts.
    m_connectTimer->stop();
    if (Timeouts.stall.count() > 0)
        m_stallTimer->start(Timeouts.stall);
    setState(HttpState::Connected);
    fire(OnSessionConnected);
    setState(HttpState::WaitingHeader);
    m_parser.start(parserRequest(), std::exchange(m_skipOnReuse, 0));
    const QByteArray request = requestText();
    m_socket->PutDataInSendBuffer(request.constData(), static_cast<std::size_t>(request.size()));
    m_sendingBody = m_requestType == HttpRequest::Post || m_requestType == HttpRequest::Put;
    m_socket->Send();
}

QByteArray HttpClient::requestText()
{
    static const char* const kMethods[] = {"", "GET", "POST", "PUT", "HEAD"};
    const QString method = QLatin1String(kMethods[static_cast<int>(m_requestType)]);
    const bool hasBody = m_requestType == HttpRequest::Post || m_requestType == HttpRequest::Put;

    QStringList headers;
    if (!Sender.isEmpty())
        headers << QStringLiteral("From: ") + Sender;
    if (!Accept.isEmpty())
        headers << QStringLiteral("Accept: ") + Accept;
    if (!Reference.isEmpty())
        headers << QStringLiteral("Referer: ") + Reference;
    if (!Connection.isEmpty())
        headers << QStringLiteral("Connection: ") + Connection;
    if (!AcceptLanguage.isEmpty())
        headers << QStringLiteral("Accept-Language: ") + AcceptLanguage;
    if (hasBody && !ContentTypePost.isEmpty())
        headers << QStringLiteral("Content-Type: ") + ContentTypePost;
    if (!Agent.isEmpty())
        headers << QStringLiteral("User-Agent: ") + Agent;
    headers << QStringLiteral("Host: ") + QString::fromStdString(m_target.url.host);
    if (NoCache)
        headers << QStringLiteral("Pragma: no-cache");
    if (hasBody && SendStream)
        headers << QStringLiteral("Content-Length: %1").arg(SendStream->size() - SendStream->pos());
    if (ModifiedSince.isValid())
        headers << QStringLiteral("If-Modified-Since: ") + httpDate(ModifiedSince) + QStringLiteral(" GMT");
    if (!Username.isEmpty())
        headers << QStringLiteral("Authorization: Basic ") + QString::fromLatin1(basicCredentials(Username, Password));
    if (!m_target.tunnel && !m_target.proxyUser.isEmpty())
        headers << QStringLiteral("Proxy-Authorization: Basic ") +
                       QString::fromLatin1(basicCredentials(m_target.proxyUser, m_target.proxyPassword));
    if (!Cookie.isEmpty())
        headers << QStringLiteral("Cookie: ") + Cookie;
    if (!ContentRangeBegin.isEmpty() || !ContentRangeEnd.isEmpty()) {
        headers << QStringLiteral("Range: bytes=") + ContentRangeBegin + QLatin1Char('-') + ContentRangeEnd;
        ContentRangeBegin.clear();
        ContentRangeEnd.clear();
    }
    AcceptRanges.clear();

    QByteArray text;
    auto addLine = [this, &text](QString line) {
        if (OnCommand)
            OnCommand(this, line);
        text += line.toLatin1() + "\r\n";
    };
    addLine(method + QLatin1Char(' ') + m_target.requestTarget + QStringLiteral(" HTTP/") + m_requestVer);
    for (const QString& line : headers)
        addLine(line);
    return text + "\r\n";
}

void HttpClient::sendBodyChunk()
{
    if (!m_sendingBody)
        return;
    const QByteArray chunk = SendStream ? SendStream->read(kSendChunk) : QByteArray();
    if (chunk.isEmpty()) {
        m_sendingBody = false;
        return;
    }
    noteActivity();
    m_socket->PutDataInSendBuffer(chunk.constData(), static_cast<std::size_t>(chunk.size()));
    m_socket->Send();
}

void HttpClient::dataAvailable(int)
{
    // A few reads per notification while the socket keeps filling the
    // buffer: a large download makes fewer trips through the event loop,
    // and each event still handles a bounded amount.
    for (int read = 0; read < kReadsPerEvent; ++read) {
        const std::size_t room = m_parser.freeSize();
        const int count = m_socket->Receive(m_parser.freeSpace(), room);
        if (count <= 0)
            return;
        noteActivity();
        const auto outcome = m_parser.received(static_cast<std::size_t>(count));
        if (m_state == HttpState::WaitingProxyConnect) {
            if (m_parser.lineTooLong())
                lineTooLong();
            else
                tunnelAnswered(outcome);
            return;
        }
        if (m_state != HttpState::WaitingHeader && m_state != HttpState::WaitingBody)
            return; // an idle connection's stray bytes, or a request that has ended meanwhile
        if (outcome == HttpAnswerParser::Outcome::Halted) {
            // The document cannot be kept or is too large: end here rather than
            // report a short file as received.
            if (!m_haltReason.isEmpty())
                failRequest(std::exchange(m_haltReason, QString()));
            return;
        }
        if (m_parser.lineTooLong()) {
            lineTooLong();
            return;
        }
        answerEnded(outcome);
        if (outcome != HttpAnswerParser::Outcome::More || static_cast<std::size_t>(count) < room ||
            (m_state != HttpState::WaitingHeader && m_state != HttpState::WaitingBody))
            return;
    }
}

void HttpClient::lineTooLong()
{
    m_requestError = static_cast<int>(HttpError::LineTooLong);
    failRequest(QStringLiteral("HTTP line too long"));
}

void HttpClient::failRequest(const QString& reason)
{
    m_statusCode = kClientFailure;
    m_reasonPhrase = reason;
    m_sendingBody = false;
    dropSocket(true);
    finishDoc();
    setState(HttpState::Ready);
}

void HttpClient::answerEnded(HttpAnswerParser::Outcome outcome)
{
    using Outcome = HttpAnswerParser::Outcome;
    switch (outcome) {
    case Outcome::More:
        // An error page is not read beyond what came with its header.
        if (m_parser.phase() == HttpAnswerParser::Phase::Body && m_statusCode >= kFirstErrorStatus)
            m_socket->Close();
        return;
    case Outcome::Redirect:
        followRedirect();
        return;
    case Outcome::NoBody:
        m_socketKeepsAlive = keepAlive();
        if (!m_socketKeepsAlive)
            m_socket->CloseDelayed();
        setState(HttpState::Ready);
        return;
    case Outcome::BodyComplete:
        setState(HttpState::BodyReceived);
        finishDoc();
        m_socketKeepsAlive = keepAlive();
        if (m_socketKeepsAlive)
            setState(HttpState::Ready);
        else
            m_socket->CloseDelayed(); // the closing ends the request
        return;
    case Outcome::Halted:
        return;
    case Outcome::HeaderTooLarge:
        failRequest(QStringLiteral("HTTP header too large"));
        return;
    case Outcome::BadChunk:
        failRequest(QStringLiteral("bad chunked encoding"));
        return;
    }
}

bool HttpClient::keepAlive() const
{
    return answer().version == "1.1" && m_requestVer == QLatin1String("1.1") && !answer().connectionClose;
}

std::string HttpClient::redirectLocation()
{
    const std::string& value = answer().location;
    const std::string& proto = m_target.url.proto;
    // The port stays in the address: after a reconnect it is split again.
    const std::string origin = proto + "://" + m_target.url.host +
                               (m_target.url.port == defaultPort(proto) ? "" : ":" + m_target.url.port);
    if (value.rfind('/', 0) == 0)
        return origin + value;
    if (value.rfind("http://", 0) != 0 && value.rfind("https://", 0) != 0) {
        const std::string& path = m_target.url.path;
        const std::string beforeQuery = path.substr(0, path.find('?'));
        const auto folderEnd = beforeQuery.find_last_of("/:");
        const std::string folder = folderEnd == std::string::npos ? "/" : beforeQuery.substr(0, folderEnd + 1);
        return origin + folder + value;
    }
    const UrlParts parts = splitUrl(value);
    if (!parts.user.empty() && !parts.pass.empty()) {
        Username = QString::fromStdString(parts.user);
        Password = QString::fromStdString(parts.pass);
    }
    return value;
}

void HttpClient::followRedirect()
{
    if (++m_redirects > HttpLimits::kRedirects) {
        failRequest(QStringLiteral("too many redirects"));
        return;
    }
    m_location = QString::fromStdString(redirectLocation());
    const Target next = targetFor(m_location.toStdString());
    if (m_target.secure && !next.secure) {
        failRequest(QStringLiteral("redirect from https to http refused"));
        return;
    }
    // A post must reach the server it was meant for, or fail.
    if (m_requestType == HttpRequest::Post && !HttpField::equalNoCase(next.url.host, m_target.url.host)) {
        failRequest(QStringLiteral("redirect to another host refused"));
        return;
    }
    // Reusing the connection needs one the server keeps open, and the end of
    // this answer's body to be known, so the next header is found after it.
    if (keepAlive() && answer().contentLength >= 0 && sameConnection(next)) {
        m_socketKeepsAlive = true;
        fire(OnLocationChange);
        m_skipOnReuse = answer().contentLength;
        resetAnswer();
        m_target = next;
        if (m_requestType == HttpRequest::Post)
            m_requestType = HttpRequest::Get;
        postRestart();
        return;
    }
    m_redirectPending = true;
    m_socket->CloseDelayed();
}

void HttpClient::restartAfterRedirect()
{
    m_redirectPending = false;
    m_location = QString::fromStdString(stripFragment(m_location.toStdString()));
    m_target = targetFor(m_location.toStdString());
    if (m_requestType == HttpRequest::Post)
        m_requestType = HttpRequest::Get;
    fire(OnLocationChange);
    resetAnswer();
    postRestart();
}

void HttpClient::postRestart()
{
    const unsigned serial = ++m_restartSerial;
    QMetaObject::invokeMethod(
        this,
        [this, serial] {
            if (serial == m_restartSerial && m_state != HttpState::Ready && m_state != HttpState::Aborting)
                startConnection();
        },
        Qt::QueuedConnection);
}

void HttpClient::sessionClosed(int error)
{
    if (!m_dropping)
        connectionClosed(error);
}

void HttpClient::connectionClosed(int error)
{
    if (error != 0)
        m_requestError = error;
    switch (m_state) {
    case HttpState::Ready:
        return; // an idle connection went away: no request to end
    case HttpState::WaitingHeader:
        if (m_redirectPending) {
            restartAfterRedirect();
            return;
        }
        // Without a complete header there is no answer to return.
        if (m_statusCode < kFirstErrorStatus) {
            m_statusCode = kClientFailure;
            m_reasonPhrase = error != 0 ? socketErrorText(error)
                                        : tr("Connection closed before the header was complete");
        }
        break;
    case HttpState::WaitingBody:
        // A body cut short by the peer or by an error is no document.
        // (A chunked body ends with its last chunk, which moves the state on.)
        if (m_statusCode < kFirstErrorStatus &&
            (error != 0 || answer().chunked ||
             (answer().contentLength >= 0 && answer().receivedCount < answer().contentLength))) {
            m_statusCode = kClientFailure;
            m_reasonPhrase = error != 0 ? socketErrorText(error)
                                        : tr("Connection closed before the document was complete");
        }
        break;
    case HttpState::Connected:
    case HttpState::WaitingProxyConnect:
        m_statusCode = kClientFailure;
        m_reasonPhrase = error != 0 ? socketErrorText(error)
                                    : tr("Connection closed before the request was sent");
        break;
    default:
        break;
    }
    finishDoc();
    setState(HttpState::Ready);
}

void HttpClient::failSocket(const QString& reason, int error)
{
    m_statusCode = kClientFailure;
    m_reasonPhrase = reason;
    m_requestError = error;
    dropSocket();
    connectionClosed(0);
}

void HttpClient::Abort()
{
    if (m_state == HttpState::Ready) {
        dropSocket(true);
        m_statusCode = 200;
        m_reasonPhrase = QStringLiteral("OK");
        emit requestDone(HttpRequest::Abort, 0);
        return;
    }
    const bool lookingUp = m_state == HttpState::DnsLookup;
    setState(HttpState::Aborting);
    if (lookingUp)
        m_socket->CancelDnsLookup();
    ++m_restartSerial;
    m_redirectPending = false;
    m_requestError = static_cast<int>(HttpError::Aborted);
    m_parser.halt();
    failRequest(tr(kAborted));
}

void HttpClient::dropSocket(bool hard)
{
    m_dropping = true;
    if (hard)
        m_socket->Abort();
    else
        m_socket->Close();
    m_dropping = false;
    m_socketKeepsAlive = false;
}

void HttpClient::finishDoc()
{
    if (answer().docStarted && !m_docEnded) {
        m_docEnded = true;
        fire(OnDocEnd);
    }
}

void HttpClient::setState(HttpState state)
{
    m_state = state;
    if (state != HttpState::Ready)
        return;
    for (QTimer* timer : {m_connectTimer, m_stallTimer, m_totalTimer})
        timer->stop();
    m_sendingBody = false;
    const HttpRequest request = m_requestType;
    const int error = m_requestError;
    // Queued, so a handler may start the next request or delete the client.
    QMetaObject::invokeMethod(
        this, [this, request, error] { emit requestDone(request, error); }, Qt::QueuedConnection);
}

void HttpClient::resetAnswer()
{
    m_parser.clearAnswer();
    m_statusCode = 0;
    m_reasonPhrase.clear();
    m_docName.clear();
    m_docEnded = false;
    m_haltReason.clear();
}

HttpAnswerParser::Request HttpClient::parserRequest() const
{
    switch (m_requestType) {
    case HttpRequest::Post:
        return HttpAnswerParser::Request::Post;
    case HttpRequest::Put:
        return HttpAnswerParser::Request::Put;
    case HttpRequest::Head:
        return HttpAnswerParser::Request::Head;
    default:
        return HttpAnswerParser::Request::Get;
    }
}

void HttpClient::adjustDocName()
{
    const std::string& path = m_target.url.path;
    const std::string beforeQuery = path.substr(0, path.find('?'));
    const std::string name = beforeQuery.substr(beforeQuery.rfind('/') + 1);
    if (name.empty()) {
        m_docName = QStringLiteral("document.htm");
        return;
    }
    m_docName = latin(name);
    const auto dot = name.rfind('.');
    const QString extension = dot == std::string::npos ? QString() : latin(name.substr(dot + 1)).toLower();
    const std::string& type = answer().contentType;
    const bool isHtml = type.substr(0, type.find(';')) == "text/html";
    if (isHtml && (extension.isEmpty() || extension == QLatin1String("exe")))
        m_docName = latin(name.substr(0, dot)) + QStringLiteral(".htm");
}

void HttpClient::headerData()
{
    m_statusCode = answer().status;
    m_reasonPhrase = latin(answer().reason);
}

void HttpClient::headerEnd()
{
    if (m_requestType == HttpRequest::Put && !answer().location.empty())
        m_location = latin(answer().location);
    if (!answer().contentRangeBegin.empty() || !answer().contentRangeEnd.empty()) {
        ContentRangeBegin = latin(answer().contentRangeBegin);
        ContentRangeEnd = latin(answer().contentRangeEnd);
    }
    if (!answer().acceptRanges.empty())
        AcceptRanges = latin(answer().acceptRanges);
}

void HttpClient::bodyBegins()
{
    adjustDocName();
    setState(HttpState::WaitingBody);
    if (MaxBodySize > 0 && answer().contentLength > MaxBodySize)
        haltDoc(QStringLiteral("document larger than allowed"));
}

void HttpClient::haltDoc(const QString& reason)
{
    m_haltReason = reason;
    m_parser.halt();
}

void HttpClient::docBegin()
{
    fire(OnDocBegin);
}

void HttpClient::docData(const char* data, std::size_t size)
{
    if (MaxBodySize > 0 && answer().receivedCount > MaxBodySize) {
        haltDoc(QStringLiteral("document larger than allowed"));
        return;
    }
    if (ReceiveStream && ReceiveStream->write(data, static_cast<qint64>(size)) != static_cast<qint64>(size)) {
        haltDoc(QStringLiteral("can't write the received document"));
        return;
    }
}
