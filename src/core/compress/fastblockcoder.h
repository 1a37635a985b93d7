// SPDX-License-Identifier: MIT
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "core/compress/decodestatus.h"

// The Fast coder: one LZRW1/KH block of at most 32768 bytes at a time. Blocks
// are independent (the hash table is emptied for each), so a block never
// refers to bytes outside itself.
class FastBlockCoder {
public:
    static constexpr std::size_t kBlockSize = 32768;
    // Worst case of compressBlock: a stored block is one byte longer than its input.
    static constexpr std::size_t kMaxPackedBlock = kBlockSize + 1;
    // compressBlock may run a few bytes past kMaxPackedBlock before it decides to store.
    static constexpr std::size_t kPackBufferSize = kBlockSize + 16;

    static constexpr uint8_t kFlagCompressed = 64;
    static constexpr uint8_t kFlagStored = 128;

    // Codes src (at most kBlockSize bytes) into dst, which must hold
    // kPackBufferSize bytes; returns the block length, 1 to kMaxPackedBlock.
    std::size_t compressBlock(std::span<const uint8_t> src, uint8_t* dst);

    // Decodes one block into dst and sets produced. A block that would give
    // more bytes than dst holds is Inconsistent; dst is normally the block's
    // own 32768-byte stretch of the caller's final buffer. Never reads
    // outside block nor writes outside dst, whatever block holds.
    [[nodiscard]] static DecodeStatus decompressBlock(std::span<const uint8_t> block, std::span<uint8_t> dst,
                                                      std::size_t& produced);

private:
    static constexpr std::size_t kHashEntries = 4096;
    static constexpr int16_t kEmpty = INT16_MIN;
    std::array<int16_t, kHashEntries> m_hash{};
};
