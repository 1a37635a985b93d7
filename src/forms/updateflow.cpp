// SPDX-License-Identifier: MIT
#include "forms/updateflow.h"

#include <QBuffer>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QProcess>

#include <cstdlib>
#include <thread>

#include "net/ehttpexception.h"
#include "net/httpget.h"
#include "net/httplimits.h"
#include "net/httpprot.h"

namespace {
const QString kAborted = QStringLiteral("Download Aborted");
} // namespace

UpdateFlow::UpdateFlow(Setup setup, QObject* parent)
    : QObject(parent), m_setup(std::move(setup)), m_key(UpdateSignature::parsePublicKey(m_setup.keyHex))
{
    checkupdate = new THTTPGet(this);
    checkupdate->setObjectName(QStringLiteral("checkupdate"));
    checkupdate->MaxBodySize = HttpLimits::kVersionFile;
    checkupdate->OnDoneString = [this](QObject* sender, const QByteArray& result) {
        checkupdateDoneString(sender, result);
    };
    getupdate = new THttpCli(this);
    getupdate->setObjectName(QStringLiteral("getupdate"));
    getupdate->Agent = QStringLiteral("Mozilla/3.0 (compatible)");
    getupdate->Accept = QStringLiteral("image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, */*");
    getupdate->SetRequestVer(QStringLiteral("1.0"));
    getupdate->Timeouts.total = std::chrono::milliseconds::zero(); // a slow line may take long; a stall still ends it
    startInstaller = [](const QString& program, const QStringList& arguments) {
        return QProcess::startDetached(program, arguments);
    };
    endProcess = [](int code) { std::_Exit(code); };
}

UpdateFlow::~UpdateFlow() = default;

QString UpdateFlow::versionUrl() const
{
    return QStringLiteral("%1/%2/%2version.txt").arg(m_setup.server(), m_setup.productkey);
}

QString UpdateFlow::installerUrl() const
{
    return QStringLiteral("%1/%2/%3").arg(m_setup.server(), m_setup.productkey, m_setup.setupname);
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
    checkupdate->URL = versionUrl();
    checkupdate->FetchString();
}

void UpdateFlow::checkupdateDoneString(QObject*, const QByteArray& Result)
{
    const bool offer = Result != m_setup.ownVersion().toUtf8();
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
    setStatus(QStringLiteral("Updating. Please Wait..."));
    const QString backup = backupPath(m_setup.programFile);
    if (QFile::exists(backup))
        QFile::remove(backup);
    m_programMoved = QFile::rename(m_setup.programFile, backup);
    downloadit();
}

bool UpdateFlow::fetch(const QString& url, QIODevice& target, long long limit)
{
    getupdate->URL = url;
    getupdate->MaxBodySize = limit;
    getupdate->ReceiveStream = &target;
    // Events run during the wait; the flow may be gone when it ends.
    const QPointer<THttpCli> client(getupdate);
    bool complete = false;
    try {
        getupdate->Get();
        // A body cut short of its announced length is no document.
        complete = getupdate->ContentLength() < 0 || getupdate->RcvdCount() == getupdate->ContentLength();
    } catch (const EHttpException&) {
        complete = false;
    }
    if (!client)
        return false;
    getupdate->ReceiveStream = nullptr;
    return complete;
}

void UpdateFlow::downloadit()
{
    if (!enabled()) {
        fail(kAborted, manualUpdateMessage());
        return;
    }
    const QString local = m_setup.downloadFolder() + installerUrl().section(QLatin1Char('/'), -1);
    const QPointer<UpdateFlow> self(this);

    // The signature first: a server without one costs no installer download.
    QByteArray signature;
    QBuffer signatureBuffer(&signature);
    signatureBuffer.open(QIODevice::WriteOnly);
    const bool signatureReceived = fetch(signatureUrl(), signatureBuffer, HttpLimits::kSignatureFile);
    if (!self)
        return;
    if (!signatureReceived || !UpdateSignature::parseSignature(signature.toStdString())) {
        fail(kAborted, manualUpdateMessage());
        return;
    }

    // The installer takes its real name only once it is complete and its
    // signature holds, so nothing else ever looks like an installer.
    m_partFile = local + QStringLiteral(".part");
    QFile file(m_partFile);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        fail(kAborted, QStringLiteral("The installer could not be saved as %1: %2").arg(file.fileName(), file.errorString()));
        return;
    }
    const bool received = fetch(installerUrl(), file, HttpLimits::kInstaller);
    file.close();
    if (!self)
        return;
    if (!received) {
        fail(kAborted, QString());
        return;
    }
    setStatus(QStringLiteral("Received %1 bytes").arg(file.size()));

    const auto verdict = verifyInBackground(signature);
    if (!self)
        return;
    QFile::remove(local);
    if (verdict != UpdateSignature::Verdict::Good || !file.rename(local)) {
        fail(kAborted, manualUpdateMessage());
        return;
    }
    m_partFile.clear();

    setStatus(QStringLiteral("Installing"));
    if (beforeInstall)
        beforeInstall();
    QFile::setPermissions(local, QFile::permissions(local) | QFileDevice::ExeOwner | QFileDevice::ExeUser);
    if (startInstaller(local, {QStringLiteral("/SP-"), QStringLiteral("/silent"), QStringLiteral("/noicons")})) {
        endProcess(0);
        return;
    }
    fail(QString(), manualUpdateMessage());
}

UpdateSignature::Verdict UpdateFlow::verifyInBackground(const QByteArray& signature) const
{
    // Hashing a large installer takes a good part of a second; the window
    // keeps answering meanwhile, as it did during the download.
    UpdateSignature::Verdict verdict = UpdateSignature::Verdict::Unreadable;
    QEventLoop loop;
    std::thread worker([&, path = QFile::encodeName(m_partFile).toStdString(), text = signature.toStdString(),
                        key = *m_key] {
        verdict = UpdateSignature::verifyFile(path, text, key);
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    loop.exec();
    worker.join();
    return verdict;
}

QString UpdateFlow::manualUpdateMessage() const
{
    return QStringLiteral("There was an error in the update process. Please download%1 manually from %2.")
        .arg(m_setup.productkey.toUpper(), m_setup.makerAddress);
}

void UpdateFlow::fail(const QString& status, const QString& message)
{
    if (!status.isEmpty())
        setStatus(status);
    if (!m_partFile.isEmpty()) {
        QFile::remove(m_partFile);
        m_partFile.clear();
    }
    // A failed update must leave the player a program to start next time.
    if (m_programMoved && !QFile::exists(m_setup.programFile))
        QFile::rename(backupPath(m_setup.programFile), m_setup.programFile);
    m_programMoved = false;
    if (!message.isEmpty())
        emit failed(message);
}
