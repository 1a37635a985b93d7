// SPDX-License-Identifier: MIT
#include "core/settings/fileerror.h"
#include "core/settings/privateprofile.h"
#include "settings/tempfolder.h"
#include "support/asordinaryuser.h"

#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <optional>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
const std::string kSection = "pelbixsolo";

std::string read(const std::string& content, const std::string& section, const std::string& key)
{
    TempFolder folder;
    const auto path = folder.file("p.ini");
    TempFolder::write(path, content);
    return PrivateProfile::getString(section, key, "<default>", path);
}

std::string afterWrite(const std::string& before, const std::string& section, const std::string& key,
                       const std::string& value)
{
    TempFolder folder;
    const auto path = folder.file("p.ini");
    TempFolder::write(path, before);
    PrivateProfile::writeString(section, key, value, path);
    return TempFolder::read(path);
}

std::size_t entries(const std::filesystem::path& folder)
{
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder), {}));
}

// 0 when writing throws a FileError that names the path, else a code.
int refusedWrite(const std::filesystem::path& path)
{
    try {
        PrivateProfile::writeString(kSection, "Top", "99", path);
        return 1;
    } catch (const FileError& e) {
        return std::string(e.what()).find(path.string()) != std::string::npos ? 0 : 2;
    } catch (...) {
        return 3;
    }
}
} // namespace

TEST(GetPrivateProfileString, FindsKeysLikeTheSystemFunction)
{
    const struct {
        const char* content;
        const char* section;
        const char* key;
        const char* expected;
    } cases[] = {
        {"[pelbixsolo]\r\nTop=16\r\n", "pelbixsolo", "Top", "16"},
        {"[PelbixSolo]\nTOP=16\n", "pelbixsolo", "top", "16"},
        {"  [ pelbixsolo ]  \n  Top  =  16  \n", "pelbixsolo", "Top", "16"},
        {"[pelbixsolo]\nName=a=b\n", "pelbixsolo", "Name", "a=b"},
        {"[pelbixsolo]\nName=\n", "pelbixsolo", "Name", ""},
        {"[pelbixsolo]\nTop=1\nTop=2\n", "pelbixsolo", "Top", "1"},
        {"[pelbixsolo]\nTop=1\n[pelbixsolo]\nLeft=2\n", "pelbixsolo", "Left", "<default>"},
        {"[other]\nTop=1\n[pelbixsolo]\nLeft=2\n", "pelbixsolo", "Top", "<default>"},
        {"Top=1\n[pelbixsolo]\n", "pelbixsolo", "Top", "<default>"},
        {"[pelbixsolo]\n;Top=1\n", "pelbixsolo", "Top", "<default>"},
        {"[pelbixsolo]\nTop 1\n", "pelbixsolo", "Top", "<default>"},
        {"[pelbixsolo]\nTop=1", "pelbixsolo", "Top", "1"},
        {"\xEF\xBB\xBF[pelbixsolo]\r\nTop=7\r\n", "pelbixsolo", "Top", "7"},
        {"[pelbixsolo\nTop=8\n", "pelbixsolo", "Top", "8"},
        {"[pelbixsolo]\nTopx=1\n", "pelbixsolo", "Top", "<default>"},
        // A stray CR at a line end used to stay in the value and vanish on a rewrite.
        {"[pelbixsolo]\nName=Bob\r\r\n", "pelbixsolo", "Name", "Bob"},
        {"", "pelbixsolo", "Top", "<default>"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(read(c.content, c.section, c.key), c.expected) << testing::PrintToString(c.content);
}

TEST(GetPrivateProfileString, ValueArrivesThroughA2048ByteBuffer)
{
    const std::string longValue(3000, 'a');
    EXPECT_EQ(read("[s]\nk=" + longValue + "\n", "s", "k"), std::string(2047, 'a'));
    EXPECT_EQ(read("[s]\nk=" + std::string(2047, 'b') + "\n", "s", "k"), std::string(2047, 'b'));
    // The cut would fall inside the two bytes of "é": the whole letter goes.
    EXPECT_EQ(read("[s]\nk=" + std::string(2046, 'c') + "\xC3\xA9" + "\n", "s", "k"), std::string(2046, 'c'));
    EXPECT_EQ(read(std::string("[s]\nk=ab\0cd\n", 12), "s", "k"), "ab");
    // 8-bit text is cut as the 2047 bytes it was, then each byte becomes a letter.
    std::string twoByteLetters;
    for (int i = 0; i < 2047; ++i)
        twoByteLetters += "\xC3\xA9";
    EXPECT_EQ(read("[s]\nk=" + std::string(3000, '\xE9') + "\n", "s", "k"), twoByteLetters);
}

TEST(GetPrivateProfileString, UnusableFilesGiveTheDefault)
{
    TempFolder folder;
    EXPECT_EQ(PrivateProfile::getString("s", "k", "d", folder.file("missing.ini")), "d");
    EXPECT_EQ(PrivateProfile::getString("s", "k", "d", folder.path()), "d");

    const std::string head = "[s]\nk=v\n";
    const auto largest = folder.file("largest.ini");
    TempFolder::write(largest, head + std::string(PrivateProfile::kMaxFileSize - head.size(), ';'));
    EXPECT_EQ(PrivateProfile::getString("s", "k", "d", largest), "v");

    const auto huge = folder.file("huge.ini");
    TempFolder::write(huge, head + std::string(PrivateProfile::kMaxFileSize - head.size() + 1, ';'));
    EXPECT_EQ(PrivateProfile::getString("s", "k", "d", huge), "d");
}

TEST(WritePrivateProfileString, ChangesOnlyTheOneLine)
{
    const std::string before = "; my notes\r\n"
                               "[pelbixsolo]\r\n"
                               "Top=3\r\n"
                               "; keep me\r\n"
                               "Extra=1\r\n"
                               "\r\n"
                               "[other]\r\n"
                               "Top=5\r\n";
    const struct {
        const char* section;
        const char* key;
        const char* value;
        std::string expected;
    } cases[] = {
        {"PELBIXSOLO", "top", "40",
         "; my notes\r\n[pelbixsolo]\r\ntop=40\r\n; keep me\r\nExtra=1\r\n\r\n[other]\r\nTop=5\r\n"},
        {"pelbixsolo", "Name", "Al",
         "; my notes\r\n[pelbixsolo]\r\nTop=3\r\n; keep me\r\nExtra=1\r\nName=Al\r\n\r\n[other]\r\nTop=5\r\n"},
        {"new", "Top", "1", before + "[new]\r\nTop=1\r\n"},
        {"other", "Top", "", "; my notes\r\n[pelbixsolo]\r\nTop=3\r\n; keep me\r\nExtra=1\r\n\r\n[other]\r\nTop=\r\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(afterWrite(before, c.section, c.key, c.value), c.expected) << c.section << " " << c.key;
}

TEST(WritePrivateProfileString, KeepsTheLineBreaksOfTheFile)
{
    EXPECT_EQ(afterWrite("[s]\na=1\n", "s", "b", "2"), "[s]\na=1\nb=2\n");
    EXPECT_EQ(afterWrite("[s]\r\na=1", "s", "b", "2"), "[s]\r\na=1\r\nb=2\r\n");
    EXPECT_EQ(afterWrite("\xEF\xBB\xBF[s]\n", "s", "b", "2"), "\xEF\xBB\xBF[s]\nb=2\n");
}

TEST(WritePrivateProfileString, CreatesAMissingFileWithCrLfLines)
{
    TempFolder folder;
    const auto path = folder.file("new.ini");
    PrivateProfile::writeString("pelbixsolo", "Top", "3", path);
    EXPECT_EQ(TempFolder::read(path), "[pelbixsolo]\r\nTop=3\r\n");
}

TEST(WritePrivateProfileString, AValueCannotAddLines)
{
    // A name holding a line break used to become a second key of its own.
    TempFolder folder;
    const auto path = folder.file("p.ini");
    PrivateProfile::writeString(kSection, "Name", "Bob\r\nUpdate=false", path);
    EXPECT_EQ(PrivateProfile::getString(kSection, "Update", "true", path), "true");
    EXPECT_EQ(PrivateProfile::getString(kSection, "Name", "", path), "Bob  Update=false");
}

TEST(WritePrivateProfileString, RefusesNamesThatCouldNotBeReadBack)
{
    TempFolder folder;
    const auto path = folder.file("p.ini");
    EXPECT_THROW(PrivateProfile::writeString(kSection, "a=b", "1", path), std::invalid_argument);
    EXPECT_THROW(PrivateProfile::writeString(kSection, "", "1", path), std::invalid_argument);
    EXPECT_THROW(PrivateProfile::writeString("a]b", "k", "1", path), std::invalid_argument);
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST(WritePrivateProfileString, ReadOnlyFolderGivesAClearErrorAndKeepsTheFile)
{
    TempFolder folder;
    const auto path = folder.file("pelbixsolo.ini");
    const std::string before = "[pelbixsolo]\r\nTop=3\r\n";
    TempFolder::write(path, before);
    ::chmod(path.c_str(), 0644);
    ::chmod(folder.path().c_str(), 0555);

    EXPECT_EQ(asOrdinaryUser([&] { return refusedWrite(path); }), 0);

    EXPECT_EQ(TempFolder::read(path), before);
    EXPECT_EQ(entries(folder.path()), 1U);
}

TEST(WritePrivateProfileString, AFailedWriteLeavesTheOldFileWhole)
{
    TempFolder folder;
    const auto path = folder.file("pelbixsolo.ini");
    const std::string before = "[pelbixsolo]\r\nName=Old\r\n";
    TempFolder::write(path, before);

    // A file size limit makes the write stop part way, as a full disk would.
    rlimit saved{};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    const auto savedHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 16;
    ::setrlimit(RLIMIT_FSIZE, &small);
    const int result = refusedWrite(path);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, savedHandler);

    EXPECT_EQ(result, 0);
    EXPECT_EQ(TempFolder::read(path), before);
    EXPECT_EQ(entries(folder.path()), 1U);
}

TEST(WritePrivateProfileString, RefusesToOverwriteWhatItCannotRead)
{
    TempFolder folder;
    const auto huge = folder.file("huge.ini");
    const std::string big = "[pelbixsolo]\n" + std::string(PrivateProfile::kMaxFileSize, ';');
    TempFolder::write(huge, big);
    EXPECT_EQ(refusedWrite(huge), 0);
    EXPECT_EQ(TempFolder::read(huge).size(), big.size());

    EXPECT_EQ(refusedWrite(folder.path()), 0);
}

TEST(WritePrivateProfileString, KeepsPermissionsAndLinks)
{
    TempFolder folder;
    const auto real = folder.file("real.ini");
    const auto link = folder.file("link.ini");
    TempFolder::write(real, "[s]\n");
    ::chmod(real.c_str(), 0640);
    std::filesystem::create_symlink(real, link);

    PrivateProfile::writeString("s", "k", "v", link);

    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(TempFolder::read(real), "[s]\nk=v\n");
    struct stat st {};
    ASSERT_EQ(::stat(real.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640U);
}
