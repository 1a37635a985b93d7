// SPDX-License-Identifier: MIT
#include <QAbstractItemView>
#include <QAccessible>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTextEdit>
#include <QSignalSpy>
#include <QTimer>

#include <functional>

#include "core/tally/tallyfile.h"
#include "forms/board/boardaccessibility.h"
#include "forms/programwindows.h"
#include "widgets/picturebox.h"
#include "formsfixture.h"
#include "support/eventwait.h"
#include "forms/art/objectnames.h"
#include "online/postingwait.h"

namespace {

// Everything here is driven the way a player without a mouse drives it:
// key presses into whatever has the focus. Only the round pause is cut
// short, as the clock's tick.
class KeyboardTest : public FormsFixture {
protected:
    std::unique_ptr<MainWindow> open()
    {
        auto main = std::make_unique<MainWindow>(programFolder(), seams());
        main->show();
        main->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(main.get()));
        return main;
    }
    template <class T = QWidget>
    static T* child(const QWidget& w, const char* name)
    {
        auto* c = w.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(c, nullptr) << name;
        return c;
    }
    static QWidget* focus() { return QApplication::focusWidget(); }
    static QString focusName() { return focus() ? focus()->objectName() : QStringLiteral("(none)"); }
    // Keys go where a real key press goes: the focused control, else the
    // active window.
    static void key(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier)
    {
        QWidget* target = focus() ? focus() : QApplication::activeWindow();
        ASSERT_NE(target, nullptr);
        QTest::keyClick(target, k, m);
    }
    static void keys(const char* presses)
    {
        for (const char* p = presses; *p != '\0'; ++p)
            key(*p == ' ' ? Qt::Key_Space : static_cast<Qt::Key>(QChar(*p).toUpper().unicode()));
    }
    static void type(const QString& text) { QTest::keyClicks(focus(), text); }
    // Opens a menu by its Alt key and picks its item `item` (0 first, lit
    // when the menu opens) with the arrows and Return.
    static void menuItem(Qt::Key altKey, int item)
    {
        key(altKey, Qt::AltModifier);
        QWidget* popup = QApplication::activePopupWidget();
        ASSERT_NE(popup, nullptr);
        for (int i = 0; i < item; ++i)
            QTest::keyClick(popup, Qt::Key_Down);
        QTest::keyClick(popup, Qt::Key_Return);
    }
    static QString name(QWidget* w)
    {
        QAccessibleInterface* i = QAccessible::queryAccessibleInterface(w);
        return i ? i->text(QAccessible::Name) : QString();
    }
};

TEST_F(KeyboardTest, WholeGameNamePostAndCancelByKeysOnly)
{
    auto main = open();
    const GameState& state = main->game().state();
    EXPECT_EQ(focusName(), "edit_aname") << "the name panel takes the focus at start";
    type("Ann"); // replaces "Guest": the field opens selected
    key(Qt::Key_Return);
    EXPECT_FALSE(child(*main, objectname::kNamePanel)->isVisible());
    EXPECT_EQ(main->playerNameText(), "Ann");
    EXPECT_EQ(focusName(), "button_start");

    sounds.cues.clear();
    keys("1RB "); // no game yet: a click on these would do nothing
    EXPECT_EQ(state.round, 0);
    EXPECT_TRUE(sounds.cues.isEmpty());

    key(Qt::Key_Return); // START GAME has the focus
    ASSERT_EQ(state.round, 1);
    EXPECT_EQ(focusName(), "dice1") << "a started game takes the keys to the board";

    const struct {
        std::vector<int> faces; // every draw of the round, in order
        const char* presses;
        const char* slot;
    } rounds[] = {
        {{1, 3, 3, 3, 4, 6, 5, 2}, "R1234R5B", "450"}, // roll again, bank
        {{2, 3, 4, 6, 6, 2}, " ", "---"},              // Space rolls; nothing scores
        {{1, 1, 1, 2, 3, 4}, "R6B", "0"},              // die 6 is a 4: worth nothing, banks 0
        {{1, 1, 1, 2, 3, 4}, "R123B", "1000"}, {{1, 1, 1, 2, 3, 4}, "R123B", "1000"},
        {{1, 1, 1, 2, 3, 4}, "R123B", "1000"}, {{1, 1, 1, 2, 3, 4}, "R123B", "1000"},
        {{1, 1, 1, 2, 3, 4}, "R123B", "1000"}, {{1, 1, 1, 2, 3, 4}, "R123B", "1000"},
        {{5, 2, 2, 3, 3, 4}, "R11B", "0"},              // select and put back: banks 0
    };
    int round = 0;
    for (const auto& r : rounds) {
        ++round;
        faces.script.assign(r.faces.begin(), r.faces.end());
        keys(r.presses);
        EXPECT_EQ(child<QLabel>(*main, QStringLiteral("label_rnd%1").arg(round).toLatin1())->text(), r.slot)
            << "round " << round;
        EXPECT_TRUE(faces.script.empty()) << "round " << round << ": a roll was missed";
        main->onPauseElapsed();
    }
    EXPECT_EQ(state.gameTotal, 6450);
    ASSERT_TRUE(child(*main, objectname::kClearedPanel)->isVisible());
    EXPECT_EQ(child<QLabel>(*main, "label_score1")->text(), "Your Score:6450");

    // The end-of-game panel: the name field first and selected, Tab stays inside.
    EXPECT_EQ(focusName(), "edit_name");
    EXPECT_EQ(child<QLineEdit>(*main, "edit_name")->selectedText(), "Ann");
    QStringList order;
    for (int i = 0; i < 4; ++i) {
        key(Qt::Key_Tab);
        order << focusName();
    }
    EXPECT_EQ(order, (QStringList{"button_sendscore", "button_highscores", "button_cancel", "edit_name"}));
    key(Qt::Key_Tab);
    shoot(main.get(), "keys-focus-on-send-score");
    key(Qt::Key_Backtab);

    QSignalSpy sends(child<PictureBox>(*main, "button_sendscore"), &PictureBox::clicked);
    key(Qt::Key_Return); // SEND SCORE
    EXPECT_EQ(sends.count(), 1);
    EXPECT_TRUE(child(*main, objectname::kWaitPanel)->isVisible());
    key(Qt::Key_Return); // the notice covers SEND SCORE now: no second post
    EXPECT_EQ(sends.count(), 1);

    key(Qt::Key_Escape); // CANCEL
    EXPECT_FALSE(child(*main, objectname::kClearedPanel)->isVisible());
    EXPECT_EQ(focusName(), "dice1") << "the focus goes back where the game left it";
    child<QTimer>(*main, PostingWait::kTimerName)->stop();
}

TEST_F(KeyboardTest, NamePanelCancelsKeepsTextAndMenusOpenByAltKeys)
{
    auto main = open();
    type("Zed");
    QStringList order;
    for (int i = 0; i < 3; ++i) {
        key(Qt::Key_Tab);
        order << focusName();
    }
    EXPECT_EQ(order, (QStringList{"button_namedone", "button_namecancel", "edit_aname"}));
    key(Qt::Key_Tab);
    shoot(main.get(), "keys-focus-on-done");
    key(Qt::Key_Backtab);

    key(Qt::Key_F, Qt::AltModifier); // opens File, types nothing
    EXPECT_EQ(child<QLineEdit>(*main, "edit_aname")->text(), "Zed");
    QWidget* popup = QApplication::activePopupWidget();
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(static_cast<QMenu*>(popup)->title(), "&File");
    QTest::keyClick(popup, Qt::Key_Escape);
    waitUntil([] { return QApplication::activePopupWidget() == nullptr; });

    key(Qt::Key_Escape); // out of the menu bar, back to the field
    EXPECT_EQ(focusName(), "edit_aname");
    key(Qt::Key_Escape); // CANCEL
    EXPECT_FALSE(child(*main, objectname::kNamePanel)->isVisible());
    EXPECT_EQ(main->playerNameText(), "Guest");

    // Alt alone and F10 reach the menus too.
    QTest::keyPress(focus(), Qt::Key_Alt, Qt::AltModifier);
    QTest::keyRelease(focus(), Qt::Key_Alt, Qt::NoModifier);
    EXPECT_EQ(focus(), main->menuBar()) << focusName().toStdString();
    key(Qt::Key_Escape);
    key(Qt::Key_F10);
    popup = QApplication::activePopupWidget();
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(static_cast<QMenu*>(popup)->title(), "&File");
    QTest::keyClick(popup, Qt::Key_Escape);
    key(Qt::Key_Escape);

    menuItem(Qt::Key_O, 2); // Options -> Change  Name
    ASSERT_TRUE(child(*main, objectname::kNamePanel)->isVisible());
    EXPECT_EQ(focusName(), "edit_aname");
    key(Qt::Key_Return);
    EXPECT_EQ(main->playerNameText(), "Zed");
}

TEST_F(KeyboardTest, MenusOpenWithTheFirstItemLitAndKeepTheirKeysFromTheBoard)
{
    auto main = open();
    key(Qt::Key_Escape); // the name panel
    QMenuBar* bar = main->menuBar();
    const GameState& state = main->game().state();

    // F10 and Alt+F both open File with "Start Game" lit: one Return starts.
    for (const auto opener : {QKeyCombination(Qt::Key_F10), QKeyCombination(Qt::AltModifier, Qt::Key_F)}) {
        key(opener.key(), opener.keyboardModifiers());
        auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(popup, nullptr);
        ASSERT_NE(popup->activeAction(), nullptr);
        EXPECT_EQ(popup->activeAction()->objectName(), "StartGame1");
        dialogs.defaultAnswer = true; // a game under way may be abandoned
        QTest::keyClick(popup, Qt::Key_Return);
        EXPECT_EQ(state.round, 1);
        waitUntil([] { return QApplication::activePopupWidget() == nullptr; });
    }

    // Left from File lands on the bar's own command; its keys act on it
    // and none of them rolls or picks dice behind the menu.
    auto* multiplayer = main->findChild<QAction*>("Multiplayer1");
    QSignalSpy shows(multiplayer, &QAction::triggered);
    faces.script = {1, 2, 3, 4, 6, 6};
    for (const Qt::Key act : {Qt::Key_Return, Qt::Key_Down, Qt::Key_Space}) {
        key(Qt::Key_F10);
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Left);
        ASSERT_EQ(QApplication::activePopupWidget(), nullptr);
        ASSERT_EQ(bar->activeAction(), multiplayer);
        keys("1R");
        key(act);
        EXPECT_EQ(bar->activeAction(), nullptr);
    }
    EXPECT_EQ(shows.count(), 3);
    EXPECT_EQ(faces.script.size(), 6u) << "a key meant for the menu bar rolled the dice";

    // A title lit by the pointer resting on it takes no key from the board.
    const QPoint over = bar->actionGeometry(multiplayer).center();
    QMouseEvent move(QEvent::MouseMove, over, bar->mapToGlobal(over), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(bar, &move);
    ASSERT_EQ(bar->activeAction(), multiplayer);
    key(Qt::Key_Space);
    EXPECT_TRUE(faces.script.empty()) << "Space did not roll with the pointer on the menu bar";

    // F10 again closes what it opened.
    key(Qt::Key_F10);
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_F10);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_EQ(bar->activeAction(), nullptr);

    // The bar's titles carry underlined letters that never clash.
    QSet<QKeySequence> mnemonics;
    for (QAction* a : bar->actions())
        if (!a->isSeparator())
            mnemonics.insert(QKeySequence::mnemonic(a->text()));
    EXPECT_EQ(mnemonics.size(), 5);
    EXPECT_FALSE(mnemonics.contains(QKeySequence()));
}

TEST_F(KeyboardTest, UpdateOfferOverTheNamePanelTakesNoReturnMeantForTheName)
{
    // The offer can appear while a name is typed; a Return meant for the
    // name must not start an installer.
    auto main = open();
    main->setProgramFile(file("pelbixsolo")); // should the test fail, it moves no real file
    main->setProcessEnd([](int) {});
    type("Bo");
    main->judgeVersionAnswer(nullptr, "9.9.9");
    ASSERT_TRUE(child(*main, objectname::kUpdatePanel)->isVisible());
    EXPECT_EQ(focusName(), "button_updatecancel");
    EXPECT_FALSE(child<PictureBox>(*main, "button_namedone")->reachable()) << "the offer lies over the name panel";
    key(Qt::Key_Return);
    EXPECT_FALSE(child(*main, objectname::kUpdatePanel)->isVisible());
    EXPECT_FALSE(child(*main, "button_updateyes")->isHidden()) << "the update started";
    EXPECT_EQ(focusName(), "edit_aname");
    key(Qt::Key_Return);
    EXPECT_EQ(main->playerNameText(), "Bo");
}

TEST_F(KeyboardTest, StartingOverAsksFirstAndNoKeepsTheGame)
{
    // One Return on START GAME, or Ctrl+S, threw away a game in progress.
    ProgramWindows w(programFolder(), seams());
    w.main.show();
    w.main.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w.main));
    w.tally.increment(1);
    w.tally.addTo(2, 6100); // one earlier game of 6100
    key(Qt::Key_Return);    // accept the name
    key(Qt::Key_N, Qt::ControlModifier);
    ASSERT_EQ(w.main.game().state().round, 1);
    EXPECT_TRUE(dialogs.shown.isEmpty()) << "nothing to abandon yet";
    EXPECT_EQ(TallyFile::load(tallyFile().toStdString()).table.statistic(1), "2")
        << "a started game is counted on disk at once, so a crash cannot lose the count";
    faces.script = {1, 3, 3, 3, 4, 6};
    key(Qt::Key_R);

    const std::function<void()> ways[] = {
        [&] { QTest::mouseClick(child(w.main, "button_start"), Qt::LeftButton); },
        [&] { key(Qt::Key_S, Qt::ControlModifier); },
        [&] { key(Qt::Key_N, Qt::ControlModifier); },
        [&] {
            child(w.main, "button_start")->setFocus();
            key(Qt::Key_Return);
        },
    };
    int way = 0;
    for (const auto& startOver : ways) {
        dialogs.shown.clear();
        startOver();
        ASSERT_EQ(dialogs.shown.size(), 1) << "way " << way;
        EXPECT_EQ(dialogs.shown[0].kind, RecordingDialogService::Kind::RiskyQuestion) << "No is the default";
        EXPECT_EQ(dialogs.shown[0].text, "Abandon the game in progress?");
        EXPECT_FALSE(w.main.game().state().firstRoll) << "the rolled dice stay, way " << way;
        ++way;
    }
    dialogs.answers = {true};
    key(Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(w.main.game().state().firstRoll);
    // The abandoned game counts as a game of 0: 6100 over two games.
    EXPECT_EQ(w.tallylist.findChild<QLabel*>("mylabel_2")->text(), "6100");
    EXPECT_EQ(w.tallylist.findChild<QLabel*>("mylabel_4")->text(), "3050");

    key(Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(w.main.isVisible()) << "Ctrl+Q exits";
}

TEST_F(KeyboardTest, TallyResetAndWindowsByKeysOnly)
{
    ProgramWindows w(programFolder(), seams());
    w.main.show();
    w.main.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w.main));
    key(Qt::Key_Return); // accept the name
    key(Qt::Key_S, Qt::ControlModifier);
    ASSERT_EQ(w.tallylist.findChild<QLabel*>("mylabel_1")->text(), "1");

    menuItem(Qt::Key_V, 0); // View -> Tally List
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w.tallylist));
    EXPECT_EQ(focusName(), "button_done") << "two Returns must not reach RESET TALLY";
    key(Qt::Key_Backtab);
    EXPECT_EQ(focusName(), "button_resettally");
    dialogs.defaultAnswer = true;
    key(Qt::Key_Space);
    EXPECT_EQ(w.tallylist.findChild<QLabel*>("mylabel_1")->text(), "0");
    QApplication::processEvents(); // names follow once the key is handled
    EXPECT_EQ(name(w.tallylist.findChild<QLabel*>("mylabel_1")), "Total Games: 0");
    key(Qt::Key_Escape); // as Done
    EXPECT_FALSE(w.tallylist.isVisible());

    // Help -> Keyboard Shortcuts, the last item, lists the board's keys and
    // the menu's own shortcuts.
    QMenu* help = w.main.findChild<QMenu*>("Help1");
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->actions().last()->text(), "&Keyboard Shortcuts");
    w.main.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w.main));
    menuItem(Qt::Key_H, 2); // Help, About, Keyboard Shortcuts (the separator is skipped)
    QWidget* shortcuts = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->objectName() == "shortcuts" && top->isVisible())
            shortcuts = top;
    ASSERT_NE(shortcuts, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(shortcuts));
    QStringList listed, order;
    auto* table = shortcuts->findChild<QAbstractItemView*>("table_keys");
    ASSERT_NE(table, nullptr);
    for (int row = 0; row < table->model()->rowCount(); ++row)
        listed << table->model()->index(row, 0).data().toString();
    shoot(shortcuts, "keys-shortcuts-window");
    for (const char* k : {"1 to 6", "R or Space", "B", "Ctrl+S, Ctrl+N", "Ctrl+Q", "F1", "Escape", "H"})
        EXPECT_TRUE(listed.contains(QString::fromLatin1(k))) << k;
    key(Qt::Key_Escape);
    EXPECT_FALSE(shortcuts->isVisible());

    // The page in front is a Tab stop with a caret the arrows move (a
    // screen reader reads the line it lands on), scrolling as it goes.
    w.help.showCentredOn(&w.main);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w.help));
    w.help.resize(HelpWindow::kClientSize.width(), 200); // short enough for the page to scroll
    const auto tabTo = [&order](const QString& wanted) {
        while (focusName() != wanted && order.size() < 40) {
            key(Qt::Key_Tab);
            order << focusName();
        }
        return focusName() == wanted;
    };
    ASSERT_TRUE(tabTo("SelButton6")) << order.join(' ').toStdString();
    key(Qt::Key_Space); // License
    ASSERT_TRUE(tabTo("memo6")) << order.join(' ').toStdString();
    auto* page = w.help.findChild<QTextEdit*>("memo6");
    EXPECT_EQ(name(page), "License");
    const int line = page->textCursor().blockNumber();
    key(Qt::Key_Down);
    EXPECT_EQ(page->textCursor().blockNumber(), line + 1);
    ASSERT_GT(page->verticalScrollBar()->maximum(), 0);
    const auto caretShown = [page] { return page->viewport()->rect().contains(page->cursorRect()); };
    key(Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(page->textCursor().blockNumber(), page->document()->blockCount() - 1);
    EXPECT_TRUE(caretShown());
    key(Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(page->textCursor().blockNumber(), 0);
    EXPECT_TRUE(caretShown());
    // The hidden pages are no Tab stops.
    order.clear();
    EXPECT_FALSE(tabTo("memo1")) << order.join(' ').toStdString();
}

} // namespace
