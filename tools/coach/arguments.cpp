// SPDX-License-Identifier: MIT
#include "arguments.h"

#include <cerrno>
#include <cstdlib>

namespace {

[[noreturn]] void fail(const std::string& text) { throw BadArgument(text); }

long parseNumber(const std::string& name, const std::string& text, long low, long high)
{
    errno = 0;
    char* end = nullptr;
    const long value = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || errno != 0 || value < low || value > high)
        fail(name + ": expected a whole number from " + std::to_string(low) + " to " + std::to_string(high) +
             ", got '" + text + "'");
    return value;
}

// Faces 1 to 6, one digit each, separated by commas: "1,1,5,2".
FaceCounts parseRoll(const std::string& text)
{
    const auto bad = [&] {
        fail("--roll: expected 1 to 6 faces from 1 to 6 separated by commas, got '" + text + "'");
    };
    FaceCounts roll{};
    if (text.empty() || text.size() > 2 * kDice - 1 || text.size() % 2 == 0)
        bad();
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (i % 2 == 1 ? c != ',' : (c < '1' || c > '6'))
            bad();
        if (i % 2 == 0)
            ++roll[static_cast<std::size_t>(c - '0')];
    }
    return roll;
}

CoachCommand parseBest(const std::vector<std::string>& args)
{
    CoachCommand command;
    command.kind = CoachCommand::Kind::Best;
    Situation& s = command.situation;
    bool haveRoll = false;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        auto value = [&]() -> const std::string& {
            if (i + 1 >= args.size())
                fail(arg + ": missing value");
            return args[++i];
        };
        if (arg == "--roll") {
            command.roll = parseRoll(value());
            haveRoll = true;
        } else if (arg == "--committed") {
            s.committed = static_cast<int32_t>(parseNumber(arg, value(), 0, kMaxCommitted));
            if (s.committed % Solver::kStep != 0)
                fail("--committed: points come in steps of 50, got '" + std::to_string(s.committed) + "'");
        } else if (arg == "--offboard") {
            s.onBoard = false;
        } else if (arg == "--rounds-left") {
            s.roundsLeft = static_cast<int>(parseNumber(arg, value(), 1, kRounds));
        } else {
            fail("unknown argument '" + arg + "'");
        }
    }
    if (!haveRoll)
        fail("--roll: missing");
    return command;
}

} // namespace

CoachCommand parseArguments(const std::vector<std::string>& args)
{
    for (const std::string& arg : args)
        if (arg == "--help")
            return CoachCommand{};
    if (args.empty())
        fail("missing command (expected, round, thresholds, best or history)");
    const std::string& name = args.front();
    if (name == "best")
        return parseBest(args);
    CoachCommand command;
    if (name == "history") {
        if (args.size() != 2 || args[1].empty())
            fail("history: expected one FILE.sqlite3");
        command.kind = CoachCommand::Kind::History;
        command.file = args[1];
        return command;
    }
    if (name == "expected")
        command.kind = CoachCommand::Kind::Expected;
    else if (name == "round")
        command.kind = CoachCommand::Kind::Round;
    else if (name == "thresholds")
        command.kind = CoachCommand::Kind::Thresholds;
    else
        fail("unknown command '" + name + "'");
    if (args.size() > 1)
        fail(name + ": unexpected argument '" + args[1] + "'");
    return command;
}
