// SPDX-License-Identifier: MIT
#include "core/game/game.h"

#include <string>

#include "core/game/scoring.h"
#include "core/layout/boardlayout.h"

namespace {
std::string text(int32_t n) { return std::to_string(n); }
} // namespace

Game::Game(Board& board, TallyReports& tally, FaceSource& faces)
    : m_board(board), m_tally(tally), m_faces(faces)
{
}

void Game::button_startClick()
{
    m_board.setShown(BoardElement::panel_wait, false);
    m_board.setShown(BoardElement::panel_name, false);
    m_board.setShown(BoardElement::panel_cleared, false);
    m_board.playsounds(cue::kStartGame);
    m_board.setGreetingText("Good Luck " + m_board.playerName());
    startgame();
}

void Game::StartGame1Click()
{
    button_startClick();
    m_board.setShown(BoardElement::panel_cleared, false);
}

void Game::startgame()
{
    m_tally.addtomineincrease(tallystat::kTotalGames);
    if (m_observer)
        m_observer->gameStarted();
    stopPause(); // a round change pending from an earlier game is dropped
    m_state.gameTotal = 0;
    for (int round = 1; round <= kRounds; ++round)
        m_board.setSlotText(round, "");
    m_board.setScoreText("0");
    m_state.round = 0;
    m_state.onBoard = false;
    startround();
}

void Game::startround()
{
    m_state.roundTotal = 0;
    m_state.firstRoll = true;
    m_board.setShown(BoardElement::image_notboard, false);
    m_board.setShown(BoardElement::image_noscore, false);
    m_board.setShown(BoardElement::image_scorerecorded, false);
    m_board.setShown(BoardElement::label_scorerecorded, false);
    ++m_state.round;
    if (m_state.round <= kRounds)
        setCurrentSlot("0");
    m_board.setFinalScoreText("Your Score:" + text(m_state.gameTotal));

    if (m_state.round > kRounds) {
        m_tally.checkscore(m_state.gameTotal, m_board.playerName());
        m_tally.addscore(tallystat::kRunningTotal, m_state.gameTotal);
        if (m_observer)
            m_observer->gameOver(m_state.gameTotal);
        m_board.setShown(BoardElement::button_sendscore, true);
        m_board.setShown(BoardElement::image_turn, false);
        m_board.setShown(BoardElement::panel_cleared, true);
        m_board.bringToFront(BoardElement::panel_cleared);
        m_board.setShown(BoardElement::image_roll, false);
        m_board.playsounds(cue::kGameOver);
        m_state.canPlay = false;
        return;
    }

    m_board.moveTurnMarker(boardlayout::turnMarkerTop(m_state.round));
    m_board.setShown(BoardElement::image_turn, true);
    for (int i = 1; i <= kDice; ++i) {
        const Spot p = boardlayout::kPile[static_cast<std::size_t>(i - 1)];
        m_board.moveDie(i, p.left, p.top); // the pictures keep the last roll's faces
        m_state.die(i).value = 0;
        m_state.die(i).status = DieStatus::Frozen;
    }
    m_board.playsounds(cue::kTurnNew);
    m_board.setShown(BoardElement::image_roll, true);
    m_state.canPlay = true;
}

void Game::image_rollClick()
{
    if (!m_state.canPlay)
        return;
    m_board.setShown(BoardElement::image_notboard, false);
    rolldice();
}

void Game::rolldice()
{
    unpreview();
    const GameState before = m_state;
    if (m_state.firstRoll) {
        if (m_observer)
            m_observer->moveMade(before, PlayerMove::Roll);
        m_state.firstRoll = false;
        m_state.canPlay = true;
        for (int i = 1; i <= kDice; ++i) {
            Die& d = m_state.die(i);
            d.value = m_faces.nextFace();
            d.status = DieStatus::InPlay;
            sendToRow(i);
            m_board.showFace(i, d.value);
            m_board.playsounds(cue::kDice);
        }
        if (pointsInRoll(m_state) == 0)
            loseRound();
        return;
    }

    const int32_t committed = commitPoints(m_state);
    if (committed == 0) {
        m_board.showMessage("You must select dice before rolling again.");
        m_board.playsounds(cue::kInvalid);
        return;
    }
    if (m_observer)
        m_observer->moveMade(before, PlayerMove::Roll);
    m_state.roundTotal += committed;
    setCurrentSlot(text(m_state.roundTotal));
    m_board.setScoreText(text(m_state.gameTotal + m_state.roundTotal));

    bool allSetAside = true;
    for (const Die& d : m_state.dice)
        allSetAside = allSetAside && d.status == DieStatus::SetAside;
    if (allSetAside) { // all six have scored this round: they all roll again
        for (int i = 1; i <= kDice; ++i) {
            m_state.die(i).status = DieStatus::InPlay;
            m_board.moveDie(i, boardlayout::columnLeft(i), boardlayout::kRowTop);
        }
    }
    for (int i = 1; i <= kDice; ++i) {
        if (m_state.die(i).status == DieStatus::Selected) { // selected but worth nothing
            m_state.die(i).status = DieStatus::InPlay;
            m_board.moveDie(i, boardlayout::columnLeft(i), boardlayout::kRowTop);
        }
    }
    for (int i = 1; i <= kDice; ++i) {
        Die& d = m_state.die(i);
        if (d.status != DieStatus::InPlay)
            continue;
        d.value = m_faces.nextFace();
        sendToRow(i);
        m_board.showFace(i, d.value);
    }
    if (pointsInRoll(m_state) != 0)
        m_board.playsounds(cue::kDice);
    else
        loseRound();
}

void Game::loseRound()
{
    freezeAll();
    m_state.roundTotal = 0;
    setCurrentSlot("---");
    m_board.setScoreText(text(m_state.gameTotal));
    m_board.setShown(BoardElement::image_noscore, true);
    m_board.setShown(BoardElement::image_roll, false);
    m_board.playsounds(cue::kBelbix);
    startPause();
    m_state.canPlay = false;
}

void Game::dice2Click(int tag)
{
    if (!m_state.canPlay || tag < 1 || tag > kDice)
        return;
    unpreview();
    Die& d = m_state.die(tag);
    if (d.status == DieStatus::InPlay) {
        d.status = DieStatus::Selected;
        m_board.moveDie(tag, boardlayout::columnLeft(tag), boardlayout::kSetAsideTop);
        showRunningScore(previewPoints(m_state));
        m_board.playsounds(cue::kPlaceDice);
    } else if (d.status == DieStatus::Selected) {
        d.status = DieStatus::InPlay;
        m_board.moveDie(tag, boardlayout::columnLeft(tag), boardlayout::kRowTop);
        showRunningScore(previewPoints(m_state));
        m_board.playsounds(cue::kUnset);
    }
}

void Game::image_turnClick()
{
    if (m_state.canPlay)
        bank();
}

void Game::label_scorerecordedClick(int tag)
{
    if (m_state.canPlay && tag == m_state.round)
        bank();
}

void Game::bank()
{
    m_board.setShown(BoardElement::image_roll, false);
    const auto before = m_state.dice;
    unpreview();
    const int32_t selection = bankPoints(m_state);
    if (!m_state.onBoard && m_state.roundTotal + selection < kOnBoard) {
        // A refused bank costs nothing: the dice the evaluation set aside go
        // back to the selection, where their points still count.
        m_state.dice = before;
        m_board.setShown(BoardElement::image_notboard, true);
        m_board.playsounds(cue::kNotOnBoard);
        m_board.setShown(BoardElement::image_roll, true);
        return;
    }
    if (m_observer) {
        GameState decided = m_state;
        decided.dice = before;
        m_observer->moveMade(decided, PlayerMove::Bank);
    }
    m_state.onBoard = true;
    const int32_t banked = m_state.roundTotal + selection;
    setCurrentSlot(text(banked));
    m_tally.postscore(tallystat::kHighestRound, banked);
    m_state.gameTotal += banked;
    m_board.setScoreText(text(m_state.gameTotal));
    m_board.setScoreRecordedText("+" + text(banked));
    m_board.setShown(BoardElement::image_notboard, false);
    m_board.setShown(BoardElement::image_scorerecorded, true);
    m_board.setShown(BoardElement::label_scorerecorded, true);
    m_board.playsounds(banked > 0 ? cue::kTurnOverGood : cue::kTurnOverBad);
    freezeAll();
    m_state.canPlay = false;
    startPause();
}

void Game::Timer2Timer()
{
    if (!m_pauseRunning)
        return;
    stopPause();
    startround();
}

void Game::startPause()
{
    m_pauseRunning = true;
    m_board.startPauseTimer(kPauseMs);
}

void Game::stopPause()
{
    m_pauseRunning = false;
    m_board.stopPauseTimer();
}

void Game::showRunningScore(int32_t selection)
{
    setCurrentSlot(text(m_state.roundTotal + selection));
    m_board.setScoreText(text(m_state.gameTotal + m_state.roundTotal + selection));
}

void Game::setCurrentSlot(const std::string& slotText) { m_board.setSlotText(m_state.round, slotText); }

void Game::sendToRow(int die) { m_board.moveDie(die, boardlayout::columnLeft(die), boardlayout::kRowTop); }

void Game::freezeAll()
{
    for (Die& d : m_state.dice)
        d.status = DieStatus::Frozen;
}

void Game::unpreview()
{
    for (Die& d : m_state.dice)
        if (d.status == DieStatus::Previewed)
            d.status = DieStatus::Selected;
}
