#include "platform/soundplayer.h"

#include <QAudioDevice>
#include <QDir>
#include <QHash>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

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
