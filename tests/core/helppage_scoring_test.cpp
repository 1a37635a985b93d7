// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "core/game/scoring.h"

namespace {

// language: "" for English, else the page's folder ("de/").
std::string readScoringPage(const std::string& language = {})
{
    const char* root = std::getenv("PELBIX_TEST_SOURCE_DIR");
    std::ifstream in(std::string(root ? root : ".") + "/resources/help/" + language + "scoring.txt");
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

int32_t worth(const std::vector<int>& faces)
{
    GameState s;
    for (std::size_t i = 0; i < s.dice.size(); ++i)
        s.dice[i] = i < faces.size() ? Die{faces[i], DieStatus::Selected} : Die{0, DieStatus::Frozen};
    return bankPoints(s);
}

// The help page tells players what each combination is worth; every worked
// example on it, in every language, must be what the game really counts.
TEST(HelpPage, ScoringExamplesMatchTheRules)
{
    const struct {
        const char* language;
        const char* heading;
    } pages[] = {{"", "Examples"}, {"de/", "Beispiele"}, {"es/", "Ejemplos"}, {"fr/", "Exemples"}};
    for (const auto& p : pages) {
        SCOPED_TRACE(p.heading);
        const std::string page = readScoringPage(p.language);
        ASSERT_FALSE(page.empty());
        ASSERT_NE(page.find(p.heading), std::string::npos);
        std::istringstream lines(page.substr(page.find(p.heading)));
        std::string line;
        std::getline(lines, line);
        int checked = 0;
        const std::regex example(R"(^(.+?): (.*)$)");
        while (std::getline(lines, line)) {
            std::smatch m;
            if (!std::regex_match(line, m, example))
                continue;
            std::vector<int> faces;
            for (char ch : m[1].str())
                if (ch >= '1' && ch <= '6')
                    faces.push_back(ch - '0');
            const std::string result = m[2].str();
            const std::size_t eq = result.rfind('=');
            const int32_t shown = eq == std::string::npos ? 0 : std::stoi(result.substr(eq + 1));
            EXPECT_EQ(worth(faces), shown) << line;
            ++checked;
        }
        EXPECT_GE(checked, 5);
    }
}

TEST(HelpPage, ScoringTableMatchesTheRules)
{
    const std::string page = readScoringPage();
    const struct {
        const char* text;
        std::vector<int> faces;
    } cases[] = {
        {"Straight (1-2-3-4-5-6): 1500", {1, 2, 3, 4, 5, 6}},
        {"Three pairs: 750", {2, 2, 4, 4, 6, 6}},
        {"six 1s score 4000", {1, 1, 1, 1, 1, 1}},
        {"six 2s = 800", {2, 2, 2, 2, 2, 2}},
        {"six 6s = 2400", {6, 6, 6, 6, 6, 6}},
        {"five 1s score 3000", {1, 1, 1, 1, 1}},
        {"five 5s = 1500", {5, 5, 5, 5, 5}},
        {"four 1s score 2000", {1, 1, 1, 1}},
        {"four 4s = 800", {4, 4, 4, 4}},
        {"three 1s score 1000", {1, 1, 1}},
        {"three 3s = 300", {3, 3, 3}},
        {"2-2-2 and 5-5-5 make 700", {2, 2, 2, 5, 5, 5}},
        {"Single 1: 100", {1}},
        {"Single 5: 50", {5}},
        {"1-1-5-5-3-3 is three pairs, 750", {1, 1, 5, 5, 3, 3}},
    };
    for (const auto& c : cases) {
        const std::string text = c.text;
        EXPECT_NE(page.find(text), std::string::npos) << text;
        const std::size_t digitsEnd = text.find_last_of("0123456789") + 1;
        const std::size_t digitsStart = text.find_last_not_of("0123456789", digitsEnd - 1) + 1;
        EXPECT_EQ(worth(c.faces), std::stoi(text.substr(digitsStart, digitsEnd - digitsStart))) << text;
    }
}

} // namespace
