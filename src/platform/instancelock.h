// SPDX-License-Identifier: MIT
#pragma once
#include <QString>

#include "core/settings/productkey.h"

// The program's named lock: an advisory flock on "pelbixsolo.lock" in the
// user's runtime folder, held from construction until destruction. Nothing
// waits on it; it only tells whether another copy already holds it.
class InstanceLock {
public:
    static constexpr std::string_view kName = kProductKey;

    // Locks the file in the user's runtime folder.
    InstanceLock();
    // Locks kName + ".lock" in the given folder (the default one when empty).
    explicit InstanceLock(const QString& folder);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    [[nodiscard]] bool held() const { return m_fd >= 0; }
    [[nodiscard]] const QString& path() const { return m_path; }

    // $XDG_RUNTIME_DIR when it names a folder; else the lock goes to the
    // temporary folder under a name that carries the user id, so that users
    // sharing it do not lock each other out.
    [[nodiscard]] static QString defaultPath();

private:
    QString m_path;
    int m_fd = -1;
};
