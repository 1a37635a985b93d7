// SPDX-License-Identifier: MIT
#pragma once
#include <stdexcept>
#include <string>

// Every failure of the compressor, carrying the text shown to the user.
class CompressorError : public std::runtime_error {
public:
    explicit CompressorError(const std::string& message) : std::runtime_error(message) {}
};
