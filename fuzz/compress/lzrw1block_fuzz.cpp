// One Fast block from outside: decoding must stay inside the block and the
// 32768-byte output, and whatever decodes must code and decode back to itself.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

#include "core/compress/lzrw1kh.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    constexpr uint8_t kGuard = 0x5A;
    constexpr std::size_t kGuardSize = 64;
    std::vector<uint8_t> plain(TLZR::kBlockSize + kGuardSize, kGuard);
    std::size_t produced = 0;
    if (TLZR::decompressBlock(std::span(data, size), plain.data(), produced) != DecodeStatus::Ok)
        return 0;
    if (produced > TLZR::kBlockSize ||
        !std::all_of(plain.begin() + TLZR::kBlockSize, plain.end(), [](uint8_t b) { return b == kGuard; }))
        std::abort();

    TLZR coder;
    std::vector<uint8_t> packed(TLZR::kPackBufferSize);
    const std::size_t length = coder.compressBlock(std::span(plain.data(), produced), packed.data());
    if (length > TLZR::kMaxPackedBlock)
        std::abort();
    std::vector<uint8_t> again(TLZR::kBlockSize);
    std::size_t againProduced = 0;
    if (TLZR::decompressBlock(std::span(packed.data(), length), again.data(), againProduced) != DecodeStatus::Ok ||
        againProduced != produced || !std::equal(again.begin(), again.begin() + std::ptrdiff_t(produced), plain.begin()))
        std::abort();
    return 0;
}
