// SPDX-License-Identifier: MIT
#pragma once
#include <string>

#include "core/game/board.h"
#include "core/game/tallyreports.h"

// A board and a tally that take every report and keep nothing, for code
// that drives the round flow and looks only at the game's own state (a
// replay, a test). Tests that need to see what the board was told derive
// from them.
class NullBoard : public Board {
public:
    std::string name = "Ann";

    void setRoundText(int, const std::string&) override {}
    void setTotalText(const std::string&) override {}
    void setBankedText(const std::string&) override {}
    void setFinalScoreText(const std::string&) override {}
    void setGreetingText(const std::string&) override {}
    void setShown(BoardPart, bool) override {}
    void bringToFront(BoardPart) override {}
    void markTurn(int) override {}
    void placeDie(int, DiePlace) override {}
    void showFace(int, int) override {}
    void playCue(const std::string&) override {}
    void showMessage(const std::string&) override {}
    void startPauseTimer(int) override {}
    void stopPauseTimer() override {}
    [[nodiscard]] std::string playerName() const override { return name; }
};

class NullTally : public TallyReports {
public:
    void increment(int) override {}
    void keepHighest(int, int) override {}
    bool enterGame(int, const std::string&) override { return false; }
    void addTo(int, int) override {}
    void gameFinished() override {}
};
