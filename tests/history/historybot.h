// SPDX-License-Identifier: MIT
#pragma once
#include <optional>
#include <random>
#include <vector>

#include "core/game/facesource.h"
#include "core/game/game.h"
#include "core/game/solver.h"
#include "core/history/historyrecorder.h"
#include "core/game/nullboard.h"

// Plays whole games through the round flow as the coach would, except that
// it takes a random other choice at a set rate: games with points given away.
class ErringBot {
public:
    ErringBot(const Solver& solver, uint32_t seed, double errorRate)
        : m_solver(solver), m_dice(seed), m_random(seed), m_errorRate(errorRate)
    {
        m_game.setObserver(&m_recorder);
        m_recorder.setHandler([this](HistoryGame& g) { m_last = std::move(g); });
    }

    HistoryRecorder& recorder() { return m_recorder; }
    Game& game() { return m_game; }

    // One whole game; stops after `decisions` moves when given (abandoned mid-game).
    std::optional<HistoryGame> play(int decisions = -1)
    {
        m_last.reset();
        m_game.start();
        for (int made = 0; !m_last && made != decisions; ++made)
            decide();
        return std::move(m_last);
    }

    // Plays the game in progress (a resumed one) to its end.
    std::optional<HistoryGame> finish()
    {
        m_last.reset();
        while (!m_last && m_game.inProgress())
            decide();
        return std::move(m_last);
    }

private:
    void decide()
    {
        if (m_game.pauseRunning())
            m_game.pauseElapsed();
        if (m_last)
            return;
        const GameState& s = m_game.state();
        if (s.firstRoll) {
            m_game.roll();
            return;
        }
        FaceCounts roll{};
        for (const Die& d : s.dice)
            if (d.status == DieStatus::InPlay)
                ++roll[static_cast<std::size_t>(d.value)];
        const auto list = m_solver.choices({s.roundTotal, s.onBoard, kRounds + 1 - s.round}, roll);
        std::size_t pick = 0;
        if (list.size() > 1 && std::uniform_real_distribution<double>(0, 1)(m_random) < m_errorRate)
            pick = std::uniform_int_distribution<std::size_t>(1, list.size() - 1)(m_random);
        FaceCounts wanted = list[pick].selected;
        for (int die = 1; die <= kDice; ++die) {
            int& left = wanted[static_cast<std::size_t>(s.die(die).value)];
            if (s.die(die).status == DieStatus::InPlay && left > 0) {
                --left;
                m_game.toggleDie(die);
            }
        }
        if (list[pick].bank)
            m_game.bank();
        else
            m_game.roll();
    }

    const Solver& m_solver;
    NullBoard m_board;
    NullTally m_tally;
    DiceGenerator m_dice;
    HistoryRecorder m_recorder{m_dice};
    Game m_game{m_board, m_tally, m_recorder};
    std::mt19937 m_random;
    double m_errorRate;
    std::optional<HistoryGame> m_last;
};
