// SPDX-License-Identifier: MIT
#include "platform/sessionend.h"

#include <QSocketNotifier>

#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// The handler may only do async-signal-safe work: it writes the signal's
// number into a socket that the event loop watches.
int g_pipe[2] = {-1, -1};

void onSignal(int number)
{
    const unsigned char byte = static_cast<unsigned char>(number);
    [[maybe_unused]] const ssize_t n = ::write(g_pipe[0], &byte, 1);
}

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

} // namespace

SessionEnd::SessionEnd(QObject* parent) : QObject(parent)
{
    if (g_pipe[0] < 0 && ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_pipe) != 0)
        return;
    ::fcntl(g_pipe[0], F_SETFL, O_NONBLOCK);
    m_notifier = new QSocketNotifier(g_pipe[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &SessionEnd::readSignal);
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int number : kSignals)
        ::sigaction(number, &action, nullptr);
}

SessionEnd::~SessionEnd()
{
    for (int number : kSignals)
        ::signal(number, SIG_DFL);
}

void SessionEnd::readSignal()
{
    unsigned char byte = 0;
    if (::read(g_pipe[1], &byte, 1) == 1)
        emit requested(byte);
}
