// SPDX-License-Identifier: MIT
#include "net/clientsocket.h"

#include <arpa/inet.h>
#include <cerrno>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <utility>

#include <QHostAddress>
#include <QHostInfo>
#include <QMetaObject>
#include <QSocketNotifier>
#include <QSslConfiguration>
#include <QSslSocket>
#include <QStringList>

#include "net/socketexception.h"
#include "net/wsocketerror.h"

namespace {

constexpr int kMaxOctet = 255;
constexpr int kMaxPort = 65535;

// "a.b.c.d" with four decimal numbers of at most 255, spaces around allowed.
bool parseDotted(const QString& text, QString& dotted)
{
    const QStringList parts = text.trimmed().split(QLatin1Char('.'));
    if (parts.size() != 4)
        return false;
    QStringList octets;
    for (const QString& part : parts) {
        if (part.isEmpty() || part.size() > 3)
            return false;
        for (QChar c : part) {
            if (c < QLatin1Char('0') || c > QLatin1Char('9'))
                return false;
        }
        const int value = part.toInt();
        if (value > kMaxOctet)
            return false;
        octets << QString::number(value);
    }
    dotted = octets.join(QLatin1Char('.'));
    return true;
}

int lookupError(QHostInfo::HostInfoError error)
{
    return error == QHostInfo::HostNotFound ? wsocketerror::kHostNotFound : wsocketerror::kTryAgain;
}

} // namespace

ClientSocket::ClientSocket(QObject* parent) : QObject(parent) {}

ClientSocket::~ClientSocket()
{
    CancelDnsLookup();
    closeSocket(0, false);
}

void ClientSocket::DnsLookup(const QString& host)
{
    CancelDnsLookup();
    const QString name = host.trimmed();
    if (name.isEmpty())
        throw SocketException(SocketException::kNoHostName);
    const unsigned lookup = ++m_lookup;
    if (parseDotted(name, m_dnsResult)) {
        QMetaObject::invokeMethod(
            this,
            [this, lookup] {
                if (lookup == m_lookup && OnDnsLookupDone)
                    OnDnsLookupDone(0);
            },
            Qt::QueuedConnection);
        return;
    }
    m_dnsResult.clear();
    // The slot is named by its signature because Qt's functor form of this
    // call leaks its functor when the lookup is aborted.
    m_lookupId = QHostInfo::lookupHost(name, this, SLOT(hostFound(QHostInfo)));
}

void ClientSocket::CancelDnsLookup()
{
    ++m_lookup;
    if (m_lookupId >= 0)
        QHostInfo::abortHostLookup(m_lookupId);
    m_lookupId = -1;
}

void ClientSocket::hostFound(const QHostInfo& info)
{
    if (info.lookupId() != m_lookupId)
        return;
    m_lookupId = -1;
    int error = 0;
    if (info.error() != QHostInfo::NoError) {
        error = lookupError(info.error());
    } else {
        error = wsocketerror::kNoData;
        for (const QHostAddress& address : info.addresses()) {
            if (address.protocol() == QAbstractSocket::IPv4Protocol) {
                m_dnsResult = address.toString();
                error = 0;
                break;
            }
        }
    }
    if (OnDnsLookupDone)
        OnDnsLookupDone(error);
}

void ClientSocket::Connect()
{
    closeSocket(0, false);
    m_lastError = 0;
    m_errorDetail.clear();
    m_peerClosed = false;
    m_receiveError = 0;
    m_sendBuffer.clear();

    sockaddr_in remote{};
    remote.sin_family = AF_INET;
    bool portOk = false;
    const int port = Port.trimmed().toInt(&portOk);
    QString dotted;
    if (!parseDotted(Addr, dotted) || inet_pton(AF_INET, dotted.toLatin1().constData(), &remote.sin_addr) != 1 ||
        !portOk || port <= 0 || port > kMaxPort) {
        m_lastError = wsocketerror::kInvalidArgument;
        throw SocketException("Connect: invalid address or port");
    }
    remote.sin_port = htons(static_cast<uint16_t>(port));

    m_fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (m_fd < 0) {
        m_lastError = wsocketerror::fromErrno(errno);
        throw SocketException("Connect: no socket available");
    }
    const unsigned connection = ++m_connection;
    QString local;
    if (!LocalAddr.trimmed().isEmpty() && LocalAddr.trimmed() != QLatin1String("0.0.0.0")) {
        sockaddr_in bindTo{};
        bindTo.sin_family = AF_INET;
        if (!parseDotted(LocalAddr, local) || inet_pton(AF_INET, local.toLatin1().constData(), &bindTo.sin_addr) != 1 ||
            ::bind(m_fd, reinterpret_cast<sockaddr*>(&bindTo), sizeof bindTo) != 0) {
            m_lastError = wsocketerror::fromErrno(errno ? errno : EINVAL);
            closeSocket(0, false);
            throw SocketException("Connect: cannot bind the local address");
        }
    }
    m_state = SocketState::Connecting;
    m_writeNotifier = new QSocketNotifier(static_cast<qintptr>(m_fd), QSocketNotifier::Write, this);
    connect(m_writeNotifier, &QSocketNotifier::activated, this, &ClientSocket::writable);
    if (::connect(m_fd, reinterpret_cast<sockaddr*>(&remote), sizeof remote) != 0 && errno != EINPROGRESS) {
        // Reported like any other outcome of the attempt: as an event.
        const int error = wsocketerror::fromErrno(errno);
        QMetaObject::invokeMethod(
            this,
            [this, connection, error] {
                if (connection == m_connection)
                    connectFailed(error);
            },
            Qt::QueuedConnection);
        m_writeNotifier->setEnabled(false);
    }
}

void ClientSocket::connectFailed(int error)
{
    m_lastError = error;
    closeSocket(0, false);
    if (OnSessionConnected)
        OnSessionConnected(error);
}

void ClientSocket::writable()
{
    if (m_state == SocketState::Connecting) {
        int error = 0;
        socklen_t length = sizeof error;
        if (::getsockopt(m_fd, SOL_SOCKET, SO_ERROR, &error, &length) != 0)
            error = errno;
        if (error != 0) {
            connectFailed(wsocketerror::fromErrno(error));
            return;
        }
        m_state = SocketState::Connected;
        m_writeNotifier->setEnabled(!m_sendBuffer.isEmpty());
        m_readNotifier = new QSocketNotifier(static_cast<qintptr>(m_fd), QSocketNotifier::Read, this);
        connect(m_readNotifier, &QSocketNotifier::activated, this, &ClientSocket::readable);
        if (OnSessionConnected)
            OnSessionConnected(0);
        return;
    }
    flush();
}

void ClientSocket::PutDataInSendBuffer(const char* data, std::size_t size)
{
    m_sendBuffer.append(data, static_cast<qsizetype>(size));
}

void ClientSocket::Send()
{
    if (m_state != SocketState::Connected || m_sendBuffer.isEmpty())
        return;
    if (m_tls) {
        // QSslSocket buffers all of it; it drains from the event loop.
        m_tls->write(std::exchange(m_sendBuffer, QByteArray()));
        return;
    }
    // Written from the event loop, so OnDataSent never fires inside Send().
    m_writeNotifier->setEnabled(true);
}

void ClientSocket::flush()
{
    if (m_state != SocketState::Connected)
        return;
    while (!m_sendBuffer.isEmpty()) {
        const ssize_t sent = ::send(m_fd, m_sendBuffer.constData(), static_cast<std::size_t>(m_sendBuffer.size()), MSG_NOSIGNAL);
        if (sent < 0) {
            if (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)
                return;
            closeSocket(wsocketerror::fromErrno(errno), true);
            return;
        }
        m_sendBuffer.remove(0, sent);
    }
    m_writeNotifier->setEnabled(false);
    if (OnDataSent)
        OnDataSent(0);
}

int ClientSocket::Receive(char* buffer, std::size_t max)
{
    if (m_fd < 0 || max == 0)
        return 0;
    if (m_tls) {
        const qint64 count = m_tls->read(buffer, static_cast<qint64>(max));
        if (count < 0) {
            m_peerClosed = true;
            return -1;
        }
        if (count == 0 && m_tls->state() != QAbstractSocket::ConnectedState)
            m_peerClosed = true;
        return static_cast<int>(count);
    }
    const ssize_t count = ::recv(m_fd, buffer, max, 0);
    if (count > 0)
        return static_cast<int>(count);
    if (count == 0) {
        m_peerClosed = true;
        return 0;
    }
    if (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)
        return 0;
    m_receiveError = wsocketerror::fromErrno(errno);
    m_peerClosed = true;
    return -1;
}

void ClientSocket::readable()
{
    const unsigned connection = m_connection;
    if (OnDataAvailable)
        OnDataAvailable(0);
    if (connection != m_connection || m_fd < 0)
        return; // closed or replaced by the handler
    if (!OnDataAvailable) {
        // Nobody reads: drain, so the notifier does not fire for ever.
        char sink[4096];
        while (Receive(sink, sizeof sink) > 0) {
        }
    }
    if (m_peerClosed)
        closeSocket(m_receiveError, true);
}

void ClientSocket::Close()
{
    closeSocket(0, true);
}

void ClientSocket::CloseDelayed()
{
    const unsigned connection = m_connection;
    QMetaObject::invokeMethod(
        this,
        [this, connection] {
            if (connection == m_connection)
                Close();
        },
        Qt::QueuedConnection);
}

void ClientSocket::Abort()
{
    if (m_fd >= 0 && !m_tls) {
        // A reset instead of the orderly close.
        const linger hard{1, 0};
        ::setsockopt(m_fd, SOL_SOCKET, SO_LINGER, &hard, sizeof hard);
    }
    closeSocket(0, true);
}

void ClientSocket::closeSocket(int error, bool notify)
{
    if (m_fd < 0)
        return;
    ++m_connection;
    for (QSocketNotifier** notifier : {&m_readNotifier, &m_writeNotifier}) {
        if (*notifier) {
            // It may be the one whose signal is running right now.
            (*notifier)->setEnabled(false);
            (*notifier)->deleteLater();
            *notifier = nullptr;
        }
    }
    if (m_tls) {
        // The TLS socket owns the descriptor; it may be the sender of the
        // signal running now.
        m_tls->disconnect(this);
        m_tls->abort();
        m_tls->deleteLater();
        m_tls = nullptr;
        m_handshaking = false;
    } else {
        ::close(m_fd);
    }
    m_fd = -1;
    m_state = SocketState::Closed;
    m_sendBuffer.clear();
    if (error != 0)
        m_lastError = error;
    if (notify && OnSessionClosed)
        OnSessionClosed(error);
}

void ClientSocket::StartTls(const QString& peerName, const QString& caCertificates)
{
    if (m_state != SocketState::Connected || m_tls)
        return;
    // Our notifiers go; Qt watches the descriptor from here on.
    for (QSocketNotifier** notifier : {&m_readNotifier, &m_writeNotifier}) {
        if (*notifier) {
            (*notifier)->setEnabled(false);
            (*notifier)->deleteLater();
            *notifier = nullptr;
        }
    }
    m_tls = new QSslSocket(this);
    m_handshaking = true;
    QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
    configuration.setPeerVerifyMode(QSslSocket::VerifyPeer);
    if (!caCertificates.isEmpty())
        configuration.addCaCertificates(caCertificates);
    m_tls->setSslConfiguration(configuration);
    m_tls->setPeerVerifyName(peerName);
    connect(m_tls, &QSslSocket::encrypted, this, [this] {
        m_handshaking = false;
        if (OnTlsDone)
            OnTlsDone(0);
        if (m_tls && m_tls->bytesAvailable() > 0)
            tlsReadable();
    });
    connect(m_tls, &QSslSocket::sslErrors, this, [this](const QList<QSslError>& errors) {
        // Not ignored: the handshake ends; keep the first reason for the caller.
        if (!errors.isEmpty() && m_errorDetail.isEmpty())
            m_errorDetail = errors.first().errorString();
    });
    connect(m_tls, &QSslSocket::errorOccurred, this, [this](QAbstractSocket::SocketError error) {
        if (!m_handshaking) {
            if (error == QAbstractSocket::RemoteHostClosedError) {
                tlsReadable();
                return;
            }
            m_errorDetail = m_tls->errorString();
            closeSocket(wsocketerror::kConnectionAborted, true);
            return;
        }
        if (m_errorDetail.isEmpty())
            m_errorDetail = m_tls->errorString();
        tlsFailed(m_errorDetail);
    });
    connect(m_tls, &QSslSocket::readyRead, this, &ClientSocket::tlsReadable);
    connect(m_tls, &QSslSocket::disconnected, this, &ClientSocket::tlsReadable);
    connect(m_tls, &QSslSocket::encryptedBytesWritten, this, &ClientSocket::tlsWritten);
    if (!m_tls->setSocketDescriptor(static_cast<qintptr>(m_fd), QAbstractSocket::ConnectedState)) {
        tlsFailed(m_tls->errorString());
        return;
    }
    m_tls->startClientEncryption();
}

void ClientSocket::tlsFailed(const QString& detail)
{
    const unsigned connection = m_connection;
    m_errorDetail = detail;
    m_lastError = wsocketerror::kConnectionAborted;
    // Reported from the event loop, as every outcome of an operation is.
    QMetaObject::invokeMethod(
        this,
        [this, connection] {
            if (connection != m_connection)
                return;
            closeSocket(0, false);
            if (OnTlsDone)
                OnTlsDone(wsocketerror::kConnectionAborted);
        },
        Qt::QueuedConnection);
    m_handshaking = false;
    if (m_tls)
        m_tls->disconnect(this);
}

void ClientSocket::tlsReadable()
{
    if (!m_tls || m_handshaking)
        return;
    const unsigned connection = m_connection;
    const qint64 before = m_tls->bytesAvailable();
    if (before > 0 && OnDataAvailable)
        OnDataAvailable(0);
    if (connection != m_connection || !m_tls)
        return;
    const qint64 left = m_tls->bytesAvailable();
    if (left > 0 && left < before) {
        // The reader takes a bounded amount per event; come back for the rest.
        QMetaObject::invokeMethod(
            this,
            [this, connection] {
                if (connection == m_connection)
                    tlsReadable();
            },
            Qt::QueuedConnection);
        return;
    }
    if (left > 0 && !OnDataAvailable)
        m_tls->skip(left);
    if (m_tls->bytesAvailable() == 0 && m_tls->state() != QAbstractSocket::ConnectedState)
        closeSocket(m_receiveError, true);
}

void ClientSocket::tlsWritten()
{
    if (m_tls && m_tls->bytesToWrite() == 0 && m_tls->encryptedBytesToWrite() == 0 && OnDataSent)
        OnDataSent(0);
}
