// SPDX-License-Identifier: MIT
#pragma once
#include <QObject>
#include <QString>
#include <vector>

#include "core/game/gamestate.h"

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

    QWidget& m_main;
    const Game& m_game;
    std::vector<QWidget*> m_badges;
    QLabel* m_banked = nullptr;
};
