// SPDX-License-Identifier: MIT
#pragma once
#include <string>

// Where THTTPGet sends its request: "http://" (any letter case) is dropped,
// the host runs to the first "/", an optional ":port" after the host is the
// port (80 without one), and the path keeps its query unchanged. An address
// without a "/" after the host has no host, and its fetch fails.
struct HttpGetTarget {
    std::string host;
    int port = 80;
    std::string path;

    [[nodiscard]] bool valid() const { return !host.empty(); }
};

[[nodiscard]] HttpGetTarget splitHttpGetUrl(const std::string& url);
