// SPDX-License-Identifier: MIT
#pragma once
#include <QSignalSpy>

#include "net/httpclient.h"

// Starts a request with one of the client's start calls and waits on its
// requestDone until the client is idle again; a request it cancelled (one
// still under way) reports first and is waited past. Returns whether the
// request ended within timeoutMs.
inline bool finishRequest(HttpClient& client, void (HttpClient::*start)(), int timeoutMs = 30000)
{
    QSignalSpy done(&client, &HttpClient::requestDone);
    (client.*start)();
    while (done.isEmpty() || client.State() != HttpClient::HttpState::Ready) {
        done.clear();
        if (!done.wait(timeoutMs))
            return false;
    }
    return true;
}
