// SPDX-License-Identifier: MIT
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// A web server named by host and optional ":port" ("example.org",
// "127.0.0.1:8080", "[::1]:8080"). Only names that can go into a request
// line and a Host header unchanged are accepted.
struct ServerAddress {
    static constexpr std::uint16_t kDefaultPort = 80;
    static constexpr std::size_t kMaxHostLength = 253;

    std::string host;   // without brackets for an IPv6 address
    std::uint16_t port = kDefaultPort;

    [[nodiscard]] static std::optional<ServerAddress> parse(std::string_view text);

    // host, or host:port when the port is not 80; IPv6 addresses bracketed.
    [[nodiscard]] std::string authority() const;
};
