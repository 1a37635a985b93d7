// SPDX-License-Identifier: MIT
#include "online/updateflow.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QProcess>
#include <QtConcurrent/QtConcurrentRun>

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

#include "net/backgroundfetch.h"
#include "net/httplimits.h"
#include "net/httpclient.h"
#include "net/wiretext.h"
#include "protocol/wirecontract.h"

namespace {
constexpr const char* kAborted = QT_TRANSLATE_NOOP("UpdateFlow", "Download Aborted");
constexpr int kStatusOk = 200;
constexpr int kFirstErrorStatus = 400;
} // namespace

UpdateFlow::UpdateFlow(Setup setup, QObject* parent)
    : QObject(parent), m_setup(std::move(setup)), m_key(UpdateSignature::parsePublicKey(m_setup.keyHex))
{
    versionFetch = new BackgroundFetch(this);
    versionFetch->setObjectName(QStringLiteral("checkupdate"));
    versionFetch->MaxBodySize = HttpLimits::kVersionFile;
    versionFetch->OnDoneString = [this](QObject* sender, const QByteArray& result) {
        // An error page or a redirect's leftovers say nothing about releases.
        if (versionFetch->StatusCode() != kStatusOk) {
            emit versionJudged(false);
            return;
        }
        judgeVersionAnswer(sender, result);
    };
    updateDownload = new HttpClient(this);
    updateDownload->setObjectName(QStringLiteral("getupdate"));
    updateDownload->Agent = wireText(wire::kDownloadAgent);
    updateDownload->Accept = QStringLiteral("image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, */*");
    updateDownload->SetRequestVer(QStringLiteral("1.0"));
    updateDownload->Timeouts.total = std::chrono::milliseconds::zero(); // a slow line may take long; a stall still ends it
    connect(updateDownload, &HttpClient::requestDone, this, [this](HttpClient::HttpRequest request) {
        // An abort of an idle client reports at once; it ends nothing of ours.
        if (request != HttpClient::HttpRequest::Abort)
            requestDone();
    });
    m_verifier = new QFutureWatcher<UpdateSignature::Verdict>(this);
    connect(m_verifier, &QFutureWatcher<UpdateSignature::Verdict>::finished, this,
            [this] { verified(m_verifier->result()); });
    startInstaller = [](const QString& program, const QStringList& arguments) {
        return QProcess::startDetached(program, arguments);
    };
    endProcess = [](int code) { std::_Exit(code); };
}

UpdateFlow::~UpdateFlow() = default;

QString UpdateFlow::versionUrl() const
{
    return m_setup.server() + QLatin1String(wire::kVersionPath);
}

QString UpdateFlow::installerUrl() const
{
    return m_setup.server() + QLatin1String(wire::kInstallerPath);
}

QString UpdateFlow::signatureUrl() const
{
    return m_setup.server() + QLatin1String(wire::kSignaturePath);
}

QString UpdateFlow::backupPath(const QString& programFile)
{
    const QFileInfo info(programFile);
    const QString base = info.suffix().isEmpty() ? info.fileName() : info.completeBaseName();
    return info.dir().filePath(base + QStringLiteral(".BAK"));
}

void UpdateFlow::checkForUpdate()
{
    if (!enabled())
        return;
    versionFetch->URL = versionUrl();
    versionFetch->FetchString();
}

void UpdateFlow::judgeVersionAnswer(QObject*, const QByteArray& Result)
{
    std::string_view answer(Result.constData(), static_cast<std::size_t>(Result.size()));
    // "echo 1.0.3 > version.txt" leaves a line end; it is no part of the version.
    if (answer.ends_with('\n'))
        answer.remove_suffix(answer.ends_with("\r\n") ? 2 : 1);
    const bool offer = UpdateSignature::newerVersion(answer, m_setup.ownVersion().toStdString());
    if (offer)
        emit updateOffered();
    emit versionJudged(offer);
}

void UpdateFlow::setStatus(const QString& text)
{
    emit statusChanged(text);
}

void UpdateFlow::accept()
{
    setStatus(tr("Updating. Please Wait..."));
    startUpdate();
}

void UpdateFlow::startFetch(Step step, const QString& url, QIODevice* target, long long limit)
{
    m_step = step;
    updateDownload->URL = url;
    updateDownload->MaxBodySize = limit;
    updateDownload->ReceiveStream = target;
    updateDownload->GetAsync();
}

bool UpdateFlow::fetchComplete() const
{
    // A body cut short of its announced length is no document.
    return updateDownload->StatusCode() < kFirstErrorStatus &&
           (updateDownload->ContentLength() < 0 || updateDownload->RcvdCount() == updateDownload->ContentLength());
}

QString UpdateFlow::transportFailure() const
{
    // A server's own error page comes with a header; the client's failures
    // before any answer carry the reason in place of the server's phrase.
    if (updateDownload->StatusCode() < kFirstErrorStatus || !updateDownload->RcvdHeader().isEmpty())
        return {};
    return updateDownload->ReasonPhrase();
}

void UpdateFlow::requestDone()
{
    updateDownload->ReceiveStream = nullptr;
    if (m_target)
        m_target->close();
    switch (m_step) {
    case Step::Statement:
        statementArrived();
        break;
    case Step::Installer:
        installerArrived();
        break;
    case Step::Idle:
    case Step::Verifying:
        break;
    }
}

std::optional<ReleaseStatement> UpdateFlow::openStatement() const
{
    ReleaseStatement statement;
    if (UpdateSignature::open(std::string_view(m_statementText.constData(), static_cast<std::size_t>(m_statementText.size())),
                              *m_key, statement) != UpdateSignature::Verdict::Good)
        return std::nullopt;
    // A good signature on a statement about another program, another file or
    // a release no newer than ours is a replay, not an update.
    if (statement.product != wire::kProduct || statement.fileName != wire::kInstallerName ||
        statement.size > static_cast<unsigned long long>(HttpLimits::kInstaller) ||
        !UpdateSignature::newerVersion(statement.version, m_setup.ownVersion().toStdString()))
        return std::nullopt;
    return statement;
}

void UpdateFlow::startUpdate()
{
    if (running())
        return;
    if (!enabled()) {
        fail(tr(kAborted), manualUpdateMessage());
        return;
    }
    m_local = m_setup.downloadFolder() + installerUrl().section(QLatin1Char('/'), -1);
    // The statement first: it says how many bytes to take at most, and a
    // server without one costs no installer download.
    m_statementText.clear();
    auto buffer = std::make_unique<QBuffer>(&m_statementText);
    buffer->open(QIODevice::WriteOnly);
    m_target = std::move(buffer);
    startFetch(Step::Statement, signatureUrl(), m_target.get(), HttpLimits::kSignatureFile);
}

void UpdateFlow::statementArrived()
{
    m_target.reset();
    m_statement = fetchComplete() ? openStatement() : std::nullopt;
    if (!m_statement) {
        fail(tr(kAborted), manualUpdateMessage());
        return;
    }
    // The installer takes its real name only once it is complete and the
    // statement names it, so nothing else ever looks like an installer.
    m_partFile = m_local + QStringLiteral(".part");
    auto file = std::make_unique<QFile>(m_partFile);
    if (!file->open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        fail(tr(kAborted), tr("The installer could not be saved as %1: %2").arg(file->fileName(), file->errorString()));
        return;
    }
    m_target = std::move(file);
    startFetch(Step::Installer, installerUrl(), m_target.get(), static_cast<long long>(m_statement->size));
}

void UpdateFlow::installerArrived()
{
    m_target.reset();
    if (!fetchComplete()) {
        // A server's refusal stays on the panel; a connection that failed
        // (a bad certificate, say) is told with its reason.
        const QString reason = transportFailure();
        fail(tr(kAborted), reason.isEmpty() ? QString() : manualUpdateMessage() + QLatin1Char('\n') + reason);
        return;
    }
    setStatus(tr("Received %1 bytes").arg(QFileInfo(m_partFile).size()));
    // Hashing a large installer takes a good part of a second; the window
    // keeps answering meanwhile, as it did during the download.
    m_step = Step::Verifying;
    m_verifier->setFuture(QtConcurrent::run(
        [path = QFile::encodeName(m_partFile).toStdString(), statement = *m_statement] {
            return UpdateSignature::matchesFile(path, statement);
        }));
}

void UpdateFlow::verified(UpdateSignature::Verdict verdict)
{
    QFile::remove(m_local);
    if (verdict != UpdateSignature::Verdict::Good || !QFile::rename(m_partFile, m_local)) {
        fail(tr(kAborted), manualUpdateMessage());
        return;
    }
    m_partFile.clear();
    install();
}

void UpdateFlow::install()
{
    m_step = Step::Idle;
    setStatus(tr("Installing"));
    if (beforeInstall)
        beforeInstall();
    QFile::setPermissions(m_local, QFile::permissions(m_local) | QFileDevice::ExeOwner | QFileDevice::ExeUser);
    if (!keepBackup()) {
        fail(tr(kAborted), manualUpdateMessage());
        return;
    }
    if (startInstaller(m_local, {QStringLiteral("/SP-"), QStringLiteral("/silent"), QStringLiteral("/noicons")})) {
        endProcess(0);
        return;
    }
    fail(QString(), manualUpdateMessage());
}

bool UpdateFlow::keepBackup() const
{
    // The running program goes to its ".BAK" name as a second link, and a
    // fresh copy takes its place in one rename: the program's name never
    // stands empty, whenever the process dies, and the installer may
    // overwrite a file that is no longer the one running.
    const QString program = m_setup.programFile;
    const QString backup = backupPath(program);
    const QByteArray programPath = QFile::encodeName(program);
    const QByteArray backupFile = QFile::encodeName(backup);
    QFile::remove(backup);
    if (::link(programPath.constData(), backupFile.constData()) != 0 && !QFile::copy(program, backup))
        return false;
    const QString fresh = program + QStringLiteral(".new");
    QFile::remove(fresh);
    if (!QFile::copy(program, fresh))
        return false;
    if (::rename(QFile::encodeName(fresh).constData(), programPath.constData()) != 0) {
        QFile::remove(fresh);
        return false;
    }
    return true;
}

QString UpdateFlow::manualUpdateMessage() const
{
    return tr("There was an error in the update process. Please download%1 manually from %2.")
        .arg(wireText(wire::kProduct).toUpper(), m_setup.makerAddress);
}

void UpdateFlow::fail(const QString& status, const QString& message)
{
    m_step = Step::Idle;
    m_target.reset();
    if (!status.isEmpty())
        setStatus(status);
    if (!m_partFile.isEmpty()) {
        QFile::remove(m_partFile);
        m_partFile.clear();
    }
    if (!message.isEmpty())
        emit failed(message);
}
