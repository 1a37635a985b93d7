// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "core/posting/refusalreason.h"

namespace {

TEST(RefusalReason, OneBoundedPlainLineOrNothing)
{
    const std::string longName(400, 'x');
    const struct {
        std::string body;
        std::string reason;
    } cases[] = {
        {"<p>Score not recorded: the date is not a real date.</p>", "Score not recorded: the date is not a real date."},
        {"Score not recorded: a &lt;b&gt; &amp; &quot;c&quot;\nsecond line", "Score not recorded: a <b> & \"c\""},
        {"Score not recorded: tab\there", "Score not recorded: tab here"},
        {"database restarting", ""}, // not the server's refusal: no reason
        {"", ""},
        {"Score not recorded: " + longName, "Score not recorded: " + longName.substr(0, kMaxRefusalBytes - 23) + "..."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(refusalReason(c.body), c.reason) << c.body;
    // A cut never splits a character.
    std::string accents;
    for (int i = 0; i < 200; ++i)
        accents += "\xC3\xA9";
    const std::string cut = refusalReason("Score not recorded: " + accents);
    EXPECT_LE(cut.size(), kMaxRefusalBytes);
    EXPECT_EQ(cut.substr(cut.size() - 5), "\xC3\xA9...");
}

} // namespace
