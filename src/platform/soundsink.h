// SPDX-License-Identifier: MIT
#pragma once
#include <QString>

// Where the board's sound cues go: the real player in the program, a
// recorder in tests.
class SoundSink {
public:
    virtual ~SoundSink() = default;
    // Starts the cue and returns at once; never fails where anyone sees it.
    virtual void play(const QString& cue) = 0;
};
