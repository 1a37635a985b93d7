// SPDX-License-Identifier: MIT
#pragma once
#include <string>
#include <string_view>

// The compressor's failure texts. Each takes the path of the file concerned;
// an empty path gives the wording for a stream.
namespace lzrw1msg {
std::string buffers();
std::string sizeUnknown(std::string_view inputPath);
std::string openInput(std::string_view inputPath);
std::string openOutput(std::string_view outputPath);
std::string badHeader(std::string_view inputPath);
std::string readFailed(std::string_view inputPath);
// While compressing; tagged with the method that was reading.
std::string readFailedFast(std::string_view inputPath);
std::string readFailedGood(std::string_view inputPath);
std::string writeFailed(std::string_view outputPath);
std::string fastSizeMismatch();
std::string goodSizeMismatch();
std::string lzhTables();

std::string adviseBuffers();
std::string adviseSizeUnknown(std::string_view inputPath);
std::string adviseOpenInput(std::string_view inputPath);
std::string adviseReadFailed(std::string_view inputPath);
} // namespace lzrw1msg
