// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <filesystem>
#include <csignal>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "core/compress/lzrw1codec.h"
#include "core/settings/fileerror.h"
#include "core/tally/tallyfile.h"
#include "settings/tempfolder.h"
#include "support/asordinaryuser.h"

namespace {

namespace fs = std::filesystem;

std::string packFast(const std::string& text)
{
    const auto packed = lzrw1Compress(std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()),
                                      CompressMode::Fast);
    return std::string(packed.begin(), packed.end());
}

TEST(TallyFile, MissingFileIsTheEmptyTallyWithoutComplaint)
{
    TempFolder folder;
    const auto loaded = TallyFile::load(folder.file("pelbixsolotally.tld"));
    EXPECT_FALSE(loaded.error);
    EXPECT_EQ(loaded.table.toText(), TallyTable().toText());
}

TEST(TallyFile, EmptyTallyFileIsTheSameBytesEveryTimeAndHolds282)
{
    const std::string first = TallyFile::encode(TallyTable());
    EXPECT_EQ(TallyFile::encode(TallyTable()), first);
    ASSERT_GE(first.size(), 8u);
    EXPECT_EQ(first.substr(0, 4), "WRZL");
    EXPECT_EQ(first.substr(4, 4), std::string("\x1a\x01\x00\x00", 4)); // 282, little-endian
    const auto plain = lzrw1Decompress(std::span(reinterpret_cast<const uint8_t*>(first.data()), first.size()));
    EXPECT_EQ(std::string(plain.begin(), plain.end()), TallyTable().toText());
}

TEST(TallyFile, SurvivesARoundTrip)
{
    TempFolder folder;
    const auto path = folder.file("pelbixsolotally.tld");
    TallyTable t;
    t.increment(1);
    t.enterGame(1250, "Ann", "12/7/26");
    t.addTo(2, 1250);
    TallyFile::save(path, t);
    const auto loaded = TallyFile::load(path);
    EXPECT_FALSE(loaded.error);
    EXPECT_EQ(loaded.table.toText(), t.toText());
}

TEST(TallyFile, DamagedFilesAreReportedAndKeptAside)
{
    const struct {
        const char* what;
        std::string bytes;
        const char* message; // part of the message the player sees
    } cases[] = {
        {"foreign header", "PK\x03\x04 not a tally", "this file has no valid header !"},
        {"cut short", TallyFile::encode(TallyTable()).substr(0, 20), "Lzrw1"},
        {"size field too large", std::string("WRZL\x05\x00\x00\x00\x04\x00\x80" "abc", 14), "sizes do not match"},
        {"not a table", packFast("hello\r\n"), "cannot be read"},
        {"wrong shape", packFast("10\r\n12\r\n"), "cannot be read"},
    };
    for (const auto& c : cases) {
        TempFolder folder;
        const auto path = folder.file("pelbixsolotally.tld");
        TempFolder::write(path, c.bytes);
        const auto loaded = TallyFile::load(path);
        ASSERT_TRUE(loaded.error) << c.what;
        EXPECT_NE(loaded.error->english().find(c.message), std::string::npos) << c.what << ": " << loaded.error->english();
        EXPECT_EQ(loaded.table.toText(), TallyTable().toText()) << c.what;
        EXPECT_FALSE(fs::exists(path)) << c.what;
        EXPECT_EQ(loaded.keptAs, folder.file("pelbixsolotally.tld.damaged")) << c.what;
        EXPECT_EQ(TempFolder::read(loaded.keptAs), c.bytes) << c.what;
    }
}

TEST(TallyFile, HeaderMessageNamesTheFileFirst)
{
    TempFolder folder;
    const auto path = folder.file("pelbixsolotally.tld");
    TempFolder::write(path, "junkjunkjunk");
    EXPECT_EQ(TallyFile::load(path).error->english(), path.string() + " : Lzrw1 decompression : this file has no valid header !");
}

TEST(TallyFile, ASecondDamagedFileDoesNotReplaceTheFirstCopy)
{
    TempFolder folder;
    const auto path = folder.file("pelbixsolotally.tld");
    TempFolder::write(path, "first");
    EXPECT_TRUE(TallyFile::load(path).error);
    TempFolder::write(path, "second");
    const auto loaded = TallyFile::load(path);
    EXPECT_EQ(TempFolder::read(folder.file("pelbixsolotally.tld.damaged")), "first");
    EXPECT_EQ(TempFolder::read(loaded.keptAs), "second");
}

TEST(TallyFile, OversizedFileIsDamageNotAnAllocation)
{
    TempFolder folder;
    const auto path = folder.file("pelbixsolotally.tld");
    TempFolder::write(path, std::string(TallyFile::kMaxFileSize + 1, 'x'));
    const auto loaded = TallyFile::load(path);
    ASSERT_TRUE(loaded.error);
    EXPECT_NE(loaded.error->english().find("too large"), std::string::npos);
}

TEST(TallyFile, SaveIntoAReadOnlyFolderLeavesTheOldFileIntact)
{
    TempFolder folder;
    const auto path = folder.file("pelbixsolotally.tld");
    TallyTable old;
    old.enterGame(900, "Old", "d");
    TallyFile::save(path, old);
    const std::string before = TempFolder::read(path);
    // Read-only for everyone: as a user the folder is the user's own, so
    // write permission must be gone for the owner too.
    ::chmod(path.c_str(), 0644);
    ::chmod(folder.path().c_str(), 0555);
    const int result = asOrdinaryUser([&] {
        try {
            TallyFile::save(path, TallyTable());
            return 1;
        } catch (const FileError&) {
            return 0;
        } catch (...) {
            return 2;
        }
    });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(TempFolder::read(path), before);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), {}), 1) << "no temporary file left behind";
}

} // namespace

namespace {
TEST(TallyFile, ATallyWrittenInGoodModeLoadsToo)
{
    TempFolder folder;
    const auto path = folder.file("pelbixsolotally.tld");
    TallyTable t;
    t.enterGame(3150, "Good", "2/3/26");
    const std::string text = t.toText();
    const auto packed = lzrw1Compress(std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()),
                                      CompressMode::Good);
    TempFolder::write(path, std::string(packed.begin(), packed.end()));
    const auto loaded = TallyFile::load(path);
    ASSERT_FALSE(loaded.error) << loaded.error->english();
    EXPECT_EQ(loaded.table.toText(), text);
}
} // namespace

namespace {
// A save killed at any moment, mid-write or between write and rename, leaves
// a tally file that loads whole: the old one or the new one.
TEST(TallyFile, ASaveKilledAtAnyMomentLeavesAWholeFile)
{
    TempFolder folder;
    const auto path = folder.file("pelbixsolotally.tld");
    TallyTable a;
    a.enterGame(1111, "Old", "1/1/26");
    TallyTable b;
    for (int i = 0; i < 10; ++i)
        b.enterGame(2000 + i, std::string(40, static_cast<char>('a' + i)), "2/2/26");
    TallyFile::save(path, a);
    for (int round = 0; round < 20; ++round) {
        const pid_t child = ::fork();
        if (child == 0) {
            for (;;) {
                TallyFile::save(path, b);
                TallyFile::save(path, a);
            }
        }
        ::usleep(static_cast<useconds_t>(2000 + round * 1500));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        const auto loaded = TallyFile::load(path);
        ASSERT_FALSE(loaded.error) << "round " << round << ": " << loaded.error->english();
        const std::string text = loaded.table.toText();
        EXPECT_TRUE(text == a.toText() || text == b.toText()) << "round " << round;
    }
}
} // namespace
