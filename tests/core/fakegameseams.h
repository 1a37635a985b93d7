// SPDX-License-Identifier: MIT
#pragma once
#include <algorithm>
#include <array>
#include <deque>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "core/game/facesource.h"
#include "core/game/gamestate.h"
#include "core/game/nullboard.h"

// What the board shows after everything the round flow told it, so tests
// assert the board's state rather than the calls that led to it.
class BoardModel : public NullBoard {
public:
    std::array<DiePlace, kDice> places{};
    std::array<int, kDice> faces{};
    std::array<std::string, kRounds + 1> roundTexts{}; // [0] unused
    std::string total;
    std::string banked;
    std::string finalScore;
    std::string greeting;
    std::set<BoardPart> shown;
    std::optional<BoardPart> inFront;
    int turnRound = 0;
    std::vector<std::string> cues;
    std::vector<std::string> messages;
    bool timerRunning = false;
    int timerMilliseconds = 0;
    long reports = 0; // every call counts: whether the board heard anything at all

    [[nodiscard]] bool isShown(BoardPart part) const { return shown.count(part) != 0; }
    [[nodiscard]] DiePlace place(int die) const { return places[static_cast<std::size_t>(die - 1)]; }
    [[nodiscard]] int face(int die) const { return faces[static_cast<std::size_t>(die - 1)]; }
    [[nodiscard]] long heard(const std::string& cue) const { return std::count(cues.begin(), cues.end(), cue); }

    void setRoundText(int round, const std::string& text) override
    {
        ++reports;
        roundTexts.at(static_cast<std::size_t>(round)) = text;
    }
    void setTotalText(const std::string& text) override
    {
        ++reports;
        total = text;
    }
    void setBankedText(const std::string& text) override
    {
        ++reports;
        banked = text;
    }
    void setFinalScoreText(const std::string& text) override
    {
        ++reports;
        finalScore = text;
    }
    void setGreetingText(const std::string& text) override
    {
        ++reports;
        greeting = text;
    }
    void setShown(BoardPart part, bool show) override
    {
        ++reports;
        if (show)
            shown.insert(part);
        else
            shown.erase(part);
    }
    void bringToFront(BoardPart part) override
    {
        ++reports;
        inFront = part;
    }
    void markTurn(int round) override
    {
        ++reports;
        turnRound = round;
    }
    void placeDie(int die, DiePlace place) override
    {
        ++reports;
        places.at(static_cast<std::size_t>(die - 1)) = place;
    }
    void showFace(int die, int face) override
    {
        ++reports;
        faces.at(static_cast<std::size_t>(die - 1)) = face;
    }
    void playCue(const std::string& cue) override
    {
        ++reports;
        cues.push_back(cue);
    }
    void showMessage(const std::string& text) override
    {
        ++reports;
        messages.push_back(text);
    }
    void startPauseTimer(int ms) override
    {
        ++reports;
        timerRunning = true;
        timerMilliseconds = ms;
    }
    void stopPauseTimer() override
    {
        ++reports;
        timerRunning = false;
    }
};

class RecordingTally : public TallyReports {
public:
    std::vector<std::string> log;
    void increment(int column) override { log.push_back("increment " + std::to_string(column)); }
    void keepHighest(int column, int value) override
    {
        log.push_back("keepHighest " + std::to_string(column) + " " + std::to_string(value));
    }
    bool enterGame(int score, const std::string& name) override
    {
        log.push_back("enterGame " + std::to_string(score) + " " + name);
        return true;
    }
    void addTo(int column, int amount) override
    {
        log.push_back("addTo " + std::to_string(column) + " " + std::to_string(amount));
    }
    void gameFinished() override { log.push_back("gameFinished"); }
};

// Hands out the faces a test scripted; when they run out it falls back to
// a generator so long random games never starve.
class ScriptedFaces : public FaceSource {
public:
    std::deque<int32_t> script;
    DiceGenerator fallback{12345};
    int32_t nextFace() override
    {
        if (script.empty())
            return fallback.nextFace();
        const int32_t f = script.front();
        script.pop_front();
        return f;
    }
};
