// SPDX-License-Identifier: MIT
#include "server/listpage.h"

#include <gtest/gtest.h>

#include "server/htmltext.h"

TEST(escapeHtml, MarkupBecomesEntitiesAndTheResultIsAscii)
{
    const struct {
        std::string in;
        std::string out;
    } cases[] = {
        {"<script>alert('x')</script>", "&lt;script&gt;alert(&#39;x&#39;)&lt;/script&gt;"},
        {"A&B \"q\"", "A&amp;B &quot;q&quot;"},
        {"Zo\xC3\xAB", "Zo&#235;"},
        {"\xF0\x9F\x8E\xB2", "&#127922;"},
        {"bad\xFF", "bad&#65533;"},
        {"\xC0\xAF", "&#65533;&#65533;"}, // overlong "/"
        {"\xED\xA0\x80", "&#65533;&#65533;&#65533;"}, // a surrogate
        {std::string("a\0b", 3), "a&#65533;b"},
        {"tab\tline\n", "tab\tline\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(escapeHtml(c.in), c.out) << c.in;
}

TEST(renderListPage, RowsInGivenOrderWithRanksAndEscapedFields)
{
    const std::string page = renderListPage({{"<b>", "3/7/26", 900}, {"Ann", "3.7.26", 850}});
    const auto first = page.find("<td align=\"right\">1</td><td align=\"left\">&lt;b&gt;</td>"
                                 "<td align=\"center\">3/7/26</td><td align=\"right\">900</td>");
    const auto second = page.find("<td align=\"right\">2</td><td align=\"left\">Ann</td>"
                                  "<td align=\"center\">3.7.26</td><td align=\"right\">850</td>");
    EXPECT_NE(first, std::string::npos) << page;
    EXPECT_NE(second, std::string::npos) << page;
    EXPECT_LT(first, second);
    EXPECT_EQ(page.find("<b>"), std::string::npos);
}

TEST(renderListPage, EmptyListSaysSoAndLongListsStopAtTheCap)
{
    EXPECT_NE(renderListPage({}).find("No scores have been posted yet."), std::string::npos);
    const std::vector<ScoreEntry> many(kListRows + 1, ScoreEntry{"n", "1/1/26", 1});
    const std::string page = renderListPage(many);
    EXPECT_NE(page.find(">" + std::to_string(kListRows) + "<"), std::string::npos);
    EXPECT_EQ(page.find(">" + std::to_string(kListRows + 1) + "<"), std::string::npos);
}
