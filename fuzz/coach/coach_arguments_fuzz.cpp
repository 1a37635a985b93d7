// SPDX-License-Identifier: MIT
// Any command line (arguments split at NUL bytes) either reads as a command
// the solver can answer without complaint, or fails with BadArgument.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "arguments.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::vector<std::string> args(1);
    for (size_t i = 0; i < size; ++i) {
        if (data[i] == 0)
            args.emplace_back();
        else
            args.back() += static_cast<char>(data[i]);
    }
    try {
        const CoachCommand c = parseArguments(args);
        if (c.kind != CoachCommand::Kind::Best)
            return 0;
        const Situation& s = c.situation;
        const int dice = diceIn(c.roll);
        if (dice < 1 || dice > kDice || c.roll[0] != 0 || s.committed < 0 || s.committed > kMaxCommitted ||
            s.committed % Solver::kStep != 0 || s.roundsLeft < 1 || s.roundsLeft > kRounds)
            std::abort();
    } catch (const BadArgument&) {
    }
    return 0;
}
