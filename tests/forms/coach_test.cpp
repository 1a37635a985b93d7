// SPDX-License-Identifier: MIT
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>

#include "core/game/solver.h"
#include "forms/board/coachmenu.h"
#include "forms/board/hintpanel.h"
#include "forms/board/mainwindow.h"
#include "forms/windows/reviewwindow.h"
#include "formsfixture.h"
#include "forms/art/objectnames.h"

namespace {

class CoachTest : public FormsFixture {
protected:
    CoachTest() : main(std::make_unique<MainWindow>(programFolder(), seams()))
    {
        main->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(main.get()));
    }
    QWidget* child(const char* name) const { return main->findChild<QWidget*>(QString::fromLatin1(name)); }
    void trigger(const char* action) const { main->findChild<QAction*>(QString::fromLatin1(action))->trigger(); }
    void roll(std::deque<int32_t> script)
    {
        faces.script = std::move(script);
        click(child("image_roll"));
    }
    HintPanel* hint() const { return main->findChild<HintPanel*>(QStringLiteral("hint")); }
    // Whether the hint outlines a die: the outline's colour just left of it.
    bool outlined(int die) const
    {
        QWidget* board = child(objectname::kBoard);
        const QRect d = child(("dice" + std::to_string(die)).c_str())->geometry();
        const QImage shot = board->grab().toImage();
        return shot.pixelColor(d.left() - HintPanel::kOutlineWidth + 1, d.center().y()) == HintPanel::outlineColor();
    }

    std::unique_ptr<MainWindow> main;
};

TEST_F(CoachTest, HintOutlinesTheDiceToKeepAndGoesAtTheNextClick)
{
    auto* name = main->findChild<QLineEdit*>(QStringLiteral("edit_aname"));
    name->clear();
    QTest::keyClicks(name, "Hugh");
    EXPECT_EQ(name->text(), "Hugh") << "the H shortcut took a letter of the name";
    EXPECT_EQ(hint(), nullptr);

    // Before a game nothing needs the solver, and start-up does not pay for it.
    trigger("Hint1");
    EXPECT_EQ(hint()->lines(), QStringList{"No round in play: nothing to advise."});
    trigger("GameReview1");
    auto* coach = main->findChild<CoachMenu*>(QStringLiteral("coach"));
    ASSERT_NE(coach, nullptr);
    EXPECT_FALSE(coach->solveStarted());
    click(child("button_start"));
    EXPECT_TRUE(coach->solveStarted());
    trigger("Hint1");
    ASSERT_NE(hint(), nullptr);
    EXPECT_TRUE(hint()->isVisible());
    EXPECT_EQ(hint()->lines().value(0), "Roll 6 dice");

    roll({5, 1, 2, 1, 3, 4});
    EXPECT_FALSE(hint()->isVisible()) << "the roll's click leaves the old hint up";
    QTest::keyClick(main.get(), Qt::Key_H);
    ASSERT_TRUE(hint()->isVisible());
    const QStringList lines = hint()->lines();
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[0], "Keep 1 and roll 5 dice");
    EXPECT_TRUE(lines[2].startsWith("Runner-up: Roll 5 dice, keep 5: ")) << lines[2].toStdString();
    EXPECT_EQ(lines[3], "The next roll of 5 dice scores nothing: 7.7%");
    EXPECT_TRUE(outlined(2));
    EXPECT_FALSE(outlined(1));
    EXPECT_FALSE(outlined(4)) << "only one of the two ones is kept";
    shoot(main.get(), "coach-hint");

    click(child("dice2"));
    EXPECT_FALSE(hint()->isVisible());
    EXPECT_EQ(main->game().state().die(2).status, DieStatus::Selected) << "the hint kept the click";
}

TEST_F(CoachTest, GameReviewChargesTheLastFinishedGame)
{
    trigger("GameReview1");
    auto* review = main->findChild<ReviewWindow*>(QStringLiteral("review"));
    ASSERT_NE(review, nullptr);
    EXPECT_TRUE(review->isVisible());
    EXPECT_EQ(review->findChild<QLabel*>("label_summary")->text(), "No finished game yet: play one to the end.");

    click(child("button_start"));
    roll({5, 1, 2, 1, 3, 4});
    for (const char* die : {"dice1", "dice2", "dice4"})
        click(child(die));
    roll({2, 3, 4}); // nothing scores
    for (int round = 1; round <= kRounds; ++round) {
        main->onPauseElapsed();
        if (round < kRounds)
            roll({2, 3, 4, 6, 6, 2});
    }
    ASSERT_TRUE(child(objectname::kClearedPanel)->isVisible());

    trigger("GameReview1");
    const QString perfect = QString::number(Solver().expectedGame(), 'f', 2);
    EXPECT_EQ(review->findChild<QLabel*>("label_summary")->text(),
              "Your game: 0 vs the expected score of perfect play: " + perfect);
    const QStringList costly = review->findChild<QLabel*>("label_costliest")->text().split('\n');
    ASSERT_EQ(costly.size(), 2);
    EXPECT_TRUE(costly[1].startsWith("Round 1, roll 1, 1, 2, 3, 4, 5: Roll 3 dice, keep 1, 1, 5 instead of "
                                     "Roll 5 dice, keep 1 cost "))
        << costly[1].toStdString();
    EXPECT_EQ(review->findChild<QTableWidget*>("grid_moves")->rowCount(), 11); // ten first rolls and one more
    shoot(review, "coach-review");
}

} // namespace
