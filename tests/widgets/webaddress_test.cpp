// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QStringList>

#include "widgets/webaddress.h"
#include "support/recordingurlopener.h"

namespace {

TEST(WebAddress, OpenPutsTheTypesPrefixInFront)
{
    const struct {
        WebAddressType type;
        const char* full;
    } cases[] = {
        {WebAddressType::File, "file://host/page"},     {WebAddressType::Ftp, "ftp://host/page"},
        {WebAddressType::Gopher, "gopher://host/page"}, {WebAddressType::Http, "http://host/page"},
        {WebAddressType::Https, "https://host/page"},   {WebAddressType::Mailto, "mailto:host/page"},
        {WebAddressType::News, "news:host/page"},       {WebAddressType::Telnet, "telnet:host/page"},
        {WebAddressType::Wais, "wais:host/page"},       {WebAddressType::None, "host/page"},
    };
    RecordingUrlOpener opener;
    WebAddress url(nullptr, opener);
    EXPECT_EQ(url.URLType(), WebAddressType::Http);
    url.setURL(QStringLiteral("host/page"));
    for (const auto& c : cases) {
        url.setURLType(c.type);
        opener.opened.clear();
        EXPECT_TRUE(url.Open()) << c.full;
        EXPECT_EQ(opener.opened, QStringList{QString::fromLatin1(c.full)});
    }
}

TEST(WebAddress, OpenIsFalseForAnEmptyAddressOrARefusal)
{
    RecordingUrlOpener opener;
    WebAddress url(nullptr, opener);
    EXPECT_FALSE(url.Open());
    EXPECT_TRUE(opener.opened.isEmpty());
    opener.accept = false;
    url.setURL(QStringLiteral("www.draviksoftware.example"));
    EXPECT_FALSE(url.Open());
    EXPECT_EQ(opener.opened.size(), 1);
}

TEST(WebAddress, LongAddressIsOpenedWhole)
{
    // A full address of 80 characters or more once risked being cut to 79,
    // which opens a different page.
    RecordingUrlOpener opener;
    WebAddress url(nullptr, opener);
    url.setURLType(WebAddressType::Https);
    const QString path = QStringLiteral("www.draviksoftware.example/") + QString(100, QLatin1Char('p'));
    url.setURL(path);
    ASSERT_TRUE(url.Open());
    ASSERT_EQ(opener.opened.size(), 1);
    EXPECT_EQ(opener.opened.first(), QStringLiteral("https://") + path);
}

} // namespace
