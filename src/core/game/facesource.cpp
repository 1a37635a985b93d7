// SPDX-License-Identifier: MIT
#include "core/game/facesource.h"

#include <chrono>

int32_t DiceGenerator::nextFace()
{
    m_seed = m_seed * 134775813u + 1u; // wraps modulo 2^32 by unsigned arithmetic
    const uint64_t scaled = static_cast<uint64_t>(m_seed) * 6u;
    return static_cast<int32_t>(scaled >> 32) + 1;
}

uint32_t DiceGenerator::clockSeed()
{
    using namespace std::chrono;
    const auto now = system_clock::now().time_since_epoch();
    const auto msOfDay = duration_cast<milliseconds>(now).count() % (24LL * 60 * 60 * 1000);
    return static_cast<uint32_t>(msOfDay);
}
