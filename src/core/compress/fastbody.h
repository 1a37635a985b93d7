// SPDX-License-Identifier: MIT
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <vector>

#include "core/compress/blockpool.h"
#include "core/compress/decodestatus.h"
#include "core/compress/fastblockcoder.h"

// The body of a Fast container, a round of blocks at a time on a small pool
// of threads. Blocks are independent, so each one is coded exactly as the
// one-block coder would code it alone and the output is joined in order:
// the bytes never depend on the number of threads.

// Blocks per round: enough to keep every core busy, few enough that a
// streaming copy holds only a few megabytes.
inline constexpr std::size_t kFastRoundBlocks = 64;
inline constexpr std::size_t kFastRoundBytes = kFastRoundBlocks * FastBlockCoder::kBlockSize;
// Each block is preceded by its length, 16 bits little-endian.
inline constexpr std::size_t kBlockLengthSize = 2;

// Fewer blocks than this are coded on the calling thread alone: starting
// threads would cost more than they save.
inline constexpr std::size_t kFastParallelBlocks = 4;

// A body of size bytes has one block per 32768 and one more, which is short or empty.
inline std::size_t fastBlockCount(std::size_t size) { return size / FastBlockCoder::kBlockSize + 1; }

// Threads for coding blocks bytes: 1 for small inputs, else the wish (0: one per core).
unsigned fastThreads(std::size_t bytes, unsigned wish);

class FastBodyEncoder {
public:
    // Receives the coded blocks of a round, each with its length in front, in order.
    using Emit = std::function<void(std::span<const uint8_t>)>;

    explicit FastBodyEncoder(unsigned threads);

    // Codes plain as blocks of 32768 bytes (only the last may be shorter)
    // and hands them to emit. With last set, an input that ends on a block
    // edge (an empty one too) is followed by the empty block that ends a body.
    void encode(std::span<const uint8_t> plain, bool last, const Emit& emit);

private:
    struct Slot {
        FastBlockCoder coder;
        std::array<uint8_t, kBlockLengthSize + FastBlockCoder::kPackBufferSize> packed;
        std::size_t length = 0;
    };
    BlockPool m_pool;
    std::vector<std::unique_ptr<Slot>> m_slots;
};

class FastBodyDecoder {
public:
    explicit FastBodyDecoder(unsigned threads);

    // The first block (in order) that failed or came out short of its
    // stretch; index is the number of blocks when all are whole.
    struct Outcome {
        std::size_t index = 0;
        DecodeStatus status = DecodeStatus::Ok;
    };

    // Decodes blocks[i] into out at i * 32768, each into its own stretch of
    // at most 32768 bytes (the last one ends with out). out must have room
    // for every block: blocks.size() - 1 whole stretches at least.
    Outcome decode(std::span<const std::span<const uint8_t>> blocks, std::span<uint8_t> out);

private:
    BlockPool m_pool;
    std::vector<std::size_t> m_produced;
    std::vector<DecodeStatus> m_status;
};
