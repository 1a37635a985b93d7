// SPDX-License-Identifier: MIT
#pragma once

class QString;

// Hands a full address to the desktop to open in the program it belongs to
// (the browser, the mail program ...). One instance serves the process; tests
// install their own to see what would have been opened.
class UrlOpener {
public:
    virtual ~UrlOpener() = default;

    // True when the desktop accepted the address.
    [[nodiscard]] virtual bool open(const QString& address) = 0;

    // The opener in use: the desktop's unless one was installed.
    [[nodiscard]] static UrlOpener& current();
    // Installs opener (not owned; nullptr restores the desktop's) and returns
    // the one it replaces, or nullptr when that was the desktop's.
    static UrlOpener* install(UrlOpener* opener);
};
