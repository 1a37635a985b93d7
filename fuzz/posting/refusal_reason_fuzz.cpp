// SPDX-License-Identifier: MIT
// Any bytes as a refused post's answer: the reason is one line, bounded,
// and without control characters.
#include "core/posting/refusalreason.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string reason = refusalReason(std::string_view(reinterpret_cast<const char*>(data), size));
    if (reason.size() > kMaxRefusalBytes)
        std::abort();
    for (const char c : reason)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            std::abort();
    return 0;
}
