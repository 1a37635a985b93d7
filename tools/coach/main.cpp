// pelbixsolo-coach: what perfect play of a game is worth, and what it does
// after a given roll. Status 2 for bad arguments, with one line that names
// the argument.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "core/game/solver.h"

namespace {

constexpr const char* kUsage =
    "usage: pelbixsolo-coach expected\n"
    "       pelbixsolo-coach round\n"
    "       pelbixsolo-coach thresholds\n"
    "       pelbixsolo-coach best --roll F,F,... [--committed T] [--offboard] [--rounds-left R]\n"
    "\n"
    "expected    expected final score of a ten-round game under optimal play\n"
    "round       expected score of one round played optimally once on the board\n"
    "thresholds  per dice left to roll (1 to 6): the smallest committed total at\n"
    "            which banking beats rolling, on the board and in round 1 before it\n"
    "best        every distinct choice after the roll (1 to 6 faces), best first,\n"
    "            with its expected value: the round's on the board, the rest of\n"
    "            the game's with --offboard (--rounds-left, this round included,\n"
    "            defaults to 10)\n";

// Committed points far past any the game can reach in practice; the bound
// keeps the arithmetic clear of overflow.
constexpr long kMaxCommitted = 1000000;

struct BadArgument {
    std::string text;
};

[[noreturn]] void fail(const std::string& text) { throw BadArgument{text}; }

long parseNumber(const char* name, const char* text, long low, long high)
{
    errno = 0;
    char* end = nullptr;
    const long value = std::strtol(text, &end, 10);
    if (*text == '\0' || *end != '\0' || errno != 0 || value < low || value > high)
        fail(std::string(name) + ": expected a whole number from " + std::to_string(low) + " to " +
             std::to_string(high) + ", got '" + text + "'");
    return value;
}

FaceCounts parseRoll(const char* text)
{
    FaceCounts roll{};
    int dice = 0;
    const char* p = text;
    for (;;) {
        if (*p < '1' || *p > '6' || (p[1] != ',' && p[1] != '\0') || ++dice > kDice)
            fail(std::string("--roll: expected 1 to 6 faces from 1 to 6 separated by commas, got '") + text + "'");
        ++roll[static_cast<std::size_t>(*p - '0')];
        if (p[1] == '\0')
            return roll;
        p += 2;
    }
}

std::string keptText(const FaceCounts& kept)
{
    std::string text;
    for (int face = 1; face <= 6; ++face)
        for (int i = 0; i < kept[static_cast<std::size_t>(face)]; ++i)
            text += (text.empty() ? "" : ",") + std::to_string(face);
    return text.empty() ? "-" : text;
}

struct BestQuery {
    Situation situation{0, true, kRounds};
    FaceCounts roll{};
};

BestQuery parseBest(const std::vector<const char*>& args)
{
    const char* rollText = nullptr;
    BestQuery q;
    Situation& s = q.situation;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string arg = args[i];
        auto value = [&]() -> const char* {
            if (i + 1 >= args.size())
                fail(arg + ": missing value");
            return args[++i];
        };
        if (arg == "--roll")
            rollText = value();
        else if (arg == "--committed") {
            s.committed = static_cast<int32_t>(parseNumber("--committed", value(), 0, kMaxCommitted));
            if (s.committed % Solver::kStep != 0)
                fail("--committed: points come in steps of 50, got '" + std::to_string(s.committed) + "'");
        } else if (arg == "--offboard")
            s.onboard = false;
        else if (arg == "--rounds-left")
            s.roundsLeft = static_cast<int>(parseNumber("--rounds-left", value(), 1, kRounds));
        else
            fail("unknown argument '" + arg + "'");
    }
    if (!rollText)
        fail("--roll: missing");
    q.roll = parseRoll(rollText);
    return q;
}

int best(const Solver& solver, const BestQuery& q)
{
    const Situation& s = q.situation;
    const auto list = solver.choices(s, q.roll);
    if (list.empty()) {
        std::printf("nothing scores: the round is lost\n");
        return 0;
    }
    // On the board every round is worth the same, so values stay the round's.
    const double offset = s.onboard ? solver.laterRounds(s) : 0.0;
    for (const Choice& c : list) {
        const std::string action = c.bank ? "bank" : "roll " + std::to_string(c.diceToRoll);
        std::printf("%s %s %.2f\n", keptText(c.kept).c_str(), action.c_str(), c.value - offset);
    }
    return 0;
}

int run(int argc, char** argv)
{
    if (argc < 2)
        fail("missing command (expected, round, thresholds or best)");
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0) {
            std::fputs(kUsage, stdout);
            return 0;
        }
    }
    const std::string command = argv[1];
    const std::vector<const char*> rest(argv + 2, argv + argc);
    if (command != "best" && !rest.empty())
        fail(command + ": unexpected argument '" + rest.front() + "'");
    if (command != "expected" && command != "round" && command != "thresholds" && command != "best")
        fail("unknown command '" + command + "'");
    BestQuery query;
    if (command == "best")
        query = parseBest(rest);

    const Solver solver;
    if (command == "expected")
        std::printf("%.2f\n", solver.expectedGame());
    else if (command == "round")
        std::printf("%.2f\n", solver.roundValue());
    else if (command == "thresholds")
        for (int dice = 1; dice <= kDice; ++dice)
            std::printf("%d %d %d\n", dice, solver.threshold(dice, true), solver.threshold(dice, false));
    else
        return best(solver, query);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    try {
        return run(argc, argv);
    } catch (const BadArgument& bad) {
        std::fprintf(stderr, "pelbixsolo-coach: %s\n", bad.text.c_str());
        return 2;
    }
}
