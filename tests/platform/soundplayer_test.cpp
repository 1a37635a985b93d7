// SPDX-License-Identifier: MIT
#include "platform/soundplayer.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>
#include <gtest/gtest.h>

namespace {
QByteArray contents(const QString& resource)
{
    QFile file(resource);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

TEST(playsounds, EveryCueFindsItsAssetWhateverTheCase)
{
    const char* cues[] = {"entered", "turnnew", "dice", "placedice", "unset", "belbix",
                          "invalid", "notonboard", "turnovergood", "turnoverbad", "gameover"};
    for (const char* cue : cues) {
        const QString asset = SoundPlayer::assetFor(QString::fromLatin1(cue));
        EXPECT_EQ(asset, QStringLiteral(":/sounds/") + QString::fromLatin1(cue).toUpper() + QStringLiteral(".wav"))
            << cue;
        EXPECT_TRUE(contents(asset).startsWith("RIFF")) << cue;
    }
    EXPECT_EQ(SoundPlayer::assetFor(QStringLiteral("TurnOverGood")), QStringLiteral(":/sounds/TURNOVERGOOD.wav"));
}

TEST(playsounds, CuesWithoutAssetsHaveNone)
{
    for (const char* cue : {"startgame", "", "dice.wav", "../dice", "DICE "})
        EXPECT_TRUE(SoundPlayer::assetFor(QString::fromLatin1(cue)).isEmpty()) << cue;
}

TEST(playsounds, TurnoverbadIsTheInvalidSound)
{
    const QByteArray invalid = contents(QStringLiteral(":/sounds/INVALID.wav"));
    ASSERT_FALSE(invalid.isEmpty());
    EXPECT_EQ(contents(QStringLiteral(":/sounds/TURNOVERBAD.wav")), invalid);
}

TEST(playsounds, QtDecodesEveryAsset)
{
    // A header Qt cannot read would leave that cue silent for good.
    constexpr int kLoadTimeoutMs = 10000;
    for (const char* cue : {"entered", "turnnew", "dice", "placedice", "unset", "belbix", "invalid", "notonboard",
                            "turnovergood", "turnoverbad", "gameover"}) {
        QSoundEffect effect;
        QEventLoop loop;
        QTimer timeout;
        timeout.setSingleShot(true);
        QObject::connect(&timeout, &QTimer::timeout, &loop, &QEventLoop::quit);
        QObject::connect(&effect, &QSoundEffect::statusChanged, &loop, [&] {
            if (effect.status() != QSoundEffect::Loading)
                loop.quit();
        });
        effect.setSource(QUrl(QStringLiteral("qrc") + SoundPlayer::assetFor(QString::fromLatin1(cue))));
        timeout.start(kLoadTimeoutMs);
        if (effect.status() == QSoundEffect::Loading)
            loop.exec();
        EXPECT_EQ(effect.status(), QSoundEffect::Ready) << cue;
    }
}

TEST(playsounds, ALaterCueTakesOverAndOneWithoutSoundChangesNothing)
{
    // Whether or not this machine has an audio output: a first roll asks for
    // "dice" six times, a lost one then for "belbix", which cuts it short.
    SoundPlayer player;
    EXPECT_TRUE(player.lastStarted().isEmpty());
    for (int i = 0; i < 6; ++i)
        player.play(QStringLiteral("dice"));
    EXPECT_EQ(player.lastStarted(), QStringLiteral(":/sounds/DICE.wav"));
    player.play(QStringLiteral("Belbix"));
    EXPECT_EQ(player.lastStarted(), QStringLiteral(":/sounds/BELBIX.wav"));
    player.play(QStringLiteral("startgame"));
    player.play(QStringLiteral("no such cue"));
    EXPECT_EQ(player.lastStarted(), QStringLiteral(":/sounds/BELBIX.wav"));
}

TEST(playsounds, APlayerGoneBeforeItsFirstCueSoundsLeavesNothingBehind)
{
    // The first cue waits for the event loop; the player may be gone by then.
    {
        SoundPlayer player;
        player.play(QStringLiteral("entered"));
        player.play(QStringLiteral("dice"));
    }
    QCoreApplication::processEvents();
    SoundPlayer player;
    player.play(QStringLiteral("entered"));
    QCoreApplication::processEvents();
    player.play(QStringLiteral("dice"));
    SUCCEED();
}
