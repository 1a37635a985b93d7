// SPDX-License-Identifier: MIT
#pragma once
#include <functional>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

// Root may write into any folder, so as root the body runs in a child that
// has become "nobody". Returns the body's result (100 and up: the child
// could not drop its rights or did not exit normally).
inline int asOrdinaryUser(const std::function<int()>& body)
{
    constexpr uid_t kNobody = 65534;
    if (::geteuid() != 0)
        return body();
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)
            ::_exit(100);
        ::_exit(body());
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 101;
}
