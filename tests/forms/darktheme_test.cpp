// SPDX-License-Identifier: MIT
#include <QLabel>
#include <QLineEdit>
#include <QPalette>

#include <cstdlib>

#include "widgets/storedcolor.h"
#include "forms/board/mainwindow.h"
#include "forms/windows/tallylistwindow.h"
#include "forms/windows/tallymodel.h"
#include "formsfixture.h"
#include "forms/art/objectnames.h"

namespace {

// A dark desktop theme made the score card's numbers white on its cream
// fields. Texts whose background the game fixes keep the game's colours.
class DarkThemeTest : public FormsFixture {
protected:
    DarkThemeTest() : m_saved(QApplication::palette())
    {
        QPalette dark;
        for (const auto role : {QPalette::Window, QPalette::Base, QPalette::Button, QPalette::AlternateBase})
            dark.setColor(role, QColor(30, 30, 34));
        for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::BrightText})
            dark.setColor(role, Qt::white);
        QApplication::setPalette(dark);
    }
    ~DarkThemeTest() override { QApplication::setPalette(m_saved); }

    struct Expected {
        const char* name;
        QColor colour;
    };

    // Every text must show pixels of its own colour over its own place.
    static void expectColours(QWidget* window, std::initializer_list<Expected> texts)
    {
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
        const QImage shot = window->grab().toImage();
        for (const Expected& e : texts) {
            const auto* part = window->findChild<QWidget*>(QString::fromLatin1(e.name));
            ASSERT_NE(part, nullptr) << e.name;
            // Inside any frame, so only the text can give the colour.
            const QRect area = QRect(part->mapTo(window, QPoint()), part->size()).adjusted(3, 3, -3, -3);
            int near = 0;
            for (int y = area.top(); y <= area.bottom(); ++y)
                for (int x = area.left(); x <= area.right(); ++x) {
                    const QColor c = shot.pixelColor(x, y);
                    near += std::abs(c.red() - e.colour.red()) < 40 && std::abs(c.green() - e.colour.green()) < 40 &&
                            std::abs(c.blue() - e.colour.blue()) < 40;
                }
            EXPECT_GE(near, 8) << e.name;
        }
    }

    QPalette m_saved;
};

TEST_F(DarkThemeTest, BoardTextsKeepTheGamesColours)
{
    MainWindow main(programFolder(), seams());
    main.findChild<QLabel*>("label_rnd1")->setText("8888");
    main.findChild<QWidget*>(objectname::kNamePanel)->hide();
    main.findChild<QWidget*>(objectname::kClearedPanel)->show();
    main.findChild<QWidget*>(objectname::kWaitPanel)->show();
    // The panel opens with the name selected, drawn in the selection's colours.
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
    main.findChild<QLineEdit*>("edit_name")->deselect();
    expectColours(&main, {{"label_rnd1", Qt::black},
                          {"label_score", qcolor(colours::kKhaki)},
                          {"label_name", Qt::black},
                          {"edit_name", Qt::black},
                          {objectname::kWaitPanel, Qt::black}});
}

TEST_F(DarkThemeTest, TallyListTextsKeepTheGamesColours)
{
    TallyModel model(tallyFile());
    TallyListWindow tally(model, dialogs);
    expectColours(&tally, {{"label_myname", qcolor(colours::kKhaki)}, {"caption_1", Qt::black}});
}

} // namespace
