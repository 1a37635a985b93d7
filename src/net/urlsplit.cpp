// SPDX-License-Identifier: MIT
#include "net/urlsplit.h"

namespace {
bool isProtocolChar(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.';
}
} // namespace

UrlParts splitUrl(const std::string& url)
{
    UrlParts parts;
    std::string::size_type authorityStart = 0;
    const auto schemeEnd = url.find("://");
    if (schemeEnd != std::string::npos) {
        bool isProtocol = true;
        for (std::string::size_type i = 0; i < schemeEnd; ++i)
            isProtocol = isProtocol && isProtocolChar(url[i]);
        if (isProtocol) {
            parts.proto = url.substr(0, schemeEnd);
            authorityStart = schemeEnd + 3;
        }
    }

    auto authorityEnd = url.find_first_of("/?", authorityStart);
    if (authorityEnd == std::string::npos)
        authorityEnd = url.size();
    parts.path = url.substr(authorityEnd);
    const std::string authority = url.substr(authorityStart, authorityEnd - authorityStart);

    std::string hostPort = authority;
    const auto at = authority.rfind('@');
    if (at != std::string::npos) {
        const std::string userInfo = authority.substr(0, at);
        hostPort = authority.substr(at + 1);
        const auto colon = userInfo.find(':');
        parts.user = userInfo.substr(0, colon);
        if (colon != std::string::npos)
            parts.pass = userInfo.substr(colon + 1);
    }
    const auto colon = hostPort.find(':');
    parts.host = hostPort.substr(0, colon);
    if (colon != std::string::npos)
        parts.port = hostPort.substr(colon + 1);
    return parts;
}
