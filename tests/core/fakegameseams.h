// SPDX-License-Identifier: MIT
#pragma once
#include <deque>
#include <string>
#include <vector>

#include "core/game/board.h"
#include "core/game/facesource.h"

// Records every effect of the round flow as one line of text, in order, so a
// test can compare whole sequences and print them when they differ.
class RecordingBoard : public Board {
public:
    std::vector<std::string> log;
    std::string slotTexts[11];
    std::string score;
    std::string name = "Ann";
    bool timerRunning = false;

    void setSlotText(int round, const std::string& text) override
    {
        slotTexts[round] = text;
        add("slot " + std::to_string(round) + " " + text);
    }
    void setScoreText(const std::string& text) override
    {
        score = text;
        add("score " + text);
    }
    void setScoreRecordedText(const std::string& text) override { add("badge " + text); }
    void setFinalScoreText(const std::string& text) override { add("final " + text); }
    void setGreetingText(const std::string& text) override { add("greeting " + text); }
    void setShown(BoardElement element, bool shown) override
    {
        add(std::string(shown ? "show " : "hide ") + elementName(element));
    }
    void bringToFront(BoardElement element) override { add(std::string("front ") + elementName(element)); }
    void moveTurnMarker(int top) override { add("turn " + std::to_string(top)); }
    void moveDie(int die, int left, int top) override
    {
        add("move " + std::to_string(die) + " " + std::to_string(left) + "," + std::to_string(top));
    }
    void showFace(int die, int face) override { add("face " + std::to_string(die) + " " + std::to_string(face)); }
    void playsounds(const std::string& cue) override { add("cue " + cue); }
    void showMessage(const std::string& text) override { add("message " + text); }
    void startPauseTimer(int ms) override
    {
        timerRunning = true;
        add("timer start " + std::to_string(ms));
    }
    void stopPauseTimer() override
    {
        timerRunning = false;
        add("timer stop");
    }
    std::string playerName() const override { return name; }

    // Only the lines that start with one of the given prefixes.
    std::vector<std::string> only(const std::vector<std::string>& prefixes) const
    {
        std::vector<std::string> out;
        for (const auto& line : log)
            for (const auto& p : prefixes)
                if (line.rfind(p, 0) == 0) {
                    out.push_back(line);
                    break;
                }
        return out;
    }

    static const char* elementName(BoardElement e)
    {
        switch (e) {
        case BoardElement::image_roll: return "image_roll";
        case BoardElement::image_turn: return "image_turn";
        case BoardElement::image_noscore: return "image_noscore";
        case BoardElement::image_notboard: return "image_notboard";
        case BoardElement::image_scorerecorded: return "image_scorerecorded";
        case BoardElement::label_scorerecorded: return "label_scorerecorded";
        case BoardElement::panel_cleared: return "panel_cleared";
        case BoardElement::button_sendscore: return "button_sendscore";
        case BoardElement::panel_name: return "panel_name";
        case BoardElement::panel_wait: return "panel_wait";
        }
        return "?";
    }

private:
    void add(std::string line) { log.push_back(std::move(line)); }
};

class RecordingTally : public TallyReports {
public:
    std::vector<std::string> log;
    void addtomineincrease(int column) override { log.push_back("addtomineincrease " + std::to_string(column)); }
    void postscore(int column, int value) override
    {
        log.push_back("postscore " + std::to_string(column) + " " + std::to_string(value));
    }
    bool checkscore(int score, const std::string& name) override
    {
        log.push_back("checkscore " + std::to_string(score) + " " + name);
        return true;
    }
    void addscore(int column, int amount) override
    {
        log.push_back("addscore " + std::to_string(column) + " " + std::to_string(amount));
    }
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
