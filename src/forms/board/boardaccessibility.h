// SPDX-License-Identifier: MIT
#pragma once
#include <QObject>
#include <QString>
#include <vector>

#include "core/game/gamestate.h"

class Announcer;
class QLabel;
class QWidget;
class Game;

// What a screen reader hears of the board: each die's face and status, the
// ten round slots, the game total, the round marker and the pop-up panels,
// kept in step with the game; a round-end badge and the coach's hint are
// announced as they appear.
class BoardAccessibility : public QObject {
    Q_OBJECT
public:
    // mainWindow: whose children it names; game: what they show.
    BoardAccessibility(QWidget& mainWindow, const Game& game);

    // "Die 3: five, selected"; a die not rolled this round has no face yet.
    [[nodiscard]] static QString dieName(int die, const Die& d);
    // "Round 4: 350", with the slot's "---" and emptiness in words.
    [[nodiscard]] static QString slotName(int round, const QString& slotText);
    // What a roll from before to after says: "Rolled 1, 3, 5, 5, 2, 6: 200
    // in scoring dice", or nothing when the roll was refused.
    [[nodiscard]] static QString rollNews(const GameState& before, const GameState& after);
    // "Die 3 five selected, selection 250".
    [[nodiscard]] static QString toggleNews(int die, const GameState& state);

    // Tell the player what the roll or the toggle just did.
    void rolled(const GameState& before);
    void toggled(int die);

signals:
    // Each announcement as the screen reader is told it.
    void announced(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void nameDice();
    void nameCard();
    void namePanels();
    void watchBadges();
    [[nodiscard]] QString badgeName(const QWidget* badge) const;
    void announce(const QString& text);

    QWidget& m_main;
    const Game& m_game;
    std::vector<QWidget*> m_badges;
    QLabel* m_banked = nullptr;
    Announcer* m_news = nullptr; // what each roll and toggle is spoken through
};
