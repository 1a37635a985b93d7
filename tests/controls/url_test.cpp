// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QStringList>

#include "widgets/url.h"
#include "support/recordingurlopener.h"

namespace {

TEST(TURL, OpenPutsTheTypesPrefixInFront)
{
    const struct {
        TURLType type;
        const char* full;
    } cases[] = {
        {TURLType::utFile, "file://host/page"},     {TURLType::utFtp, "ftp://host/page"},
        {TURLType::utGopher, "gopher://host/page"}, {TURLType::utHttp, "http://host/page"},
        {TURLType::utHttps, "https://host/page"},   {TURLType::utMailto, "mailto:host/page"},
        {TURLType::utNews, "news:host/page"},       {TURLType::utTelnet, "telnet:host/page"},
        {TURLType::utWais, "wais:host/page"},       {TURLType::utnone, "host/page"},
    };
    RecordingUrlOpener opener;
    TURL url(nullptr, opener);
    EXPECT_EQ(url.URLType(), TURLType::utHttp);
    url.setURL(QStringLiteral("host/page"));
    for (const auto& c : cases) {
        url.setURLType(c.type);
        opener.opened.clear();
        EXPECT_TRUE(url.Open()) << c.full;
        EXPECT_EQ(opener.opened, QStringList{QString::fromLatin1(c.full)});
    }
}

TEST(TURL, OpenIsFalseForAnEmptyAddressOrARefusal)
{
    RecordingUrlOpener opener;
    TURL url(nullptr, opener);
    EXPECT_FALSE(url.Open());
    EXPECT_TRUE(opener.opened.isEmpty());
    opener.accept = false;
    url.setURL(QStringLiteral("www.draviksoftware.example"));
    EXPECT_FALSE(url.Open());
    EXPECT_EQ(opener.opened.size(), 1);
}

TEST(TURL, LongAddressIsOpenedWhole)
{
    // A full address of 80 characters or more once risked being cut to 79,
    // which opens a different page.
    RecordingUrlOpener opener;
    TURL url(nullptr, opener);
    url.setURLType(TURLType::utHttps);
    const QString path = QStringLiteral("www.draviksoftware.example/") + QString(100, QLatin1Char('p'));
    url.setURL(path);
    ASSERT_TRUE(url.Open());
    ASSERT_EQ(opener.opened.size(), 1);
    EXPECT_EQ(opener.opened.first(), QStringLiteral("https://") + path);
}

} // namespace
