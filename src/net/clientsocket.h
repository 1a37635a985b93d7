// SPDX-License-Identifier: MIT
#pragma once
#include <cstddef>
#include <functional>

#include <QByteArray>
#include <QObject>
#include <QString>

class QHostInfo;
class QSocketNotifier;
class QSslSocket;

// An asynchronous TCP client socket on the owning thread's event loop:
// non-blocking POSIX calls, readiness reported through QSocketNotifier, and
// every outcome delivered as an event with a Windows Sockets error number
// (0 for none). Events never fire from inside the call that started the
// operation, except OnSessionClosed from Close and Abort.
//
// StartTls() turns a connected socket into a TLS client: Qt's QSslSocket
// takes over the descriptor (TLS comes from the system's OpenSSL through
// Qt's backend, loaded on first use), and the same operations and events
// carry the plain text from then on.
class ClientSocket : public QObject {
    Q_OBJECT
public:
    enum class SocketState { Closed, Connecting, Connected };
    using ErrorEvent = std::function<void(int error)>;

    explicit ClientSocket(QObject* parent = nullptr);
    ~ClientSocket() override; // closes without firing events

    // Resolves host to a dotted IPv4 address (DnsResult), ending with
    // OnDnsLookupDone. A dotted address needs no lookup. Throws
    // SocketException for an empty host.
    void DnsLookup(const QString& host);
    void CancelDnsLookup();
    [[nodiscard]] QString DnsResult() const { return m_dnsResult; }

    // Connects to Addr:Port from LocalAddr, ending with OnSessionConnected.
    // Throws SocketException (LastError set) when it cannot even start.
    void Connect();

    // Queues bytes; Send() writes what it can and the rest as the peer takes
    // it, firing OnDataSent once the queue has drained.
    void PutDataInSendBuffer(const char* data, std::size_t size);
    void Send();

    // From OnDataAvailable: copies up to `max` bytes, returns how many, 0 when
    // nothing is waiting or the peer has closed, -1 on an error.
    int Receive(char* buffer, std::size_t max);

    // From a connected socket: the TLS handshake, ending with OnTlsDone. The
    // server's certificate must chain to the system's store (or to the
    // certificates of the PEM file caCertificates) and name peerName.
    void StartTls(const QString& peerName, const QString& caCertificates = {});
    // The words behind the last error beyond its number (a certificate's fault).
    [[nodiscard]] QString LastErrorDetail() const { return m_errorDetail; }

    void Close();        // at once
    void CloseDelayed(); // once the current event has returned
    void Abort();        // at once, without a graceful close

    [[nodiscard]] SocketState State() const { return m_state; }
    [[nodiscard]] int LastError() const { return m_lastError; }

    QString Addr;
    QString Port;
    QString Proto = QStringLiteral("tcp");
    QString LocalAddr = QStringLiteral("0.0.0.0");

    ErrorEvent OnDnsLookupDone;
    ErrorEvent OnSessionConnected;
    ErrorEvent OnDataAvailable;
    ErrorEvent OnDataSent;
    ErrorEvent OnSessionClosed;
    ErrorEvent OnTlsDone;

private Q_SLOTS:
    void hostFound(const QHostInfo& info);

private:
    void connectFailed(int error);
    void writable();
    void readable();
    void flush();
    void closeSocket(int error, bool notify);
    void tlsFailed(const QString& detail);
    void tlsReadable();
    void tlsWritten();

    SocketState m_state = SocketState::Closed;
    int m_fd = -1;
    int m_lastError = 0;
    // Posted work carries these and is dropped once they have moved on.
    unsigned m_connection = 0;
    unsigned m_lookup = 0;
    int m_lookupId = -1;
    QString m_dnsResult;
    QSocketNotifier* m_readNotifier = nullptr;
    QSocketNotifier* m_writeNotifier = nullptr;
    QByteArray m_sendBuffer;
    bool m_peerClosed = false;
    int m_receiveError = 0;
    QSslSocket* m_tls = nullptr;  // owns the descriptor once TLS has started
    bool m_handshaking = false;
    QString m_errorDetail;
};
