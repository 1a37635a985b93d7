// SPDX-License-Identifier: MIT
#include "core/settings/fileerror.h"
#include "core/settings/settings.h"
#include "settings/tempfolder.h"

#include <gtest/gtest.h>

#include <functional>

namespace {
Settings loadFrom(const std::string& content)
{
    TempFolder folder;
    const auto path = folder.file("pelbixsolo.ini");
    TempFolder::write(path, content);
    return Settings::load(path);
}
} // namespace

TEST(SettingsLoad, NoFileGivesTheDefaults)
{
    TempFolder folder;
    const auto s = Settings::load(folder.file("pelbixsolo.ini"));
    EXPECT_EQ(s.left, 3);
    EXPECT_EQ(s.top, 3);
    EXPECT_EQ(s.width, 774);
    EXPECT_EQ(s.height, 520);
    EXPECT_EQ(s.name, "Guest");
    EXPECT_TRUE(s.sounds);
    EXPECT_TRUE(s.update);
    EXPECT_FALSE(s.server.has_value());
}

TEST(SettingsLoad, DefaultSizeComesFromTheWindow)
{
    TempFolder folder;
    const auto s = Settings::load(folder.file("pelbixsolo.ini"), Settings::kSection, 800, 600);
    EXPECT_EQ(s.width, 800);
    EXPECT_EQ(s.height, 600);
}

TEST(SettingsLoad, ReadsEachKeyByItsRule)
{
    const std::string longName(40, 'n');
    const struct {
        std::string line;
        std::function<bool(const Settings&)> holds;
    } cases[] = {
        {"Sounds=no", [](const Settings& s) { return !s.sounds; }},
        {"Sounds=No", [](const Settings& s) { return s.sounds; }},
        {"Sounds=", [](const Settings& s) { return s.sounds; }},
        {"Update=false", [](const Settings& s) { return !s.update; }},
        {"Update=FALSE", [](const Settings& s) { return s.update; }},
        {"Update=0", [](const Settings& s) { return s.update; }},
        {"Width=abc", [](const Settings& s) { return s.width == 774; }},
        {"Height=", [](const Settings& s) { return s.height == 520; }},
        {"Top=0x10", [](const Settings& s) { return s.top == 16; }},
        {"Left=-40", [](const Settings& s) { return s.left == -40; }},
        {"Name=", [](const Settings& s) { return s.name.empty(); }},
        {"Name=" + longName, [&](const Settings& s) { return s.name == longName; }},
        {"Name=Zoë Ann", [](const Settings& s) { return s.name == "Zoë Ann"; }},
        {"Server=127.0.0.1:8080", [](const Settings& s) { return s.server && s.server->port == 8080; }},
        {"Server=evil/path?x", [](const Settings& s) { return !s.server; }},
        {"Server=", [](const Settings& s) { return !s.server; }},
    };
    for (const auto& c : cases)
        EXPECT_TRUE(c.holds(loadFrom("[pelbixsolo]\r\n" + c.line + "\r\n"))) << c.line;
}

TEST(SettingsLoad, ParsesIntegersLikeTheWindowsRuntime)
{
    const struct {
        const char* text;
        std::int32_t expected;
    } cases[] = {
        {"16", 16},
        {"+16", 16},
        {"-16", -16},
        {"0x10", 16},
        {"0X1f", 31},
        {"0x7FFFFFFF", 2147483647},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"0x", -1},
        {"0x80000000", -1},
        {"-0x10", -1},
        {"2147483648", -1},
        {"99999999999999999999", -1},
        {"", -1},
        {"-", -1},
        {"1 2", -1},
        {"12px", -1},
        {"0x1g", -1},
        {"1e3", -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Settings::parseInt(c.text, -1), c.expected) << c.text;
}

TEST(SettingsSave, ANewFileListsTheKeysInOrder)
{
    TempFolder folder;
    const auto path = folder.file("pelbixsolo.ini");
    Settings s;
    s.top = 10;
    s.left = -5;
    s.width = 800;
    s.height = 600;
    s.name = "Ann";
    s.sounds = false;
    s.update = false;
    s.save(path);
    EXPECT_EQ(TempFolder::read(path), "[pelbixsolo]\r\n"
                                      "Top=10\r\n"
                                      "Left=-5\r\n"
                                      "Width=800\r\n"
                                      "Height=600\r\n"
                                      "Name=Ann\r\n"
                                      "Sounds=no\r\n"
                                      "Update=false\r\n");
}

TEST(SettingsSave, LeavesEverythingElseAlone)
{
    TempFolder folder;
    const auto path = folder.file("pelbixsolo.ini");
    TempFolder::write(path, "; written by hand\r\n"
                            "[other]\r\n"
                            "Top=99\r\n"
                            "[PELBIXSOLO]\r\n"
                            "server=127.0.0.1:9000\r\n"
                            "name=Old\r\n"
                            "Sounds=No\r\n");
    auto s = Settings::load(path);
    s.name = "New";
    s.save(path);
    EXPECT_EQ(TempFolder::read(path), "; written by hand\r\n"
                                      "[other]\r\n"
                                      "Top=99\r\n"
                                      "[PELBIXSOLO]\r\n"
                                      "server=127.0.0.1:9000\r\n"
                                      "Name=New\r\n"
                                      "Sounds=yes\r\n"
                                      "Top=3\r\n"
                                      "Left=3\r\n"
                                      "Width=774\r\n"
                                      "Height=520\r\n"
                                      "Update=true\r\n");
    const auto again = Settings::load(path);
    ASSERT_TRUE(again.server.has_value());
    EXPECT_EQ(again.server->authority(), "127.0.0.1:9000");
}

TEST(SettingsSave, AFileThatCannotBeWrittenThrowsNamingIt)
{
    TempFolder folder;
    // The folder of the settings file is a plain file, so nothing can be
    // created in it, whoever runs the test.
    const auto notAFolder = folder.file("plain");
    TempFolder::write(notAFolder, "x");
    const auto path = notAFolder / "pelbixsolo.ini";
    try {
        Settings().save(path);
        FAIL() << "no error";
    } catch (const FileError& e) {
        EXPECT_EQ(e.path(), path);
        EXPECT_NE(std::string(e.what()).find(path.string()), std::string::npos) << e.what();
    }
}

TEST(ServerAddress, AcceptsOnlyWhatFitsARequest)
{
    const struct {
        const char* text;
        const char* authority;   // nullptr: refused
        std::uint16_t port;
    } cases[] = {
        {"www.draviksoftware.example", "www.draviksoftware.example", 80},
        {"127.0.0.1:8080", "127.0.0.1:8080", 8080},
        {"localhost:80", "localhost", 80},
        {"[::1]:8080", "[::1]:8080", 8080},
        {"[::1]", "[::1]", 80},
        {"https://host", "host", 443},
        {"HTTPS://host:8443/", "host:8443", 8443},
        {"https://host:80", "host:80", 80},
        {"http://host:8080", "host:8080", 8080},
        {"https://", nullptr, 0},
        {"https://host/x", nullptr, 0},
        {"ftp://host", nullptr, 0},
        {"host:65535", "host:65535", 65535},
        {"host:65536", nullptr, 0},
        {"host:0", nullptr, 0},
        {"host:", nullptr, 0},
        {"host:8080x", nullptr, 0},
        {"host:80:80", nullptr, 0},
        {"a..b", nullptr, 0},
        {".a", nullptr, 0},
        {"a.", nullptr, 0},
        {"", nullptr, 0},
        {"ho st", nullptr, 0},
        {"host/path", nullptr, 0},
        {"host\r\nX: y", nullptr, 0},
        {"user@host", nullptr, 0},
        {"[::1", nullptr, 0},
        {"[zz]", nullptr, 0},
        {"[::1]x", nullptr, 0},
    };
    for (const auto& c : cases) {
        const auto parsed = ServerAddress::parse(c.text);
        if (c.authority == nullptr) {
            EXPECT_FALSE(parsed.has_value()) << c.text;
            continue;
        }
        ASSERT_TRUE(parsed.has_value()) << c.text;
        EXPECT_EQ(parsed->authority(), c.authority) << c.text;
        EXPECT_EQ(parsed->port, c.port) << c.text;
        EXPECT_EQ(parsed->origin(), (std::string(c.text).rfind("https", 0) == 0 || std::string(c.text).rfind("HTTPS", 0) == 0 ? "https://" : "http://") + std::string(c.authority)) << c.text;
    }
    EXPECT_FALSE(ServerAddress::parse(std::string(64, 'a') + ".example").has_value());
    EXPECT_TRUE(ServerAddress::parse(std::string(63, 'a') + ".example").has_value());
}

TEST(SettingsLoad, AnOldEightBitNameKeepsEveryLetterAndIsWrittenBackAsUtf8)
{
    // Names written by older copies in the Windows code page used to come
    // back as replacement characters, and the letters were lost on saving.
    const struct {
        std::string inFile;
        std::string name; // as UTF-8
    } cases[] = {
        {"J\xfcrgen", "J\xc3\xbcrgen"},                      // Latin-1
        {"J\xc3\xbcrgen", "J\xc3\xbcrgen"},                  // already UTF-8
        {"\x80uro \x93q\x94", "\xe2\x82\xac" "uro \xe2\x80\x9cq\xe2\x80\x9d"}, // code-page-only letters
        {"a\x81z", "a\xc2\x81z"},                            // unassigned byte: no replacement character
        {"\xc3(", "\xc3\x83("},                              // a broken sequence makes it 8-bit text
        {"\xed\xa0\x80", "\xc3\xad\xc2\xa0\xe2\x82\xac"},    // an encoded surrogate is not UTF-8
    };
    for (const auto& c : cases) {
        TempFolder folder;
        const auto path = folder.file("pelbixsolo.ini");
        TempFolder::write(path, "[pelbixsolo]\r\nName=" + c.inFile + "\r\n");
        const Settings s = Settings::load(path);
        EXPECT_EQ(s.name, c.name) << testing::PrintToString(c.inFile);
        s.save(path);
        EXPECT_NE(TempFolder::read(path).find("Name=" + c.name + "\r\n"), std::string::npos);
        EXPECT_EQ(Settings::load(path).name, c.name) << testing::PrintToString(c.inFile);
    }
}

TEST(SettingsSave, HighContrastIsWrittenOnlyOnceChosenAndReadBackExactly)
{
    // Only "yes" and "no" are a choice; anything else leaves it to the desktop.
    const struct {
        const char* line;
        std::optional<bool> read;
    } cases[] = {
        {"", std::nullopt},         {"HighContrast=yes\r\n", true}, {"HighContrast=no\r\n", false},
        {"HighContrast=YES\r\n", std::nullopt}, {"HighContrast=\r\n", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(loadFrom(std::string("[pelbixsolo]\r\nName=Ann\r\n") + c.line).highContrast, c.read) << c.line;

    TempFolder folder;
    const auto path = folder.file("pelbixsolo.ini");
    Settings s;
    s.highContrast = true;
    s.save(path);
    EXPECT_TRUE(TempFolder::read(path).ends_with("Update=true\r\nHighContrast=yes\r\n"));
    s.highContrast = false;
    s.save(path);
    EXPECT_EQ(Settings::load(path).highContrast, false);
    EXPECT_TRUE(TempFolder::read(path).ends_with("Update=true\r\nHighContrast=no\r\n")) << "changed in place";
}
