// SPDX-License-Identifier: MIT
#include "platform/soundplayer.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QHash>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

#include <functional>
#include <utility>

// The resource macro declares a global function, so it cannot sit inside a
// namespace. Calling it also keeps the linker from dropping the sounds out
// of the static library.
static void initSoundResources()
{
    Q_INIT_RESOURCE(sounds);
}

namespace {
const QString kSoundFolder = QStringLiteral(":/sounds");

QtMessageHandler previousHandler = nullptr;

// Without a sound server the audio backend says so on the console, once per
// start; a game without sound is normal, so the probe keeps that quiet and
// passes every other message on.
void quietProbeHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.startsWith(QLatin1String("PulseAudioService:"))
        || message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR")))
        return;
    if (previousHandler != nullptr)
        previousHandler(type, context, message);
}

bool hasAudioOutput()
{
    previousHandler = qInstallMessageHandler(quietProbeHandler);
    const bool found = !QMediaDevices::audioOutputs().isEmpty();
    qInstallMessageHandler(previousHandler);
    return found;
}

// Upper-case base name to resource path, read from the resource folder once.
const QHash<QString, QString>& assetIndex()
{
    static const QHash<QString, QString> index = [] {
        initSoundResources();
        QHash<QString, QString> names;
        const QDir folder(kSoundFolder);
        for (const QString& file : folder.entryList({QStringLiteral("*.wav")}, QDir::Files))
            names.insert(file.chopped(4).toUpper(), folder.filePath(file));
        return names;
    }();
    return index;
}

// Calls `then` from the event loop once the first window has painted, or
// after a short while if none does.
class AfterFirstPaint : public QObject {
public:
    explicit AfterFirstPaint(std::function<void()> then) : m_then(std::move(then))
    {
        QCoreApplication::instance()->installEventFilter(this);
        QTimer::singleShot(kLongestWaitMs, this, [this] { fire(); });
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            QTimer::singleShot(0, this, [this] { fire(); });
        return false;
    }

private:
    static constexpr int kLongestWaitMs = 500;

    void fire()
    {
        QCoreApplication::instance()->removeEventFilter(this);
        if (m_then)
            std::exchange(m_then, nullptr)();
    }

    std::function<void()> m_then;
};
} // namespace

SoundPlayer::SoundPlayer() = default;
SoundPlayer::~SoundPlayer() = default;

QString SoundPlayer::assetFor(const QString& cue)
{
    return assetIndex().value(cue.toUpper());
}

bool SoundPlayer::audioAvailable()
{
    // Asked once: without an output device every effect would only fail
    // (and complain) one by one.
    if (m_audio < 0)
        m_audio = hasAudioOutput() ? 1 : 0;
    return m_audio == 1;
}

void SoundPlayer::play(const QString& cue)
{
    const QString asset = assetFor(cue);
    if (asset.isEmpty())
        return;
    m_lastStarted = asset;
    if (m_audio < 0 && QCoreApplication::instance() != nullptr) {
        // Asking the audio system starts its client and a connection to the
        // sound server: that waits until the window the greeting belongs to
        // has painted. Only the last cue asked for meanwhile would be heard
        // anyway: each one stops the one before.
        if (!m_waiting)
            m_waiting = std::make_unique<AfterFirstPaint>([this] { playAsset(std::exchange(m_held, QString())); });
        m_held = asset;
        return;
    }
    playAsset(asset);
}

void SoundPlayer::playAsset(const QString& asset)
{
    if (!audioAvailable())
        return;
    auto& effect = m_effects[asset];
    if (!effect) {
        effect = std::make_unique<QSoundEffect>();
        effect->setSource(QUrl(QStringLiteral("qrc") + asset));
    }
    if (m_playing != nullptr && m_playing != effect.get())
        m_playing->stop();
    effect->stop();
    effect->play();
    m_playing = effect.get();
}
