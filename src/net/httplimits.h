// SPDX-License-Identifier: MIT
#pragma once
#include <chrono>

// The most the game takes from a server, in one place for both HTTP clients.
// A fetch that goes past one of these ends as a failure, whatever the server
// meant: no answer can grow the program's memory or fill the disk.
struct HttpLimits {
    static constexpr long long kKiB = 1024;
    static constexpr long long kMiB = 1024 * kKiB;

    static constexpr long long kVersionFile = 1 * kKiB;   // "1.0.2" and a little room
    static constexpr long long kPostAnswer = 64 * kKiB;   // the script's thank-you page
    static constexpr long long kListPage = 1 * kMiB;      // the high-score list page
    static constexpr long long kHeaderBlock = 64 * kKiB;  // all header lines of one answer
    static constexpr long long kInstaller = 256 * kMiB;   // and never past its own Content-Length
    static constexpr long long kSignatureFile = 1 * kKiB; // the installer's detached signature
    static constexpr int kRedirects = 20;                 // followed for one request

    // Every request ends: a server that never answers, or a connection that
    // NAT or Wi-Fi dropped without a word, must not hold the next request.
    static constexpr std::chrono::milliseconds kConnectTimeout{15'000};
    static constexpr std::chrono::milliseconds kStallTimeout{30'000};  // not a byte either way
    static constexpr std::chrono::milliseconds kRequestTimeout{60'000}; // start to last byte
};

// The time-outs of one request, chosen by its caller. A zero value sets no
// limit of that kind (the installer download has no total limit, only the
// stall rule).
struct HttpTimeouts {
    std::chrono::milliseconds connect = HttpLimits::kConnectTimeout;
    std::chrono::milliseconds stall = HttpLimits::kStallTimeout;
    std::chrono::milliseconds total = HttpLimits::kRequestTimeout;
};
