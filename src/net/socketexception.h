// SPDX-License-Identifier: MIT
#pragma once
#include <stdexcept>
#include <string>

#include <QtGlobal>

// Raised by ClientSocket when an operation cannot even start (no host name, an
// address that is not dotted, no socket available).
class SocketException : public std::runtime_error {
public:
    // Shown to the player as the reason of a request that could not start,
    // translated there (context "ClientSocket").
    static constexpr const char* kNoHostName = QT_TRANSLATE_NOOP("ClientSocket", "DNS lookup: invalid host name.");

    explicit SocketException(const std::string& message) : std::runtime_error(message) {}
};
