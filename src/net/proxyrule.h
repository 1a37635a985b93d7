// SPDX-License-Identifier: MIT
#pragma once
#include <functional>
#include <string>

// Which proxy a request goes through, read from the environment the way
// libcurl reads it, so both HTTP clients take the same way out:
//   - no_proxy (or NO_PROXY) names hosts reached directly: "*" for all, a
//     name matches itself and its subdomains (a leading "." is optional),
//     an address matches itself or its "/bits" network;
//   - http requests use http_proxy (lower case only: a CGI program's
//     HTTP_PROXY is a request header), https requests https_proxy or
//     HTTPS_PROXY; either falls back to all_proxy or ALL_PROXY;
//   - a proxy without a scheme is an HTTP proxy, without a port on 1080.
// Only HTTP proxies are spoken to. Any other kind (socks5://, https://) is
// `unusable`: the request fails rather than leave the way the user set up.
struct ProxyRoute {
    bool direct = true;
    bool unusable = false;
    std::string host;
    int port = 0;
    std::string user; // from "user:password@" in the proxy address
    std::string password;

    // "http://host:port/", as libcurl takes it; empty for a direct route.
    [[nodiscard]] std::string url() const;
};

using EnvironmentReader = std::function<const char*(const char* name)>;

// `scheme` is "http" or "https", `host` the request's host (brackets of an
// IPv6 address dropped).
[[nodiscard]] ProxyRoute proxyRouteFor(const std::string& scheme, const std::string& host,
                                       const EnvironmentReader& environment = {});
