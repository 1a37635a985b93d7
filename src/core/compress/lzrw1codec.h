// SPDX-License-Identifier: MIT
#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <string_view>
#include <vector>

#include "core/compress/compressmode.h"

// The tally file's container in memory, bytes in and bytes out: a 4-byte
// method identifier, the uncompressed size (signed 32-bit, little-endian),
// then the body in that method. Compressor's file and stream modes and the tally
// list all go through these functions.
//
// Failure messages name the input by inputPath as a file; with an empty path
// they use the wording for a stream. Everything thrown is an CompressorError.

// Called after each block (Fast) or every 32768 bytes (Good) with the bytes
// consumed and produced so far.
using Lzrw1Progress = std::function<void(int64_t bytesIn, int64_t bytesOut)>;

inline constexpr std::array<uint8_t, 4> kFastIdentifier{'W', 'R', 'Z', 'L'};
inline constexpr std::array<uint8_t, 4> kGoodIdentifier{'!', 'H', 'Z', 'L'};
inline constexpr std::size_t kHeaderSize = 8;
inline constexpr int kDefaultThreshold = 40;

// Compresses plain in Fast or Good; Auto takes the method lzrw1Advise picks
// with the given threshold. Throws only when the input is larger than the
// size field can say ("Lzrw1 compression : Failed to obtain the size of : "
// + path) or memory runs out ("Lzrw1 (de)compression : Failed to get memory
// for I/O buffers !").
//
// Fast blocks are coded on threads threads (0: one per core); the bytes are
// the same for any number.
std::vector<uint8_t> lzrw1Compress(std::span<const uint8_t> plain, CompressMode mode,
                                   std::string_view inputPath = {}, const Lzrw1Progress& progress = {},
                                   int threshold = kDefaultThreshold, unsigned threads = 0);

// The longest Fast container of an input of size bytes: every block stored.
std::size_t lzrw1FastBound(std::size_t size);
// Writes the Fast container of plain into out, which holds at least
// lzrw1FastBound(plain.size()) bytes, and returns its length. Throws as
// lzrw1Compress does.
std::size_t lzrw1CompressFast(std::span<const uint8_t> plain, std::span<uint8_t> out, unsigned threads = 0);

// Restores the bytes of either method. Throws, for damaged or foreign data:
//  - path + " : Lzrw1 decompression : this file has no valid header !"
//  - "Lzrw1 : Error reading from input file : " + path  (data ends too early)
//  - "Lzrw1 (decompression LZRW1/KH) : Original and compressed sizes do not match !"
//  - "Lzrw1 (LZH decompression) : Original and compressed sizes do not match !"
// and the memory message as above.
std::vector<uint8_t> lzrw1Decompress(std::span<const uint8_t> packed, std::string_view inputPath = {},
                                     const Lzrw1Progress& progress = {}, unsigned threads = 0);

// What the first eight bytes of a container say.
struct Lzrw1Header {
    bool fast = false;
    std::size_t size = 0;  // of the uncompressed data
};
// Reads the header at the start of packed. Throws the header, read and size
// messages of lzrw1Decompress for a foreign, short or negative header.
Lzrw1Header lzrw1ReadHeader(std::span<const uint8_t> packed, std::string_view inputPath = {});
// Restores the bytes of either method straight into out, which holds
// exactly lzrw1ReadHeader(packed).size bytes; throws as lzrw1Decompress does
// (out then holds anything).
void lzrw1DecompressInto(std::span<const uint8_t> packed, std::span<uint8_t> out, std::string_view inputPath = {},
                         const Lzrw1Progress& progress = {}, unsigned threads = 0);

// Which method suits an input. Inputs below three blocks always get Good;
// larger ones are judged by coding two sample blocks in Fast.
struct Lzrw1Advice {
    CompressMode mode = CompressMode::Good;
    bool smallInput = true;
    int percent = 0;  // sampled blocks' coded size in percent of their bytes
};

inline constexpr int64_t kAdviseMinSize = 3 * 32768;
inline constexpr std::size_t kAdviseSampleSize = 32768;

// Where the two samples of an input of totalSize bytes start (block-aligned
// offsets at one and two thirds).
std::array<int64_t, 2> lzrw1AdviseOffsets(int64_t totalSize);
// Judges the two samples read at lzrw1AdviseOffsets.
Lzrw1Advice lzrw1AdviseSamples(std::span<const uint8_t> first, std::span<const uint8_t> second, int threshold);
Lzrw1Advice lzrw1Advise(std::span<const uint8_t> plain, int threshold);
