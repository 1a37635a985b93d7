// SPDX-License-Identifier: MIT
#pragma once
#include <stdexcept>
#include <string>

// The score table could not be opened, read or written. The message says
// which database and what went wrong.
class StoreError : public std::runtime_error {
public:
    explicit StoreError(const std::string& message) : std::runtime_error(message) {}
};
