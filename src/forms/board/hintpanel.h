// SPDX-License-Identifier: MIT
#pragma once
#include <QRect>
#include <QStringList>
#include <QWidget>
#include <array>
#include <optional>

#include "core/game/coach.h"

// The hint over the board: an outline round each die the best play keeps
// and a box that says what to do and what it is worth. It lets every click
// through to the board and goes away at the next click or key press.
class HintPanel : public QWidget {
    Q_OBJECT
public:
    static constexpr QRect kTextBox{228, 330, 340, 88}; // below the roll button, clear of the pile
    static constexpr int kOutlineWidth = 3;

    // Covers board, whose dice it finds by their names "dice1" to "dice6".
    explicit HintPanel(QWidget* board);

    // Shows the hint; none means no round is in play.
    void showHint(const std::optional<Hint>& hint);
    [[nodiscard]] const QStringList& lines() const { return m_lines; }
    [[nodiscard]] static QColor outlineColor();

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QStringList m_lines;
    std::array<bool, 6> m_outlined{};
};
