// SPDX-License-Identifier: MIT
#include "net/httpprot.h"

#include <QEventLoop>
#include <QIODevice>
#include <QMetaObject>
#include <QPointer>

#include "net/esocketexception.h"
#include "net/httplimits.h"
#include "net/wsocket.h"
#include "net/wsocketerror.h"

namespace {

constexpr int kClientFailure = static_cast<int>(THttpError::ClientFailure);
constexpr int kFirstErrorStatus = 400;

const char* const kAborted = "Connection aborted on request";

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
    return QString::fromStdString(WSocketErrorDesc(error)) + QStringLiteral(" (Error #%1)").arg(error);
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

} // namespace

THttpCli::THttpCli(QObject* parent) : QObject(parent), m_socket(std::make_unique<TWSocket>())
{
    m_socket->OnDnsLookupDone = [this](int error) { dnsLookupDone(error); };
    m_socket->OnSessionConnected = [this](int error) { sessionConnected(error); };
    m_socket->OnDataAvailable = [this](int error) { dataAvailable(error); };
    m_socket->OnDataSent = [this](int) { sendBodyChunk(); };
    m_socket->OnSessionClosed = [this](int error) { sessionClosed(error); };
}

THttpCli::~THttpCli()
{
    if (m_waitLoop)
        m_waitLoop->quit();
}

void THttpCli::SetRequestVer(const QString& version)
{
    if (version != QLatin1String("1.0") && version != QLatin1String("1.1"))
        throw EHttpException("Insupported HTTP version", THttpError::BadVersion);
    m_requestVer = version;
}

QStringList THttpCli::RcvdHeader() const
{
    QStringList lines;
    for (const std::string& line : answer().headerLines)
        lines << latin(line);
    return lines;
}

QStringList THttpCli::WWWAuthenticate() const
{
    QStringList values;
    for (const std::string& value : answer().wwwAuthenticate)
        values << latin(value);
    return values;
}

void THttpCli::Get()
{
    startRequest(httpGET);
    waitForRequest();
}

void THttpCli::Post()
{
    startRequest(httpPOST);
    waitForRequest();
}

void THttpCli::Put()
{
    startRequest(httpPUT);
    waitForRequest();
}

void THttpCli::Head()
{
    startRequest(httpHEAD);
    waitForRequest();
}

void THttpCli::GetAsync()
{
    startRequest(httpGET);
}

void THttpCli::PostAsync()
{
    startRequest(httpPOST);
}

void THttpCli::PutAsync()
{
    startRequest(httpPUT);
}

void THttpCli::HeadAsync()
{
    startRequest(httpHEAD);
}

void THttpCli::startRequest(THttpRequest request)
{
    if (m_state != httpReady)
        throw EHttpException("HTTP component is busy", THttpError::Busy);
    if ((request == httpPOST || request == httpPUT) && !SendStream)
        throw EHttpException("HTTP component has nothing to post or put", THttpError::NothingToPost);
    m_requestType = request;
    m_requestError = 0;
    m_redirects = 0;
    m_redirectPending = false;
    m_skipOnReuse = 0;
    m_pendingException.reset();
    resetAnswer();
    m_location = URL;

    const std::string url = URL.toStdString();
    const UrlParts parts = splitUrl(url);
    if (!parts.user.empty()) {
        Username = QString::fromStdString(parts.user);
        Password = QString::fromStdString(parts.pass);
    }
    m_target = targetFor(url);
    startConnection();
}

void THttpCli::waitForRequest()
{
    if (m_state != httpReady) {
        // The event loop runs meanwhile, so windows stay alive and other
        // handlers may run; it wakes only when something happens.
        QPointer<THttpCli> self(this);
        QEventLoop loop;
        m_waitLoop = &loop;
        loop.exec();
        if (!self)
            throw EHttpException(kAborted, THttpError::ClientFailure);
        m_waitLoop = nullptr;
        // The loop ended while the request is under way: the application is quitting.
        if (m_state != httpReady)
            Abort();
    }
    if (m_pendingException) {
        const EHttpException error = *m_pendingException;
        m_pendingException.reset();
        throw error;
    }
    if (m_statusCode >= kFirstErrorStatus)
        throw EHttpException(m_reasonPhrase.toStdString(), m_statusCode);
}

THttpCli::Target THttpCli::targetFor(const std::string& location) const
{
    Target target;
    target.url = splitUrl(stripFragment(location));
    const bool portGiven = !target.url.port.empty();
    if (target.url.proto.empty())
        target.url.proto = "http";
    if (target.url.path.empty())
        target.url.path = "/";
    if (Proxy.isEmpty()) {
        if (!portGiven)
            target.url.port = "80";
        target.connectHost = QString::fromStdString(target.url.host);
        target.connectPort = QString::fromStdString(target.url.port);
        target.requestTarget = QString::fromStdString(target.url.path);
        return target;
    }
    if (!portGiven)
        target.url.port = target.url.proto == "https" ? "443" : "80";
    const UrlParts proxy = splitUrl(Proxy.toStdString());
    target.connectHost = QString::fromStdString(proxy.host);
    target.connectPort = proxy.port.empty() ? ProxyPort : QString::fromStdString(proxy.port);
    target.requestTarget = QString::fromStdString(target.url.proto + "://" + target.url.host +
                                                  (portGiven ? ":" + target.url.port : std::string()) +
                                                  target.url.path);
    return target;
}

// Whether the open socket goes where `target` needs to go.
bool THttpCli::sameConnection(const Target& target) const
{
    return m_socket->State() == TWSocket::wsConnected && m_connectedHost == target.connectHost && m_connectedPort == target.connectPort &&
           m_connectedProto == target.url.proto;
}

void THttpCli::startConnection()
{
    if (m_socketKeepsAlive && sameConnection(m_target)) {
        connected();
        return;
    }
    dropSocket(true);
    setState(httpNotConnected);
    setState(httpDnsLookup);
    try {
        m_socket->DnsLookup(m_target.connectHost);
    } catch (const ESocketException& error) {
        m_statusCode = kClientFailure;
        m_reasonPhrase = QString::fromStdString(error.what());
        setState(httpReady);
    }
}

void THttpCli::dnsLookupDone(int error)
{
    if (m_state != httpDnsLookup)
        return;
    if (error != 0) {
        m_statusCode = kClientFailure;
        m_reasonPhrase = QStringLiteral("can't resolve hostname to IP address");
        m_requestError = error;
        connectionClosed(0);
        return;
    }
    setState(httpDnsLookupDone);
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
    } catch (const ESocketException&) {
        failSocket(QStringLiteral("can't connect: "), m_socket->LastError());
    }
}

void THttpCli::sessionConnected(int error)
{
    if (m_state != httpDnsLookupDone)
        return;
    if (error != 0) {
        failSocket(QString(), error);
        return;
    }
    connected();
}

void THttpCli::connected()
{
    setState(httpConnected);
    fire(OnSessionConnected);
    setState(httpWaitingHeader);
    m_parser.start(parserRequest(), std::exchange(m_skipOnReuse, 0));
    const QByteArray request = requestText();
    m_socket->PutDataInSendBuffer(request.constData(), static_cast<std::size_t>(request.size()));
    m_sendingBody = m_requestType == httpPOST || m_requestType == httpPUT;
    if (m_sendingBody)
        fire(OnSendBegin);
    m_socket->Send();
}

QByteArray THttpCli::requestText()
{
    static const char* const kMethods[] = {"", "GET", "POST", "PUT", "HEAD", ""};
    const QString method = QLatin1String(kMethods[m_requestType]);
    const bool hasBody = m_requestType == httpPOST || m_requestType == httpPUT;

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
    if (!Proxy.isEmpty() && !ProxyUsername.isEmpty())
        headers << QStringLiteral("Proxy-Authorization: Basic ") +
                       QString::fromLatin1(basicCredentials(ProxyUsername, ProxyPassword));
    if (!Cookie.isEmpty())
        headers << QStringLiteral("Cookie: ") + Cookie;
    if (!ContentRangeBegin.isEmpty() || !ContentRangeEnd.isEmpty()) {
        headers << QStringLiteral("Range: bytes=") + ContentRangeBegin + QLatin1Char('-') + ContentRangeEnd;
        ContentRangeBegin.clear();
        ContentRangeEnd.clear();
    }
    AcceptRanges.clear();
    if (OnBeforeHeaderSend)
        OnBeforeHeaderSend(this, method, headers);

    fire(OnRequestHeaderBegin);
    QByteArray text;
    auto addLine = [this, &text](QString line) {
        if (OnCommand)
            OnCommand(this, line);
        text += line.toLatin1() + "\r\n";
    };
    addLine(method + QLatin1Char(' ') + m_target.requestTarget + QStringLiteral(" HTTP/") + m_requestVer);
    for (const QString& line : headers)
        addLine(line);
    fire(OnRequestHeaderEnd);
    return text + "\r\n";
}

void THttpCli::sendBodyChunk()
{
    if (!m_sendingBody)
        return;
    const QByteArray chunk = SendStream ? SendStream->read(kSendChunk) : QByteArray();
    if (chunk.isEmpty()) {
        m_sendingBody = false;
        fire(OnSendEnd);
        return;
    }
    if (OnSendData)
        OnSendData(this, chunk.constData(), static_cast<int>(chunk.size()));
    m_socket->PutDataInSendBuffer(chunk.constData(), static_cast<std::size_t>(chunk.size()));
    m_socket->Send();
}

void THttpCli::dataAvailable(int)
{
    // A few reads per notification while the socket keeps filling the
    // buffer: a large download makes fewer trips through the event loop,
    // and each event still handles a bounded amount.
    for (int read = 0; read < kReadsPerEvent; ++read) {
        const std::size_t room = m_parser.freeSize();
        const int count = m_socket->Receive(m_parser.freeSpace(), room);
        if (count <= 0)
            return;
        const auto outcome = m_parser.received(static_cast<std::size_t>(count));
        if (m_state != httpWaitingHeader && m_state != httpWaitingBody)
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
            (m_state != httpWaitingHeader && m_state != httpWaitingBody))
            return;
    }
}

void THttpCli::lineTooLong()
{
    m_pendingException = EHttpException("HTTP line too long", THttpError::LineTooLong);
    failRequest(QStringLiteral("HTTP line too long"));
}

void THttpCli::failRequest(const QString& reason)
{
    m_statusCode = kClientFailure;
    m_reasonPhrase = reason;
    m_sendingBody = false;
    dropSocket(true);
    finishDoc();
    setState(httpReady);
}

void THttpCli::answerEnded(HttpAnswerParser::Outcome outcome)
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
        setState(httpReady);
        return;
    case Outcome::BodyComplete:
        setState(httpBodyReceived);
        finishDoc();
        m_socketKeepsAlive = keepAlive();
        if (m_socketKeepsAlive)
            setState(httpReady);
        else
            m_socket->CloseDelayed(); // the closing ends the request
        return;
    case Outcome::Halted:
        return;
    case Outcome::HeaderTooLarge:
        failRequest(QStringLiteral("HTTP header too large"));
        return;
    }
}

bool THttpCli::keepAlive() const
{
    return answer().version == "1.1" && m_requestVer == QLatin1String("1.1") && !answer().connectionClose;
}

std::string THttpCli::redirectLocation()
{
    const std::string& value = answer().location;
    // The port stays in the address: after a reconnect it is split again.
    const std::string origin = "http://" + m_target.url.host + (m_target.url.port == "80" ? "" : ":" + m_target.url.port);
    if (value.rfind('/', 0) == 0)
        return origin + value;
    if (value.rfind("http://", 0) != 0) {
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

void THttpCli::followRedirect()
{
    if (++m_redirects > HttpLimits::kRedirects) {
        failRequest(QStringLiteral("too many redirects"));
        return;
    }
    m_location = QString::fromStdString(redirectLocation());
    const Target next = targetFor(m_location.toStdString());
    // Reusing the connection needs one the server keeps open, and the end of
    // this answer's body to be known, so the next header is found after it.
    if (keepAlive() && answer().contentLength >= 0 && sameConnection(next)) {
        m_socketKeepsAlive = true;
        fire(OnLocationChange);
        m_skipOnReuse = answer().contentLength;
        resetAnswer();
        m_target = next;
        if (m_requestType == httpPOST)
            m_requestType = httpGET;
        postRestart();
        return;
    }
    m_redirectPending = true;
    m_socket->CloseDelayed();
}

void THttpCli::restartAfterRedirect()
{
    m_redirectPending = false;
    m_location = QString::fromStdString(stripFragment(m_location.toStdString()));
    m_target = targetFor(m_location.toStdString());
    if (m_requestType == httpPOST)
        m_requestType = httpGET;
    fire(OnLocationChange);
    resetAnswer();
    postRestart();
}

void THttpCli::postRestart()
{
    const unsigned serial = ++m_restartSerial;
    QMetaObject::invokeMethod(
        this,
        [this, serial] {
            if (serial == m_restartSerial && m_state != httpReady && m_state != httpAborting)
                startConnection();
        },
        Qt::QueuedConnection);
}

void THttpCli::sessionClosed(int error)
{
    if (!m_dropping)
        connectionClosed(error);
}

void THttpCli::connectionClosed(int error)
{
    if (error != 0)
        m_requestError = error;
    switch (m_state) {
    case httpReady:
        return; // an idle connection went away: no request to end
    case httpWaitingHeader:
        if (m_parser.phase() == HttpAnswerParser::Phase::Header)
            fire(OnHeaderEnd);
        if (m_redirectPending) {
            restartAfterRedirect();
            return;
        }
        // Without a complete header there is no answer to return.
        if (m_statusCode < kFirstErrorStatus) {
            m_statusCode = kClientFailure;
            m_reasonPhrase = error != 0 ? socketErrorText(error)
                                        : QStringLiteral("Connection closed before the header was complete");
        }
        break;
    case httpWaitingBody:
        // A body cut short by the peer or by an error is no document.
        if (m_statusCode < kFirstErrorStatus &&
            (error != 0 || (answer().contentLength >= 0 && answer().receivedCount < answer().contentLength))) {
            m_statusCode = kClientFailure;
            m_reasonPhrase = error != 0 ? socketErrorText(error)
                                        : QStringLiteral("Connection closed before the document was complete");
        }
        break;
    default:
        break;
    }
    finishDoc();
    setState(httpReady);
}

void THttpCli::failSocket(const QString& prefix, int error)
{
    m_statusCode = kClientFailure;
    m_reasonPhrase = prefix + socketErrorText(error);
    m_requestError = error;
    dropSocket();
    fire(OnSocketError);
    connectionClosed(0);
}

void THttpCli::CloseAsync()
{
    m_requestType = httpCLOSE;
    m_statusCode = 200;
    m_reasonPhrase = QStringLiteral("OK");
    m_socket->CancelDnsLookup();
    ++m_restartSerial;
    m_redirectPending = false;
    if (m_socket->State() == TWSocket::wsClosed) {
        setState(httpReady);
        return;
    }
    setState(httpClosing);
    m_socket->CloseDelayed();
}

void THttpCli::Abort()
{
    if (m_state == httpReady) {
        dropSocket(true);
        m_statusCode = 200;
        m_reasonPhrase = QStringLiteral("OK");
        if (OnRequestDone)
            OnRequestDone(this, httpABORT, 0);
        return;
    }
    const bool lookingUp = m_state == httpDnsLookup;
    setState(httpAborting);
    if (lookingUp)
        m_socket->CancelDnsLookup();
    ++m_restartSerial;
    m_redirectPending = false;
    m_requestError = static_cast<int>(THttpError::Aborted);
    m_parser.halt();
    failRequest(QString::fromLatin1(kAborted));
}

void THttpCli::dropSocket(bool hard)
{
    m_dropping = true;
    if (hard)
        m_socket->Abort();
    else
        m_socket->Close();
    m_dropping = false;
    m_socketKeepsAlive = false;
}

void THttpCli::finishDoc()
{
    if (answer().docStarted && !m_docEnded) {
        m_docEnded = true;
        fire(OnDocEnd);
    }
}

void THttpCli::setState(THttpState state)
{
    m_state = state;
    fire(OnStateChange);
    if (state != httpReady)
        return;
    m_sendingBody = false;
    const THttpRequest request = m_requestType;
    const int error = m_requestError;
    QMetaObject::invokeMethod(
        this,
        [this, request, error] {
            if (OnRequestDone)
                OnRequestDone(this, request, error);
        },
        Qt::QueuedConnection);
    if (m_waitLoop)
        m_waitLoop->quit();
}

void THttpCli::resetAnswer()
{
    m_parser.clearAnswer();
    m_statusCode = 0;
    m_reasonPhrase.clear();
    m_docName.clear();
    m_docEnded = false;
    m_haltReason.clear();
}

HttpAnswerParser::Request THttpCli::parserRequest() const
{
    switch (m_requestType) {
    case httpPOST:
        return HttpAnswerParser::Request::Post;
    case httpPUT:
        return HttpAnswerParser::Request::Put;
    case httpHEAD:
        return HttpAnswerParser::Request::Head;
    default:
        return HttpAnswerParser::Request::Get;
    }
}

void THttpCli::adjustDocName()
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

void THttpCli::headerBegin()
{
    fire(OnHeaderBegin);
}

void THttpCli::headerData()
{
    m_statusCode = answer().status;
    m_reasonPhrase = latin(answer().reason);
    fire(OnHeaderData);
}

void THttpCli::cookie(const std::string& value)
{
    bool accept = true;
    if (OnCookie)
        OnCookie(this, latin(value), accept);
}

void THttpCli::headerEnd()
{
    if (m_requestType == httpPUT && !answer().location.empty())
        m_location = latin(answer().location);
    if (!answer().contentRangeBegin.empty() || !answer().contentRangeEnd.empty()) {
        ContentRangeBegin = latin(answer().contentRangeBegin);
        ContentRangeEnd = latin(answer().contentRangeEnd);
    }
    if (!answer().acceptRanges.empty())
        AcceptRanges = latin(answer().acceptRanges);
    fire(OnHeaderEnd);
}

void THttpCli::bodyBegins()
{
    adjustDocName();
    setState(httpWaitingBody);
    if (MaxBodySize > 0 && answer().contentLength > MaxBodySize)
        haltDoc(QStringLiteral("document larger than allowed"));
}

void THttpCli::haltDoc(const QString& reason)
{
    m_haltReason = reason;
    m_parser.halt();
}

void THttpCli::docBegin()
{
    fire(OnDocBegin);
}

void THttpCli::docData(const char* data, std::size_t size)
{
    if (MaxBodySize > 0 && answer().receivedCount > MaxBodySize) {
        haltDoc(QStringLiteral("document larger than allowed"));
        return;
    }
    if (ReceiveStream && ReceiveStream->write(data, static_cast<qint64>(size)) != static_cast<qint64>(size)) {
        haltDoc(QStringLiteral("can't write the received document"));
        return;
    }
    if (OnDocData)
        OnDocData(this, data, static_cast<int>(size));
}
