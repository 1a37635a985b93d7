// SPDX-License-Identifier: MIT
#include "support/tlstestserver.h"

#include <memory>

#include <QFile>
#include <QHostAddress>
#include <QProcess>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QSslKey>
#include <QSslServer>
#include <QSslSocket>

TlsTestServer::TlsTestServer(QByteArray answer) : m_answer(std::move(answer))
{
    const QString key = m_dir.filePath(QStringLiteral("key.pem"));
    QProcess openssl;
    openssl.start(QStringLiteral("openssl"),
                  {QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-newkey"), QStringLiteral("ec"),
                   QStringLiteral("-pkeyopt"), QStringLiteral("ec_paramgen_curve:prime256v1"), QStringLiteral("-nodes"),
                   QStringLiteral("-keyout"), key, QStringLiteral("-out"), certificateFile(), QStringLiteral("-days"),
                   QStringLiteral("1"), QStringLiteral("-subj"), QStringLiteral("/CN=127.0.0.1"),
                   QStringLiteral("-addext"), QStringLiteral("subjectAltName=IP:127.0.0.1")});
    if (!openssl.waitForFinished(30000) || openssl.exitCode() != 0)
        return;
    QFile keyFile(key);
    if (!keyFile.open(QIODevice::ReadOnly))
        return;
    const auto certificates = QSslCertificate::fromPath(certificateFile());
    if (certificates.isEmpty())
        return;
    QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
    configuration.setLocalCertificate(certificates.first());
    configuration.setPrivateKey(QSslKey(&keyFile, QSsl::Ec));
    configuration.setPeerVerifyMode(QSslSocket::VerifyNone);
    m_server = new QSslServer;
    m_server->setSslConfiguration(configuration);
    QObject::connect(m_server, &QSslServer::pendingConnectionAvailable, m_server, [this] {
        while (auto* socket = qobject_cast<QSslSocket*>(m_server->nextPendingConnection())) {
            auto head = std::make_shared<QByteArray>();
            QObject::connect(socket, &QSslSocket::readyRead, socket, [this, socket, head] {
                *head += socket->readAll();
                if (!head->contains("\r\n\r\n"))
                    return;
                ++m_requests;
                socket->write(m_answer);
                socket->disconnectFromHost();
            });
            QObject::connect(socket, &QSslSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
    if (m_server->listen(QHostAddress::LocalHost))
        m_port = m_server->serverPort();
}

TlsTestServer::~TlsTestServer()
{
    delete m_server;
}

QString TlsTestServer::url(const QString& path, const QString& host) const
{
    return QStringLiteral("https://%1:%2%3").arg(host).arg(m_port).arg(path);
}
