// SPDX-License-Identifier: MIT
#pragma once
#include <functional>

#include <QTest>

// Runs the event loop until `done` holds or `timeoutMs` has passed; returns
// whether it holds. Tests of event-driven code wait only through this.
inline bool waitUntil(const std::function<bool()>& done, int timeoutMs = 10000)
{
    return QTest::qWaitFor(done, timeoutMs);
}
