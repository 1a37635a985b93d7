// SPDX-License-Identifier: MIT
#include "net/backgroundfetch.h"

#include <mutex>
#include <string_view>

#include <QCoreApplication>
#include <QFutureWatcher>
#include <QMetaObject>
#include <QSaveFile>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>

#include "net/fetchtransfer.h"

namespace {

// In the player's language; what the library or the server said stays as it came.
QString failureText(const FetchTransfer& done)
{
    if (!done.ErrorPattern)
        return {};
    const QString text = QCoreApplication::translate("FetchTransfer", done.ErrorPattern);
    if (std::string_view(done.ErrorPattern).find("%1") == std::string_view::npos)
        return text;
    return text.arg(QString::fromStdString(done.ErrorDetail));
}

// Transfers mostly wait on the network, so they get a pool of their own: in
// the shared one, sized to the processors, a slow server would hold back
// the program's computing work, and that work the fetches.
constexpr int kTransferThreads = 8;

QThreadPool& transferPool()
{
    static QThreadPool pool;
    static const bool sized = [] {
        pool.setMaxThreadCount(kTransferThreads);
        return true;
    }();
    (void)sized;
    return pool;
}

} // namespace

// Where a transfer's progress crosses to the component's thread. A transfer
// may outlive its component (cancelled ones are left to end on their own),
// so it reaches the component only through here, and the component closes
// the gate before it goes.
struct BackgroundFetch::Gate {
    std::mutex mutex;
    BackgroundFetch* owner;
};

BackgroundFetch::BackgroundFetch(QObject* parent)
    : QObject(parent), m_gate(std::make_shared<Gate>()), m_watcher(new QFutureWatcher<void>(this))
{
    m_gate->owner = this;
    connect(m_watcher, &QFutureWatcher<void>::finished, this, &BackgroundFetch::complete);
}

BackgroundFetch::~BackgroundFetch()
{
    {
        std::lock_guard lock(m_gate->mutex);
        m_gate->owner = nullptr;
    }
    if (m_transfer) {
        // The stop wakes the transfer from any network wait, so this is short.
        m_transfer->requestStop();
        m_watcher->waitForFinished();
    }
}

void BackgroundFetch::FetchString()
{
    start(false);
}

void BackgroundFetch::FetchFile()
{
    start(true);
}

void BackgroundFetch::Stop()
{
    if (m_transfer)
        m_transfer->requestStop();
}

void BackgroundFetch::cancel()
{
    // The old transfer ends on its own; its task keeps it alive until then,
    // and its finish is no longer watched.
    m_transfer->requestStop();
    m_transfer.reset();
}

void BackgroundFetch::start(bool toFile)
{
    if (m_transfer)
        cancel();
    FetchTransfer::Settings settings;
    settings.AcceptTypes = AcceptTypes.toStdString();
    settings.Agent = Agent.toStdString();
    settings.URL = URL.toStdString();
    settings.FileName = FileName.toStdString();
    settings.UserName = UserName.toStdString();
    settings.Password = Password.toStdString();
    settings.PostQuery = PostQuery.toStdString();
    settings.Referer = Referer.toStdString();
    settings.BinaryData = BinaryData;
    settings.UseCache = UseCache;
    settings.ToFile = toFile;
    settings.MaxBodySize = MaxBodySize;
    settings.Timeouts = Timeouts;
    settings.OtherHostRedirects = OtherHostRedirects;
    settings.CaCertificates = CaCertificates.toStdString();

    const unsigned serial = ++m_serial;
    FetchTransfer::Progress progress;
    if (OnProgress) {
        // The handler is copied too: replacing OnProgress mid-fetch changes nothing.
        progress = [gate = m_gate, serial, handler = OnProgress](long long total, long long read) {
            std::lock_guard lock(gate->mutex);
            BackgroundFetch* const owner = gate->owner;
            if (!owner)
                return;
            QMetaObject::invokeMethod(
                owner,
                [owner, serial, handler, total, read] {
                    if (owner->m_serial == serial && owner->m_transfer)
                        handler(owner, total, read);
                },
                Qt::QueuedConnection);
        };
    }
    m_transfer = std::make_shared<FetchTransfer>(std::move(settings), std::move(progress));
    m_watcher->setFuture(QtConcurrent::run(&transferPool(), [transfer = m_transfer] { transfer->run(); }));
}

void BackgroundFetch::complete()
{
    if (!m_transfer)
        return;
    // Forget the transfer first, so that a handler may start the next fetch at once.
    const std::shared_ptr<FetchTransfer> done = std::move(m_transfer);
    m_success = done->Success && !done->stopRequested();
    m_statusCode = done->StatusCode;
    m_received = done->Readed;
    m_errorText = m_success ? QString() : failureText(*done);

    if (m_success && done->settings().ToFile) {
        const QString fileName = QString::fromStdString(done->settings().FileName);
        QSaveFile file(fileName);
        m_success = file.open(QIODevice::WriteOnly) && file.write(done->Result) == done->Result.size() &&
                    file.commit();
        if (!m_success)
            m_errorText = file.errorString();
        if (m_success) {
            if (OnDoneFile)
                OnDoneFile(this, fileName, done->Readed);
            return;
        }
    }
    if (m_success) {
        if (OnDoneString)
            OnDoneString(this, done->Result);
    } else if (OnError) {
        OnError(this);
    }
}
