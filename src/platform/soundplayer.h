// SPDX-License-Identifier: MIT
#pragma once
#include "platform/soundsink.h"

#include <QString>

#include <map>
#include <memory>

class QObject;
class QSoundEffect;

// Plays a cue's WAV resource (":/sounds/NAME.wav", the cue's name in upper
// case) in the background, one at a time: a new cue stops the one playing.
// Quiet when there is no audio output or no asset. Each sound is loaded the
// first time it is asked for, so creating the player costs nothing. The
// audio system is first asked once the first window has painted: the
// greeting, asked for while the windows are made, sounds as the board
// appears instead of holding it back.
class SoundPlayer : public SoundSink {
public:
    SoundPlayer();
    ~SoundPlayer() override;
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

    void play(const QString& cue) override;

    // The resource a cue plays, matched without regard to case; empty when
    // the cue has none ("startgame").
    [[nodiscard]] static QString assetFor(const QString& cue);

    // The asset of the cue started last, the one sounding if any does; a cue
    // without an asset starts nothing and stops nothing.
    [[nodiscard]] const QString& lastStarted() const { return m_lastStarted; }

private:
    [[nodiscard]] bool audioAvailable();
    void playAsset(const QString& asset);

    std::map<QString, std::unique_ptr<QSoundEffect>> m_effects;
    // The cue waiting for the event loop, and what ends the wait with the player.
    QString m_held;
    std::unique_ptr<QObject> m_waiting;
    QSoundEffect* m_playing = nullptr;
    QString m_lastStarted;
    int m_audio = -1;   // not yet asked, then 0 or 1
};
