// SPDX-License-Identifier: MIT
#pragma once
#include "platform/soundsink.h"

#include <QStringList>

// Remembers every cue asked for, in order; for tests of the windows.
class RecordingSoundSink : public SoundSink {
public:
    void play(const QString& cue) override { cues.append(cue); }

    QStringList cues;
};
