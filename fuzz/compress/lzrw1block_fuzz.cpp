// SPDX-License-Identifier: MIT
// One Fast block from outside: decoding must stay inside the block and the
// 32768-byte output, and whatever decodes must code and decode back to itself.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

#include "core/compress/fastblockcoder.h"

namespace {
constexpr uint8_t kGuard = 0x5A;
constexpr std::size_t kGuardSize = 64;

// Reused from run to run: allocating them each time costs more than the decoding.
struct Buffers {
    std::vector<uint8_t> plain = std::vector<uint8_t>(FastBlockCoder::kBlockSize + kGuardSize, kGuard);
    std::vector<uint8_t> packed = std::vector<uint8_t>(FastBlockCoder::kPackBufferSize);
    std::vector<uint8_t> again = std::vector<uint8_t>(FastBlockCoder::kBlockSize);
    FastBlockCoder coder;
};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static Buffers b;
    std::size_t produced = 0;
    if (FastBlockCoder::decompressBlock(std::span(data, size), std::span(b.plain.data(), FastBlockCoder::kBlockSize), produced) != DecodeStatus::Ok)
        return 0;
    if (produced > FastBlockCoder::kBlockSize ||
        !std::all_of(b.plain.begin() + FastBlockCoder::kBlockSize, b.plain.end(), [](uint8_t v) { return v == kGuard; }))
        std::abort();

    const std::size_t length = b.coder.compressBlock(std::span(b.plain.data(), produced), b.packed.data());
    if (length > FastBlockCoder::kMaxPackedBlock)
        std::abort();
    std::size_t againProduced = 0;
    if (FastBlockCoder::decompressBlock(std::span(b.packed.data(), length), b.again, againProduced) != DecodeStatus::Ok ||
        againProduced != produced || !std::equal(b.again.begin(), b.again.begin() + std::ptrdiff_t(produced), b.plain.begin()))
        std::abort();
    return 0;
}
