// SPDX-License-Identifier: MIT
// pelbixsolo-coach: what perfect play of a game is worth, and what it does
// after a given roll. Status 2 for bad arguments, with one line that names
// the argument.
#include <cstdio>
#include <string>
#include <vector>

#include "core/game/solver.h"
#include "core/history/historyanalysis.h"
#include "core/history/historycsv.h"
#include "core/history/historystore.h"
#include "arguments.h"

namespace {

constexpr const char* kUsage =
    "usage: pelbixsolo-coach expected\n"
    "       pelbixsolo-coach round\n"
    "       pelbixsolo-coach thresholds\n"
    "       pelbixsolo-coach best --roll F,F,... [--committed T] [--offboard] [--rounds-left R]\n"
    "       pelbixsolo-coach history FILE.sqlite3\n"
    "\n"
    "expected    expected final score of a ten-round game under optimal play\n"
    "round       expected score of one round played optimally once on the board\n"
    "thresholds  per dice left to roll (1 to 6): the smallest committed total at\n"
    "            which banking beats rolling, on the board and in round 1 before it\n"
    "best        every distinct choice after the roll (1 to 6 faces), best first,\n"
    "            with its expected value: the round's on the board, the rest of\n"
    "            the game's with --offboard (--rounds-left, this round included,\n"
    "            defaults to 10)\n";

std::string keptText(const FaceCounts& kept)
{
    std::string text;
    for (int face = 1; face <= 6; ++face)
        for (int i = 0; i < kept[static_cast<std::size_t>(face)]; ++i)
            text += (text.empty() ? "" : ",") + std::to_string(face);
    return text.empty() ? "-" : text;
}

void printBest(const Solver& solver, const CoachCommand& command)
{
    const Situation& s = command.situation;
    const auto list = solver.choices(s, command.roll);
    if (list.empty()) {
        std::printf("nothing scores: the round is lost\n");
        return;
    }
    // On the board every round is worth the same, so values stay the round's.
    const double offset = s.onBoard ? solver.laterRounds(s) : 0.0;
    for (const Choice& c : list) {
        const std::string action = c.bank ? "bank" : "roll " + std::to_string(c.diceToRoll);
        std::printf("%s %s %.2f\n", keptText(c.kept).c_str(), action.c_str(), c.value - offset);
    }
}

// Games the game recorded before its coach was ready are judged here.
int printHistory(const Solver& solver, const std::string& file)
{
    std::FILE* probe = std::fopen(file.c_str(), "rb");
    if (!probe) {
        std::fprintf(stderr, "pelbixsolo-coach: %s: no such file\n", file.c_str());
        return 1;
    }
    std::fclose(probe);
    PlayerText problem;
    HistoryStore store(file, HistoryStore::Access::ReadOnly); // a look, never a change
    std::vector<HistoryGame> games = store.load(true, &problem);
    if (!problem.empty())
        std::fprintf(stderr, "pelbixsolo-coach: %s\n", problem.english().c_str());
    for (HistoryGame& g : games)
        if (!g.abandoned && !g.skill && replayGame(g).exact) // a game the rules cannot reach is not judged
            g.skill = judgeGame(solver, g);
    std::fputs(historyCsv(games).c_str(), stdout);
    const HistorySummary s = summarizeHistory(games);
    std::fprintf(stderr,
                 "games %d, finished %d, abandoned %d, coached %d, judged %d\n"
                 "mean score %.2f, expected under perfect play %.2f\n"
                 "mean points given away %.2f, mean luck %.2f\n",
                 s.games, s.finished, s.abandoned, s.coached, s.judged, s.meanScore, solver.expectedGame(),
                 s.meanGivenAway, s.meanLuck);
    return problem.empty() ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    CoachCommand command;
    try {
        command = parseArguments(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const BadArgument& bad) {
        std::fprintf(stderr, "pelbixsolo-coach: %s\n", bad.what());
        return 2;
    }
    if (command.kind == CoachCommand::Kind::Help) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    const Solver solver;
    switch (command.kind) {
    case CoachCommand::Kind::Expected:
        std::printf("%.2f\n", solver.expectedGame());
        break;
    case CoachCommand::Kind::Round:
        std::printf("%.2f\n", solver.roundValue());
        break;
    case CoachCommand::Kind::Thresholds:
        for (int dice = 1; dice <= kDice; ++dice)
            std::printf("%d %d %d\n", dice, solver.threshold(dice, true), solver.threshold(dice, false));
        break;
    case CoachCommand::Kind::Best:
        printBest(solver, command);
        break;
    case CoachCommand::Kind::History:
        return printHistory(solver, command.file);
    case CoachCommand::Kind::Help:
        break;
    }
    return 0;
}
