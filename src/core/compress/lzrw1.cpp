#include "core/compress/lzrw1.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <istream>
#include <new>
#include <ostream>
#include <system_error>
#include <vector>

#include "core/compress/elzrw1exception.h"
#include "core/compress/lzrw1codec.h"
#include "core/compress/lzrw1messages.h"

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

    [[nodiscard]] bool commit(const std::vector<uint8_t>& bytes)
    {
        m_file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
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

void Tlzrw1::setCaption(const std::string& text)
{
    m_caption = text;
    if (m_captionHandler)
        m_captionHandler(text);
}

std::vector<uint8_t> Tlzrw1::transfer(std::vector<uint8_t>& input, const std::string& readError,
                                      std::optional<std::uintmax_t> expectedSize, const Coder& code)
{
    try {
        std::vector<uint8_t> output;
        if (m_useStream) {
            if (m_inputStream == nullptr || !m_inputStream->good())
                throw ELzrw1Exception(lzrw1msg::openInput({}));
            if (m_outputStream == nullptr || !m_outputStream->good())
                throw ELzrw1Exception(lzrw1msg::openOutput({}));
            if (!readToEnd(*m_inputStream, input))
                throw ELzrw1Exception(readError);
            output = code(input, {});
            m_outputStream->write(reinterpret_cast<const char*>(output.data()), std::streamsize(output.size()));
            if (!m_outputStream->flush())
                throw ELzrw1Exception(lzrw1msg::writeFailed({}));
            return output;
        }
        std::ifstream in(m_inputFile, std::ios::binary);
        if (!in.is_open())
            throw ELzrw1Exception(lzrw1msg::openInput(m_inputFile));
        PendingOutput out(m_outputFile);
        if (!out.isOpen())
            throw ELzrw1Exception(lzrw1msg::openOutput(m_outputFile));
        // A file that changed size under us would get a wrong size field.
        if (!readToEnd(in, input) || (expectedSize && input.size() != *expectedSize))
            throw ELzrw1Exception(readError);
        output = code(input, m_inputFile);
        if (!out.commit(output))
            throw ELzrw1Exception(lzrw1msg::writeFailed(m_outputFile));
        return output;
    } catch (const std::bad_alloc&) {
        throw ELzrw1Exception(lzrw1msg::buffers());
    }
}

int64_t Tlzrw1::Compress()
{
    TCompressMode method = m_compressMode;
    if (method == TCompressMode::Auto) {
        method = Advise();
        // Advising a small input sets Good; Auto must stay for the next input.
        m_compressMode = TCompressMode::Auto;
    }
    const bool fast = method == TCompressMode::Fast;
    const std::string inPath = streamPath(m_inputFile);
    std::optional<std::uintmax_t> size;
    if (!m_useStream) {
        std::error_code ec;
        size = fs::file_size(m_inputFile, ec);
        if (ec)
            throw ELzrw1Exception(lzrw1msg::sizeUnknown(m_inputFile));
    }
    Lzrw1Progress progress;
    if (m_captionHandler)
        progress = [&](int64_t in, int64_t out) { setCaption(bytesInOut(fast, in, out)); };
    std::vector<uint8_t> plain;
    const auto packed = transfer(plain, fast ? lzrw1msg::readFailedFast(inPath) : lzrw1msg::readFailedGood(inPath),
                                 size, [&](std::span<const uint8_t> in, std::string_view path) {
                                     return lzrw1Compress(in, method, path, progress);
                                 });
    if (m_captionHandler)
        setCaption(m_inputFile + " : Lzrw1 : successfully compressed at " +
                   std::to_string(percentOf(int64_t(packed.size()), int64_t(plain.size()))) + "%");
    return int64_t(packed.size());
}

int64_t Tlzrw1::Decompress()
{
    std::vector<uint8_t> packed;
    Lzrw1Progress progress;
    if (m_captionHandler) {
        progress = [&](int64_t in, int64_t out) {
            const bool fast = std::equal(kFastIdentifier.begin(), kFastIdentifier.end(), packed.begin());
            setCaption(bytesInOut(fast, in, out));
        };
    }
    const auto plain = transfer(packed, lzrw1msg::readFailed(streamPath(m_inputFile)), std::nullopt,
                                [&](std::span<const uint8_t> in, std::string_view path) {
                                    return lzrw1Decompress(in, path, progress);
                                });
    if (m_captionHandler)
        setCaption(m_inputFile + " : Lzrw1 : successfully decompressed at " +
                   std::to_string(percentOf(int64_t(plain.size()), int64_t(packed.size()))) + "%");
    return int64_t(plain.size());
}

TCompressMode Tlzrw1::Advise()
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
                throw ELzrw1Exception(lzrw1msg::adviseOpenInput({}));
            start = in->tellg();
            in->seekg(0, std::ios::end);
            const std::streamoff end = in->tellg();
            in->clear();
            in->seekg(start);
            if (start < 0 || end < 0)
                throw ELzrw1Exception(lzrw1msg::adviseSizeUnknown({}));
            size = end - start;
        } else {
            std::error_code ec;
            const auto fileSize = fs::file_size(m_inputFile, ec);
            if (ec)
                throw ELzrw1Exception(lzrw1msg::adviseSizeUnknown(m_inputFile));
            size = int64_t(fileSize);
        }
        if (size < kAdviseMinSize) {
            m_compressMode = TCompressMode::Good;
            setCaption("Lzrw1 recommends GOOD compression :  small file !!");
            return TCompressMode::Good;
        }
        if (!m_useStream) {
            file.open(m_inputFile, std::ios::binary);
            if (!file.is_open())
                throw ELzrw1Exception(lzrw1msg::adviseOpenInput(m_inputFile));
            in = &file;
        }
        const auto offsets = lzrw1AdviseOffsets(size);
        const bool read = readAt(*in, start + offsets[0], first) && readAt(*in, start + offsets[1], second);
        if (m_useStream) {
            in->clear();
            in->seekg(start);
        }
        if (!read)
            throw ELzrw1Exception(lzrw1msg::adviseReadFailed(inPath));
        const Lzrw1Advice advice = lzrw1AdviseSamples(first, second, m_threshold);
        const std::string percent = std::to_string(advice.percent) + "%.";
        if (advice.mode == TCompressMode::Fast)
            setCaption("Lzrw1 recommends FAST compression : " + percent);
        else
            setCaption("Lzrw1 recommends GOOD compression : " + percent);
        return advice.mode;
    } catch (const std::bad_alloc&) {
        throw ELzrw1Exception(lzrw1msg::adviseBuffers());
    }
}
