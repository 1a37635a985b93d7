// SPDX-License-Identifier: MIT
#pragma once
#include <QByteArray>
#include <QList>
#include <QString>
#include <QTemporaryDir>

class QSslServer;

// A loopback HTTPS server on the caller's thread (its event loop must run)
// with a self-signed certificate for 127.0.0.1 made at construction by the
// openssl command. Each connection gets `answer` once its request head has
// come, then the server closes it.
class TlsTestServer {
public:
    explicit TlsTestServer(QByteArray answer);
    ~TlsTestServer();
    TlsTestServer(const TlsTestServer&) = delete;
    TlsTestServer& operator=(const TlsTestServer&) = delete;

    [[nodiscard]] bool ready() const { return m_port != 0; }
    [[nodiscard]] QString url(const QString& path, const QString& host = QStringLiteral("127.0.0.1")) const;
    void setAnswer(QByteArray answer) { m_answer = std::move(answer); }
    // The certificate as a PEM file: trusting it makes the server trusted.
    [[nodiscard]] QString certificateFile() const { return m_dir.filePath(QStringLiteral("cert.pem")); }
    [[nodiscard]] int requests() const { return m_requests; }

private:
    QTemporaryDir m_dir;
    QByteArray m_answer;
    QSslServer* m_server = nullptr;
    int m_port = 0;
    int m_requests = 0;
};
