// SPDX-License-Identifier: MIT
#include "scorestoresuite.h"

#include <thread>
#include <vector>

TEST_P(ScoreStoreSuite, BestIsHighestFirstWithTiesInPostingOrder)
{
    auto store = open();
    EXPECT_TRUE(store->best(10).empty());
    const std::vector<ScoreEntry> posted{{"a", "1/1/26", 500}, {"b", "1/1/26", 900}, {"c", "1/1/26", 500},
                                         {"d", "1/1/26", 0},   {"e", "1/1/26", 900}, {"f", "1/1/26", 10000000}};
    for (const auto& entry : posted)
        store->add(entry);
    const std::vector<ScoreEntry> expected{posted[5], posted[1], posted[4], posted[0], posted[2], posted[3]};
    EXPECT_EQ(store->best(10), expected);
    EXPECT_EQ(store->best(2), (std::vector<ScoreEntry>{posted[5], posted[1]}));
    EXPECT_EQ(store->count(), 6);
}

TEST_P(ScoreStoreSuite, KeepsNamesAndDatesByteForByte)
{
    auto store = open();
    const std::vector<ScoreEntry> posted{{"'; DROP TABLE pelbixsolo_scores; --", "3.7.26", 3},
                                         {"Zo\xC3\xAB \xF0\x9F\x8E\xB2", "3/7/26", 2},
                                         {"100% \\ \"q\"", "3-7-26", 1}};
    for (const auto& entry : posted)
        store->add(entry);
    EXPECT_EQ(store->best(10), posted);
}

TEST_P(ScoreStoreSuite, ScoresSurviveReopening)
{
    open()->add({"Keeper", "3/7/26", 77});
    auto reopened = open();
    EXPECT_EQ(reopened->best(10), (std::vector<ScoreEntry>{{"Keeper", "3/7/26", 77}}));
}

TEST_P(ScoreStoreSuite, ConcurrentAddsAreAllKept)
{
    constexpr int kThreads = 8;
    constexpr int kEach = 150;
    auto store = open();
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&store, t] {
            for (int i = 0; i < kEach; ++i)
                store->add({"t" + std::to_string(t), "1/1/26", i});
        });
    }
    for (auto& thread : threads)
        thread.join();
    EXPECT_EQ(store->count(), kThreads * kEach);
    EXPECT_EQ(store->best(1).at(0).score, kEach - 1);
}

// The same post sent again (a player retrying after a lost answer) is kept
// once; the same score by another player, or another score, is not a repeat.
TEST_P(ScoreStoreSuite, RepeatedPostIsKeptOnce)
{
    auto store = open();
    const ScoreEntry post{"Ann", "3/7/26", 850, "192.0.2.1"};
    store->add(post);
    store->addAll({post, post});
    store->addAll({{"Ann", "3/7/26", 850, "192.0.2.9"}, {"Ann", "3/7/26", 900, "192.0.2.1"},
                   {"Ann", "3/8/26", 850, "192.0.2.1"}, {"Bob", "3/7/26", 850, "192.0.2.1"}});
    store->addAll({{"Cy", "3/7/26", 50}, {"Cy", "3/7/26", 50}}); // no origin: never a repeat
    EXPECT_EQ(store->count(), 7);
    EXPECT_EQ(store->best(1), (std::vector<ScoreEntry>{{"Ann", "3/7/26", 900}}));
}
