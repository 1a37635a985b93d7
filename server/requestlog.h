// SPDX-License-Identifier: MIT
#pragma once
#include <chrono>
#include <string>
#include <string_view>

// One line for the request log: UTC time, client, the request line as sent
// (control and non-ASCII bytes as \xNN, cut at a fixed length so a hostile
// target cannot flood the log), the status and the body size in bytes.
struct RequestRecord {
    std::chrono::system_clock::time_point time;
    std::string_view client;
    std::string_view method;
    std::string_view target;
    std::string_view version;
    int status = 0;
    std::size_t bytes = 0;
};

inline constexpr std::size_t kLoggedTargetLength = 512;

[[nodiscard]] std::string formatRequestLine(const RequestRecord& record);
