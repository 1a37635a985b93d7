// SPDX-License-Identifier: MIT
#pragma once
#include <QSize>
#include <QWidget>

struct GameReview;
class QLabel;
class QTableWidget;
class SelectButton;

// The review of the last finished game: every move with the expected points
// it gave away against the best choice, the three costliest, and the score
// beside what perfect play expects. Closing only hides it.
class ReviewWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr QSize kClientSize{640, 440};

    explicit ReviewWindow(QWidget* parent = nullptr);

    // Fills the window from review; none means no game has finished yet.
    void showReview(const GameReview* review);
    // Shows the window in front; the first time, centred over mainWindow.
    void showCentredOn(const QWidget* mainWindow);

    void onDone();
    // Marks a coached game: the hints used in it, when there were any.
    void markHints(int hints);

private:
    QLabel* m_summary = nullptr;
    QLabel* m_costliest = nullptr;
    QTableWidget* m_moveTable = nullptr;
    SelectButton* m_done = nullptr;
    bool m_placed = false;
};
