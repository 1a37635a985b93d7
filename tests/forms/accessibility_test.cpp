// SPDX-License-Identifier: MIT
#include <QAccessible>
#include <QAction>
#include <QSet>
#include <functional>
#include <QLabel>
#include <QTextEdit>

#include "forms/board/boardaccessibility.h"
#include "forms/board/boardkeys.h"
#include "forms/board/hintpanel.h"
#include "forms/programwindows.h"
#include "formsfixture.h"

namespace {

// What a screen reader is given: roles, names and a way for the keyboard to
// reach every control, walked through Qt's accessibility layer.
class AccessibilityTest : public FormsFixture {
protected:
    static QString name(QWidget* w) { return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name); }

    // Every widget Tab can reach in window.
    static QSet<QWidget*> tabStops(QWidget* window)
    {
        QSet<QWidget*> stops;
        for (QWidget* w = window->nextInFocusChain(); w != window; w = w->nextInFocusChain())
            if (w->focusPolicy() & Qt::TabFocus)
                stops.insert(w);
        return stops;
    }

    // Walks the window's tree; every control a player acts on must have a
    // role, a name and a place in the Tab order. Returns how many there were.
    static int checkWindow(QWidget* window)
    {
        static const QList<QAccessible::Role> acting = {QAccessible::Button,       QAccessible::Link,
                                                       QAccessible::EditableText, QAccessible::CheckBox,
                                                       QAccessible::Table,        QAccessible::PageTab};
        const QSet<QWidget*> stops = tabStops(window);
        int controls = 0;
        std::function<void(QAccessibleInterface*)> walk = [&](QAccessibleInterface* node) {
            auto* w = qobject_cast<QWidget*>(node->object());
            const bool shown = w != nullptr && w->isVisible();
            if (shown && (acting.contains(node->role()) || stops.contains(w))) {
                const std::string where = window->objectName().toStdString() + "/" + w->objectName().toStdString();
                EXPECT_FALSE(node->text(QAccessible::Name).trimmed().isEmpty()) << where;
                EXPECT_NE(node->role(), QAccessible::Client) << where;
                // Read-only text (the help pages) is read where it lies;
                // everything a player acts on is a Tab stop.
                if (!node->state().readOnly) {
                    ++controls;
                    EXPECT_TRUE(stops.contains(w) && node->state().focusable) << where << " has no focus path";
                }
            }
            for (int i = 0; i < node->childCount(); ++i)
                if (QAccessibleInterface* c = node->child(i))
                    walk(c);
        };
        walk(QAccessible::queryAccessibleInterface(window));
        return controls;
    }
};

TEST_F(AccessibilityTest, EveryWindowsControlsHaveRoleNameAndFocusPath)
{
    ProgramWindows w(programFolder(), seams());
    w.main.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w.main));
    w.main.onStartButton();
    const struct {
        QWidget* window;
        int atLeast; // controls a player acts on
    } windows[] = {
        {&w.main, 10}, // start, roll, six dice, the marker, the logo
        {&w.about, 2}, {&w.help, 8}, {&w.highscore, 1}, {&w.tallylist, 2}, {&w.multiplayer, 4},
    };
    for (const auto& c : windows) {
        c.window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(c.window));
        EXPECT_GE(checkWindow(c.window), c.atLeast) << c.window->objectName().toStdString();
    }
    // The windows made when first asked for: the shortcuts and the review.
    w.main.onKeyboardShortcuts();
    w.main.findChild<QAction*>("GameReview1")->trigger();
    for (const char* made : {"shortcuts", "review"}) {
        QWidget* window = nullptr;
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->objectName() == made && top->isVisible())
                window = top;
        ASSERT_NE(window, nullptr) << made;
        EXPECT_GE(checkWindow(window), 2) << made;
    }

    // Pages are named after their buttons; the tally's rows read as lines.
    EXPECT_EQ(name(w.help.findChild<QTextEdit*>("memo5")), "Documentation");
    EXPECT_EQ(name(w.tallylist.findChild<QLabel*>("label_num1")), "1. empty");
    // The pop-up panels and their fields.
    EXPECT_EQ(name(w.main.findChild<QWidget*>("panel_name")), "ENTER YOUR NAME");
    EXPECT_EQ(name(w.main.findChild<QWidget*>("edit_name")), "Enter Your Name");
}

TEST_F(AccessibilityTest, BoardNamesFollowTheGameAndBadgesAreAnnounced)
{
    MainWindow main(programFolder(), seams());
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
    const auto board = [&main](const char* n) { return name(main.findChild<QWidget*>(n)); };
    const auto settle = [] { QApplication::processEvents(); };
    // Without a screen reader on the bus Qt drops accessibility events, so
    // the announcements are watched where they are made.
    auto* reader = main.findChild<BoardAccessibility*>();
    ASSERT_NE(reader, nullptr);
    QStringList alerts;
    QObject::connect(reader, &BoardAccessibility::announced, [&alerts](const QString& text) { alerts << text; });

    QTest::keyClick(&main, Qt::Key_S, Qt::ControlModifier);
    settle();
    EXPECT_EQ(board("dice1"), "Die 1: not rolled");
    EXPECT_EQ(board("label_rnd1"), "Round 1: 0");
    EXPECT_EQ(board("label_rnd2"), "Round 2: not played");
    EXPECT_EQ(board("image_turn"), "Bank round 1");
    EXPECT_EQ(board("image_roll"), "ROLL DICE");

    faces.script = {1, 1, 1, 5, 2, 3};
    QTest::keyClick(&main, Qt::Key_R);
    QTest::keyClick(&main, Qt::Key_1);
    settle();
    EXPECT_EQ(board("dice1"), "Die 1: one, selected");
    EXPECT_EQ(board("dice4"), "Die 4: five, in play");
    EXPECT_EQ(board("label_rnd1"), "Round 1: 100");
    EXPECT_EQ(board("label_score"), "Game total: 100");

    QTest::keyClick(&main, Qt::Key_2);
    QTest::keyClick(&main, Qt::Key_3);
    QTest::keyClick(&main, Qt::Key_B);
    main.onPauseElapsed();
    faces.script = {2, 3, 4, 6, 6, 2};
    QTest::keyClick(&main, Qt::Key_R);
    settle();
    EXPECT_EQ(alerts, (QStringList{"Banked 1000", "No scoring dice rolled"}));
    // The role a screen reader speaks when it shows.
    EXPECT_EQ(QAccessible::queryAccessibleInterface(main.findChild<QWidget*>("image_noscore"))->role(),
              QAccessible::Notification);
    EXPECT_EQ(board("label_rnd1"), "Round 1: 1000");
    EXPECT_EQ(board("label_rnd2"), "Round 2: no score");
    EXPECT_EQ(board("dice1"), "Die 1: two");
    EXPECT_EQ(board("image_turn"), "Bank round 2");

    main.onPauseElapsed();
    faces.script = {1, 1, 1, 5, 2, 3};
    QTest::keyClick(&main, Qt::Key_R);
    QTest::keyClick(&main, Qt::Key_H); // the coach's hint is read out too
    auto* hint = main.findChild<HintPanel*>();
    ASSERT_NE(hint, nullptr);
    ASSERT_FALSE(hint->lines().isEmpty());
    EXPECT_EQ(alerts.last(), hint->lines().join(' '));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(hint)->role(), QAccessible::Notification);
}

TEST(dieName, FaceAndStatusInWords)
{
    const struct {
        Die die;
        const char* name;
    } cases[] = {
        {{0, DieStatus::Frozen}, "Die 3: not rolled"}, {{6, DieStatus::InPlay}, "Die 3: six, in play"},
        {{5, DieStatus::Selected}, "Die 3: five, selected"}, {{5, DieStatus::Previewed}, "Die 3: five, selected"},
        {{1, DieStatus::SetAside}, "Die 3: one, set aside"}, {{4, DieStatus::Frozen}, "Die 3: four"},
        {{7, DieStatus::InPlay}, "Die 3: not rolled"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(BoardAccessibility::dieName(3, c.die), c.name);
}

} // namespace
