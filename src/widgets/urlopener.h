// SPDX-License-Identifier: MIT
#pragma once

class QString;

// Hands a full address to the desktop to open in the program it belongs to
// (the browser, the mail program ...). Whoever opens addresses is given one;
// tests give their own to see what would have been opened.
class UrlOpener {
public:
    virtual ~UrlOpener() = default;

    // True when the desktop accepted the address.
    [[nodiscard]] virtual bool open(const QString& address) = 0;

    // The desktop's own opener, for the whole run.
    [[nodiscard]] static UrlOpener& desktop();
};
