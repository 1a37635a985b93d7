// SPDX-License-Identifier: MIT
#pragma once
#include <QStringList>

#include "controls/urlopener.h"

// For tests: installs itself for its lifetime, records every address the
// program asks the desktop to open, and answers with `accept`.
class RecordingUrlOpener : public UrlOpener {
public:
    explicit RecordingUrlOpener(bool acceptAll = true) : accept(acceptAll), m_previous(install(this)) {}
    ~RecordingUrlOpener() override { install(m_previous); }
    RecordingUrlOpener(const RecordingUrlOpener&) = delete;
    RecordingUrlOpener& operator=(const RecordingUrlOpener&) = delete;

    bool open(const QString& address) override
    {
        opened << address;
        return accept;
    }

    QStringList opened;
    bool accept;

private:
    UrlOpener* m_previous;
};
