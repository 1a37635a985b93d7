#include "core/compress/lzrw1codec.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <memory>
#include <new>

#include "core/compress/elzrw1exception.h"
#include "core/compress/lzh.h"
#include "core/compress/lzrw1kh.h"
#include "core/compress/lzrw1messages.h"

namespace {
constexpr std::size_t kBlockSize = TLZR::kBlockSize;
constexpr std::size_t kIdentifierSize = 4;
// No stream of either method expands more than this (a Fast block of 37
// bytes gives at most 32768, an LZH bit at most 60 bytes), so the size
// field is trusted for reserving memory only up to this multiple of the input.
constexpr std::size_t kMaxExpansion = 1024;

void putLe32(std::vector<uint8_t>& out, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(uint8_t(v >> (8 * i)));
}

uint32_t getLe32(const uint8_t* p)
{
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

// Data that ends early is a read error; data that makes no sense is
// reported as the method's size mismatch.
void check(DecodeStatus status, std::string_view inputPath, std::string (*sizeMessage)())
{
    if (status == DecodeStatus::Truncated)
        throw ELzrw1Exception(lzrw1msg::readFailed(inputPath));
    if (status == DecodeStatus::Inconsistent)
        throw ELzrw1Exception(sizeMessage());
}

void compressFast(std::span<const uint8_t> plain, std::vector<uint8_t>& out, const Lzrw1Progress& progress)
{
    auto coder = std::make_unique<TLZR>();
    std::vector<uint8_t> block(TLZR::kPackBufferSize);
    std::size_t pos = 0;
    for (;;) {
        const std::size_t n = std::min(kBlockSize, plain.size() - pos);
        const std::size_t length = coder->compressBlock(plain.subspan(pos, n), block.data());
        out.push_back(uint8_t(length));
        out.push_back(uint8_t(length >> 8));
        out.insert(out.end(), block.begin(), block.begin() + std::ptrdiff_t(length));
        pos += n;
        if (progress)
            progress(int64_t(pos), int64_t(out.size()));
        // A full block is always followed by another, which may be empty.
        if (n < kBlockSize)
            break;
    }
}

void decompressFast(std::span<const uint8_t> body, std::size_t size, std::vector<uint8_t>& out,
                    std::string_view inputPath, const Lzrw1Progress& progress)
{
    std::vector<uint8_t> block(kBlockSize);
    std::size_t pos = 0;
    for (;;) {
        if (body.size() - pos < 2)
            throw ELzrw1Exception(lzrw1msg::readFailed(inputPath));
        const std::size_t length = std::size_t(body[pos]) | std::size_t(body[pos + 1]) << 8;
        pos += 2;
        if (body.size() - pos < length)
            throw ELzrw1Exception(lzrw1msg::readFailed(inputPath));
        const auto data = body.subspan(pos, length);
        // A stored block goes straight to the output instead of through the block buffer.
        const bool stored = length > 1 && data[0] == TLZR::kFlagStored && length - 1 <= kBlockSize;
        std::size_t produced = 0;
        if (!stored)
            check(TLZR::decompressBlock(data, block.data(), produced), inputPath, lzrw1msg::fastSizeMismatch);
        pos += length;
        if (stored)
            produced = length - 1;
        // More than the size field promises can never end in a match.
        if (produced > size - out.size())
            throw ELzrw1Exception(lzrw1msg::fastSizeMismatch());
        if (stored)
            out.insert(out.end(), data.begin() + 1, data.end());
        else
            out.insert(out.end(), block.begin(), block.begin() + std::ptrdiff_t(produced));
        if (progress)
            progress(int64_t(kHeaderSize + pos), int64_t(out.size()));
        if (produced < kBlockSize)
            break;
    }
    if (out.size() != size)
        throw ELzrw1Exception(lzrw1msg::fastSizeMismatch());
}

TLZH::Progress lzhProgress(const Lzrw1Progress& progress, std::size_t inOffset, std::size_t outOffset)
{
    if (!progress)
        return {};
    return [&progress, inOffset, outOffset](std::size_t in, std::size_t out) {
        progress(int64_t(in + inOffset), int64_t(out + outOffset));
    };
}
} // namespace

std::vector<uint8_t> lzrw1Compress(std::span<const uint8_t> plain, TCompressMode mode, std::string_view inputPath,
                                   const Lzrw1Progress& progress, int threshold)
{
    if (plain.size() > std::size_t(std::numeric_limits<int32_t>::max()))
        throw ELzrw1Exception(lzrw1msg::sizeUnknown(inputPath));
    if (mode == TCompressMode::Auto)
        mode = lzrw1Advise(plain, threshold).mode;
    try {
        std::vector<uint8_t> out;
        const auto& id = mode == TCompressMode::Fast ? kFastIdentifier : kGoodIdentifier;
        out.reserve(plain.size() + plain.size() / 64 + 64);
        for (const uint8_t b : id)
            out.push_back(b);
        putLe32(out, uint32_t(plain.size()));
        if (mode == TCompressMode::Fast)
            compressFast(plain, out, progress);
        else
            TLZH::encode(plain, out, lzhProgress(progress, 0, kHeaderSize));
        if (progress)
            progress(int64_t(plain.size()), int64_t(out.size()));
        return out;
    } catch (const std::bad_alloc&) {
        throw ELzrw1Exception(mode == TCompressMode::Fast ? lzrw1msg::buffers() : lzrw1msg::lzhTables());
    }
}

std::vector<uint8_t> lzrw1Decompress(std::span<const uint8_t> packed, std::string_view inputPath,
                                     const Lzrw1Progress& progress)
{
    if (packed.size() < kIdentifierSize)
        throw ELzrw1Exception(lzrw1msg::readFailed(inputPath));
    const bool fast = std::equal(kFastIdentifier.begin(), kFastIdentifier.end(), packed.begin());
    const bool good = std::equal(kGoodIdentifier.begin(), kGoodIdentifier.end(), packed.begin());
    if (!fast && !good)
        throw ELzrw1Exception(lzrw1msg::badHeader(inputPath));
    if (packed.size() < kHeaderSize)
        throw ELzrw1Exception(lzrw1msg::readFailed(inputPath));
    const auto sizeField = int32_t(getLe32(packed.data() + 4));
    if (sizeField < 0)
        throw ELzrw1Exception(fast ? lzrw1msg::fastSizeMismatch() : lzrw1msg::goodSizeMismatch());
    const auto size = std::size_t(sizeField);
    const auto body = packed.subspan(kHeaderSize);
    try {
        std::vector<uint8_t> out;
        out.reserve(std::min(size, packed.size() * kMaxExpansion));
        if (fast) {
            decompressFast(body, size, out, inputPath, progress);
        } else {
            check(TLZH::decode(body, size, out, lzhProgress(progress, kHeaderSize, 0)), inputPath,
                  lzrw1msg::goodSizeMismatch);
        }
        if (progress)
            progress(int64_t(packed.size()), int64_t(out.size()));
        return out;
    } catch (const std::bad_alloc&) {
        throw ELzrw1Exception(fast ? lzrw1msg::buffers() : lzrw1msg::lzhTables());
    }
}

std::array<int64_t, 2> lzrw1AdviseOffsets(int64_t totalSize)
{
    const auto block = int64_t(kBlockSize);
    return {totalSize / 3 / block * block, totalSize * 2 / 3 / block * block};
}

Lzrw1Advice lzrw1AdviseSamples(std::span<const uint8_t> first, std::span<const uint8_t> second, int threshold)
{
    auto coder = std::make_unique<TLZR>();
    std::vector<uint8_t> block(TLZR::kPackBufferSize);
    const auto packed = int64_t(coder->compressBlock(first, block.data()) + coder->compressBlock(second, block.data()));
    const auto read = int64_t(first.size() + second.size());
    Lzrw1Advice advice;
    advice.smallInput = false;
    advice.percent = read == 0 ? 0 : int(packed * 100 / read);
    advice.mode = packed < read * threshold / 100 ? TCompressMode::Fast : TCompressMode::Good;
    return advice;
}

Lzrw1Advice lzrw1Advise(std::span<const uint8_t> plain, int threshold)
{
    if (int64_t(plain.size()) < kAdviseMinSize)
        return {};
    const auto offsets = lzrw1AdviseOffsets(int64_t(plain.size()));
    return lzrw1AdviseSamples(plain.subspan(std::size_t(offsets[0]), kAdviseSampleSize),
                              plain.subspan(std::size_t(offsets[1]), kAdviseSampleSize), threshold);
}
