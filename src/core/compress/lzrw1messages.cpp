// SPDX-License-Identifier: MIT
#include "core/compress/lzrw1messages.h"

namespace lzrw1msg {
namespace {
std::string pick(std::string_view path, std::string_view fileText, std::string_view streamText)
{
    return path.empty() ? std::string(streamText) : std::string(fileText) + std::string(path);
}
} // namespace

std::string buffers() { return "Lzrw1 (de)compression : Failed to get memory for I/O buffers !"; }

std::string sizeUnknown(std::string_view inputPath)
{
    return pick(inputPath, "Lzrw1 compression : Failed to obtain the size of : ",
                "Lzrw1 compression : Failed to obtain the size of the input stream !");
}

std::string openInput(std::string_view inputPath)
{
    return pick(inputPath, "Lzrw1 (de)compression : Failed to open input file : ",
                "Lzrw1 (de)compression : Failed to initialize input stream !");
}

std::string openOutput(std::string_view outputPath)
{
    return pick(outputPath, "Lzrw1 (de)compression : Failed to open output file : ",
                "Lzrw1 (de)compression : Failed to initialize output stream !");
}

std::string badHeader(std::string_view inputPath)
{
    if (inputPath.empty())
        return "Lzrw1 decompression : input stream contains no valid header !";
    return std::string(inputPath) + " : Lzrw1 decompression : this file has no valid header !";
}

std::string readFailed(std::string_view inputPath)
{
    return pick(inputPath, "Lzrw1 : Error reading from input file : ", "Lzrw1 : Error reading from input stream !");
}

std::string readFailedFast(std::string_view inputPath) { return readFailed(inputPath) + " (LZRW1/KH)"; }

std::string readFailedGood(std::string_view inputPath) { return readFailed(inputPath) + " (LZH)"; }

std::string writeFailed(std::string_view outputPath)
{
    return pick(outputPath, "Lzrw1 : Error writing to output file : ", "Lzrw1 : Error writing to output stream !");
}

std::string fastSizeMismatch()
{
    return "Lzrw1 (decompression LZRW1/KH) : Original and compressed sizes do not match !";
}

std::string goodSizeMismatch() { return "Lzrw1 (LZH decompression) : Original and compressed sizes do not match !"; }

std::string lzhTables() { return "LZH : Cannot get memory for dictionary tables"; }

std::string adviseBuffers() { return "Lzrw1 advise : Error getting I/O buffers"; }

std::string adviseSizeUnknown(std::string_view inputPath)
{
    return pick(inputPath, "Lzrw1 advise : can not get the size of : ", "Lzrw1 advise : can not get size of inputstream !");
}

std::string adviseOpenInput(std::string_view inputPath)
{
    return pick(inputPath, "Lzrw1 advise : can open input file : ", "Lzrw1 edvise : can not initialize the input stream!");
}

std::string adviseReadFailed(std::string_view inputPath)
{
    return pick(inputPath, "Lzrw1 advise : read error on input file : ", "Lzrw1 advise : input stream read error !");
}
} // namespace lzrw1msg
