// SPDX-License-Identifier: MIT
#include "core/game/game.h"

#include <string>

#include "core/game/gametext.h"
#include "core/game/scoring.h"
#include "core/tally/tallystat.h"

namespace {
std::string text(int32_t n) { return std::to_string(n); }

std::string slotText(int32_t slot)
{
    if (slot == kSlotEmpty)
        return "";
    return slot == kSlotLost ? "---" : text(slot);
}
} // namespace

Game::Game(Board& board, TallyReports& tally, FaceSource& faces)
    : m_board(board), m_tally(tally), m_faces(faces)
{
}

void Game::start()
{
    if (inProgress())
        reportAbandoned();
    m_board.setShown(BoardPart::PostingPanel, false);
    m_board.setShown(BoardPart::NamePanel, false);
    m_board.setShown(BoardPart::GameOverPanel, false);
    m_board.playCue(cue::kStartGame);
    m_board.setGreetingText(gametext::kGreeting + m_board.playerName());
    startGame();
}

void Game::startGame()
{
    m_tally.increment(tallystat::kTotalGames);
    if (m_observer)
        m_observer->gameStarted();
    stopPause(); // a round change pending from an earlier game is dropped
    m_state.gameTotal = 0;
    m_card.fill(kSlotEmpty);
    for (int round = 1; round <= kRounds; ++round)
        m_board.setRoundText(round, "");
    m_board.setTotalText("0");
    m_state.round = 0;
    m_state.onBoard = false;
    startRound();
}

void Game::startRound()
{
    m_state.roundTotal = 0;
    m_state.firstRoll = true;
    m_board.setShown(BoardPart::NotOnBoardBadge, false);
    m_board.setShown(BoardPart::NoScoreBadge, false);
    m_board.setShown(BoardPart::BankedBadge, false);
    m_board.setShown(BoardPart::BankedAmount, false);
    ++m_state.round;
    if (m_state.round <= kRounds)
        setCurrentSlot("0");
    m_board.setFinalScoreText(gametext::kFinalScore + text(m_state.gameTotal));

    if (m_state.round > kRounds) {
        m_tally.enterGame(m_state.gameTotal, m_board.playerName());
        m_tally.addTo(tallystat::kRunningTotal, m_state.gameTotal);
        m_tally.gameFinished();
        if (m_observer)
            m_observer->gameOver(m_state.gameTotal);
        m_board.setShown(BoardPart::SendScoreButton, true);
        m_board.setShown(BoardPart::TurnMarker, false);
        m_board.setShown(BoardPart::GameOverPanel, true);
        m_board.bringToFront(BoardPart::GameOverPanel);
        m_board.setShown(BoardPart::RollButton, false);
        m_board.playCue(cue::kGameOver);
        m_state.canPlay = false;
        if (m_keeper)
            m_keeper->forget();
        return;
    }

    m_board.markTurn(m_state.round);
    m_board.setShown(BoardPart::TurnMarker, true);
    for (int i = 1; i <= kDice; ++i) {
        m_board.placeDie(i, DiePlace::Pile); // the pictures keep the last roll's faces
        m_state.die(i).value = 0;
        m_state.die(i).status = DieStatus::Frozen;
    }
    m_board.playCue(cue::kTurnNew);
    m_board.setShown(BoardPart::RollButton, true);
    m_state.canPlay = true;
    keepNow();
}

void Game::roll()
{
    if (!m_state.canPlay)
        return;
    m_board.setShown(BoardPart::NotOnBoardBadge, false);
    rollDice();
    keepNow();
}

void Game::rollDice()
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
            m_board.placeDie(i, DiePlace::Row);
            m_board.showFace(i, d.value);
            m_board.playCue(cue::kDice);
        }
        if (pointsInRoll(m_state) == 0)
            loseRound();
        return;
    }

    const int32_t committed = commitPoints(m_state);
    if (committed == 0) {
        m_board.showMessage(gametext::kSelectFirst);
        m_board.playCue(cue::kInvalid);
        return;
    }
    if (m_observer)
        m_observer->moveMade(before, PlayerMove::Roll);
    m_state.roundTotal += committed;
    setCurrentSlot(text(m_state.roundTotal));
    m_board.setTotalText(text(m_state.gameTotal + m_state.roundTotal));

    bool allSetAside = true;
    for (const Die& d : m_state.dice)
        allSetAside = allSetAside && d.status == DieStatus::SetAside;
    if (allSetAside) { // all six have scored this round: they all roll again
        for (int i = 1; i <= kDice; ++i) {
            m_state.die(i).status = DieStatus::InPlay;
            m_board.placeDie(i, DiePlace::Row);
        }
    }
    for (int i = 1; i <= kDice; ++i) {
        if (m_state.die(i).status == DieStatus::Selected) { // selected but worth nothing
            m_state.die(i).status = DieStatus::InPlay;
            m_board.placeDie(i, DiePlace::Row);
        }
    }
    for (int i = 1; i <= kDice; ++i) {
        Die& d = m_state.die(i);
        if (d.status != DieStatus::InPlay)
            continue;
        d.value = m_faces.nextFace();
        m_board.placeDie(i, DiePlace::Row);
        m_board.showFace(i, d.value);
    }
    if (pointsInRoll(m_state) != 0)
        m_board.playCue(cue::kDice);
    else
        loseRound();
}

void Game::loseRound()
{
    freezeAll();
    m_state.roundTotal = 0;
    m_card[static_cast<std::size_t>(m_state.round - 1)] = kSlotLost;
    setCurrentSlot("---");
    m_board.setTotalText(text(m_state.gameTotal));
    m_board.setShown(BoardPart::NoScoreBadge, true);
    m_board.setShown(BoardPart::RollButton, false);
    m_board.playCue(cue::kBelbix);
    startPause();
    m_state.canPlay = false;
}

void Game::toggleDie(int die)
{
    if (!m_state.canPlay || die < 1 || die > kDice)
        return;
    unpreview();
    Die& d = m_state.die(die);
    if (d.status == DieStatus::InPlay) {
        d.status = DieStatus::Selected;
        m_board.placeDie(die, DiePlace::SetAside);
        showRunningScore(previewPoints(m_state));
        m_board.playCue(cue::kPlaceDice);
    } else if (d.status == DieStatus::Selected) {
        d.status = DieStatus::InPlay;
        m_board.placeDie(die, DiePlace::Row);
        showRunningScore(previewPoints(m_state));
        m_board.playCue(cue::kUnset);
    }
    keepNow();
}

void Game::bank()
{
    if (!m_state.canPlay)
        return;
    bankRound();
    keepNow();
}

void Game::bankSlot(int round)
{
    if (round == m_state.round)
        bank();
}

void Game::bankRound()
{
    m_board.setShown(BoardPart::RollButton, false);
    const auto before = m_state.dice;
    unpreview();
    const int32_t selection = bankPoints(m_state);
    if (!m_state.onBoard && m_state.roundTotal + selection < kOnBoard) {
        // A refused bank costs nothing: the dice the evaluation set aside go
        // back to the selection, where their points still count.
        m_state.dice = before;
        m_board.setShown(BoardPart::NotOnBoardBadge, true);
        m_board.playCue(cue::kNotOnBoard);
        m_board.setShown(BoardPart::RollButton, true);
        return;
    }
    if (m_observer) {
        GameState decided = m_state;
        decided.dice = before;
        m_observer->moveMade(decided, PlayerMove::Bank);
    }
    m_state.onBoard = true;
    const int32_t banked = m_state.roundTotal + selection;
    m_card[static_cast<std::size_t>(m_state.round - 1)] = banked;
    setCurrentSlot(text(banked));
    m_tally.keepHighest(tallystat::kHighestRound, banked);
    m_state.gameTotal += banked;
    m_board.setTotalText(text(m_state.gameTotal));
    m_board.setBankedText("+" + text(banked));
    m_board.setShown(BoardPart::NotOnBoardBadge, false);
    m_board.setShown(BoardPart::BankedBadge, true);
    m_board.setShown(BoardPart::BankedAmount, true);
    m_board.playCue(banked > 0 ? cue::kTurnOverGood : cue::kTurnOverBad);
    freezeAll();
    m_state.canPlay = false;
    startPause();
}

void Game::pauseElapsed()
{
    if (!m_pauseRunning)
        return;
    stopPause();
    startRound();
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
    m_board.setTotalText(text(m_state.gameTotal + m_state.roundTotal + selection));
}

void Game::setCurrentSlot(const std::string& slotText) { m_board.setRoundText(m_state.round, slotText); }

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

void Game::keepNow()
{
    if (m_keeper == nullptr)
        return;
    if (const auto saved = snapshot())
        m_keeper->keep(*saved);
}

std::optional<SavedGame> Game::snapshot() const
{
    const auto faceState = m_faces.savedState();
    if (!inProgress() || !faceState)
        return std::nullopt;
    SavedGame saved;
    saved.state = m_state;
    saved.card = m_card;
    saved.faceState = *faceState;
    saved.paused = m_pauseRunning;
    for (Die& d : saved.state.dice)
        if (d.status == DieStatus::Previewed)
            d.status = DieStatus::Selected;
    if (saved.paused) { // the round is over: only what the next one starts from counts
        saved.state.roundTotal = 0;
        saved.state.firstRoll = true;
        saved.state.canPlay = false;
        for (Die& d : saved.state.dice)
            d = Die{};
    }
    return saved;
}

void Game::resume(const SavedGame& saved)
{
    stopPause();
    m_faces.restoreState(saved.faceState);
    m_board.setShown(BoardPart::PostingPanel, false);
    m_board.setShown(BoardPart::NamePanel, false);
    m_board.setShown(BoardPart::GameOverPanel, false);
    m_board.setGreetingText(gametext::kGreeting + m_board.playerName());
    if (m_observer)
        m_observer->gameStarted(); // the review knows the moves made from here on
    m_state = saved.state;
    m_card = saved.card;
    for (int round = 1; round <= kRounds; ++round)
        m_board.setRoundText(round, slotText(m_card[static_cast<std::size_t>(round - 1)]));
    m_board.setTotalText(text(m_state.gameTotal));
    if (saved.paused) { // the pause is over by now
        startRound();
        return;
    }
    m_board.setShown(BoardPart::NotOnBoardBadge, false);
    m_board.setShown(BoardPart::NoScoreBadge, false);
    m_board.setShown(BoardPart::BankedBadge, false);
    m_board.setShown(BoardPart::BankedAmount, false);
    m_board.setFinalScoreText(gametext::kFinalScore + text(m_state.gameTotal));
    m_board.markTurn(m_state.round);
    m_board.setShown(BoardPart::TurnMarker, true);
    for (int i = 1; i <= kDice; ++i) {
        const Die& d = m_state.die(i);
        if (m_state.firstRoll) {
            m_board.placeDie(i, DiePlace::Pile);
            continue;
        }
        m_board.placeDie(i, d.status == DieStatus::InPlay ? DiePlace::Row : DiePlace::SetAside);
        m_board.showFace(i, d.value);
    }
    m_state.canPlay = true;
    showRunningScore(m_state.firstRoll ? 0 : previewPoints(m_state));
    unpreview();
    m_board.setShown(BoardPart::RollButton, true);
}

void Game::reportAbandoned()
{
    // Counted when it began, it scored nothing: the running total stays and
    // the average is worked out again over every game counted.
    m_tally.addTo(tallystat::kRunningTotal, 0);
    m_tally.gameFinished();
}
