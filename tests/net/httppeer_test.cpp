// SPDX-License-Identifier: MIT
// Both components against a real HTTP server: Python's http.server on a free
// loopback port, serving a temporary folder.
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QBuffer>
#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include "net/backgroundfetch.h"
#include "net/httpclient.h"
#include "support/eventwait.h"
#include "support/requestwait.h"
#include "support/scriptedhttpserver.h"

namespace {

constexpr int kStartTimeoutMs = 15000;

bool accepts(int port)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    const bool ok = ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    ::close(fd);
    return ok;
}

// The server process, killed and reaped whatever the test does.
class PythonHttpServer {
public:
    explicit PythonHttpServer(const QString& folder) : m_port(ScriptedHttpServer::closedPort())
    {
        const QString python = QStandardPaths::findExecutable(QStringLiteral("python3"));
        if (python.isEmpty())
            return;
        m_process.setProgram(python);
        m_process.setArguments({QStringLiteral("-m"), QStringLiteral("http.server"), QStringLiteral("--bind"),
                                QStringLiteral("127.0.0.1"), QString::number(m_port), QStringLiteral("--directory"),
                                folder});
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start();
        if (!m_process.waitForStarted(kStartTimeoutMs))
            return;
        const QDeadlineTimer deadline(kStartTimeoutMs);
        while (m_process.state() != QProcess::NotRunning && !deadline.hasExpired() && !accepts(m_port))
            QThread::msleep(50);
        m_ready = m_process.state() == QProcess::Running && accepts(m_port);
    }
    ~PythonHttpServer()
    {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
    [[nodiscard]] bool ready() const { return m_ready; }
    [[nodiscard]] QString url(const QString& path) const
    {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(m_port).arg(path);
    }

private:
    int m_port;
    QProcess m_process;
    bool m_ready = false;
};

class HttpPeer : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_folder.isValid());
        m_small = "1.0.3\n";
        m_large.resize(1 << 20);
        QRandomGenerator random(20261207);
        for (char& byte : m_large)
            byte = static_cast<char>(random.bounded(256));
        write(QStringLiteral("version.txt"), m_small);
        write(QStringLiteral("qztsetup.exe"), m_large);
        m_server = std::make_unique<PythonHttpServer>(m_folder.path());
        if (!m_server->ready())
            GTEST_SKIP() << "python3 http.server did not start";
    }
    void write(const QString& name, const QByteArray& bytes)
    {
        QFile file(m_folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }
    QByteArray fetchInBackground(const QString& path, bool& ok)
    {
        BackgroundFetch get;
        QByteArray result;
        int completions = 0;
        ok = false;
        get.OnDoneString = [&](QObject*, const QByteArray& body) {
            ++completions;
            ok = true;
            result = body;
        };
        get.OnError = [&](QObject*) { ++completions; };
        get.URL = m_server->url(path);
        get.FetchString();
        EXPECT_TRUE(waitUntil([&] { return completions > 0; }, 30000));
        return result;
    }

    QTemporaryDir m_folder;
    QByteArray m_small;
    QByteArray m_large;
    std::unique_ptr<PythonHttpServer> m_server;
};

} // namespace

TEST_F(HttpPeer, BackgroundFetchReadsPagesAndFiles)
{
    bool ok = false;
    EXPECT_EQ(fetchInBackground(QStringLiteral("/version.txt"), ok), m_small);
    EXPECT_TRUE(ok);
    // The error page is a body like any other.
    const QByteArray page = fetchInBackground(QStringLiteral("/missing.txt"), ok);
    EXPECT_TRUE(ok);
    EXPECT_TRUE(page.contains("404")) << page.toStdString();
    EXPECT_TRUE(fetchInBackground(QStringLiteral("/qztsetup.exe"), ok) == m_large);
}

TEST_F(HttpPeer, ClientDownloadsIntoAFile)
{
    const struct {
        const char* path;
        int status;
        QByteArray* expected;
    } cases[] = {
        {"/version.txt", 200, &m_small},
        {"/qztsetup.exe", 200, &m_large},
        {"/missing.exe", 404, nullptr},
    };
    for (const auto& c : cases) {
        const QString fileName = m_folder.filePath(QStringLiteral("download.bin"));
        QFile file(fileName);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        HttpClient cli;
        cli.URL = m_server->url(QString::fromLatin1(c.path));
        cli.ReceiveStream = &file;
        ASSERT_TRUE(finishRequest(cli, &HttpClient::GetAsync)) << c.path;
        file.close();
        EXPECT_EQ(cli.StatusCode(), c.status) << c.path;
        if (c.expected) {
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            EXPECT_TRUE(file.readAll() == *c.expected) << c.path;
            EXPECT_EQ(cli.ContentLength(), c.expected->size()) << c.path;
        }
    }
}
