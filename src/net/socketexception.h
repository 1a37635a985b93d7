// SPDX-License-Identifier: MIT
#pragma once
#include <stdexcept>
#include <string>

// Raised by ClientSocket when an operation cannot even start (no host name, an
// address that is not dotted, no socket available).
class SocketException : public std::runtime_error {
public:
    explicit SocketException(const std::string& message) : std::runtime_error(message) {}
};
