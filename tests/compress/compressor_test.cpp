// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

#include "compress/testdata.h"
#include "core/compress/compressorerror.h"
#include "core/compress/compressor.h"
#include "core/compress/lzrw1codec.h"

namespace fs = std::filesystem;
using testdata::bytesOf;
using testdata::Bytes;

namespace {
class CompressorFiles : public testing::Test {
protected:
    void SetUp() override
    {
        m_dir = fs::temp_directory_path() /
                ("pelbix_lzrw1_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
                 testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }

    std::string path(const std::string& name) const { return (m_dir / name).string(); }

    void write(const std::string& name, const Bytes& bytes) const
    {
        std::ofstream out(path(name), std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    }
    Bytes read(const std::string& name) const
    {
        std::ifstream in(path(name), std::ios::binary);
        return Bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    }
    std::vector<std::string> names() const
    {
        std::vector<std::string> out;
        for (const auto& e : fs::directory_iterator(m_dir))
            out.push_back(e.path().filename().string());
        std::sort(out.begin(), out.end());
        return out;
    }

    Compressor m_coder;
    fs::path m_dir;
};

std::string failure(const std::function<void()>& operation)
{
    try {
        operation();
    } catch (const CompressorError& e) {
        return e.what();
    }
    return "no error";
}

// A stream that fails like a broken disk after its first bytes: reads set
// badbit, writes report a short count. It can seek, so Advise can size it.
class BrokenBuffer : public std::streambuf {
public:
    BrokenBuffer(std::size_t size, bool readable) : m_size(size), m_readable(readable) {}

protected:
    int_type underflow() override
    {
        if (!m_readable)
            throw std::runtime_error("disk gone");
        return traits_type::eof();
    }
    int_type overflow(int_type) override { return traits_type::eof(); }
    pos_type seekoff(off_type off, std::ios_base::seekdir dir, std::ios_base::openmode) override
    {
        m_pos = dir == std::ios_base::beg ? off : dir == std::ios_base::end ? off_type(m_size) + off : m_pos + off;
        return m_pos;
    }
    pos_type seekpos(pos_type pos, std::ios_base::openmode) override { return m_pos = pos; }

private:
    std::size_t m_size;
    bool m_readable;
    off_type m_pos = 0;
};
} // namespace

TEST_F(CompressorFiles, RoundTripsFilesInBothMethods)
{
    const Bytes input = testdata::text(100000);
    write("in", input);
    for (const CompressMode mode : {CompressMode::Fast, CompressMode::Good}) {
        m_coder.setMode(mode);
        m_coder.setInputFile(path("in"));
        m_coder.setOutputFile(path("packed"));
        const int64_t written = m_coder.compress();
        EXPECT_EQ(written, int64_t(fs::file_size(path("packed"))));
        EXPECT_EQ(read("packed")[0], mode == CompressMode::Fast ? 'W' : '!');

        // The method comes from the file; CompressMode has no say.
        m_coder.setMode(mode == CompressMode::Fast ? CompressMode::Good : CompressMode::Fast);
        m_coder.setInputFile(path("packed"));
        m_coder.setOutputFile(path("out"));
        EXPECT_EQ(m_coder.decompress(), int64_t(input.size()));
        EXPECT_EQ(read("out"), input);
    }
    EXPECT_EQ(names(), (std::vector<std::string>{"in", "out", "packed"}));
}

// Each failure names the file concerned and leaves no output file behind.
TEST_F(CompressorFiles, FailuresCarryTheirMessageAndLeaveNoOutput)
{
    write("garbage", bytesOf("GIF89a......"));
    write("short", Bytes{0x57, 0x52, 0x5A, 0x4C, 0x03});
    Bytes lying = lzrw1Compress(bytesOf("abc"), CompressMode::Fast);
    lying[4] = 4;
    write("lying", lying);
    Bytes lyingGood = lzrw1Compress(bytesOf("   "), CompressMode::Good);
    lyingGood[4] = 2;
    write("lyinggood", lyingGood);
    write("plain", bytesOf("abc"));

    const std::string missing = path("missing");
    const std::string noFolder = path("nofolder/out");
    const struct {
        const char* name;
        bool compress;
        CompressMode mode;
        std::string in;
        std::string out;
        std::string message;
    } cases[] = {
        {"compress, input missing", true, CompressMode::Fast, missing, path("out"),
         "Lzrw1 compression : Failed to obtain the size of : " + missing},
        {"compress, output folder missing", true, CompressMode::Fast, path("plain"), noFolder,
         "Lzrw1 (de)compression : Failed to open output file : " + noFolder},
        {"compress, output is a folder", true, CompressMode::Good, path("plain"), m_dir.string(),
         "Lzrw1 (de)compression : Failed to open output file : " + m_dir.string()},
        {"auto asks Advise first", true, CompressMode::Auto, missing, path("out"),
         "Lzrw1 advise : can not get the size of : " + missing},
        {"decompress, input missing", false, CompressMode::Fast, missing, path("out"),
         "Lzrw1 (de)compression : Failed to open input file : " + missing},
        {"decompress, output folder missing", false, CompressMode::Fast, path("garbage"), noFolder,
         "Lzrw1 (de)compression : Failed to open output file : " + noFolder},
        {"foreign header", false, CompressMode::Fast, path("garbage"), path("out"),
         path("garbage") + " : Lzrw1 decompression : this file has no valid header !"},
        {"file ends early", false, CompressMode::Fast, path("short"), path("out"),
         "Lzrw1 : Error reading from input file : " + path("short")},
        {"Fast size differs", false, CompressMode::Fast, path("lying"), path("out"),
         "Lzrw1 (decompression LZRW1/KH) : Original and compressed sizes do not match !"},
        {"Good size differs", false, CompressMode::Fast, path("lyinggood"), path("out"),
         "Lzrw1 (LZH decompression) : Original and compressed sizes do not match !"},
    };
    const auto before = names();
    for (const auto& c : cases) {
        m_coder.setMode(c.mode);
        m_coder.setInputFile(c.in);
        m_coder.setOutputFile(c.out);
        EXPECT_EQ(failure([&] { c.compress ? m_coder.compress() : m_coder.decompress(); }), c.message) << c.name;
        EXPECT_EQ(names(), before) << c.name;
    }
}

// Fixed fault: a failed decompression used to delete the file it was
// writing even when that file held good data from before.
TEST_F(CompressorFiles, FailureKeepsAnOlderOutputFile)
{
    write("garbage", bytesOf("not a tally file"));
    write("out", bytesOf("older tally"));
    m_coder.setInputFile(path("garbage"));
    m_coder.setOutputFile(path("out"));
    EXPECT_THROW(m_coder.decompress(), CompressorError);
    EXPECT_EQ(read("out"), bytesOf("older tally"));
}

// Fixed fault: creating the output before reading the input emptied a file
// that was both, so compressing a file onto itself lost it.
TEST_F(CompressorFiles, OutputMayBeTheInputItself)
{
    const Bytes input = testdata::text(5000);
    write("tally", input);
    m_coder.setMode(CompressMode::Fast);
    m_coder.setInputFile(path("tally"));
    m_coder.setOutputFile(path("tally"));
    m_coder.compress();
    EXPECT_EQ(read("tally")[0], 'W');
    m_coder.decompress();
    EXPECT_EQ(read("tally"), input);
}

TEST_F(CompressorFiles, CaptionsReportProgressAndResult)
{
    write("in", Bytes(100, 'x'));
    std::vector<std::string> captions;
    m_coder.setCaptionHandler([&](const std::string& text) { captions.push_back(text); });
    m_coder.setMode(CompressMode::Fast);
    m_coder.setInputFile(path("in"));
    m_coder.setOutputFile(path("packed"));
    EXPECT_EQ(m_coder.compress(), 17);
    ASSERT_FALSE(captions.empty());
    EXPECT_EQ(captions.front(), "(LZRW1/KH) Bytes in : 100 Bytes out : 17");
    EXPECT_EQ(captions.back(), path("in") + " : Lzrw1 : successfully compressed at 17%");

    captions.clear();
    m_coder.setInputFile(path("packed"));
    m_coder.setOutputFile(path("out"));
    EXPECT_EQ(m_coder.decompress(), 100);
    EXPECT_EQ(captions.back(), path("packed") + " : Lzrw1 : successfully decompressed at 588%");
    EXPECT_EQ(m_coder.caption(), captions.back());
}

TEST_F(CompressorFiles, AdviseAnswersGoodForSmallFilesWithoutSampling)
{
    // 98303 bytes of one value would code well in Fast; being under three
    // blocks decides first. 98304 bytes are sampled.
    write("small", Bytes(98303, 'q'));
    write("large", Bytes(98304, 'q'));
    m_coder.setMode(CompressMode::Fast);
    m_coder.setInputFile(path("small"));
    EXPECT_EQ(m_coder.advise(), CompressMode::Good);
    EXPECT_EQ(m_coder.caption(), "Lzrw1 recommends GOOD compression :  small file !!");
    EXPECT_EQ(m_coder.mode(), CompressMode::Good);

    m_coder.setInputFile(path("large"));
    EXPECT_EQ(m_coder.advise(), CompressMode::Fast);
    EXPECT_EQ(m_coder.caption(), "Lzrw1 recommends FAST compression : 0%.");
}

// Fixed fault: Auto on a small file switched CompressMode to Good for good,
// so a later large file was never sampled.
TEST_F(CompressorFiles, AutoStaysAutoAfterASmallFile)
{
    write("small", bytesOf("abc"));
    m_coder.setMode(CompressMode::Auto);
    m_coder.setInputFile(path("small"));
    m_coder.setOutputFile(path("packed"));
    m_coder.compress();
    EXPECT_EQ(read("packed")[0], '!');
    EXPECT_EQ(m_coder.mode(), CompressMode::Auto);
}

TEST(CompressorStreams, RoundTripFromTheCurrentPosition)
{
    // Fixed fault: the size field counted the whole stream while reading
    // began at its position, so such files never decompressed.
    const std::string text = "skipped:" + std::string(5000, 'z') + "tail";
    std::istringstream in(text);
    in.seekg(8);
    std::ostringstream packed;
    Compressor coder;
    coder.setUseStream(true);
    coder.setMode(CompressMode::Fast);
    coder.setInputStream(&in);
    coder.setOutputStream(&packed);
    const int64_t written = coder.compress();
    EXPECT_EQ(written, int64_t(packed.str().size()));

    std::istringstream packedIn(packed.str());
    std::ostringstream out;
    coder.setInputStream(&packedIn);
    coder.setOutputStream(&out);
    EXPECT_EQ(coder.decompress(), int64_t(text.size() - 8));
    EXPECT_EQ(out.str(), text.substr(8));
}

// Fixed fault: failures during the coding of a stream were swallowed; they
// now reach the caller just as in file mode.
TEST(CompressorStreams, FailuresReachTheCaller)
{
    BrokenBuffer unreadable(200000, false);
    std::istream brokenIn(&unreadable);
    BrokenBuffer unwritable(0, true);
    std::ostream brokenOut(&unwritable);
    std::istringstream garbage("GIF89a");
    std::istringstream small("abc");
    std::ostringstream sink;

    const struct {
        const char* name;
        std::istream* in;
        std::ostream* out;
        std::function<void(Compressor&)> operation;
        std::string message;
    } cases[] = {
        {"no input", nullptr, &sink, [](Compressor& c) { c.compress(); },
         "Lzrw1 (de)compression : Failed to initialize input stream !"},
        {"no output", &small, nullptr, [](Compressor& c) { c.decompress(); },
         "Lzrw1 (de)compression : Failed to initialize output stream !"},
        {"read fails, Fast", &brokenIn, &sink,
         [](Compressor& c) { c.setMode(CompressMode::Fast), c.compress(); },
         "Lzrw1 : Error reading from input stream ! (LZRW1/KH)"},
        {"read fails, Good", &brokenIn, &sink,
         [](Compressor& c) { c.setMode(CompressMode::Good), c.compress(); },
         "Lzrw1 : Error reading from input stream ! (LZH)"},
        {"read fails, decompress", &brokenIn, &sink, [](Compressor& c) { c.decompress(); },
         "Lzrw1 : Error reading from input stream !"},
        {"write fails", &small, &brokenOut, [](Compressor& c) { c.setMode(CompressMode::Fast), c.compress(); },
         "Lzrw1 : Error writing to output stream !"},
        {"foreign header", &garbage, &sink, [](Compressor& c) { c.decompress(); },
         "Lzrw1 decompression : input stream contains no valid header !"},
        {"advise, no input", nullptr, &sink, [](Compressor& c) { c.advise(); },
         "Lzrw1 edvise : can not initialize the input stream!"},
        {"advise, read fails", &brokenIn, &sink, [](Compressor& c) { c.advise(); },
         "Lzrw1 advise : input stream read error !"},
    };
    for (const auto& c : cases) {
        Compressor coder;
        coder.setUseStream(true);
        coder.setInputStream(c.in);
        coder.setOutputStream(c.out);
        brokenIn.clear();
        small.clear();
        small.seekg(0);
        EXPECT_EQ(failure([&] { c.operation(coder); }), c.message) << c.name;
    }
}

TEST(CompressorStreams, AdviseLeavesTheStreamWhereItWas)
{
    const std::string text = std::string(40000, 'a') + std::string(200000, 'b');
    std::istringstream in(text);
    in.seekg(1000);
    Compressor coder;
    coder.setUseStream(true);
    coder.setInputStream(&in);
    EXPECT_EQ(coder.advise(), CompressMode::Fast);
    EXPECT_EQ(in.tellg(), std::streampos(1000));

    // Under three blocks from the position: answered without reading.
    BrokenBuffer unreadable(98303, false);
    std::istream small(&unreadable);
    coder.setInputStream(&small);
    EXPECT_EQ(coder.advise(), CompressMode::Good);
    EXPECT_EQ(coder.caption(), "Lzrw1 recommends GOOD compression :  small file !!");
}
