// SPDX-License-Identifier: MIT
// A redirect's Location comes from the server as it likes; the background
// fetch splits it to judge where it leads before anything is sent there.
// The same bytes, read as proxy settings, go through the proxy rule.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "net/httpgeturl.h"
#include "net/proxyrule.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const HttpGetTarget target = splitHttpGetUrl(text);
    if (target.valid()) {
        if (target.port < 1 || target.port > 65535 || target.host.find('/') != std::string::npos ||
            target.path.empty() || target.path.front() != '/')
            std::abort();
    }
    const auto newline = text.find('\n');
    const std::string proxy = text.substr(0, newline);
    const std::string noProxy = newline == std::string::npos ? std::string() : text.substr(newline + 1);
    const ProxyRoute route = proxyRouteFor(target.secure() ? "https" : "http", target.host, [&](const char* name) {
        const std::string key(name);
        if (key == "no_proxy")
            return noProxy.c_str();
        return key == "http_proxy" || key == "https_proxy" ? proxy.c_str() : static_cast<const char*>(nullptr);
    });
    if (!route.direct && !route.unusable && (route.port < 1 || route.port > 65535 || route.host.empty()))
        std::abort();
    return 0;
}
