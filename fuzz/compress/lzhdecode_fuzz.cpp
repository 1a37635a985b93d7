// SPDX-License-Identifier: MIT
// An LZH stream from outside: the first two bytes say how many bytes to
// decode, the rest is the stream. Decoding must end (no endless zero bits),
// and whatever decodes (if short) must code and decode back to itself.
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

#include "core/compress/goodstreamcoder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    const std::size_t wanted = std::size_t(data[0]) | std::size_t(data[1]) << 8;
    std::vector<uint8_t> plain;
    if (GoodStreamCoder::decode(std::span(data + 2, size - 2), wanted, plain) != DecodeStatus::Ok)
        return 0;
    if (plain.size() != wanted)
        std::abort();

    // Coding is the slow half under the sanitizers; small outputs keep the
    // fuzzer quick while large ones still reach the tree rebuild when decoding.
    constexpr std::size_t kMaxRecoded = 4096;
    if (plain.size() > kMaxRecoded)
        return 0;
    std::vector<uint8_t> packed;
    GoodStreamCoder::encode(plain, packed);
    std::vector<uint8_t> again;
    if (GoodStreamCoder::decode(packed, plain.size(), again) != DecodeStatus::Ok || again != plain)
        std::abort();
    return 0;
}
