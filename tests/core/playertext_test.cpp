// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "core/text/playertext.h"

namespace {

TEST(PlayerText, FillsEachPlaceOnceWhateverTheArgumentsHold)
{
    const struct {
        const char* pattern;
        std::vector<std::string> args;
        std::string out;
    } cases[] = {
        {"%1 was kept as %2.", {"a", "b"}, "a was kept as b."},
        {"%2 before %1", {"a", "b"}, "b before a"},
        {"%1: %2", {"/home/%2 %1", "x"}, "/home/%2 %1: x"}, // a file name's own marks stay
        {"100% of %1, %3 left", {"it"}, "100% of it, %3 left"},
        {"ends in %", {}, "ends in %"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PlayerText::fill(c.pattern, c.args), c.out) << c.pattern;
}

TEST(PlayerText, JoinsSentencesAndTranslatesOnlyMarkedOnes)
{
    PlayerText text("Ctx", "Game %1 is damaged.", {"7"});
    text += PlayerText();
    text += PlayerText::verbatim("disk I/O error %1");
    text.append(PlayerText("Ctx", "bad %1", {"round"}).markArgument(0), "\n");
    EXPECT_EQ(text.english(), "Game 7 is damaged. disk I/O error %1\nbad round");
    const auto shout = [](const char*, const char* pattern) { return "!" + std::string(pattern); };
    EXPECT_EQ(text.text(shout), "!Game 7 is damaged. disk I/O error %1\n!bad !round");
}

} // namespace
