// SPDX-License-Identifier: MIT
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
                                                  "--threads", "4", "--per-address-limit", "3", "--max-connections",
                                                  "50", "--database-timeout", "7"});
    EXPECT_EQ(all.settings.host, "::1");
    EXPECT_EQ(all.settings.port, 9000);
    EXPECT_EQ(all.dataFolder, "/srv/p");
    EXPECT_EQ(all.database, "postgresql://u@h/db");
    EXPECT_EQ(all.settings.versionText, std::optional<std::string>(""));
    EXPECT_EQ(all.settings.postLimit, 0);
    EXPECT_EQ(all.settings.limits.threads, 4u);
    EXPECT_EQ(all.settings.limits.perAddress, 3u);
    EXPECT_EQ(all.settings.limits.maxConnections, 50u);
    EXPECT_EQ(all.settings.databaseTimeout, std::chrono::seconds(7));
    EXPECT_EQ(defaults.settings.limits.perAddress, 16u);
    EXPECT_EQ(defaults.settings.databaseTimeout, std::chrono::seconds(2));
    EXPECT_EQ(all.settings.installer, std::filesystem::path("/srv/p/qztsetup.exe"));
    EXPECT_EQ(defaults.settings.signature, std::filesystem::path(".") / "qztsetup.exe.sig");
    const ServerSettings installer = parseServerOptions({"--installer", "/x/setup.exe", "--data", "/d"}).settings;
    EXPECT_EQ(installer.installer, "/x/setup.exe");
    EXPECT_EQ(installer.signature, "/x/setup.exe.sig");
    EXPECT_EQ(parseServerOptions({"--signature=/k/s.sig"}).settings.signature, "/k/s.sig");
    EXPECT_EQ(parseServerOptions({"--listen", ":80"}).settings.host, "") << "every IPv6 and IPv4 address";
    EXPECT_TRUE(parseServerOptions({"--help"}).help);
}

TEST(parseServerOptions, RefusesWhatItCannotUse)
{
    for (const std::vector<std::string>& args : std::initializer_list<std::vector<std::string>>{
             {"--listen", "8080"}, {"--listen", "::1:80"}, {"--listen", "h:65536"}, {"--listen", "h:8o"},
             {"--post-limit", "-1"}, {"--post-limit"}, {"--threads", "0"}, {"--database-timeout", "0"},
             {"--max-connections", "0"}, {"--bogus"}}) {
        EXPECT_THROW((void)parseServerOptions(args), OptionError) << testing::PrintToString(args);
    }
}
