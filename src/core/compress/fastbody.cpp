// SPDX-License-Identifier: MIT
#include "core/compress/fastbody.h"

#include <algorithm>
#include <cstring>

unsigned fastThreads(std::size_t bytes, unsigned wish)
{
    return bytes < kFastParallelBlocks * TLZR::kBlockSize ? 1 : wish;
}

FastBodyEncoder::FastBodyEncoder(unsigned threads) : m_pool(threads)
{
    m_slots.reserve(kFastRoundBlocks);
}

void FastBodyEncoder::encode(std::span<const uint8_t> plain, bool last, const Emit& emit)
{
    constexpr std::size_t kBlock = TLZR::kBlockSize;
    std::size_t blocks = (plain.size() + kBlock - 1) / kBlock;
    // A full last block is always followed by another, which may be empty.
    if (last && plain.size() % kBlock == 0)
        ++blocks;
    for (std::size_t first = 0; first < blocks; first += kFastRoundBlocks) {
        const std::size_t count = std::min(kFastRoundBlocks, blocks - first);
        while (m_slots.size() < count)
            m_slots.push_back(std::make_unique<Slot>());
        m_pool.run(count, [&](std::size_t i) {
            Slot& slot = *m_slots[i];
            const std::size_t at = std::min((first + i) * kBlock, plain.size());
            const std::size_t n = std::min(kBlock, plain.size() - at);
            const std::size_t length = slot.coder.compressBlock(plain.subspan(at, n), slot.packed.data() + kBlockLengthSize);
            slot.packed[0] = uint8_t(length);
            slot.packed[1] = uint8_t(length >> 8);
            slot.length = kBlockLengthSize + length;
        });
        for (std::size_t i = 0; i < count; ++i)
            emit(std::span(m_slots[i]->packed.data(), m_slots[i]->length));
    }
}

FastBodyDecoder::FastBodyDecoder(unsigned threads) : m_pool(threads) {}

FastBodyDecoder::Outcome FastBodyDecoder::decode(std::span<const std::span<const uint8_t>> blocks,
                                                 std::span<uint8_t> out)
{
    constexpr std::size_t kBlock = TLZR::kBlockSize;
    m_produced.assign(blocks.size(), 0);
    m_status.assign(blocks.size(), DecodeStatus::Ok);
    auto stretch = [&](std::size_t i) {
        const std::size_t at = std::min(i * kBlock, out.size());
        return out.subspan(at, std::min(kBlock, out.size() - at));
    };
    m_pool.run(blocks.size(), [&](std::size_t i) {
        m_status[i] = TLZR::decompressBlock(blocks[i], stretch(i), m_produced[i]);
    });
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        if (m_status[i] != DecodeStatus::Ok)
            return {i, m_status[i]};
        // Every block but the last fills its stretch; a short one ends the body early.
        if (m_produced[i] != stretch(i).size())
            return {i, DecodeStatus::Inconsistent};
    }
    return {blocks.size(), DecodeStatus::Ok};
}
