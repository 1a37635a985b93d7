// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <thread>

#include "core/history/historyanalysis.h"
#include "core/history/historycsv.h"
#include "core/history/historystore.h"
#include "core/history/spreadcache.h"
#include "history/historybot.h"

namespace fs = std::filesystem;

namespace {

const Solver& solver()
{
    static const Solver s;
    return s;
}

class TempFolder {
public:
    TempFolder()
    {
        m_path = fs::temp_directory_path() / ("pelbixhistory-" + std::to_string(::getpid()) + "-" +
                                              std::to_string(s_count++));
        fs::create_directories(m_path);
    }
    ~TempFolder() { fs::remove_all(m_path); }
    [[nodiscard]] std::string file(const std::string& name) const { return (m_path / name).string(); }

private:
    static inline int s_count = 0;
    fs::path m_path;
};

std::vector<HistoryGame> botGames(int count, uint32_t seed, double errorRate)
{
    ErringBot bot(solver(), seed, errorRate);
    std::vector<HistoryGame> games;
    for (int i = 0; i < count; ++i) {
        auto g = bot.play();
        if (!g)
            ADD_FAILURE() << "game " << i << " never ended";
        else
            games.push_back(std::move(*g));
    }
    return games;
}

bool sameDecisions(const HistoryGame& a, const HistoryGame& b)
{
    if (a.decisions.size() != b.decisions.size())
        return false;
    for (std::size_t i = 0; i < a.decisions.size(); ++i) {
        const HistoryDecision& x = a.decisions[i];
        const HistoryDecision& y = b.decisions[i];
        if (x.move != y.move || x.hinted != y.hinted || diceText(x.before) != diceText(y.before) ||
            statusText(x.before) != statusText(y.before) || x.before.round != y.before.round ||
            x.before.roundTotal != y.before.roundTotal || x.before.gameTotal != y.before.gameTotal ||
            x.before.onBoard != y.before.onBoard || x.before.firstRoll != y.before.firstRoll)
            return false;
    }
    return true;
}

} // namespace

// Values are exact expectations, so each loss is what the choice costs on
// average and the luck left over averages to nothing: a wrong expected
// value or a wrong loss shows as a drift of the mean luck.
TEST(HistorySkill, ScoreIsExpectedPlusLuckLessGivenAwayAndLuckAveragesToNothing)
{
    std::vector<HistoryGame> games = botGames(1000, 20261207, 0.25);
    double sum = 0, squares = 0, given = 0;
    for (HistoryGame& g : games) {
        completeGame(g, &solver());
        ASSERT_TRUE(g.skill);
        EXPECT_NEAR(g.score, g.skill->expected + g.skill->luck - g.skill->givenAway, 1e-9);
        EXPECT_DOUBLE_EQ(g.skill->expected, solver().expectedGame());
        EXPECT_GE(g.skill->givenAway, 0);
        sum += g.skill->luck;
        squares += g.skill->luck * g.skill->luck;
        given += g.skill->givenAway;
    }
    const double n = static_cast<double>(games.size());
    const double mean = sum / n;
    const double standardError = std::sqrt((squares / n - mean * mean) / n);
    EXPECT_GT(given / n, 100) << "the bot errs: it gives points away";
    EXPECT_LT(std::abs(mean), 4 * standardError) << "mean luck " << mean << ", standard error " << standardError;
}

TEST(HistoryReplay, ARecordedGameReplaysToItsScoreAndDecisions)
{
    TempFolder folder;
    HistoryStore store(folder.file("history.sqlite3"));
    std::vector<HistoryGame> played = botGames(20, 7, 0.3);
    played[3].decisions[2].hinted = true;
    played[3].hints = 1;
    for (HistoryGame& g : played) {
        completeGame(g, &solver());
        ASSERT_EQ(store.record(g).english(), "");
    }
    PlayerText problem;
    const std::vector<HistoryGame> loaded = HistoryStore(store.path()).load(true, &problem);
    EXPECT_EQ(problem.english(), "");
    ASSERT_EQ(loaded.size(), played.size());
    for (std::size_t i = 0; i < loaded.size(); ++i) {
        const Replay r = replayGame(loaded[i]);
        EXPECT_TRUE(r.exact) << r.problem;
        EXPECT_TRUE(r.finished);
        EXPECT_EQ(r.score, played[i].score);
        EXPECT_EQ(loaded[i].score, played[i].score);
        EXPECT_EQ(loaded[i].hints, played[i].hints);
        EXPECT_TRUE(sameDecisions(loaded[i], played[i])) << "game " << i;
        EXPECT_EQ(r.rolls, played[i].rolls);
        EXPECT_EQ(r.busts, played[i].busts);
        ASSERT_TRUE(loaded[i].skill);
        EXPECT_DOUBLE_EQ(loaded[i].skill->luck, played[i].skill->luck);
    }
    HistoryGame forged = loaded[0];
    forged.faces[0] = forged.faces[0] % 6 + 1;
    EXPECT_FALSE(replayGame(forged).exact) << "a changed face no longer matches the decisions";
}

TEST(HistoryRecorder, AGameLeftForANewOneIsRecordedAsAbandoned)
{
    ErringBot bot(solver(), 99, 0);
    std::vector<HistoryGame> got;
    bot.recorder().setHandler([&](HistoryGame& g) { got.push_back(g); });
    bot.game().start();
    for (int i = 0; i < 12 && bot.game().state().round < 3; ++i) {
        if (bot.game().pauseRunning())
            bot.game().pauseElapsed();
        else if (bot.game().state().firstRoll)
            bot.game().roll();
        else
            bot.game().bank(); // refused below the on-board minimum: the game then simply waits
        if (bot.game().state().canPlay && !bot.game().state().firstRoll && !bot.game().pauseRunning())
            bot.game().roll();
    }
    ASSERT_TRUE(got.empty());
    bot.game().start();
    ASSERT_EQ(got.size(), 1U);
    EXPECT_TRUE(got[0].abandoned);
    completeGame(got[0], &solver());
    const Replay r = replayGame(got[0]);
    EXPECT_TRUE(r.exact) << r.problem;
    EXPECT_FALSE(r.finished);
    EXPECT_EQ(got[0].score, r.score);
    EXPECT_FALSE(got[0].skill) << "an abandoned game is not judged";
}

// Keeps the last saved game in memory, written and read back as the file would be.
struct MemoryKeeper final : GameKeeper {
    void keep(const SavedGame& game) override { saved = readSavedGame(writeSavedGame(game)); }
    void forget() override { saved.reset(); }
    std::optional<SavedGame> saved;
};

// A game interrupted after a roll and after a bank, resumed in another
// program and finished, is recorded as if it had never stopped; declined,
// it is recorded as abandoned; a file without the play is not recorded.
TEST(HistoryRecorder, AResumedGameIsRecordedWholeAndADeclinedOneAsAbandoned)
{
    constexpr uint32_t kSeed = 4242;
    const HistoryGame whole = *ErringBot(solver(), kSeed, 0).play();
    for (const PlayerMove last : {PlayerMove::Roll, PlayerMove::Bank}) {
        SCOPED_TRACE(last == PlayerMove::Roll ? "after a roll" : "after a bank");
        MemoryKeeper keeper;
        int moves = 8;
        for (;; ++moves) { // the first stop after the wanted move, past round 1
            ErringBot left(solver(), kSeed, 0);
            left.recorder().setKeeper(&keeper);
            left.game().setKeeper(&left.recorder());
            ASSERT_FALSE(left.play(moves));
            const SavedPlay& play = *keeper.saved->play;
            if (play.decisions.back().move == last && keeper.saved->state.round > 1)
                break;
        }
        for (const bool resumed : {true, false}) {
            ErringBot next(solver(), 1, 0);
            std::vector<HistoryGame> got;
            next.recorder().setHandler([&](HistoryGame& g) { got.push_back(g); });
            next.recorder().takeOver(*keeper.saved);
            if (resumed) {
                next.game().resume(*keeper.saved);
                (void)next.finish();
            } else {
                next.game().reportAbandoned();
                next.recorder().abandon();
            }
            ASSERT_EQ(got.size(), 1U);
            EXPECT_EQ(got[0].abandoned, !resumed);
            completeGame(got[0], nullptr); // as the store gets it
            EXPECT_EQ(got[0].started, keeper.saved->play->started);
            const Replay r = replayGame(got[0]);
            EXPECT_TRUE(r.exact) << r.problem;
            HistoryGame expected = whole;
            if (!resumed) {
                expected.decisions.resize(got[0].decisions.size());
                expected.faces.resize(got[0].faces.size());
                EXPECT_EQ(got[0].decisions.size(), keeper.saved->play->decisions.size());
            }
            EXPECT_EQ(got[0].score, resumed ? whole.score : r.score);
            EXPECT_EQ(got[0].faces, expected.faces);
            EXPECT_TRUE(sameDecisions(got[0], expected));
        }
        ErringBot old(solver(), 1, 0);
        int recorded = 0;
        old.recorder().setHandler([&](HistoryGame&) { ++recorded; });
        SavedGame oldFile = *keeper.saved;
        oldFile.play.reset();
        old.recorder().takeOver(oldFile);
        old.game().resume(oldFile);
        (void)old.finish();
        EXPECT_EQ(recorded, 0) << "a game whose start is unknown is not recorded wrong";
    }
}

TEST(HistoryStore, TwoConnectionsRecordAtOnceAndLoseNothing)
{
    TempFolder folder;
    const std::string path = folder.file("history.sqlite3");
    std::vector<HistoryGame> games = botGames(60, 11, 0.2);
    auto writer = [&](std::size_t from) {
        HistoryStore store(path);
        for (std::size_t i = from; i < games.size(); i += 2) {
            HistoryGame g = games[i];
            if (const std::string problem = store.record(g).english(); !problem.empty())
                ADD_FAILURE() << problem;
        }
    };
    std::thread a(writer, 0);
    std::thread b(writer, 1);
    a.join();
    b.join();
    const auto loaded = HistoryStore(path).load(true);
    ASSERT_EQ(loaded.size(), games.size());
    std::size_t decisions = 0, expected = 0;
    for (const auto& g : loaded) {
        decisions += g.decisions.size();
        EXPECT_TRUE(replayGame(g).exact);
    }
    for (const auto& g : games)
        expected += g.decisions.size();
    EXPECT_EQ(decisions, expected);
}

TEST(HistoryStore, ADamagedFileIsSetAsideAndAFreshHistoryStarted)
{
    const std::vector<HistoryGame> games = botGames(3, 5, 0.1);
    struct Case {
        const char* what;
        std::function<void(const std::string&)> spoil;
    };
    const std::vector<Case> cases = {
        {"not a database", [](const std::string& p) { std::ofstream(p) << std::string(5000, 'x'); }},
        {"cut short", [](const std::string& p) { fs::resize_file(p, fs::file_size(p) / 2); }},
        {"pages overwritten",
         [](const std::string& p) {
             std::fstream f(p, std::ios::in | std::ios::out | std::ios::binary);
             f.seekp(4096 + 10);
             f << std::string(3000, '\x7f');
         }},
        {"a stranger's tables of the same names",
         [](const std::string& p) {
             fs::remove(p);
             sqlite3* db = nullptr;
             sqlite3_open(p.c_str(), &db);
             sqlite3_exec(db, "CREATE TABLE games(x); CREATE TABLE decisions(y)", nullptr, nullptr, nullptr);
             sqlite3_close(db);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempFolder folder;
        const std::string path = folder.file("history.sqlite3");
        {
            HistoryStore store(path);
            for (HistoryGame g : games)
                ASSERT_EQ(store.record(g).english(), "");
        }
        c.spoil(path);
        PlayerText problem;
        EXPECT_TRUE(HistoryStore(path, HistoryStore::Access::ReadOnly).load(true, &problem).empty());
        EXPECT_FALSE(problem.empty());
        ASSERT_TRUE(fs::exists(path)) << "a read-only look moves nothing";
        HistoryStore store(path);
        HistoryGame g = games[0];
        const std::string message = store.record(g).english();
        EXPECT_NE(message.find("was damaged"), std::string::npos) << message;
        ASSERT_FALSE(store.setAsidePath().empty());
        EXPECT_NE(message.find(store.setAsidePath()), std::string::npos);
        EXPECT_TRUE(fs::exists(store.setAsidePath()));
        EXPECT_EQ(HistoryStore(path).load(true).size(), 1U);
    }
}

// Another copy's long write, or a path the history cannot be opened at, is
// no damage: the file stays where it is (it was once set aside for either).
TEST(HistoryStore, ALockedOrUnopenableFileIsLeftAlone)
{
    TempFolder folder;
    const std::string path = folder.file("history.sqlite3");
    HistoryGame g = botGames(1, 4, 0)[0];
    ASSERT_EQ(HistoryStore(path).record(g).english(), "");
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    {
        HistoryStore store(path);
        EXPECT_NE(store.record(g).english(), "");
        EXPECT_EQ(store.setAsidePath(), "");
    }
    sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    EXPECT_EQ(HistoryStore(path).load(false).size(), 1U);

    const std::string folderPath = folder.file("a-folder.sqlite3");
    fs::create_directory(folderPath);
    HistoryStore store(folderPath);
    EXPECT_NE(store.record(g).english().find("could not be opened"), std::string::npos);
    EXPECT_TRUE(fs::is_directory(folderPath));
    EXPECT_EQ(store.setAsidePath(), "");
}

TEST(HistoryCsv, RoundTripKeepsEveryFieldAndDisarmsFormulas)
{
    std::vector<HistoryGame> games(6);
    const char* names[] = {"Ann", "Smith, \"Bo\"", "two\nlines", "=HYPERLINK(\"x\")", "'=already", "-5"};
    for (std::size_t i = 0; i < games.size(); ++i) {
        games[i].id = static_cast<int64_t>(i + 1);
        games[i].started = "2026-12-07T20:0" + std::to_string(i) + ":00Z";
        games[i].finished = "2026-12-07T20:1" + std::to_string(i) + ":00Z";
        games[i].name = names[i];
        games[i].score = static_cast<int32_t>(i * 1250);
        games[i].rounds = i == 2 ? 4 : 10;
        games[i].abandoned = i == 2;
        games[i].hints = static_cast<int>(i);
        if (i != 2)
            games[i].skill = HistorySkill{5234.5, 123.25 * static_cast<double>(i), -17.125};
    }
    const std::string csv = historyCsv(games);
    EXPECT_EQ(csv.find("\n=HYP"), std::string::npos);
    EXPECT_NE(csv.find("\"'=HYPERLINK(\"\"x\"\")\""), std::string::npos);
    std::vector<HistoryGame> back;
    std::string problem;
    ASSERT_TRUE(readHistoryCsv(csv, back, problem)) << problem;
    ASSERT_EQ(back.size(), games.size());
    for (std::size_t i = 0; i < games.size(); ++i) {
        EXPECT_EQ(back[i].name, games[i].name);
        EXPECT_EQ(back[i].id, games[i].id);
        EXPECT_EQ(back[i].started, games[i].started);
        EXPECT_EQ(back[i].finished, games[i].finished);
        EXPECT_EQ(back[i].score, games[i].score);
        EXPECT_EQ(back[i].rounds, games[i].rounds);
        EXPECT_EQ(back[i].abandoned, games[i].abandoned);
        EXPECT_EQ(back[i].hints, games[i].hints);
        ASSERT_EQ(back[i].skill.has_value(), games[i].skill.has_value());
        if (games[i].skill) {
            EXPECT_DOUBLE_EQ(back[i].skill->givenAway, games[i].skill->givenAway);
        }
    }
    for (const char* broken : {"", "id,name\n1,x\n", "id,started,finished,name,score,rounds,abandoned,hints,expected,given_away,luck\n1,a,b,\"c,5,10,0,0,,,\n",
                               "id,started,finished,name,score,rounds,abandoned,hints,expected,given_away,luck\n1,a,b,c,5,10,2,0,,,\n"})
        EXPECT_FALSE(readHistoryCsv(broken, back, problem)) << broken;
}

TEST(HistoryCharts, KnownHistoryGivesKnownValues)
{
    std::vector<HistoryGame> games(12);
    for (std::size_t i = 0; i < games.size(); ++i) {
        games[i].score = static_cast<int32_t>(i * 600);
        games[i].skill = HistorySkill{5000, static_cast<double>(i), i % 2 ? 100.0 : -50.0};
        games[i].rolls[6] = 10;
        games[i].busts[6] = i == 0 ? 1 : 0;
        games[i].rolls[1] = 3;
        games[i].busts[1] = 2;
    }
    HistoryGame left;
    left.abandoned = true;
    left.score = 99999;
    games.insert(games.begin() + 5, left);
    const std::vector<double> perfect = {0.5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0.25, 0.25}; // 0, 500 and 550 points
    const HistoryCharts c = chartHistory(games, solver(), perfect);
    ASSERT_EQ(c.scores.size(), 12U) << "the abandoned game is left out";
    EXPECT_DOUBLE_EQ(c.scoreAverage[0], 0);
    EXPECT_DOUBLE_EQ(c.scoreAverage[3], (0 + 600 + 1200 + 1800) / 4.0);
    EXPECT_DOUBLE_EQ(c.scoreAverage[11], 600.0 * (2 + 3 + 4 + 5 + 6 + 7 + 8 + 9 + 10 + 11) / 10);
    EXPECT_EQ(c.givenAway[7], 7);
    EXPECT_DOUBLE_EQ(c.luckMean[0], -50);
    EXPECT_DOUBLE_EQ(c.luckMean[1], 25);
    EXPECT_DOUBLE_EQ(c.luckMean[11], 25);
    ASSERT_EQ(c.scoreBins.size(), 14U); // 6600 falls in [6500, 7000)
    EXPECT_EQ(c.scoreBins[0], 1);
    EXPECT_EQ(c.scoreBins[1], 1); // 600
    EXPECT_EQ(c.scoreBins[2], 1); // 1200
    EXPECT_EQ(c.scoreBins[13], 1);
    EXPECT_DOUBLE_EQ(c.perfectBins[0], 6);
    EXPECT_DOUBLE_EQ(c.perfectBins[1], 6);
    EXPECT_EQ(c.rolls[6], 120);
    EXPECT_EQ(c.busts[6], 1);
    EXPECT_EQ(c.busts[1], 24);
    EXPECT_DOUBLE_EQ(c.bustOdds[1], 4.0 / 6.0);
}

// Games by kind, and means over the judged ones only: a finished game the
// coach could not judge is neither abandoned nor in the means.
TEST(HistorySummary, CountsEachKindOnceAndAveragesTheJudged)
{
    std::vector<HistoryGame> games(4);
    games[0].score = 1000;
    games[0].skill = HistorySkill{5000, 300, -3700};
    games[0].hints = 2;
    games[1].score = 3000;
    games[1].skill = HistorySkill{5000, 100, -1900};
    games[2].score = 9999; // finished, not judged
    games[3].abandoned = true;
    games[3].hints = 1;
    const HistorySummary s = summarizeHistory(games);
    EXPECT_EQ(s.games, 4);
    EXPECT_EQ(s.finished, 3);
    EXPECT_EQ(s.abandoned, 1);
    EXPECT_EQ(s.coached, 1);
    EXPECT_EQ(s.judged, 2);
    EXPECT_DOUBLE_EQ(s.meanScore, 2000);
    EXPECT_DOUBLE_EQ(s.meanGivenAway, 200);
    EXPECT_DOUBLE_EQ(s.meanLuck, -2800);
    EXPECT_EQ(summarizeHistory({}).meanScore, 0) << "no games, no division by zero";
}

// The histogram's reference: a true distribution whose mean is the value
// the solver promises for the whole game.
TEST(HistoryCharts, PerfectPlayDistributionHasTheSolversMean)
{
    const std::vector<double> d = perfectPlayDistribution(solver());
    double total = 0, mean = 0;
    for (std::size_t i = 0; i < d.size(); ++i) {
        total += d[i];
        mean += d[i] * static_cast<double>(i) * Solver::kStep;
    }
    EXPECT_NEAR(total, 1, 1e-9);
    EXPECT_NEAR(mean, solver().expectedGame(), 1e-6 * solver().expectedGame());
}

// Perfect play's spread is read back exactly from its file, and only a
// whole, sound file made for the same solver is taken.
TEST(SpreadCache, KeepsTheSpreadExactlyAndRefusesAnyOtherFile)
{
    const std::vector<double> spread = {0.1, 0.2, 0.3, 0.4};
    const double key = 5439.7243;
    const std::string good = spreadCacheText(spread, key);
    EXPECT_EQ(readSpreadCache(good, key), spread);

    const auto replaced = [&good](const std::string& from, const std::string& to) {
        std::string text = good;
        text.replace(text.find(from), from.size(), to);
        return text;
    };
    const std::size_t at = good.find("shares 4\n") + 9;
    const std::string firstShare = good.substr(at, good.find('\n', at) - at);
    const struct {
        const char* what;
        std::string text;
        double key;
    } refused[] = {
        {"another solver", good, key + 50},
        {"another format", replaced("spread 1", "spread 2"), key},
        {"cut short", good.substr(0, good.size() - 3), key},
        {"no last newline", good.substr(0, good.size() - 1), key},
        {"a share too many", good + firstShare + "\n", key},
        {"a count too large", replaced("shares 4", "shares 99999999"), key},
        {"no shares", replaced("shares 4", "shares 0"), key},
        {"a negative share", replaced(firstShare, "-" + firstShare), key},
        {"not a number", replaced(firstShare, "nan"), key},
        {"shares not adding up", replaced(firstShare, "0x1p-1"), key},
        {"empty", "", key},
    };
    for (const auto& r : refused)
        EXPECT_FALSE(readSpreadCache(r.text, r.key)) << r.what;

    TempFolder folder;
    const std::string path = folder.file("spread.txt");
    EXPECT_FALSE(loadSpreadCache(path, key)) << "no file yet";
    ASSERT_TRUE(saveSpreadCache(path, spread, key));
    EXPECT_EQ(loadSpreadCache(path, key), spread);
    EXPECT_FALSE(saveSpreadCache(folder.file("no-such-folder/spread.txt"), spread, key));
    // A link left at the temporary name is replaced, never written through.
    const std::string victim = folder.file("victim");
    std::ofstream(victim) << "keep me";
    fs::create_symlink(victim, path + ".new" + std::to_string(::getpid()));
    ASSERT_TRUE(saveSpreadCache(path, {1.0}, key));
    EXPECT_EQ(loadSpreadCache(path, key), std::vector<double>{1.0});
    std::string kept;
    std::getline(std::ifstream(victim), kept);
    EXPECT_EQ(kept, "keep me");
    fs::remove(victim);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.file("")), fs::directory_iterator()), 1)
        << "no temporary file is left behind";
}
