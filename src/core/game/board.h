// SPDX-License-Identifier: MIT
#pragma once
#include <string>

#include "core/tally/tallystat.h"

// The sound cues, by the names the board plays them under.
namespace cue {
inline constexpr const char* kEntered = "entered";
inline constexpr const char* kStartGame = "startgame";
inline constexpr const char* kTurnNew = "turnnew";
inline constexpr const char* kDice = "dice";
inline constexpr const char* kPlaceDice = "placedice";
inline constexpr const char* kUnset = "unset";
inline constexpr const char* kBelbix = "belbix";
inline constexpr const char* kInvalid = "invalid";
inline constexpr const char* kNotOnBoard = "notonboard";
inline constexpr const char* kTurnOverGood = "turnovergood";
inline constexpr const char* kTurnOverBad = "turnoverbad";
inline constexpr const char* kGameOver = "gameover";
} // namespace cue

// The named elements of the board that the round flow shows or hides.
enum class BoardElement {
    image_roll,
    image_turn,
    image_noscore,
    image_notboard,
    image_scorerecorded,
    label_scorerecorded,
    panel_cleared,
    button_sendscore,
    panel_name,
    panel_wait,
};

// Everything the round flow does to the screen and the speakers. The main
// window implements it; tests record it.
class Board {
public:
    virtual ~Board() = default;

    virtual void setSlotText(int round, const std::string& text) = 0; // label_rnd1..10
    virtual void setScoreText(const std::string& text) = 0;           // label_score
    virtual void setScoreRecordedText(const std::string& text) = 0;   // label_scorerecorded
    virtual void setFinalScoreText(const std::string& text) = 0;      // label_score1
    virtual void setGreetingText(const std::string& text) = 0;        // label_name
    virtual void setShown(BoardElement element, bool shown) = 0;
    virtual void bringToFront(BoardElement element) = 0;
    virtual void moveTurnMarker(int top) = 0;
    virtual void moveDie(int die, int left, int top) = 0;
    virtual void showFace(int die, int face) = 0;
    virtual void playsounds(const std::string& name) = 0;
    virtual void showMessage(const std::string& text) = 0; // modal information box
    virtual void startPauseTimer(int milliseconds) = 0;    // Timer2
    virtual void stopPauseTimer() = 0;
    [[nodiscard]] virtual std::string playerName() const = 0; // text of edit_name
};

// The tally list's four operations that a game reports into.
class TallyReports {
public:
    virtual ~TallyReports() = default;
    virtual void addtomineincrease(int column) = 0;
    virtual void postscore(int column, int value) = 0;
    virtual bool checkscore(int score, const std::string& name) = 0;
    virtual void addscore(int column, int amount) = 0;
};
