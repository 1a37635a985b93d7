// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include "core/tally/tally.h"
#include "settings/tempfolder.h"

namespace {

// One finished game as the round flow reports it.
void play(Tally& t, int32_t score, const std::string& name, int32_t bestRound)
{
    t.increment(1);
    t.keepHighest(3, bestRound);
    t.enterGame(score, name, "12/7/26");
    t.addTo(2, score);
}

std::vector<std::string> places(const TallyTable& t)
{
    std::vector<std::string> out;
    for (int p = 1; p <= TallyTable::kPlaces && t.placeScore(p) > TallyTable::kEmptyScore; ++p)
        out.push_back(t.placeScoreText(p) + " " + t.placeName(p));
    return out;
}

std::vector<std::string> statistics(const TallyTable& t)
{
    return {t.statistic(1), t.statistic(2), t.statistic(3), t.statistic(4)};
}

TEST(Tally, TwoCopiesKeepEachOthersGamesWhicheverSavesFirst)
{
    // Closing one copy after another used to write the first one's games over.
    for (const bool aFirst : {true, false}) {
        TempFolder folder;
        const auto path = folder.file("pelbixsolotally.tld");
        {
            Tally before(path);
            (void)before.load();
            play(before, 500, "Old", 200);
            before.save();
        }
        Tally a(path);
        Tally b(path);
        (void)a.load();
        (void)b.load();
        play(a, 700, "Ann", 400);
        play(b, 900, "Bob", 600);
        play(b, 300, "Bob", 100);
        (aFirst ? a : b).save();
        (aFirst ? b : a).save();
        // Saved again (before an update installs, then at exit): nothing counts twice.
        a.save();
        b.save();
        Tally reread(path);
        (void)reread.load();
        EXPECT_EQ(places(reread.table()), (std::vector<std::string>{"900 Bob", "700 Ann", "500 Old", "300 Bob"}))
            << aFirst;
        EXPECT_EQ(statistics(reread.table()), (std::vector<std::string>{"4", "2400", "600", "600"})) << aFirst;
        EXPECT_EQ(places(b.table()), places(reread.table())) << "a save shows the merged tally";
    }
}

TEST(Tally, AResetClearsWhatItsCopyHadAndKeepsWhatTheOtherAdded)
{
    for (const bool resetFirst : {true, false}) {
        TempFolder folder;
        const auto path = folder.file("pelbixsolotally.tld");
        {
            Tally before(path);
            (void)before.load();
            play(before, 500, "Old", 200);
            before.save();
        }
        Tally resetting(path);
        Tally adding(path);
        (void)resetting.load();
        (void)adding.load();
        play(resetting, 50, "Gone", 20);
        resetting.reset();
        play(resetting, 100, "Ann", 50);
        play(adding, 900, "Bob", 400);
        (resetFirst ? resetting : adding).save();
        (resetFirst ? adding : resetting).save();
        Tally reread(path);
        (void)reread.load();
        EXPECT_EQ(places(reread.table()), (std::vector<std::string>{"900 Bob", "100 Ann"})) << resetFirst;
        EXPECT_EQ(statistics(reread.table()), (std::vector<std::string>{"2", "1000", "400", "500"})) << resetFirst;
    }
}

TEST(Tally, ManyGamesInOneCopyStillMergeThroughTheTenBestRule)
{
    TempFolder folder;
    const auto path = folder.file("pelbixsolotally.tld");
    Tally many(path);
    Tally one(path);
    (void)many.load();
    (void)one.load();
    for (int32_t score = 100; score <= 1200; score += 100)
        play(many, score, "M", 10);
    play(many, 400, "Tie", 10); // the newer of equal scores stands above
    play(one, 650, "One", 10);
    one.save();
    many.save();
    EXPECT_EQ(places(many.table()), (std::vector<std::string>{"1200 M", "1100 M", "1000 M", "900 M", "800 M", "700 M",
                                                              "650 One", "600 M", "500 M", "400 Tie"}));
    EXPECT_EQ(many.table().statistic(1), "14");
}

TEST(Tally, CopiesSavingAtTheSameMomentLoseNoCount)
{
    TempFolder folder;
    const auto path = folder.file("pelbixsolotally.tld");
    constexpr int kSaves = 25;
    pid_t children[2];
    for (pid_t& child : children) {
        child = ::fork();
        if (child == 0) {
            for (int i = 0; i < kSaves; ++i) {
                Tally t(path);
                (void)t.load();
                t.increment(1);
                t.save();
            }
            ::_exit(0);
        }
    }
    for (const pid_t child : children) {
        int status = 0;
        ::waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    Tally reread(path);
    EXPECT_FALSE(reread.load().error);
    EXPECT_EQ(reread.table().statistic(1), std::to_string(2 * kSaves));
}

} // namespace
