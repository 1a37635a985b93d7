// SPDX-License-Identifier: MIT
#include "core/compress/compressor.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <istream>
#include <new>
#include <ostream>
#include <system_error>
#include <vector>

#include "core/compress/compressorerror.h"
#include "core/compress/lzrw1codec.h"
#include "core/compress/lzrw1messages.h"
#include "core/compress/lzrw1stream.h"

namespace fs = std::filesystem;

namespace {
constexpr std::size_t kReadChunk = 1 << 16;

// Reads from the stream's position to its end; false on a read error.
bool readToEnd(std::istream& in, std::vector<uint8_t>& bytes)
{
    std::size_t used = bytes.size();
    for (;;) {
        bytes.resize(used + kReadChunk);
        in.read(reinterpret_cast<char*>(bytes.data() + used), std::streamsize(kReadChunk));
        used += std::size_t(in.gcount());
        if (!in) {
            bytes.resize(used);
            return !in.bad();
        }
    }
}

bool readAt(std::istream& in, std::streamoff offset, std::vector<uint8_t>& bytes)
{
    in.seekg(offset);
    in.read(reinterpret_cast<char*>(bytes.data()), std::streamsize(bytes.size()));
    return in && std::size_t(in.gcount()) == bytes.size();
}

std::string bytesInOut(bool fast, int64_t in, int64_t out)
{
    return std::string(fast ? "(LZRW1/KH)" : "(LZH)") + " Bytes in : " + std::to_string(in) +
           " Bytes out : " + std::to_string(out);
}

int64_t percentOf(int64_t part, int64_t whole) { return whole == 0 ? 0 : part * 100 / whole; }

// The output file under a temporary name beside its final place; it is
// moved over the target only by commit, and removed if never committed, so
// a failed operation leaves no partial file and keeps an older one intact.
class PendingOutput {
public:
    explicit PendingOutput(const std::string& path) : m_path(path), m_temp(path + ".lzrw1-part")
    {
        std::error_code ec;
        if (path.empty() || fs::is_directory(path, ec))
            return;
        m_file.open(m_temp, std::ios::binary | std::ios::trunc);
    }
    ~PendingOutput()
    {
        if (m_committed)
            return;
        if (m_file.is_open())
            m_file.close();
        std::error_code ec;
        fs::remove(m_temp, ec);
    }
    PendingOutput(const PendingOutput&) = delete;
    PendingOutput& operator=(const PendingOutput&) = delete;

    [[nodiscard]] bool isOpen() const { return m_file.is_open(); }

    [[nodiscard]] std::ostream& stream() { return m_file; }

    // Moves the written file into place; false if writing or moving failed.
    [[nodiscard]] bool commit()
    {
        m_file.close();
        if (!m_file)
            return false;
        std::error_code ec;
        fs::rename(m_temp, m_path, ec);
        m_committed = !ec;
        return m_committed;
    }

private:
    std::string m_path;
    std::string m_temp;
    std::ofstream m_file;
    bool m_committed = false;
};
} // namespace

void Compressor::setCaption(const std::string& text)
{
    m_caption = text;
    if (m_captionHandler)
        m_captionHandler(text);
}

std::vector<uint8_t> Compressor::transferStream(std::vector<uint8_t>& input, const std::string& readError,
                                            const Coder& code)
{
    try {
        if (m_inputStream == nullptr || !m_inputStream->good())
            throw CompressorError(lzrw1msg::openInput({}));
        if (m_outputStream == nullptr || !m_outputStream->good())
            throw CompressorError(lzrw1msg::openOutput({}));
        if (!readToEnd(*m_inputStream, input))
            throw CompressorError(readError);
        std::vector<uint8_t> output = code(input, {});
        m_outputStream->write(reinterpret_cast<const char*>(output.data()), std::streamsize(output.size()));
        if (!m_outputStream->flush())
            throw CompressorError(lzrw1msg::writeFailed({}));
        return output;
    } catch (const std::bad_alloc&) {
        throw CompressorError(lzrw1msg::buffers());
    }
}

int64_t Compressor::transferFile(const FileCoder& code)
{
    std::ifstream in(m_inputFile, std::ios::binary);
    if (!in.is_open())
        throw CompressorError(lzrw1msg::openInput(m_inputFile));
    PendingOutput out(m_outputFile);
    if (!out.isOpen())
        throw CompressorError(lzrw1msg::openOutput(m_outputFile));
    const int64_t written = code(in, out.stream());
    if (!out.commit())
        throw CompressorError(lzrw1msg::writeFailed(m_outputFile));
    return written;
}

int64_t Compressor::compress()
{
    CompressMode method = m_compressMode;
    if (method == CompressMode::Auto) {
        method = advise();
        // Advising a small input sets Good; Auto must stay for the next input.
        m_compressMode = CompressMode::Auto;
    }
    const bool fast = method == CompressMode::Fast;
    std::optional<std::uintmax_t> size;
    if (!m_useStream) {
        std::error_code ec;
        size = fs::file_size(m_inputFile, ec);
        if (ec)
            throw CompressorError(lzrw1msg::sizeUnknown(m_inputFile));
    }
    Lzrw1Progress progress;
    if (m_captionHandler)
        progress = [&](int64_t in, int64_t out) { setCaption(bytesInOut(fast, in, out)); };
    int64_t read = 0;
    int64_t written = 0;
    if (m_useStream) {
        std::vector<uint8_t> plain;
        written = int64_t(transferStream(plain, fast ? lzrw1msg::readFailedFast({}) : lzrw1msg::readFailedGood({}),
                                         [&](std::span<const uint8_t> in, std::string_view path) {
                                             return lzrw1Compress(in, method, path, progress);
                                         }).size());
        read = int64_t(plain.size());
    } else {
        read = int64_t(*size);
        written = transferFile([&](std::istream& in, std::ostream& out) {
            return lzrw1CompressStream(in, read, out, method, m_inputFile, m_outputFile, progress);
        });
    }
    if (m_captionHandler)
        setCaption(m_inputFile + " : Lzrw1 : successfully compressed at " + std::to_string(percentOf(written, read)) +
                   "%");
    return written;
}

int64_t Compressor::decompress()
{
    bool fast = true;
    Lzrw1Progress progress;
    if (m_captionHandler)
        progress = [&](int64_t in, int64_t out) { setCaption(bytesInOut(fast, in, out)); };
    int64_t read = 0;
    int64_t written = 0;
    if (m_useStream) {
        std::vector<uint8_t> packed;
        written = int64_t(transferStream(packed, lzrw1msg::readFailed({}), [&](std::span<const uint8_t> in, std::string_view) {
                              fast = std::equal(kFastIdentifier.begin(), kFastIdentifier.end(), in.begin());
                              return lzrw1Decompress(in, {}, progress);
                          }).size());
        read = int64_t(packed.size());
    } else {
        written = transferFile([&](std::istream& in, std::ostream& out) {
            fast = in.peek() == kFastIdentifier[0];
            return lzrw1DecompressStream(in, out, m_inputFile, m_outputFile, progress);
        });
        std::error_code ec;
        read = int64_t(fs::file_size(m_inputFile, ec));
        if (ec)
            read = 0;
    }
    if (m_captionHandler)
        setCaption(m_inputFile + " : Lzrw1 : successfully decompressed at " + std::to_string(percentOf(written, read)) +
                   "%");
    return written;
}

CompressMode Compressor::advise()
{
    const std::string inPath = streamPath(m_inputFile);
    if (m_useStream)
        setCaption("Guessing the best compression mode for the inputstream");
    else
        setCaption("Guessing the best compression mode for : " + m_inputFile);
    try {
        std::vector<uint8_t> first(kAdviseSampleSize);
        std::vector<uint8_t> second(kAdviseSampleSize);
        std::ifstream file;
        std::istream* in = m_inputStream;
        int64_t size = 0;
        std::streamoff start = 0;
        if (m_useStream) {
            if (in == nullptr || !in->good())
                throw CompressorError(lzrw1msg::adviseOpenInput({}));
            start = in->tellg();
            in->seekg(0, std::ios::end);
            const std::streamoff end = in->tellg();
            in->clear();
            in->seekg(start);
            if (start < 0 || end < 0)
                throw CompressorError(lzrw1msg::adviseSizeUnknown({}));
            size = end - start;
        } else {
            std::error_code ec;
            const auto fileSize = fs::file_size(m_inputFile, ec);
            if (ec)
                throw CompressorError(lzrw1msg::adviseSizeUnknown(m_inputFile));
            size = int64_t(fileSize);
        }
        if (size < kAdviseMinSize) {
            m_compressMode = CompressMode::Good;
            setCaption("Lzrw1 recommends GOOD compression :  small file !!");
            return CompressMode::Good;
        }
        if (!m_useStream) {
            file.open(m_inputFile, std::ios::binary);
            if (!file.is_open())
                throw CompressorError(lzrw1msg::adviseOpenInput(m_inputFile));
            in = &file;
        }
        const auto offsets = lzrw1AdviseOffsets(size);
        const bool read = readAt(*in, start + offsets[0], first) && readAt(*in, start + offsets[1], second);
        if (m_useStream) {
            in->clear();
            in->seekg(start);
        }
        if (!read)
            throw CompressorError(lzrw1msg::adviseReadFailed(inPath));
        const Lzrw1Advice advice = lzrw1AdviseSamples(first, second, m_threshold);
        const std::string percent = std::to_string(advice.percent) + "%.";
        if (advice.mode == CompressMode::Fast)
            setCaption("Lzrw1 recommends FAST compression : " + percent);
        else
            setCaption("Lzrw1 recommends GOOD compression : " + percent);
        return advice.mode;
    } catch (const std::bad_alloc&) {
        throw CompressorError(lzrw1msg::adviseBuffers());
    }
}
