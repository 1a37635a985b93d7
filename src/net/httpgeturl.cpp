// SPDX-License-Identifier: MIT
#include "net/httpgeturl.h"

#include <cctype>
#include <string_view>

#include "net/httpfield.h"

namespace {

constexpr std::string_view kHttpPrefix = "http://";
constexpr std::string_view kHttpsPrefix = "https://";
constexpr int kDefaultPort = 80;
constexpr int kDefaultSecurePort = 443;
constexpr int kMaxPort = 65535;

// A port that is not a number from 1 to 65535 makes the address unusable.
int parsePort(const std::string& text)
{
    if (text.empty() || text.size() > 5)
        return 0;
    int port = 0;
    for (char c : text) {
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return 0;
        port = port * 10 + (c - '0');
    }
    return port <= kMaxPort ? port : 0;
}

} // namespace

HttpGetTarget splitHttpGetUrl(const std::string& url)
{
    HttpGetTarget target;
    std::string rest = url;
    if (HttpField::startsWithNoCase(url, kHttpPrefix)) {
        rest = url.substr(kHttpPrefix.size());
    } else if (HttpField::startsWithNoCase(url, kHttpsPrefix)) {
        rest = url.substr(kHttpsPrefix.size());
        target.scheme = "https";
    }
    const auto slash = rest.find('/');
    if (slash == std::string::npos)
        return target;
    target.path = rest.substr(slash);
    std::string host = rest.substr(0, slash);
    const auto colon = host.rfind(':');
    if (colon != std::string::npos) {
        target.port = parsePort(host.substr(colon + 1));
        host.resize(colon);
        if (target.port == 0)
            return HttpGetTarget{};
    } else {
        target.port = target.secure() ? kDefaultSecurePort : kDefaultPort;
    }
    target.host = host;
    return target;
}
