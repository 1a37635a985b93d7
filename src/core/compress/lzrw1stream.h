// SPDX-License-Identifier: MIT
#pragma once
#include <cstdint>
#include <iosfwd>
#include <string_view>

#include "core/compress/lzrw1codec.h"
#include "core/compress/compressmode.h"

// The container of lzrw1codec.h coded from one stream into another a piece
// at a time: memory stays a few megabytes however long the input is. The
// bytes written are those of lzrw1Compress and lzrw1Decompress, and so are
// the failures (CompressorError with the same messages, naming inputPath
// and outputPath, or the stream wording when a path is empty). Output
// written before a failure stays written; the caller discards it.

// Codes in from its position to its end in Fast or Good (not Auto) and
// returns the bytes written. size goes into the header; an input of any
// other length fails with the method's read message.
int64_t lzrw1CompressStream(std::istream& in, int64_t size, std::ostream& out, CompressMode mode,
                            std::string_view inputPath = {}, std::string_view outputPath = {},
                            const Lzrw1Progress& progress = {}, unsigned threads = 0);

// Restores in from its position on and returns the bytes written.
int64_t lzrw1DecompressStream(std::istream& in, std::ostream& out, std::string_view inputPath = {},
                              std::string_view outputPath = {}, const Lzrw1Progress& progress = {},
                              unsigned threads = 0);
