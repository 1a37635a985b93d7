// SPDX-License-Identifier: MIT
#pragma once
#include <string>

// What a game reports into the tally; columns are the tally's statistic
// numbers (tallystat).
class TallyReports {
public:
    virtual ~TallyReports() = default;
    virtual void increment(int column) = 0;
    virtual void keepHighest(int column, int value) = 0;
    virtual bool enterGame(int score, const std::string& name) = 0;
    virtual void addTo(int column, int amount) = 0;
    virtual void gameFinished() = 0; // after the last report of a game
};
