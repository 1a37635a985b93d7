#include "server/serveroptions.h"

#include <gtest/gtest.h>

TEST(parseServerOptions, DefaultsAndEveryOption)
{
    const ServerOptions defaults = parseServerOptions({});
    EXPECT_EQ(defaults.settings.host, "127.0.0.1");
    EXPECT_EQ(defaults.settings.port, 8080);
    EXPECT_EQ(defaults.settings.postLimit, 10);
    EXPECT_FALSE(defaults.settings.versionText);
    EXPECT_EQ(defaults.settings.installer, std::filesystem::path(".") / "qztsetup.exe");

    const ServerOptions all = parseServerOptions({"--listen", "[::1]:9000", "--data=/srv/p", "--database",
                                                  "postgresql://u@h/db", "--version-text", "", "--post-limit", "0",
                                                  "--threads", "4"});
    EXPECT_EQ(all.settings.host, "::1");
    EXPECT_EQ(all.settings.port, 9000);
    EXPECT_EQ(all.dataFolder, "/srv/p");
    EXPECT_EQ(all.database, "postgresql://u@h/db");
    EXPECT_EQ(all.settings.versionText, std::optional<std::string>(""));
    EXPECT_EQ(all.settings.postLimit, 0);
    EXPECT_EQ(all.settings.limits.threads, 4u);
    EXPECT_EQ(all.settings.installer, std::filesystem::path("/srv/p/qztsetup.exe"));
    EXPECT_EQ(parseServerOptions({"--installer", "/x/setup.exe", "--data", "/d"}).settings.installer, "/x/setup.exe");
    EXPECT_EQ(parseServerOptions({"--listen", ":80"}).settings.host, "0.0.0.0");
    EXPECT_TRUE(parseServerOptions({"--help"}).help);
}

TEST(parseServerOptions, RefusesWhatItCannotUse)
{
    for (const std::vector<std::string>& args : std::initializer_list<std::vector<std::string>>{
             {"--listen", "8080"}, {"--listen", "::1:80"}, {"--listen", "h:65536"}, {"--listen", "h:8o"},
             {"--post-limit", "-1"}, {"--post-limit"}, {"--threads", "0"}, {"--bogus"}}) {
        EXPECT_THROW((void)parseServerOptions(args), OptionError) << testing::PrintToString(args);
    }
}
