// SPDX-License-Identifier: MIT
// A whole tally file from outside: it either fails with the compressor's
// exception or decodes to its size field, and the result (if not large)
// survives a round trip through the method the file named.
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

#include "core/compress/compressorerror.h"
#include "core/compress/lzrw1codec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::vector<uint8_t> plain;
    try {
        plain = lzrw1Decompress(std::span(data, size), "fuzz.tld");
    } catch (const CompressorError&) {
        return 0;
    }
    const uint32_t field = uint32_t(data[4]) | uint32_t(data[5]) << 8 | uint32_t(data[6]) << 16 | uint32_t(data[7]) << 24;
    if (plain.size() != field)
        std::abort();
    // Coding again is the slow half under the sanitizers, the Good coder's
    // most of all; large outputs only decode.
    const CompressMode mode = data[0] == kFastIdentifier[0] ? CompressMode::Fast : CompressMode::Good;
    if (plain.size() > (mode == CompressMode::Fast ? 65536u : 4096u))
        return 0;
    const std::vector<uint8_t> packed = lzrw1Compress(plain, mode);
    if (lzrw1Decompress(packed) != plain)
        std::abort();
    return 0;
}
