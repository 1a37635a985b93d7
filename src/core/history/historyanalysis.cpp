// SPDX-License-Identifier: MIT
#include "core/history/historyanalysis.h"

#include <algorithm>
#include <map>

#include "core/game/coach.h"
#include "core/game/game.h"
#include "core/game/nullboard.h"

namespace {

// Nobody to show the replay to.
class SilentBoard final : public NullBoard, public NullTally {
public:
    SilentBoard() { name.clear(); }
};

class RecordedFaces final : public FaceSource {
public:
    explicit RecordedFaces(const std::vector<int>& faces) : m_faces(faces) {}
    int32_t nextFace() override
    {
        if (m_next < m_faces.size())
            return m_faces[m_next++];
        m_overrun = true;
        return 1;
    }
    // Only so a replayed game can be compared with a saved one.
    [[nodiscard]] std::optional<uint32_t> savedState() const override { return 0; }
    [[nodiscard]] std::size_t used() const { return m_next; }
    [[nodiscard]] bool overrun() const { return m_overrun; }

private:
    const std::vector<int>& m_faces;
    std::size_t m_next = 0;
    bool m_overrun = false;
};

bool chosen(DieStatus s) { return s == DieStatus::Selected || s == DieStatus::Previewed; }

// Hears the moves a replay accepts, with the state each was made from.
class MoveLog final : public GameObserver {
public:
    void gameStarted() override {}
    void moveMade(const GameState& before, PlayerMove move) override { moves.push_back({before, move}); }
    void gameOver(int32_t) override {}
    std::vector<RecordedMove> moves;
};

bool sameDecision(const GameState& game, const GameState& recorded)
{
    if (game.round != recorded.round || game.roundTotal != recorded.roundTotal ||
        game.gameTotal != recorded.gameTotal || game.onBoard != recorded.onBoard ||
        game.firstRoll != recorded.firstRoll)
        return false;
    for (std::size_t i = 0; i < game.dice.size(); ++i) {
        const Die& a = game.dice[i];
        const Die& b = recorded.dice[i];
        const bool bothChosen = chosen(a.status) && chosen(b.status);
        if (a.value != b.value || (a.status != b.status && !bothChosen))
            return false;
    }
    return true;
}

// Every distinct roll of n dice with its chance.
std::vector<std::pair<FaceCounts, double>> rollsOf(int n)
{
    std::vector<std::pair<FaceCounts, double>> out;
    double total = 1;
    for (int i = 0; i < n; ++i)
        total *= 6;
    std::array<double, kDice + 1> factorial{1};
    for (int i = 1; i <= kDice; ++i)
        factorial[static_cast<std::size_t>(i)] = factorial[static_cast<std::size_t>(i - 1)] * i;
    FaceCounts c{};
    auto fill = [&](auto&& self, int face, int left) -> void {
        if (face == 6) {
            c[6] = left;
            double ways = factorial[static_cast<std::size_t>(n)];
            for (int f = 1; f <= 6; ++f)
                ways /= factorial[static_cast<std::size_t>(c[static_cast<std::size_t>(f)])];
            out.emplace_back(c, ways / total);
            return;
        }
        for (int k = 0; k <= left; ++k) {
            c[static_cast<std::size_t>(face)] = k;
            self(self, face + 1, left - k);
        }
    };
    fill(fill, 1, n);
    return out;
}

// A state this unlikely is not played on: thousands of them move the mean
// by less than a thousandth of a point.
constexpr double kNegligible = 1e-12;

// The distribution of one round's banked points (index: points / 50) under
// the solver's policy in the situation's table. Committed points only grow
// within a round, so the chance of each (points committed, dice to roll)
// flows forward in order of points committed.
std::vector<double> roundDistribution(const Solver& solver, bool onBoard, int roundsLeft, const std::atomic<bool>* stop)
{
    const auto size = static_cast<std::size_t>(solver.cap() / Solver::kStep + 200);
    std::vector<double> banked(size, 0.0);
    const Situation start{0, onBoard, roundsLeft};
    const auto opening = solver.openingChoices(start);
    if (!opening.empty() && opening.front().bank) {
        banked[0] = 1;
        return banked;
    }
    std::array<std::vector<std::pair<FaceCounts, double>>, kDice + 1> rolls;
    for (int n = 1; n <= kDice; ++n)
        rolls[static_cast<std::size_t>(n)] = rollsOf(n);
    std::map<std::pair<int32_t, int>, double> waiting{{{0, kDice}, 1.0}};
    while (!waiting.empty() && !(stop && *stop)) {
        const auto [key, chance] = *waiting.begin();
        waiting.erase(waiting.begin());
        const auto [committed, dice] = key;
        if (chance < kNegligible) { // counted as banked as it stands: far below what a chart or mean shows
            banked[std::min(size - 1, static_cast<std::size_t>(committed / Solver::kStep))] += chance;
            continue;
        }
        const Situation s{committed, onBoard, roundsLeft};
        for (const auto& [roll, p] : rolls[static_cast<std::size_t>(dice)]) {
            const auto list = solver.choices(s, roll);
            if (list.empty()) {
                banked[0] += chance * p;
                continue;
            }
            const Choice& best = list.front();
            const int32_t next = committed + best.points;
            if (best.bank || next >= solver.cap())
                banked[std::min(size - 1, static_cast<std::size_t>(next / Solver::kStep))] += chance * p;
            else
                waiting[{next, best.diceToRoll}] += chance * p;
        }
    }
    return banked;
}

} // namespace

Replay replayGame(const HistoryGame& game)
{
    Replay r;
    SilentBoard board;
    RecordedFaces faces(game.faces);
    Game play(board, board, faces);
    play.start();
    for (std::size_t i = 0; i < game.decisions.size(); ++i) {
        const HistoryDecision& d = game.decisions[i];
        if (play.pauseRunning())
            play.pauseElapsed();
        for (int die = 1; die <= kDice; ++die)
            if (chosen(d.before.die(die).status) && play.state().die(die).status == DieStatus::InPlay)
                play.toggleDie(die);
        if (!sameDecision(play.state(), d.before)) {
            r.problem = "decision " + std::to_string(i + 1) + " does not follow from the ones before";
            return r;
        }
        const std::size_t drawn = faces.used();
        if (d.move == PlayerMove::Bank) {
            play.bank();
        } else {
            play.roll();
            const std::size_t thrown = faces.used() - drawn;
            if (thrown >= 1 && thrown <= kDice) {
                ++r.rolls[thrown];
                r.busts[thrown] += play.state().canPlay ? 0 : 1;
            }
        }
        if (faces.overrun()) {
            r.problem = "the recorded faces run out at decision " + std::to_string(i + 1);
            return r;
        }
    }
    if (play.pauseRunning())
        play.pauseElapsed();
    r.finished = play.state().round > kRounds;
    r.score = play.state().gameTotal;
    if (faces.used() != game.faces.size()) {
        r.problem = "faces are left over";
        return r;
    }
    r.exact = true;
    return r;
}

std::optional<HistoryGame> rebuildGame(const SavedGame& saved)
{
    HistoryGame game;
    const SavedPlay play = saved.play.value_or(SavedPlay{historyNow(), {}, {}});
    game.started = play.started;
    game.faces = play.faces;
    SilentBoard board;
    RecordedFaces faces(game.faces);
    MoveLog log;
    Game again(board, board, faces);
    again.setObserver(&log);
    again.start();
    for (const SavedDecision& d : play.decisions) {
        if (again.pauseRunning())
            again.pauseElapsed();
        for (int die = 1; die <= kDice; ++die) {
            if ((d.chosen & (1U << (die - 1))) == 0)
                continue;
            if (again.state().die(die).status != DieStatus::InPlay)
                return std::nullopt;
            again.toggleDie(die);
        }
        const std::size_t made = log.moves.size();
        if (d.move == PlayerMove::Roll)
            again.roll();
        else
            again.bank();
        if (log.moves.size() != made + 1 || faces.overrun())
            return std::nullopt; // refused, or more faces than were drawn
        const RecordedMove& m = log.moves.back();
        game.decisions.push_back({m.before, m.move, d.hinted});
        game.hints += d.hinted ? 1 : 0;
        game.rounds = m.before.round;
        game.score = m.before.gameTotal;
    }
    auto now = again.snapshot();
    if (faces.used() != game.faces.size() || !now)
        return std::nullopt;
    SavedGame left = saved;
    now->faceState = left.faceState;
    left.play.reset();
    if (writeSavedGame(*now) != writeSavedGame(left))
        return std::nullopt;
    return game;
}

SavedPlay savedPlayOf(const HistoryGame& game)
{
    SavedPlay play{game.started, game.faces, {}};
    play.decisions.reserve(game.decisions.size());
    for (const HistoryDecision& d : game.decisions) {
        SavedDecision s{d.move, d.hinted, 0};
        for (int die = 1; die <= kDice; ++die)
            if (chosen(d.before.die(die).status))
                s.chosen = static_cast<uint8_t>(s.chosen | (1U << (die - 1)));
        play.decisions.push_back(s);
    }
    return play;
}

std::vector<RecordedMove> recordedMoves(const HistoryGame& game)
{
    std::vector<RecordedMove> moves;
    moves.reserve(game.decisions.size());
    for (const HistoryDecision& d : game.decisions)
        moves.push_back({d.before, d.move});
    return moves;
}

HistorySkill judgeGame(const Solver& solver, const HistoryGame& game)
{
    const GameReview review = reviewGame(solver, recordedMoves(game), game.score);
    HistorySkill s;
    s.expected = review.perfect;
    s.givenAway = review.totalLoss;
    s.luck = game.score - s.expected + s.givenAway;
    return s;
}

void completeGame(HistoryGame& game, const Solver* solver)
{
    const Replay r = replayGame(game);
    game.rolls = r.rolls;
    game.busts = r.busts;
    if (game.abandoned)
        game.score = r.score;
    if (solver && !game.abandoned && r.exact)
        game.skill = judgeGame(*solver, game);
}

std::vector<double> perfectPlayDistribution(const Solver& solver, const std::atomic<bool>* stop)
{
    std::vector<double> onBoard = roundDistribution(solver, true, kRounds, stop);
    std::vector<double> game(onBoard.size() * kRounds, 0.0); // totals of games on the board
    double offBoard = 1;                                      // chance of no bank so far (total 0)
    for (int left = kRounds; left >= 1; --left) {
        std::vector<double> next(game.size(), 0.0);
        for (std::size_t t = 0; t < game.size(); ++t) {
            if (game[t] == 0)
                continue;
            for (std::size_t b = 0; b < onBoard.size() && t + b < next.size(); ++b)
                next[t + b] += game[t] * onBoard[b];
        }
        const std::vector<double> first = roundDistribution(solver, false, left, stop);
        for (std::size_t b = 1; b < first.size() && b < next.size(); ++b)
            next[b] += offBoard * first[b];
        offBoard *= first[0];
        game = std::move(next);
    }
    if (stop && *stop)
        return {};
    game[0] += offBoard; // never on the board: nothing scored
    while (game.size() > 1 && game.back() == 0)
        game.pop_back();
    return game;
}

HistorySummary summarizeHistory(const std::vector<HistoryGame>& games)
{
    HistorySummary s;
    for (const HistoryGame& g : games) {
        ++s.games;
        if (g.abandoned) {
            ++s.abandoned;
            continue;
        }
        ++s.finished;
        s.coached += g.hints > 0 ? 1 : 0;
        if (!g.skill)
            continue;
        ++s.judged;
        s.meanScore += g.score;
        s.meanGivenAway += g.skill->givenAway;
        s.meanLuck += g.skill->luck;
    }
    if (s.judged > 0) {
        s.meanScore /= s.judged;
        s.meanGivenAway /= s.judged;
        s.meanLuck /= s.judged;
    }
    return s;
}

HistoryCharts chartHistory(const std::vector<HistoryGame>& games, const Solver& solver,
                           const std::vector<double>& perfect)
{
    HistoryCharts c;
    double luckSum = 0;
    for (const HistoryGame& g : games) {
        if (g.abandoned)
            continue;
        c.scores.push_back(g.score);
        const std::size_t n = c.scores.size();
        const std::size_t from = n > HistoryCharts::kAverageOf ? n - HistoryCharts::kAverageOf : 0;
        double sum = 0;
        for (std::size_t i = from; i < n; ++i)
            sum += c.scores[i];
        c.scoreAverage.push_back(sum / static_cast<double>(n - from));
        if (g.skill) {
            c.givenAway.push_back(g.skill->givenAway);
            c.luck.push_back(g.skill->luck);
            luckSum += g.skill->luck;
            c.luckMean.push_back(luckSum / static_cast<double>(c.luck.size()));
        }
        const auto bin = static_cast<std::size_t>(std::max(0, g.score) / HistoryCharts::kBinWidth);
        if (c.scoreBins.size() <= bin)
            c.scoreBins.resize(bin + 1, 0);
        ++c.scoreBins[bin];
        for (int d = 1; d <= kDice; ++d) {
            c.rolls[static_cast<std::size_t>(d)] += g.rolls[static_cast<std::size_t>(d)];
            c.busts[static_cast<std::size_t>(d)] += g.busts[static_cast<std::size_t>(d)];
        }
    }
    for (int d = 1; d <= kDice; ++d)
        c.bustOdds[static_cast<std::size_t>(d)] = solver.bustChance(d);
    if (!perfect.empty()) {
        // Bins reach as far as the player's games or perfect play's all but
        // rarest scores, whichever is further.
        constexpr double kRarest = 1e-3;
        constexpr std::size_t perBin = HistoryCharts::kBinWidth / Solver::kStep;
        for (std::size_t i = 0; i < perfect.size(); ++i) {
            const std::size_t bin = i / perBin;
            if (c.perfectBins.size() <= bin)
                c.perfectBins.resize(bin + 1, 0.0);
            c.perfectBins[bin] += perfect[i] * static_cast<double>(c.scores.size());
        }
        double tail = 0;
        std::size_t keep = c.perfectBins.size();
        while (keep > 1 && (tail += c.perfectBins[keep - 1]) < kRarest * static_cast<double>(c.scores.size()))
            --keep;
        const std::size_t bins = std::max(keep, c.scoreBins.size());
        c.perfectBins.resize(bins, 0.0);
        c.scoreBins.resize(bins, 0);
    }
    return c;
}
