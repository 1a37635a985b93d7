// SPDX-License-Identifier: MIT
#pragma once
#include <QStringList>

#include "widgets/urlopener.h"

// For tests: records every address handed to it in place of the desktop,
// and answers with `accept`.
class RecordingUrlOpener : public UrlOpener {
public:
    explicit RecordingUrlOpener(bool acceptAll = true) : accept(acceptAll) {}
    RecordingUrlOpener(const RecordingUrlOpener&) = delete;
    RecordingUrlOpener& operator=(const RecordingUrlOpener&) = delete;

    bool open(const QString& address) override
    {
        opened << address;
        return accept;
    }

    QStringList opened;
    bool accept;
};
