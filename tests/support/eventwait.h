// SPDX-License-Identifier: MIT
#pragma once
#include <functional>

#include <QEventLoop>
#include <QTimer>

// Runs the event loop until `done` holds or `timeoutMs` has passed; returns
// whether it holds. Tests of event-driven code wait only through this.
inline bool waitUntil(const std::function<bool()>& done, int timeoutMs = 10000)
{
    if (done())
        return true;
    QEventLoop loop;
    QTimer check;
    QObject::connect(&check, &QTimer::timeout, &loop, [&] {
        if (done())
            loop.quit();
    });
    check.start(5);
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    loop.exec();
    return done();
}
