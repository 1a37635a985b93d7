// SPDX-License-Identifier: MIT
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// A web server named by host and optional ":port" ("example.org",
// "127.0.0.1:8080", "[::1]:8080"), optionally after "http://" or
// "https://" (a server reached over TLS, on port 443 unless one is given).
// Only names that can go into a request line and a Host header unchanged
// are accepted.
struct ServerAddress {
    static constexpr std::uint16_t kDefaultPort = 80;
    static constexpr std::uint16_t kDefaultSecurePort = 443;
    static constexpr std::size_t kMaxHostLength = 253;

    std::string host;   // without brackets for an IPv6 address
    std::uint16_t port = kDefaultPort;
    bool secure = false; // https

    [[nodiscard]] static std::optional<ServerAddress> parse(std::string_view text);

    // host, or host:port when the port is not the scheme's default; IPv6
    // addresses bracketed.
    [[nodiscard]] std::string authority() const;
    // "http://" or "https://" and the authority: what request paths follow.
    [[nodiscard]] std::string origin() const;
};
