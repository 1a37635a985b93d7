// SPDX-License-Identifier: MIT
#include "core/compress/lzrw1codec.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <memory>
#include <new>

#include "core/compress/compressorerror.h"
#include "core/compress/fastbody.h"
#include "core/compress/goodstreamcoder.h"
#include "core/compress/fastblockcoder.h"
#include "core/compress/lzrw1messages.h"

namespace {
constexpr std::size_t kBlockSize = FastBlockCoder::kBlockSize;
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
        throw CompressorError(lzrw1msg::readFailed(inputPath));
    if (status == DecodeStatus::Inconsistent)
        throw CompressorError(sizeMessage());
}

// The blocks of a Fast body, at most count of them; fewer when the data ends early.
std::vector<std::span<const uint8_t>> fastBlocks(std::span<const uint8_t> body, std::size_t count)
{
    std::vector<std::span<const uint8_t>> blocks;
    std::size_t pos = 0;
    while (blocks.size() < count && body.size() - pos >= kBlockLengthSize) {
        const std::size_t length = std::size_t(body[pos]) | std::size_t(body[pos + 1]) << 8;
        pos += kBlockLengthSize;
        if (body.size() - pos < length)
            break;
        blocks.push_back(body.subspan(pos, length));
        pos += length;
    }
    return blocks;
}

// Where a round of decoded blocks goes: the stretch of the output from at
// on, n bytes long.
using Room = std::function<std::span<uint8_t>(std::size_t at, std::size_t n)>;

// Decodes the blocks of a body of size bytes, a round at a time so that
// progress can be told between rounds. When fewer blocks were found than
// the size asks for, the ones there are still decode first: a fault inside
// one of them is reported before the missing rest.
void decodeFastBlocks(std::span<const uint8_t> body, std::size_t size, const Room& room, std::string_view inputPath,
                      const Lzrw1Progress& progress, unsigned threads)
{
    const auto blocks = fastBlocks(body, fastBlockCount(size));
    FastBodyDecoder decoder(fastThreads(size, threads));
    for (std::size_t first = 0; first < blocks.size(); first += kFastRoundBlocks) {
        const std::size_t count = std::min(kFastRoundBlocks, blocks.size() - first);
        const std::size_t at = first * kBlockSize;
        const auto stretch = room(at, std::min(count * kBlockSize, size - at));
        const auto round = std::span(blocks).subspan(first, count);
        const auto outcome = decoder.decode(round, stretch);
        if (outcome.index != count)
            check(outcome.status, inputPath, lzrw1msg::fastSizeMismatch);
        if (progress) {
            const auto& last = round.back();
            progress(int64_t(kHeaderSize + std::size_t(last.data() + last.size() - body.data())),
                     int64_t(at + stretch.size()));
        }
    }
    if (blocks.size() != fastBlockCount(size))
        throw CompressorError(lzrw1msg::readFailed(inputPath));
}

GoodStreamCoder::Progress lzhProgress(const Lzrw1Progress& progress, std::size_t inOffset, std::size_t outOffset)
{
    if (!progress)
        return {};
    return [&progress, inOffset, outOffset](std::size_t in, std::size_t out) {
        progress(int64_t(in + inOffset), int64_t(out + outOffset));
    };
}
} // namespace

Lzrw1Header lzrw1ReadHeader(std::span<const uint8_t> packed, std::string_view inputPath)
{
    if (packed.size() < kIdentifierSize)
        throw CompressorError(lzrw1msg::readFailed(inputPath));
    const bool fast = std::equal(kFastIdentifier.begin(), kFastIdentifier.end(), packed.begin());
    const bool good = std::equal(kGoodIdentifier.begin(), kGoodIdentifier.end(), packed.begin());
    if (!fast && !good)
        throw CompressorError(lzrw1msg::badHeader(inputPath));
    if (packed.size() < kHeaderSize)
        throw CompressorError(lzrw1msg::readFailed(inputPath));
    const auto sizeField = int32_t(getLe32(packed.data() + 4));
    if (sizeField < 0)
        throw CompressorError(fast ? lzrw1msg::fastSizeMismatch() : lzrw1msg::goodSizeMismatch());
    return {fast, std::size_t(sizeField)};
}

std::vector<uint8_t> lzrw1Compress(std::span<const uint8_t> plain, CompressMode mode, std::string_view inputPath,
                                   const Lzrw1Progress& progress, int threshold, unsigned threads)
{
    if (plain.size() > std::size_t(std::numeric_limits<int32_t>::max()))
        throw CompressorError(lzrw1msg::sizeUnknown(inputPath));
    if (mode == CompressMode::Auto)
        mode = lzrw1Advise(plain, threshold).mode;
    try {
        std::vector<uint8_t> out;
        const auto& id = mode == CompressMode::Fast ? kFastIdentifier : kGoodIdentifier;
        out.reserve(mode == CompressMode::Fast ? lzrw1FastBound(plain.size()) : plain.size() + plain.size() / 64 + 64);
        for (const uint8_t b : id)
            out.push_back(b);
        putLe32(out, uint32_t(plain.size()));
        if (mode == CompressMode::Fast) {
            FastBodyEncoder encoder(fastThreads(plain.size(), threads));
            for (std::size_t pos = 0; pos == 0 || pos < plain.size(); pos += kFastRoundBytes) {
                const auto round = plain.subspan(pos, std::min(kFastRoundBytes, plain.size() - pos));
                encoder.encode(round, pos + round.size() == plain.size(),
                               [&out](std::span<const uint8_t> block) { out.insert(out.end(), block.begin(), block.end()); });
                if (progress)
                    progress(int64_t(pos + round.size()), int64_t(out.size()));
            }
        } else {
            GoodStreamCoder::encode(plain, out, lzhProgress(progress, 0, kHeaderSize));
        }
        if (progress)
            progress(int64_t(plain.size()), int64_t(out.size()));
        return out;
    } catch (const std::bad_alloc&) {
        throw CompressorError(mode == CompressMode::Fast ? lzrw1msg::buffers() : lzrw1msg::lzhTables());
    }
}

std::size_t lzrw1FastBound(std::size_t size)
{
    return kHeaderSize + fastBlockCount(size) * (kBlockLengthSize + FastBlockCoder::kMaxPackedBlock);
}

std::size_t lzrw1CompressFast(std::span<const uint8_t> plain, std::span<uint8_t> out, unsigned threads)
{
    if (plain.size() > std::size_t(std::numeric_limits<int32_t>::max()))
        throw CompressorError(lzrw1msg::sizeUnknown({}));
    if (out.size() < lzrw1FastBound(plain.size()))
        throw CompressorError(lzrw1msg::buffers());
    try {
        std::copy(kFastIdentifier.begin(), kFastIdentifier.end(), out.begin());
        for (std::size_t i = 0; i < 4; ++i)
            out[kIdentifierSize + i] = uint8_t(plain.size() >> (8 * i));
        std::size_t written = kHeaderSize;
        FastBodyEncoder encoder(fastThreads(plain.size(), threads));
        encoder.encode(plain, true, [&](std::span<const uint8_t> block) {
            std::memcpy(out.data() + written, block.data(), block.size());
            written += block.size();
        });
        return written;
    } catch (const std::bad_alloc&) {
        throw CompressorError(lzrw1msg::buffers());
    }
}

std::vector<uint8_t> lzrw1Decompress(std::span<const uint8_t> packed, std::string_view inputPath,
                                     const Lzrw1Progress& progress, unsigned threads)
{
    const Lzrw1Header header = lzrw1ReadHeader(packed, inputPath);
    const auto body = packed.subspan(kHeaderSize);
    try {
        std::vector<uint8_t> out;
        if (header.fast) {
            // The output grows a round at a time, so a size field far beyond
            // what the data holds never takes more memory than it can fill.
            out.reserve(std::min(header.size, packed.size() * kMaxExpansion));
            decodeFastBlocks(body, header.size, [&out](std::size_t at, std::size_t n) {
                out.resize(at + n);
                return std::span(out).subspan(at);
            }, inputPath, progress, threads);
        } else {
            out.reserve(std::min(header.size, packed.size() * kMaxExpansion));
            check(GoodStreamCoder::decode(body, header.size, out, lzhProgress(progress, kHeaderSize, 0)), inputPath,
                  lzrw1msg::goodSizeMismatch);
        }
        if (progress)
            progress(int64_t(packed.size()), int64_t(out.size()));
        return out;
    } catch (const std::bad_alloc&) {
        throw CompressorError(header.fast ? lzrw1msg::buffers() : lzrw1msg::lzhTables());
    }
}

void lzrw1DecompressInto(std::span<const uint8_t> packed, std::span<uint8_t> out, std::string_view inputPath,
                         const Lzrw1Progress& progress, unsigned threads)
{
    const Lzrw1Header header = lzrw1ReadHeader(packed, inputPath);
    if (out.size() != header.size)
        throw CompressorError(header.fast ? lzrw1msg::fastSizeMismatch() : lzrw1msg::goodSizeMismatch());
    const auto body = packed.subspan(kHeaderSize);
    try {
        if (header.fast) {
            decodeFastBlocks(body, header.size, [out](std::size_t at, std::size_t n) { return out.subspan(at, n); },
                             inputPath, progress, threads);
        } else {
            // The decoder never gives more than the size it was asked for.
            std::size_t written = 0;
            const auto status = GoodStreamCoder::decode(GoodStreamCoder::whole(body), header.size, [&](std::span<const uint8_t> piece) {
                std::memcpy(out.data() + written, piece.data(), piece.size());
                written += piece.size();
            }, lzhProgress(progress, kHeaderSize, 0));
            check(status, inputPath, lzrw1msg::goodSizeMismatch);
        }
    } catch (const std::bad_alloc&) {
        throw CompressorError(header.fast ? lzrw1msg::buffers() : lzrw1msg::lzhTables());
    }
}

std::array<int64_t, 2> lzrw1AdviseOffsets(int64_t totalSize)
{
    const auto block = int64_t(kBlockSize);
    return {totalSize / 3 / block * block, totalSize * 2 / 3 / block * block};
}

Lzrw1Advice lzrw1AdviseSamples(std::span<const uint8_t> first, std::span<const uint8_t> second, int threshold)
{
    auto coder = std::make_unique<FastBlockCoder>();
    std::vector<uint8_t> block(FastBlockCoder::kPackBufferSize);
    const auto packed = int64_t(coder->compressBlock(first, block.data()) + coder->compressBlock(second, block.data()));
    const auto read = int64_t(first.size() + second.size());
    Lzrw1Advice advice;
    advice.smallInput = false;
    advice.percent = read == 0 ? 0 : int(packed * 100 / read);
    advice.mode = packed < read * threshold / 100 ? CompressMode::Fast : CompressMode::Good;
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
