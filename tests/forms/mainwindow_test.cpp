// SPDX-License-Identifier: MIT
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QTimer>

#include <fstream>
#include <sstream>

#include "forms/board/mainwindow.h"
#include "widgets/picturebox.h"
#include "formsfixture.h"
#include "forms/art/objectnames.h"

namespace {

class MainFormTest : public FormsFixture {
protected:
    std::unique_ptr<MainWindow> open(std::optional<std::string> updateKey = std::nullopt)
    {
        auto main = std::make_unique<MainWindow>(programFolder(), seams(updateKey));
        main->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(main.get()));
        return main;
    }
    template <class T = QWidget>
    static T* child(MainWindow& main, const char* name)
    {
        auto* w = main.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    static QString text(MainWindow& main, const char* name) { return child<QLabel>(main, name)->text(); }
    static QPoint pos(MainWindow& main, const char* name) { return child(main, name)->pos(); }
    static bool visible(MainWindow& main, const char* name) { return child(main, name)->isVisible(); }
    // The outer size a request comes to once the board's minimum client area holds.
    static QSize possible(MainWindow& main, QSize wanted)
    {
        const QSize frame = main.frameGeometry().size() - main.size();
        return wanted.expandedTo(main.minimumSize() + frame);
    }
    void writeSettings(const std::string& body)
    {
        std::ofstream(file("pelbixsolo.ini").toStdString(), std::ios::binary) << body;
    }
    std::string readSettings()
    {
        std::ifstream in(file("pelbixsolo.ini").toStdString(), std::ios::binary);
        std::stringstream ss;
        ss << in.rdbuf();
        return ss.str();
    }
    void selectFaces(MainWindow& main, std::vector<int> wanted)
    {
        for (int face : wanted)
            for (int i = 1; i <= 6; ++i) {
                const Die& d = main.game().state().die(i);
                if (d.value == face && d.status == DieStatus::InPlay) {
                    click(child(main, ("dice" + std::to_string(i)).c_str()));
                    break;
                }
            }
    }
};

TEST_F(MainFormTest, StartsWithNamePanelAndNothingClickable)
{
    auto main = open();
    EXPECT_EQ(main->windowTitle(), "Pelbix Solo");
    EXPECT_TRUE(visible(*main, objectname::kNamePanel));
    EXPECT_EQ(child<QLineEdit>(*main, "edit_aname")->text(), "Guest");
    EXPECT_EQ(text(*main, "label_name"), "Welcome to Pelbix Solo by Dravik Software!");
    EXPECT_EQ(pos(*main, "dice1"), QPoint(239, 138));
    EXPECT_EQ(pos(*main, "dice6"), QPoint(631, 138));
    EXPECT_FALSE(visible(*main, "image_roll"));
    EXPECT_FALSE(visible(*main, "image_turn"));
    EXPECT_EQ(sounds.cues, QStringList{"entered"});
    shoot(main.get(), "01-start");

    click(child(*main, "dice1"));
    click(child(*main, "label_rnd1"));
    EXPECT_EQ(sounds.cues, QStringList{"entered"}) << "the board reacted before a game";
}

TEST_F(MainFormTest, PlaysARoundThroughTheWidgets)
{
    auto main = open();
    click(child(*main, "button_start"));
    EXPECT_FALSE(visible(*main, objectname::kNamePanel));
    EXPECT_EQ(text(*main, "label_name"), "Good Luck Guest");
    EXPECT_EQ(pos(*main, "image_turn"), QPoint(63, 53));
    EXPECT_EQ(pos(*main, "dice2"), QPoint(366, 210));
    EXPECT_EQ(text(*main, "label_rnd1"), "0");
    EXPECT_TRUE(visible(*main, "image_roll"));
    shoot(main.get(), "02-round-ready");

    faces.script = {1, 3, 3, 3, 4, 6};
    sounds.cues.clear();
    click(child(*main, "image_roll"));
    EXPECT_EQ(sounds.cues, QStringList(6, "dice"));
    for (int i = 1; i <= 6; ++i)
        EXPECT_EQ(pos(*main, ("dice" + std::to_string(i)).c_str()), QPoint(160 + 79 * i, 138));

    click(child(*main, "dice1"));
    EXPECT_EQ(pos(*main, "dice1"), QPoint(239, 66));
    EXPECT_EQ(text(*main, "label_rnd1"), "100");
    selectFaces(*main, {3, 3, 3});
    EXPECT_EQ(text(*main, "label_score"), "400");
    shoot(main.get(), "03-rolled-selected");

    faces.script = {5, 2};
    click(child(*main, "image_roll"));
    selectFaces(*main, {5});
    EXPECT_EQ(text(*main, "label_rnd1"), "450");

    click(child(*main, "label_rnd2")); // another round's slot: nothing
    EXPECT_TRUE(main->game().state().canPlay);

    click(child(*main, "image_turn"), {20, 11}); // left of the slot text, on the marker
    EXPECT_TRUE(visible(*main, "image_scorerecorded"));
    EXPECT_EQ(text(*main, "label_scorerecorded"), "+450");
    EXPECT_FALSE(visible(*main, "image_roll"));
    EXPECT_EQ(sounds.cues.last(), "turnovergood");
    shoot(main.get(), "04-pause-banked");

    QTimer* timer2 = main->findChild<QTimer*>(objectname::kPauseTimer);
    ASSERT_NE(timer2, nullptr);
    EXPECT_TRUE(timer2->isActive());
    EXPECT_EQ(timer2->interval(), 2000);
    main->onPauseElapsed();
    EXPECT_EQ(pos(*main, "image_turn"), QPoint(63, 79));
    EXPECT_EQ(text(*main, "label_rnd2"), "0");
}

TEST_F(MainFormTest, LostFirstRollCuesDiceSixTimesThenBelbix)
{
    auto main = open();
    click(child(*main, "button_start"));
    faces.script = {2, 3, 4, 6, 6, 2};
    sounds.cues.clear();
    click(child(*main, "image_roll"));
    QStringList expected(6, "dice");
    expected << "belbix";
    EXPECT_EQ(sounds.cues, expected);
    EXPECT_TRUE(visible(*main, "image_noscore"));
    EXPECT_EQ(text(*main, "label_rnd1"), "---");
    shoot(main.get(), "05-pause-lost");
}

TEST_F(MainFormTest, RefusedBankShowsNotOnBoard)
{
    auto main = open();
    click(child(*main, "button_start"));
    faces.script = {5, 2, 3, 4, 6, 6};
    click(child(*main, "image_roll"));
    selectFaces(*main, {5});
    click(child(*main, "label_rnd1"));
    EXPECT_TRUE(visible(*main, "image_notboard"));
    EXPECT_TRUE(visible(*main, "image_roll"));
    EXPECT_EQ(sounds.cues.last(), "notonboard");
    shoot(main.get(), "06-refused-bank");
}

TEST_F(MainFormTest, RollingAgainWithNothingSelectedShowsTheMessage)
{
    auto main = open();
    click(child(*main, "button_start"));
    faces.script = {5, 2, 3, 4, 6, 6};
    click(child(*main, "image_roll"));
    click(child(*main, "image_roll"));
    ASSERT_EQ(dialogs.shown.size(), 1);
    EXPECT_EQ(dialogs.shown[0].text, "You must select dice before rolling again.");
    EXPECT_EQ(sounds.cues.last(), "invalid");
}

TEST_F(MainFormTest, GameOverShowsTheClearedPanel)
{
    auto main = open();
    click(child(*main, "button_start"));
    for (int round = 1; round <= 10; ++round) {
        faces.script = {1, 1, 1, 2, 3, 4};
        click(child(*main, "image_roll"));
        selectFaces(*main, {1, 1, 1});
        click(child(*main, "image_turn"), {20, 11});
        main->onPauseElapsed();
    }
    EXPECT_TRUE(visible(*main, objectname::kClearedPanel));
    EXPECT_TRUE(visible(*main, "button_sendscore"));
    EXPECT_FALSE(visible(*main, "image_turn"));
    EXPECT_EQ(text(*main, "label_score1"), "Your Score:10000");
    EXPECT_EQ(sounds.cues.last(), "gameover");
    shoot(main.get(), "07-game-over");

    main->findChild<QAction*>("StartGame1")->trigger();
    EXPECT_FALSE(visible(*main, objectname::kClearedPanel));
    EXPECT_EQ(main->game().state().round, 1);
}

TEST_F(MainFormTest, SoundsOffPlaysNothingNotEvenEntered)
{
    writeSettings("[pelbixsolo]\r\nSounds=no\r\n");
    auto main = open();
    click(child(*main, "button_start"));
    faces.script = {2, 3, 4, 6, 6, 2};
    click(child(*main, "image_roll"));
    EXPECT_TRUE(sounds.cues.isEmpty()) << sounds.cues.join(",").toStdString();
    EXPECT_FALSE(main->m_playSounds->isChecked());
}

TEST_F(MainFormTest, NoSettingsFileGivesTheDefaults)
{
    auto main = open();
    EXPECT_EQ(main->outerBounds(), QRect(QPoint(3, 3), possible(*main, {774, 520})));
    EXPECT_TRUE(main->m_playSounds->isChecked());
    EXPECT_TRUE(main->m_updateCheck->isChecked());
    EXPECT_EQ(main->playerNameText(), "Guest");
}

TEST_F(MainFormTest, ReadsTheSettingsByTheRules)
{
    writeSettings("[PelbixSolo]\r\nTop=0x10\r\nLeft=40\r\nWidth=abc\r\nHeight=600\r\nName=Bartholomew The Bold\r\n"
                  "Sounds=No\r\nUpdate=FALSE\r\n");
    auto main = open();
    EXPECT_EQ(main->outerBounds(), QRect(QPoint(40, 16), possible(*main, {774, 600})));
    EXPECT_TRUE(main->m_playSounds->isChecked());
    EXPECT_TRUE(main->m_updateCheck->isChecked());
    EXPECT_EQ(main->playerNameText(), "Bartholomew The Bold") << "a long name stays whole";
}

TEST_F(MainFormTest, ClosingUnmovedWritesTheSameNumbersBack)
{
    writeSettings("; mine\r\n[other]\r\nx=1\r\n[pelbixsolo]\r\nTop=20\r\nLeft=30\r\nWidth=820\r\nHeight=560\r\n"
                  "Extra=kept\r\n");
    {
        auto main = open();
        main->close();
    }
    const std::string expected = "; mine\r\n[other]\r\nx=1\r\n[pelbixsolo]\r\nTop=20\r\nLeft=30\r\nWidth=820\r\n"
                                 "Height=560\r\nExtra=kept\r\nName=Guest\r\nSounds=yes\r\nUpdate=true\r\n";
    EXPECT_EQ(readSettings(), expected);
}

TEST_F(MainFormTest, FirstSaveListsTheKeysInOrder)
{
    auto main = open();
    main->m_playSounds->trigger();
    const std::string ini = readSettings();
    std::size_t at = 0;
    for (const char* key : {"[pelbixsolo]", "Top=", "Left=", "Width=", "Height=", "Name=Guest", "Sounds=no",
                            "Update=true"}) {
        const std::size_t found = ini.find(key, at);
        ASSERT_NE(found, std::string::npos) << key << " in " << ini;
        at = found;
    }
}

TEST_F(MainFormTest, ClosingAWindowWiderThanTheWorkAreaTakesThreePixels)
{
    auto main = open();
    const QRect work = main->screen()->availableGeometry();
    main->setOuterBounds(0, 0, work.width() + 10, 600);
    main->close();
    const std::string ini = readSettings();
    EXPECT_NE(ini.find("Width=" + std::to_string(work.width() + 7) + "\r\n"), std::string::npos) << ini;
    EXPECT_NE(ini.find("Height=600\r\n"), std::string::npos) << ini;
}

TEST_F(MainFormTest, APlaceOffEveryScreenOpensAtTheResetPlace)
{
    // A saved place far off every screen used to open the window out of reach.
    writeSettings("[pelbixsolo]\r\nTop=-5000\r\nLeft=9000\r\n");
    {
        auto main = open();
        EXPECT_EQ(main->outerBounds(), QRect(QPoint(3, 3), possible(*main, {774, 520})));
        main->close();
    }
    EXPECT_NE(readSettings().find("Top=3\r\nLeft=3\r\n"), std::string::npos) << readSettings();
}

TEST_F(MainFormTest, ResetScreenLocationAndMinimumSize)
{
    auto main = open();
    main->setOuterBounds(40, 30, 800, 560);
    main->findChild<QAction*>("ResetScreenLocation1")->trigger();
    EXPECT_EQ(main->outerBounds(), QRect(QPoint(3, 3), possible(*main, {774, 520})));
    main->resize(300, 200);
    EXPECT_GE(main->centralWidget()->width(), 771);
    EXPECT_GE(main->centralWidget()->height(), 477);
}

TEST_F(MainFormTest, PlaySoundsAndUpdateCheckToggleAndSave)
{
    auto main = open(std::string(64, '0')); // the update item is enabled only with a key
    main->m_playSounds->trigger();
    EXPECT_FALSE(main->m_playSounds->isChecked());
    EXPECT_NE(readSettings().find("Sounds=no"), std::string::npos);
    main->m_updateCheck->trigger();
    EXPECT_FALSE(main->m_updateCheck->isChecked());
    EXPECT_NE(readSettings().find("Update=false"), std::string::npos);
}

TEST_F(MainFormTest, NamePanelAcceptCancelAndReopen)
{
    auto main = open();
    auto* aname = child<QLineEdit>(*main, "edit_aname");
    aname->setFocus();
    aname->selectAll();
    QTest::keyClicks(aname, "Zoe");
    click(child(*main, "button_namecancel"));
    EXPECT_EQ(main->playerNameText(), "Guest");
    main->findChild<QAction*>("ChangeName1")->trigger();
    EXPECT_TRUE(visible(*main, objectname::kNamePanel));
    EXPECT_EQ(aname->text(), "Zoe") << "reopening shows the typed text";
    QTest::keyClicks(aname, "ABCDEFGHIJKL");
    EXPECT_EQ(aname->text().size(), 10) << "typing stops at ten characters";
    click(child(*main, "button_namedone"));
    EXPECT_EQ(main->playerNameText(), aname->text());
    EXPECT_FALSE(visible(*main, objectname::kNamePanel));
}

TEST_F(MainFormTest, StartingAGameWithTheNamePanelOpenKeepsTheOldName)
{
    auto main = open();
    QTest::keyClicks(child<QLineEdit>(*main, "edit_aname"), "X");
    click(child(*main, "button_start"));
    EXPECT_FALSE(visible(*main, objectname::kNamePanel));
    EXPECT_EQ(main->playerNameText(), "Guest");
}

TEST_F(MainFormTest, UnwritableSettingsFileIsReportedAndClosingStillEnds)
{
    auto main = open();
    QDir(folder.path()).mkdir("pelbixsolo.ini"); // a folder where the file should be
    main->close();
    ASSERT_EQ(dialogs.shown.size(), 1);
    EXPECT_TRUE(dialogs.shown[0].text.contains("pelbixsolo.ini")) << dialogs.shown[0].text.toStdString();
    EXPECT_FALSE(main->isVisible());
}

} // namespace
