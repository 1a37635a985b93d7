// SPDX-License-Identifier: MIT
#include "core/game/coach.h"

#include <algorithm>

namespace {

constexpr std::size_t kCostliest = 3;
// Losses below this are rounding, not a worse choice.
constexpr double kNoLoss = 1e-6;

Situation situationOf(const GameState& state)
{
    return Situation{state.roundTotal, state.onBoard, kRounds + 1 - state.round};
}

bool rolled(const Die& d)
{
    return d.status == DieStatus::InPlay || d.status == DieStatus::Selected || d.status == DieStatus::Previewed;
}

bool selected(const Die& d) { return d.status == DieStatus::Selected || d.status == DieStatus::Previewed; }

template <typename Pick>
FaceCounts facesWhere(const GameState& state, Pick pick)
{
    FaceCounts counts{};
    for (const Die& d : state.dice)
        if (pick(d))
            ++counts[static_cast<std::size_t>(d.value)];
    return counts;
}

void addGameTotal(Choice& c, int32_t gametotal) { c.value += gametotal; }

std::vector<Choice> choicesAt(const Solver& solver, const GameState& state)
{
    const Situation s = situationOf(state);
    std::vector<Choice> list = state.firstRoll ? solver.openingChoices(s) : solver.choices(s, facesWhere(state, rolled));
    for (Choice& c : list)
        addGameTotal(c, state.gameTotal);
    return list;
}

bool inPlay(const GameState& state) { return state.canPlay && state.round >= 1 && state.round <= kRounds; }

} // namespace

std::optional<Hint> hintFor(const Solver& solver, const GameState& state)
{
    if (!inPlay(state))
        return std::nullopt;
    const std::vector<Choice> list = choicesAt(solver, state);
    if (list.empty())
        return std::nullopt;
    Hint hint;
    hint.opening = state.firstRoll;
    hint.best = list.front();
    if (list.size() > 1)
        hint.runnerUp = list[1];
    const auto roller = std::find_if(list.begin(), list.end(), [](const Choice& c) { return !c.bank; });
    if (roller != list.end()) {
        hint.rollDice = roller->diceToRoll;
        hint.bustChance = solver.bustChance(roller->diceToRoll);
    }
    // Point at the dice already selected before the others of the same face.
    FaceCounts wanted = hint.best.kept;
    for (const bool preferSelected : {true, false}) {
        for (std::size_t i = 0; i < state.dice.size(); ++i) {
            const Die& d = state.dice[i];
            if (!rolled(d) || selected(d) != preferSelected)
                continue;
            if (int& left = wanted[static_cast<std::size_t>(d.value)]; left > 0) {
                hint.setAside[i] = true;
                --left;
            }
        }
    }
    return hint;
}

std::optional<JudgedMove> judgeMove(const Solver& solver, const RecordedMove& recorded)
{
    const GameState& state = recorded.before;
    if (state.round < 1 || state.round > kRounds)
        return std::nullopt;
    const std::vector<Choice> list = choicesAt(solver, state);
    const bool bank = recorded.move == PlayerMove::Bank;
    FaceCounts kept{};
    if (!state.firstRoll)
        kept = scoreSelection(facesWhere(state, rolled), facesWhere(state, selected)).kept;
    const auto played =
        std::find_if(list.begin(), list.end(), [&](const Choice& c) { return c.bank == bank && c.kept == kept; });
    if (played == list.end())
        return std::nullopt;
    JudgedMove judged;
    judged.round = state.round;
    judged.committed = state.roundTotal;
    judged.opening = state.firstRoll;
    if (!state.firstRoll)
        judged.roll = facesWhere(state, rolled);
    judged.played = *played;
    judged.best = list.front();
    judged.loss = std::max(0.0, judged.best.value - played->value);
    return judged;
}

GameReview reviewGame(const Solver& solver, const std::vector<RecordedMove>& moves, int32_t score)
{
    GameReview review;
    review.score = score;
    review.perfect = solver.expectedGame();
    for (const RecordedMove& m : moves) {
        if (auto judged = judgeMove(solver, m)) {
            review.totalLoss += judged->loss;
            review.moves.push_back(*judged);
        }
    }
    std::vector<std::size_t> order;
    for (std::size_t i = 0; i < review.moves.size(); ++i)
        if (review.moves[i].loss > kNoLoss)
            order.push_back(i);
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return review.moves[a].loss > review.moves[b].loss; });
    order.resize(std::min(order.size(), kCostliest));
    review.costliest = order;
    return review;
}

std::string facesText(const FaceCounts& faces)
{
    std::string text;
    for (int face = 1; face <= 6; ++face)
        for (int i = 0; i < faces[static_cast<std::size_t>(face)]; ++i)
            text += (text.empty() ? "" : ", ") + std::to_string(face);
    return text.empty() ? "-" : text;
}

std::string choiceText(const Choice& c)
{
    std::string text = c.bank ? "Bank" : "Roll " + std::to_string(c.diceToRoll) + " dice";
    if (diceIn(c.kept) > 0)
        text += ", keep " + facesText(c.kept);
    return text;
}
