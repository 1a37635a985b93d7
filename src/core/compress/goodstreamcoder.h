// SPDX-License-Identifier: MIT
#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "core/compress/decodestatus.h"

// The Good coder: LZSS over a 4096-byte ring with matches of 3 to 60 bytes,
// literals and lengths sent through an adaptive Huffman tree and match
// positions through a fixed code for their upper six bits. The whole input
// is one stream of bits, most significant first.
class GoodStreamCoder {
public:
    // Called now and then with the bytes consumed and produced so far.
    using Progress = std::function<void(std::size_t bytesIn, std::size_t bytesOut)>;
    // Hands out the input a piece at a time; an empty piece ends it. A piece
    // stays valid until the next call.
    using Pieces = std::function<std::span<const uint8_t>()>;
    // Takes the output a piece at a time (at most kOutputChunk bytes or so).
    using Write = std::function<void(std::span<const uint8_t>)>;

    static constexpr std::size_t kOutputChunk = 16384;

    // Codes the whole input and returns how many bytes it read.
    static std::size_t encode(const Pieces& in, const Write& out, const Progress& progress = {});
    // Appends the coded form of in to out.
    static void encode(std::span<const uint8_t> in, std::vector<uint8_t>& out, const Progress& progress = {});

    // Decodes exactly size bytes, or fails: Truncated when the stream still
    // asks for bits well past its end, Inconsistent when a match would run
    // past size. Output already written stays written.
    [[nodiscard]] static DecodeStatus decode(const Pieces& in, std::size_t size, const Write& out,
                                             const Progress& progress = {});
    // The same, appending to out.
    [[nodiscard]] static DecodeStatus decode(std::span<const uint8_t> in, std::size_t size,
                                             std::vector<uint8_t>& out, const Progress& progress = {});

    // A Pieces that hands out bytes in one piece.
    static Pieces whole(std::span<const uint8_t> bytes);
};
