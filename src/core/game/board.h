// SPDX-License-Identifier: MIT
#pragma once
#include <string>

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

// Where a die lies: gathered in the pile before a round's first roll, in
// its column of the rolling row, or in its column's set-aside slot.
enum class DiePlace { Pile, Row, SetAside };

// The parts of the board the round flow shows or hides.
enum class BoardPart {
    RollButton,
    TurnMarker,      // over the current round's row of the score card
    NoScoreBadge,    // the roll held nothing that scores
    NotOnBoardBadge, // a bank below the first-bank minimum was refused
    BankedBadge,
    BankedAmount,    // the amount written on the banked badge
    GameOverPanel,   // with the final score and the posting buttons
    SendScoreButton,
    NamePanel,
    PostingPanel,
};

// Everything the round flow shows and plays, in game terms; where things
// stand on screen is the window's business. The main window implements
// it; tests keep what it was told.
class Board {
public:
    virtual ~Board() = default;

    virtual void setRoundText(int round, const std::string& text) = 0; // the round's slot on the card
    virtual void setTotalText(const std::string& text) = 0;           // the running game total
    virtual void setBankedText(const std::string& text) = 0;
    virtual void setFinalScoreText(const std::string& text) = 0;
    virtual void setGreetingText(const std::string& text) = 0;
    virtual void setShown(BoardPart part, bool shown) = 0;
    virtual void bringToFront(BoardPart part) = 0;
    virtual void markTurn(int round) = 0;
    virtual void placeDie(int die, DiePlace place) = 0;
    virtual void showFace(int die, int face) = 0;
    virtual void playCue(const std::string& name) = 0;
    virtual void showMessage(const std::string& text) = 0; // modal information box
    virtual void startPauseTimer(int milliseconds) = 0;
    virtual void stopPauseTimer() = 0;
    [[nodiscard]] virtual std::string playerName() const = 0;
};
