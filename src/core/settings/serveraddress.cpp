// SPDX-License-Identifier: MIT
#include "core/settings/serveraddress.h"

#include <algorithm>

namespace {
bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isHex(char c) { return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }
bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// Letters, digits, "-" and "." in labels of 1 to 63 characters.
bool isHostName(std::string_view host)
{
    constexpr std::size_t kMaxLabel = 63;
    if (host.empty() || host.size() > ServerAddress::kMaxHostLength)
        return false;
    std::size_t label = 0;
    for (const char c : host) {
        if (c == '.') {
            if (label == 0)
                return false;
            label = 0;
        } else if (isLetter(c) || isDigit(c) || c == '-') {
            if (++label > kMaxLabel)
                return false;
        } else {
            return false;
        }
    }
    return label > 0;
}

bool isIpv6(std::string_view host)
{
    constexpr std::size_t kMaxIpv6 = 45;
    return !host.empty() && host.size() <= kMaxIpv6
           && std::all_of(host.begin(), host.end(), [](char c) { return isHex(c) || c == ':' || c == '.'; })
           && host.find(':') != std::string_view::npos;
}

std::optional<std::uint16_t> parsePort(std::string_view text)
{
    constexpr std::size_t kMaxDigits = 5;
    constexpr unsigned kMaxPort = 65535;
    if (text.empty() || text.size() > kMaxDigits || !std::all_of(text.begin(), text.end(), isDigit))
        return std::nullopt;
    unsigned port = 0;
    for (const char c : text)
        port = port * 10 + static_cast<unsigned>(c - '0');
    if (port == 0 || port > kMaxPort)
        return std::nullopt;
    return static_cast<std::uint16_t>(port);
}

bool startsWithNoCase(std::string_view text, std::string_view lowerPrefix)
{
    if (text.size() < lowerPrefix.size())
        return false;
    for (std::size_t i = 0; i < lowerPrefix.size(); ++i) {
        const char c = text[i];
        if ((c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c) != lowerPrefix[i])
            return false;
    }
    return true;
}
} // namespace

std::optional<ServerAddress> ServerAddress::parse(std::string_view text)
{
    ServerAddress address;
    constexpr std::string_view kHttp = "http://";
    constexpr std::string_view kHttps = "https://";
    const bool secure = startsWithNoCase(text, kHttps);
    const bool schemeGiven = secure || startsWithNoCase(text, kHttp);
    if (secure) {
        address.secure = true;
        address.port = kDefaultSecurePort;
    }
    if (schemeGiven) {
        text.remove_prefix(secure ? kHttps.size() : kHttp.size());
        // "https://host/" as a browser shows it.
        if (!text.empty() && text.back() == '/')
            text.remove_suffix(1);
    }
    std::string_view rest;
    if (!text.empty() && text.front() == '[') {
        const auto close = text.find(']');
        if (close == std::string_view::npos || !isIpv6(text.substr(1, close - 1)))
            return std::nullopt;
        address.host = std::string(text.substr(1, close - 1));
        rest = text.substr(close + 1);
    } else {
        const auto colon = text.find(':');
        if (!isHostName(text.substr(0, colon)))
            return std::nullopt;
        address.host = std::string(text.substr(0, colon));
        rest = colon == std::string_view::npos ? std::string_view() : text.substr(colon);
    }
    if (!rest.empty()) {
        const auto port = rest.front() == ':' ? parsePort(rest.substr(1)) : std::nullopt;
        if (!port)
            return std::nullopt;
        address.port = *port;
    }
    return address;
}

std::string ServerAddress::authority() const
{
    std::string out = host.find(':') != std::string::npos ? "[" + host + "]" : host;
    if (port != (secure ? kDefaultSecurePort : kDefaultPort))
        out += ":" + std::to_string(port);
    return out;
}

std::string ServerAddress::origin() const
{
    return (secure ? "https://" : "http://") + authority();
}
