// SPDX-License-Identifier: MIT
#pragma once
#include <string>

// Where BackgroundFetch sends its request: "http://" or "https://" (any letter
// case) is the scheme, "http" without one; the host runs to the first "/",
// an optional ":port" after the host is the port (80, or 443 for https,
// without one), and the path keeps its query unchanged. An address without
// a "/" after the host has no host, and its fetch fails.
struct HttpGetTarget {
    std::string scheme = "http";
    std::string host;
    int port = 80;
    std::string path;

    [[nodiscard]] bool valid() const { return !host.empty(); }
    [[nodiscard]] bool secure() const { return scheme == "https"; }
};

[[nodiscard]] HttpGetTarget splitHttpGetUrl(const std::string& url);
