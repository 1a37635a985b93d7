// SPDX-License-Identifier: MIT
// Any bytes as a kept spread of perfect play: read without a crash, and a
// spread that reads writes back to the same shares.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/history/spreadcache.h"

namespace {
// The key the seeds were written for.
constexpr double kKey = 5439.7243;
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    if (const auto spread = readSpreadCache(text, kKey))
        if (readSpreadCache(spreadCacheText(*spread, kKey), kKey) != spread)
            std::abort();
    return 0;
}
