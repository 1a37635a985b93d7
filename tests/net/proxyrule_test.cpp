// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>
#include <map>
#include <string>

#include "net/proxyrule.h"

TEST(proxyRouteFor, ReadsTheEnvironmentAsCurlDoes)
{
    using Env = std::map<std::string, std::string>;
    const struct {
        Env env;
        const char* scheme;
        const char* host;
        const char* url; // "" direct, "!" unusable
    } cases[] = {
        {{}, "http", "h", ""},
        {{{"http_proxy", "p:3128"}}, "http", "h", "http://p:3128/"},
        {{{"HTTP_PROXY", "p:3128"}}, "http", "h", ""}, // a CGI request header, never a proxy
        {{{"http_proxy", "p"}}, "http", "h", "http://p:1080/"},
        {{{"http_proxy", "http://u:pw@p:8/"}}, "http", "h", "http://p:8/"},
        {{{"http_proxy", "p:1"}}, "https", "h", ""},
        {{{"HTTPS_PROXY", "s:2"}}, "https", "h", "http://s:2/"},
        {{{"https_proxy", "s:2"}, {"HTTPS_PROXY", "t:3"}}, "https", "h", "http://s:2/"},
        {{{"ALL_PROXY", "a:4"}}, "https", "h", "http://a:4/"},
        {{{"all_proxy", "a:4"}}, "http", "h", "http://a:4/"},
        {{{"http_proxy", "p:1"}, {"no_proxy", "*"}}, "http", "h", ""},
        {{{"http_proxy", "p:1"}, {"no_proxy", "x, example.org"}}, "http", "www.Example.org", ""},
        {{{"http_proxy", "p:1"}, {"NO_PROXY", ".example.org"}}, "http", "example.org", ""},
        {{{"http_proxy", "p:1"}, {"no_proxy", "example.org"}}, "http", "badexample.org", "http://p:1/"},
        {{{"http_proxy", "p:1"}, {"no_proxy", "127.0.0.0/8"}}, "http", "127.4.5.6", ""},
        {{{"http_proxy", "p:1"}, {"no_proxy", "10.0.0.0/8"}}, "http", "127.0.0.1", "http://p:1/"},
        {{{"http_proxy", "p:1"}, {"no_proxy", "::1"}}, "http", "::1", ""},
        {{{"http_proxy", "socks5://p:1"}}, "http", "h", "!"},
        {{{"https_proxy", "https://p:1"}}, "https", "h", "!"},
        {{{"http_proxy", "p:99999"}}, "http", "h", "!"},
        {{{"http_proxy", "[::1]:3128"}}, "http", "h", "http://[::1]:3128/"},
        {{{"http_proxy", "h@["}}, "http", "h", "!"}, // found by fuzzing: a proxy without a host
        {{{"http_proxy", "[::1]x"}}, "http", "h", "!"},
        {{{"http_proxy", "http://"}}, "http", "h", "!"},
    };
    for (const auto& c : cases) {
        const ProxyRoute route = proxyRouteFor(c.scheme, c.host, [&](const char* name) -> const char* {
            const auto found = c.env.find(name);
            return found == c.env.end() ? nullptr : found->second.c_str();
        });
        const std::string got = route.unusable ? "!" : route.url();
        EXPECT_EQ(got, c.url) << c.scheme << "://" << c.host << " " << (c.env.empty() ? "" : c.env.begin()->second);
    }
}
