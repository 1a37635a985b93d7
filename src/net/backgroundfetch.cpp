// SPDX-License-Identifier: MIT
#include "net/backgroundfetch.h"

#include <QCoreApplication>
#include <QSaveFile>

#include "net/backgroundfetchthread.h"

BackgroundFetch::BackgroundFetch(QObject* parent) : QObject(parent) {}

BackgroundFetch::~BackgroundFetch()
{
    if (m_worker) {
        // The worker may be waiting for this thread in a hand-off; release()
        // lets it go and closes the gate, so the join cannot deadlock, and the
        // stop wakes it from any network wait.
        m_worker->release();
        m_thread.join();
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
    if (m_worker)
        m_worker->requestStop();
}

void BackgroundFetch::cancel()
{
    // The old worker gets its stop and a closed gate: it reports nothing and
    // ends on its own; its thread keeps the worker alive until then.
    m_worker->release();
    m_worker.reset();
    m_thread.detach();
}

void BackgroundFetch::start(bool toFile)
{
    if (m_worker)
        cancel();
    BackgroundFetchThread::Settings settings;
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
    settings.WantsProgress = static_cast<bool>(OnProgress);
    settings.MaxBodySize = MaxBodySize;
    settings.Timeouts = Timeouts;
    settings.OtherHostRedirects = OtherHostRedirects;
    settings.CaCertificates = CaCertificates.toStdString();

    // The handler is copied too: replacing OnProgress mid-fetch changes nothing.
    auto progress = [handler = OnProgress](BackgroundFetchThread& worker) {
        handler(&worker, worker.TotalSize, worker.Readed);
    };
    m_worker = std::make_shared<BackgroundFetchThread>(std::move(settings), this, std::move(progress),
                                                [this](BackgroundFetchThread& worker) { complete(worker); });
    m_thread = std::thread([worker = m_worker] { worker->run(); });
    if (WaitThread)
        QCoreApplication::processEvents();
}

void BackgroundFetch::complete(BackgroundFetchThread& worker)
{
    // Forget the worker first, so that a handler may start the next fetch at
    // once; the old thread only returns after this call.
    const std::shared_ptr<BackgroundFetchThread> keep = std::move(m_worker);
    m_thread.detach();
    m_success = worker.Success && !worker.stopRequested();
    m_statusCode = worker.StatusCode;
    m_received = worker.Readed;
    m_errorText = m_success ? QString() : QString::fromStdString(worker.ErrorText);

    if (m_success && worker.settings().ToFile) {
        const QString fileName = QString::fromStdString(worker.settings().FileName);
        QSaveFile file(fileName);
        m_success = file.open(QIODevice::WriteOnly) && file.write(worker.Result) == worker.Result.size() &&
                    file.commit();
        if (!m_success)
            m_errorText = file.errorString();
        if (m_success) {
            if (OnDoneFile)
                OnDoneFile(this, fileName, worker.Readed);
            return;
        }
    }
    if (m_success) {
        if (OnDoneString)
            OnDoneString(this, worker.Result);
    } else if (OnError) {
        OnError(this);
    }
}
