// SPDX-License-Identifier: MIT
#include "core/compress/fastbody.h"

#include <algorithm>
#include <cstring>

unsigned fastThreads(std::size_t bytes, unsigned wish)
{
    return bytes < kFastParallelBlocks * FastBlockCoder::kBlockSize ? 1 : wish;
}

FastBodyEncoder::FastBodyEncoder(unsigned threads) : m_pool(threads)
{
    m_slots.reserve(2 * kFastRoundBlocks);
}

void FastBodyEncoder::encode(std::span<const uint8_t> plain, bool last, const Emit& emit)
{
    constexpr std::size_t kBlock = FastBlockCoder::kBlockSize;
    std::size_t blocks = (plain.size() + kBlock - 1) / kBlock;
    // A full last block is always followed by another, which may be empty.
    if (last && plain.size() % kBlock == 0)
        ++blocks;
    // Rounds take turns between two sets of slots: while the workers code
    // one round, the calling thread hands on the one before it.
    std::size_t pendingFirst = 0;
    std::size_t pendingCount = 0;
    const auto handOn = [&] {
        for (std::size_t i = pendingFirst; i < pendingFirst + pendingCount; ++i)
            emit(std::span(m_slots[i]->packed.data(), m_slots[i]->length));
        pendingCount = 0;
    };
    for (std::size_t first = 0; first < blocks; first += kFastRoundBlocks) {
        const std::size_t count = std::min(kFastRoundBlocks, blocks - first);
        const std::size_t base = pendingFirst == 0 && pendingCount != 0 ? kFastRoundBlocks : 0;
        while (m_slots.size() < base + count)
            m_slots.push_back(std::make_unique<Slot>());
        m_pool.run(count, [&](std::size_t i) {
            Slot& slot = *m_slots[base + i];
            const std::size_t at = std::min((first + i) * kBlock, plain.size());
            const std::size_t n = std::min(kBlock, plain.size() - at);
            const std::size_t length =
                slot.coder.compressBlock(plain.subspan(at, n), slot.packed.data() + kBlockLengthSize);
            slot.packed[0] = uint8_t(length);
            slot.packed[1] = uint8_t(length >> 8);
            slot.length = kBlockLengthSize + length;
        }, handOn);
        pendingFirst = base;
        pendingCount = count;
    }
    handOn();
}

FastBodyDecoder::FastBodyDecoder(unsigned threads) : m_pool(threads) {}

FastBodyDecoder::Outcome FastBodyDecoder::decode(std::span<const std::span<const uint8_t>> blocks,
                                                 std::span<uint8_t> out)
{
    constexpr std::size_t kBlock = FastBlockCoder::kBlockSize;
    m_produced.assign(blocks.size(), 0);
    m_status.assign(blocks.size(), DecodeStatus::Ok);
    auto stretch = [&](std::size_t i) {
        const std::size_t at = std::min(i * kBlock, out.size());
        return out.subspan(at, std::min(kBlock, out.size() - at));
    };
    m_pool.run(blocks.size(), [&](std::size_t i) {
        m_status[i] = FastBlockCoder::decompressBlock(blocks[i], stretch(i), m_produced[i]);
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
