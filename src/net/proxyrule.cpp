// SPDX-License-Identifier: MIT
#include "net/proxyrule.h"

#include <arpa/inet.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdlib>
#include <cstring>

#include "net/urlsplit.h"

namespace {

constexpr int kDefaultProxyPort = 1080;
constexpr int kMaxPort = 65535;

bool allDigits(const std::string& text)
{
    return std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c) != 0; });
}

std::string lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::string variable(const EnvironmentReader& environment, const std::string& name)
{
    const char* value = environment ? environment(name.c_str()) : std::getenv(name.c_str());
    return value ? std::string(value) : std::string();
}

std::string firstSet(const EnvironmentReader& environment, std::initializer_list<std::string> names)
{
    for (const std::string& name : names) {
        std::string value = variable(environment, name);
        if (!value.empty())
            return value;
    }
    return {};
}

// An address in network order, 4 or 16 bytes; empty when `text` is none.
std::string addressBytes(const std::string& text)
{
    std::array<unsigned char, 16> bytes{};
    if (inet_pton(AF_INET, text.c_str(), bytes.data()) == 1)
        return std::string(reinterpret_cast<const char*>(bytes.data()), 4);
    if (inet_pton(AF_INET6, text.c_str(), bytes.data()) == 1)
        return std::string(reinterpret_cast<const char*>(bytes.data()), 16);
    return {};
}

bool addressInNetwork(const std::string& address, std::string pattern)
{
    int bits = -1;
    if (const auto slash = pattern.find('/'); slash != std::string::npos) {
        const std::string count = pattern.substr(slash + 1);
        if (count.empty() || count.size() > 3 || !allDigits(count))
            return false;
        bits = std::stoi(count);
        pattern.resize(slash);
    }
    if (pattern.size() > 2 && pattern.front() == '[' && pattern.back() == ']')
        pattern = pattern.substr(1, pattern.size() - 2);
    const std::string network = addressBytes(pattern);
    if (network.empty() || network.size() != address.size())
        return false;
    const int width = static_cast<int>(address.size()) * 8;
    if (bits < 0 || bits > width)
        bits = width;
    for (int bit = 0; bit < bits; ++bit) {
        const int mask = 0x80 >> (bit % 8);
        if ((address[bit / 8] & mask) != (network[bit / 8] & mask))
            return false;
    }
    return true;
}

bool nameMatches(const std::string& host, std::string pattern)
{
    if (!pattern.empty() && pattern.front() == '.')
        pattern.erase(0, 1);
    if (pattern.empty())
        return false;
    if (host == pattern)
        return true;
    return host.size() > pattern.size() && host.compare(host.size() - pattern.size(), pattern.size(), pattern) == 0 &&
           host[host.size() - pattern.size() - 1] == '.';
}

bool bypassed(std::string host, const std::string& noProxy)
{
    host = lower(host);
    while (!host.empty() && host.back() == '.')
        host.pop_back();
    const std::string address = addressBytes(host);
    std::size_t at = 0;
    while (at <= noProxy.size()) {
        const auto end = std::min(noProxy.find(',', at), noProxy.size());
        std::string pattern = noProxy.substr(at, end - at);
        at = end + 1;
        pattern.erase(0, pattern.find_first_not_of(" \t"));
        pattern.erase(pattern.find_last_not_of(" \t") + 1);
        if (pattern == "*")
            return true;
        pattern = lower(pattern);
        if (address.empty() ? nameMatches(host, pattern) : addressInNetwork(address, pattern))
            return true;
    }
    return false;
}

} // namespace

std::string ProxyRoute::url() const
{
    if (direct || unusable)
        return {};
    const bool v6 = host.find(':') != std::string::npos;
    return "http://" + (v6 ? "[" + host + "]" : host) + ":" + std::to_string(port) + "/";
}

ProxyRoute proxyRouteFor(const std::string& scheme, const std::string& host, const EnvironmentReader& environment)
{
    ProxyRoute route;
    if (bypassed(host, firstSet(environment, {"no_proxy", "NO_PROXY"})))
        return route;
    const std::string value = scheme == "https"
                                  ? firstSet(environment, {"https_proxy", "HTTPS_PROXY", "all_proxy", "ALL_PROXY"})
                                  : firstSet(environment, {"http_proxy", "all_proxy", "ALL_PROXY"});
    if (value.empty())
        return route;
    route.direct = false;
    const std::string withScheme = value.find("://") == std::string::npos ? "http://" + value : value;
    UrlParts parts = splitUrl(withScheme);
    if (lower(parts.proto) != "http") {
        route.unusable = true;
        return route;
    }
    // "[::1]:3128": the address is in brackets, the port after them.
    if (!parts.host.empty() && parts.host.front() == '[') {
        const auto authorityStart = withScheme.find("://") + 3;
        const auto authorityEnd = withScheme.find_first_of("/?", authorityStart);
        const std::string authority = withScheme.substr(authorityStart, authorityEnd - authorityStart);
        const auto at = authority.rfind('@');
        const std::string hostPort = authority.substr(at == std::string::npos ? 0 : at + 1);
        const auto close = hostPort.find(']');
        const std::string after = close == std::string::npos ? std::string() : hostPort.substr(close + 1);
        if (close == std::string::npos || (!after.empty() && after.front() != ':')) {
            route.unusable = true;
            return route;
        }
        parts.host = hostPort.substr(1, close - 1);
        parts.port = after.empty() ? std::string() : after.substr(1);
    }
    if (parts.host.empty()) {
        route.unusable = true;
        return route;
    }
    route.host = parts.host;
    route.user = parts.user;
    route.password = parts.pass;
    route.port = kDefaultProxyPort;
    if (!parts.port.empty()) {
        const bool digits = parts.port.size() <= 5 && allDigits(parts.port);
        const int port = digits ? std::stoi(parts.port) : 0;
        if (port <= 0 || port > kMaxPort) {
            route.unusable = true;
            return route;
        }
        route.port = port;
    }
    return route;
}
