// SPDX-License-Identifier: MIT
#include "core/compress/lzrw1stream.h"

#include <istream>
#include <limits>
#include <memory>
#include <new>
#include <ostream>
#include <span>
#include <string>
#include <vector>

#include "core/compress/compressorerror.h"
#include "core/compress/fastbody.h"
#include "core/compress/goodstreamcoder.h"
#include "core/compress/lzrw1messages.h"

namespace {
constexpr std::size_t kPieceSize = 1 << 16;
// A block's length field can say up to this much, whatever the coder writes.
constexpr std::size_t kMaxBlockField = 0xFFFF;

// Reads up to n bytes; fewer only at the end of the input.
std::size_t readUpTo(std::istream& in, uint8_t* dst, std::size_t n, const std::string& failure)
{
    if (n == 0)
        return 0;
    in.read(reinterpret_cast<char*>(dst), std::streamsize(n));
    if (in.bad())
        throw CompressorError(failure);
    return std::size_t(in.gcount());
}

void writeAll(std::ostream& out, std::span<const uint8_t> bytes, std::string_view outputPath)
{
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!out)
        throw CompressorError(lzrw1msg::writeFailed(outputPath));
}

// Memory that is only touched where it is used, so a buffer sized for the
// worst case costs resident memory only for what a file really needs.
std::unique_ptr<uint8_t[]> untouched(std::size_t n) { return std::unique_ptr<uint8_t[]>(new uint8_t[n]); }
} // namespace

int64_t lzrw1CompressStream(std::istream& in, int64_t size, std::ostream& out, CompressMode mode,
                            std::string_view inputPath, std::string_view outputPath, const Lzrw1Progress& progress,
                            unsigned threads)
{
    if (size < 0 || size > std::numeric_limits<int32_t>::max())
        throw CompressorError(lzrw1msg::sizeUnknown(inputPath));
    const bool fast = mode == CompressMode::Fast;
    const std::string readError = fast ? lzrw1msg::readFailedFast(inputPath) : lzrw1msg::readFailedGood(inputPath);
    try {
        int64_t written = 0;
        auto emit = [&](std::span<const uint8_t> bytes) {
            writeAll(out, bytes, outputPath);
            written += int64_t(bytes.size());
        };
        std::array<uint8_t, kHeaderSize> header{};
        const auto& id = fast ? kFastIdentifier : kGoodIdentifier;
        std::copy(id.begin(), id.end(), header.begin());
        for (std::size_t i = 0; i < 4; ++i)
            header[id.size() + i] = uint8_t(uint32_t(size) >> (8 * i));
        emit(header);

        int64_t read = 0;
        if (fast) {
            const auto round = untouched(kFastRoundBytes);
            FastBodyEncoder encoder(fastThreads(std::size_t(size), threads));
            for (bool last = false; !last;) {
                const std::size_t got = readUpTo(in, round.get(), kFastRoundBytes, readError);
                read += int64_t(got);
                last = got < kFastRoundBytes;
                encoder.encode(std::span(round.get(), got), last, emit);
                if (progress)
                    progress(read, written);
            }
        } else {
            const auto piece = untouched(kPieceSize);
            const GoodStreamCoder::Pieces pieces = [&] {
                return std::span<const uint8_t>(piece.get(), readUpTo(in, piece.get(), kPieceSize, readError));
            };
            GoodStreamCoder::Progress lzhProgress;
            if (progress)
                lzhProgress = [&](std::size_t bytesIn, std::size_t) { progress(int64_t(bytesIn), written); };
            read = int64_t(GoodStreamCoder::encode(pieces, emit, lzhProgress));
        }
        // A file that changed size under us would carry a wrong size field.
        if (read != size)
            throw CompressorError(readError);
        if (progress)
            progress(read, written);
        return written;
    } catch (const std::bad_alloc&) {
        throw CompressorError(fast ? lzrw1msg::buffers() : lzrw1msg::lzhTables());
    }
}

int64_t lzrw1DecompressStream(std::istream& in, std::ostream& out, std::string_view inputPath,
                              std::string_view outputPath, const Lzrw1Progress& progress, unsigned threads)
{
    const std::string readError = lzrw1msg::readFailed(inputPath);
    std::array<uint8_t, kHeaderSize> head{};
    const Lzrw1Header header = lzrw1ReadHeader(std::span(head.data(), readUpTo(in, head.data(), head.size(), readError)),
                                               inputPath);
    int64_t read = kHeaderSize;
    int64_t written = 0;
    auto emit = [&](std::span<const uint8_t> bytes) {
        writeAll(out, bytes, outputPath);
        written += int64_t(bytes.size());
    };
    try {
        if (!header.fast) {
            const auto piece = untouched(kPieceSize);
            const GoodStreamCoder::Pieces pieces = [&] {
                const std::size_t got = readUpTo(in, piece.get(), kPieceSize, readError);
                read += int64_t(got);
                return std::span<const uint8_t>(piece.get(), got);
            };
            GoodStreamCoder::Progress lzhProgress;
            if (progress)
                lzhProgress = [&](std::size_t, std::size_t) { progress(read, written); };
            const DecodeStatus status = GoodStreamCoder::decode(pieces, header.size, emit, lzhProgress);
            if (status == DecodeStatus::Truncated)
                throw CompressorError(readError);
            if (status == DecodeStatus::Inconsistent)
                throw CompressorError(lzrw1msg::goodSizeMismatch());
        } else {
            constexpr std::size_t kBlock = FastBlockCoder::kBlockSize;
            const std::size_t total = fastBlockCount(header.size);
            const auto packed = untouched(kFastRoundBlocks * kMaxBlockField);
            const auto plain = untouched(kFastRoundBytes);
            FastBodyDecoder decoder(fastThreads(header.size, threads));
            std::vector<std::span<const uint8_t>> blocks;
            bool truncated = false;
            for (std::size_t done = 0; done < total && !truncated; done += blocks.size()) {
                blocks.clear();
                std::size_t used = 0;
                while (blocks.size() < kFastRoundBlocks && done + blocks.size() < total) {
                    std::array<uint8_t, kBlockLengthSize> field{};
                    if (readUpTo(in, field.data(), field.size(), readError) < field.size()) {
                        truncated = true;
                        break;
                    }
                    const std::size_t length = std::size_t(field[0]) | std::size_t(field[1]) << 8;
                    if (readUpTo(in, packed.get() + used, length, readError) < length) {
                        truncated = true;
                        break;
                    }
                    blocks.emplace_back(packed.get() + used, length);
                    used += length;
                    read += int64_t(kBlockLengthSize + length);
                }
                if (blocks.empty())
                    break;
                // The blocks there are decode first: a fault inside one of
                // them is reported before the missing rest.
                const std::size_t at = done * kBlock;
                const auto stretch = std::span(plain.get(), std::min(blocks.size() * kBlock, header.size - at));
                const auto outcome = decoder.decode(blocks, stretch);
                if (outcome.index != blocks.size()) {
                    if (outcome.status == DecodeStatus::Truncated)
                        throw CompressorError(readError);
                    throw CompressorError(lzrw1msg::fastSizeMismatch());
                }
                emit(stretch);
                if (progress)
                    progress(read, written);
            }
            if (truncated)
                throw CompressorError(readError);
        }
        if (progress)
            progress(read, written);
        return written;
    } catch (const std::bad_alloc&) {
        throw CompressorError(header.fast ? lzrw1msg::buffers() : lzrw1msg::lzhTables());
    }
}
