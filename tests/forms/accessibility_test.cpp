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
#include "widgets/announcer.h"
#include "widgets/htmlview.h"
#include "forms/programwindows.h"
#include "formsfixture.h"
#include "forms/art/objectnames.h"

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
        {&w.about, 2}, {&w.help, 7}, {&w.highscore, 1}, {&w.tallylist, 2}, {&w.multiplayer, 4},
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

    // Each window is a dialog; some say what they show as they open.
    for (QWidget* window : std::initializer_list<QWidget*>{&w.about, &w.help, &w.highscore, &w.tallylist, &w.multiplayer})
        EXPECT_EQ(QAccessible::queryAccessibleInterface(window)->role(), QAccessible::Dialog)
            << window->objectName().toStdString();
    EXPECT_EQ(name(w.about.findChild<QLabel*>("version")), "Version " + w.about.versionText() + ".4");
    const auto opened = [](QWidget* window) {
        auto* news = window->findChild<Announcer*>();
        QStringList said;
        QObject::connect(news, &Announcer::announced, [&said](const QString& text) { said << text; });
        window->hide();
        window->show();
        QApplication::processEvents();
        return said.join('|').toStdString();
    };
    EXPECT_EQ(opened(&w.tallylist), "Total Games: 1. Running Total Score: 0. Highest Round Scored: 0. Average Game Score: 0");
    w.highscore.listView->LoadFromString("<p>The high-score list could not be reached.</p>", QString());
    EXPECT_EQ(opened(&w.highscore), "The high-score list could not be reached.");

    // Pages are named after their buttons; the tally's rows read as lines.
    EXPECT_EQ(name(w.help.findChild<QTextEdit*>("memo5")), "Documentation");
    EXPECT_EQ(name(w.tallylist.findChild<QLabel*>("label_num1")), "1. empty");
    // The pop-up panels and their fields.
    EXPECT_EQ(name(w.main.findChild<QWidget*>(objectname::kNamePanel)), "ENTER YOUR NAME");
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
    // The lost round is spoken with the roll that lost it.
    EXPECT_EQ(alerts.mid(alerts.size() - 2),
              (QStringList{"Banked 1000", "Rolled 2, 3, 4, 6, 6, 2: No scoring dice rolled"}));
    EXPECT_EQ(board("label_rnd1"), "Round 1: 1000");
    EXPECT_EQ(board(objectname::kClearedPanel), "YOUR CLEARED THE BOARD! Final score 1000");
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

TEST_F(AccessibilityTest, RollsTogglesAndTheEndAreSpoken)
{
    MainWindow main(programFolder(), seams());
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
    // Offscreen, Qt drops accessibility events before any handler sees them:
    // what is said is watched where it is made, and the object it is said
    // through is checked for what a screen reader would read off it.
    QStringList said;
    auto* reader = main.findChild<BoardAccessibility*>();
    ASSERT_NE(reader, nullptr);
    QObject::connect(reader, &BoardAccessibility::announced, [&said](const QString& text) { said << text; });
    QAccessibleInterface* news = QAccessible::queryAccessibleInterface(main.findChild<QWidget*>("news"));
    ASSERT_NE(news, nullptr);
    EXPECT_EQ(news->role(), QAccessible::Notification);
    QTest::keyClick(&main, Qt::Key_S, Qt::ControlModifier);
    const struct {
        std::vector<int> faces; // empty: no roll
        Qt::Key key;
        const char* spoken; // nullptr: nothing
    } steps[] = {
        {{}, Qt::Key_1, nullptr}, // nothing rolled yet
        {{1, 3, 5, 5, 2, 6}, Qt::Key_R, "Rolled 1, 3, 5, 5, 2, 6: 200 in scoring dice"},
        {{}, Qt::Key_3, "Die 3 five selected, selection 50"},
        {{}, Qt::Key_1, "Die 1 one selected, selection 150"},
        {{}, Qt::Key_3, "Die 3 five in play, selection 100"},
        {{4, 4, 4, 2, 3}, Qt::Key_R, "Rolled 4, 4, 4, 2, 3: 400 in scoring dice"},
        {{}, Qt::Key_1, "Die 1 one set aside, selection 0"},
        {{}, Qt::Key_2, "Die 2 four selected, selection 0"},
        {{}, Qt::Key_R, nullptr}, // refused: nothing that scores is selected
        {{}, Qt::Key_2, "Die 2 four in play, selection 0"},
        {{}, Qt::Key_6, "Die 6 three selected, selection 0"},
    };
    for (const auto& step : steps) {
        said.clear();
        if (!step.faces.empty())
            faces.script.assign(step.faces.begin(), step.faces.end());
        QTest::keyClick(&main, step.key);
        const QStringList want = step.spoken ? QStringList{step.spoken} : QStringList{};
        EXPECT_EQ(said.join('|').toStdString(), want.join('|').toStdString()) << step.key;
        if (step.spoken != nullptr) {
            EXPECT_EQ(news->text(QAccessible::Name), step.spoken);
            EXPECT_FALSE(news->state().invisible);
        }
    }
    // The dice toggle; a set-aside one is out of play.
    QApplication::processEvents();
    const struct {
        const char* die;
        const char* name;
        bool checked, disabled;
    } dice[] = {
        {"dice1", "Die 1: one, set aside", false, true},
        {"dice2", "Die 2: four, in play", false, false},
        {"dice6", "Die 6: three, selected", true, false},
    };
    for (const auto& d : dice) {
        QAccessibleInterface* die = QAccessible::queryAccessibleInterface(main.findChild<QWidget*>(d.die));
        EXPECT_EQ(die->role(), QAccessible::CheckBox) << d.die; // the toggle Orca speaks on Qt 6.4
        EXPECT_EQ(die->text(QAccessible::Name), d.name);
        EXPECT_TRUE(die->state().checkable) << d.die;
        EXPECT_EQ(die->state().checked, d.checked) << d.die;
        EXPECT_EQ(die->state().disabled, d.disabled) << d.die;
    }
}

TEST(rollNews, LostRoundAndHotDice)
{
    GameState before;
    before.canPlay = true;
    before.firstRoll = true;
    GameState after = before;
    after.firstRoll = false;
    after.canPlay = false;
    const int lost[] = {2, 3, 4, 6, 6, 2};
    for (int i = 1; i <= kDice; ++i)
        after.die(i) = {lost[i - 1], DieStatus::Frozen};
    EXPECT_EQ(BoardAccessibility::rollNews(before, after), "Rolled 2, 3, 4, 6, 6, 2: No scoring dice rolled");
    // Every die had scored: all six come back.
    before.firstRoll = false;
    for (Die& d : before.dice)
        d = {1, DieStatus::Selected};
    after = before;
    after.canPlay = true;
    after.roundTotal = 2000;
    for (Die& d : after.dice)
        d = {5, DieStatus::InPlay};
    EXPECT_EQ(BoardAccessibility::rollNews(before, after), "Rolled 5, 5, 5, 5, 5, 5: 2000 in scoring dice");
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
