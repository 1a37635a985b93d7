// SPDX-License-Identifier: MIT
#include "platform/makerhost.h"

#include "core/settings/settings.h"

#ifndef PELBIX_MAKER_HOST
#define PELBIX_MAKER_HOST "www.draviksoftware.example"
#endif

namespace {
// A reserved name that never resolves: what a build with an unusable host
// setting falls back to, rather than asking some stranger's server.
constexpr const char* kReservedHost = "www.draviksoftware.example";
} // namespace

ServerAddress MakerHost::builtIn()
{
    if (auto configured = ServerAddress::parse(PELBIX_MAKER_HOST))
        return *configured;
    return *ServerAddress::parse(kReservedHost);
}

ServerAddress MakerHost::of(const Settings& settings)
{
    return settings.server ? *settings.server : builtIn();
}
