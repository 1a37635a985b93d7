// SPDX-License-Identifier: MIT
#pragma once
#include <stdexcept>
#include <string>

// Raised by TWSocket when an operation cannot even start (no host name, an
// address that is not dotted, no socket available).
class ESocketException : public std::runtime_error {
public:
    explicit ESocketException(const std::string& message) : std::runtime_error(message) {}
};
