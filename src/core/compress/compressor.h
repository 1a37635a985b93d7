// SPDX-License-Identifier: MIT
#pragma once
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/compress/compressmode.h"

// The compressor component: compresses one file (or stream) into another and
// back, in the container of lzrw1codec.h. Every operation opens what it
// needs and releases it before it returns; failures throw CompressorError,
// and an output file is never left behind by a failed operation (it is
// written under a temporary name and moved into place at the end).
class Compressor {
public:
    // Receives the progress and result texts a window may show; without one
    // the component is silent, as on the tally window.
    using CaptionHandler = std::function<void(const std::string&)>;

    Compressor() = default;

    [[nodiscard]] bool useStream() const { return m_useStream; }
    void setUseStream(bool useStream) { m_useStream = useStream; }
    [[nodiscard]] const std::string& inputFile() const { return m_inputFile; }
    void setInputFile(const std::string& path) { m_inputFile = path; }
    [[nodiscard]] const std::string& outputFile() const { return m_outputFile; }
    void setOutputFile(const std::string& path) { m_outputFile = path; }
    [[nodiscard]] CompressMode mode() const { return m_compressMode; }
    void setMode(CompressMode mode) { m_compressMode = mode; }
    [[nodiscard]] int threshold() const { return m_threshold; }
    void setThreshold(int percent) { m_threshold = percent; }

    // Stream mode: read from the input's current position to its end, write
    // at the output's current position. The streams stay the caller's.
    void setInputStream(std::istream* in) { m_inputStream = in; }
    void setOutputStream(std::ostream* out) { m_outputStream = out; }

    void setCaptionHandler(CaptionHandler handler) { m_captionHandler = std::move(handler); }
    [[nodiscard]] const std::string& caption() const { return m_caption; }

    // Returns the bytes written, the 8-byte header included.
    int64_t compress();
    // Returns the bytes written, that is the uncompressed size.
    int64_t decompress();
    // Fast or Good for the current input; a small input also sets the mode to Good.
    CompressMode advise();

private:
    using Coder = std::function<std::vector<uint8_t>(std::span<const uint8_t> input, std::string_view inputPath)>;
    // Stream mode: reads all of the input stream into input, codes it,
    // writes the result to the output stream and returns it.
    std::vector<uint8_t> transferStream(std::vector<uint8_t>& input, const std::string& readError, const Coder& code);
    // File mode: opens the input file and a pending output file, codes one
    // into the other a piece at a time and moves the output into place only
    // when all went well. Returns what code returns: the bytes written.
    using FileCoder = std::function<int64_t(std::istream& in, std::ostream& out)>;
    int64_t transferFile(const FileCoder& code);
    void setCaption(const std::string& text);
    [[nodiscard]] std::string streamPath(const std::string& path) const { return m_useStream ? std::string() : path; }

    bool m_useStream = false;
    std::string m_inputFile;
    std::string m_outputFile;
    CompressMode m_compressMode = CompressMode::Good;
    int m_threshold = 40;
    std::istream* m_inputStream = nullptr;
    std::ostream* m_outputStream = nullptr;
    CaptionHandler m_captionHandler;
    std::string m_caption;
};
