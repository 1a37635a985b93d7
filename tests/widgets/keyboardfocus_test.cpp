// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

#include <functional>

#include "widgets/flatpanel.h"
#include "widgets/screen.h"
#include "widgets/selectbutton.h"

namespace {

constexpr StoredColor kHost = rgbColor(0x10, 0x20, 0x30);
constexpr StoredColor kFace = rgbColor(0xF0, 0xF0, 0xF0);
constexpr StoredColor kMark = rgbColor(0x00, 0x00, 0x80);
// Along the ring's top band, clear of a short caption.
constexpr int kRingLeft = 60;
constexpr int kRingRight = 90;

using screen::rgb;

// A window with two select buttons inside a panel and one outside it.
class KeyboardFocusTest : public testing::Test {
protected:
    void SetUp() override
    {
        screen::fillWith(host, kHost);
        host.resize(300, 120);
        panel = new FlatPanel(&host, QStringLiteral("panel"));
        panel->setGeometry(0, 0, 200, 60);
        panel->setColor(kHost);
        first = place(panel, "first", 10);
        second = place(panel, "second", 35);
        outside = place(&host, "outside", 80);
        host.show();
        host.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&host));
    }

    SelectButton* place(QWidget* parent, const char* name, int top)
    {
        auto* b = new SelectButton(parent, QString::fromLatin1(name));
        b->setGeometry(10, top, 95, 20);
        b->setColor(kFace);
        b->setColorBorder(kMark);
        b->setCaption(QStringLiteral("Go"));
        return b;
    }

    // A solid run of the ring's colour (black on the light face) across
    // one of the top rows.
    static bool marked(SelectButton* b)
    {
        const QImage image = screen::pixels(b);
        for (int y = 0; y < 6; ++y) {
            bool solid = true;
            for (int x = kRingLeft; x <= kRingRight; ++x)
                solid = solid && image.pixel(x, y) == qRgb(0, 0, 0);
            if (solid)
                return true;
        }
        return false;
    }

    QWidget host;
    FlatPanel* panel = nullptr;
    SelectButton* first = nullptr;
    SelectButton* second = nullptr;
    SelectButton* outside = nullptr;
};

TEST_F(KeyboardFocusTest, MarkShowsOnlyForKeyboardFocus)
{
    // A mouse click leaves focus alone; the mark is the keyboard's alone.
    outside->setFocus(Qt::OtherFocusReason);
    screen::press(first, {20, 10});
    screen::release(first, {20, 10});
    EXPECT_FALSE(first->hasFocus());

    first->setFocus(Qt::MouseFocusReason);
    QApplication::processEvents();
    EXPECT_FALSE(marked(first));

    first->setFocus(Qt::TabFocusReason);
    second->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    EXPECT_TRUE(marked(second));
    EXPECT_FALSE(marked(first)) << "the mark left with the focus";
}

TEST_F(KeyboardFocusTest, KeysThatPressAFocusedButton)
{
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int clicks;
    } cases[] = {
        {Qt::Key_Space, Qt::NoModifier, 1},     {Qt::Key_Return, Qt::NoModifier, 1},
        {Qt::Key_Enter, Qt::KeypadModifier, 1}, {Qt::Key_Return, Qt::ShiftModifier, 0},
        {Qt::Key_A, Qt::NoModifier, 0},         {Qt::Key_Escape, Qt::NoModifier, 0},
    };
    first->setFocus(Qt::TabFocusReason);
    for (const auto& c : cases) {
        QSignalSpy spy(first, &SelectButton::clicked);
        QTest::keyClick(first, c.key, c.modifiers);
        EXPECT_EQ(spy.count(), c.clicks) << QKeySequence(c.key | c.modifiers).toString().toStdString();
    }
    first->setEnabled(false); // the button's own flag: no click, as with the mouse
    QSignalSpy spy(first, &SelectButton::clicked);
    QTest::keyClick(first, Qt::Key_Space);
    EXPECT_EQ(spy.count(), 0);
}

TEST_F(KeyboardFocusTest, PanelThatKeepsFocusCyclesTabAmongItsControls)
{
    const auto tabs = [&](Qt::Key key, int times) {
        QStringList seen;
        for (int i = 0; i < times; ++i) {
            QTest::keyClick(QApplication::focusWidget(), key);
            seen << QApplication::focusWidget()->objectName();
        }
        return seen;
    };
    first->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(tabs(Qt::Key_Tab, 2), (QStringList{"second", "outside"})) << "a plain panel lets Tab out";

    panel->setKeepsFocus(true);
    first->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(tabs(Qt::Key_Tab, 3), (QStringList{"second", "first", "second"}));
    EXPECT_EQ(tabs(Qt::Key_Backtab, 2), (QStringList{"first", "second"}));

    second->hide(); // only shown controls count
    first->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(tabs(Qt::Key_Tab, 1), QStringList{"first"});
}

TEST_F(KeyboardFocusTest, FocusablePanelShowsASolidRingThatStandsOutFromIt)
{
    panel->setColorHighLight(kMark);
    panel->setFocusPolicy(Qt::TabFocus);
    panel->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    const QImage image = screen::pixels(panel);
    for (const int y : {2, 3}) { // two pixels wide, on the dark panel in white
        int marks = 0;
        for (int x = 120; x < 190; ++x)
            marks += image.pixel(x, y) == qRgb(0xFF, 0xFF, 0xFF);
        EXPECT_EQ(marks, 70) << "row " << y;
    }
}

TEST_F(KeyboardFocusTest, ScreenReaderSeesButtonsAndPanelsByCaption)
{
    panel->setCaption(QStringLiteral("Pick one"));
    QAccessibleInterface* button = QAccessible::queryAccessibleInterface(first);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->role(), QAccessible::Button);
    EXPECT_EQ(button->text(QAccessible::Name), "Go");
    EXPECT_TRUE(button->state().focusable);

    QSignalSpy spy(first, &SelectButton::clicked);
    ASSERT_NE(button->actionInterface(), nullptr);
    button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(spy.count(), 1);
    first->setEnabled(false);
    EXPECT_TRUE(button->state().disabled);

    QAccessibleInterface* group = QAccessible::queryAccessibleInterface(panel);
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->role(), QAccessible::Grouping);
    EXPECT_EQ(group->text(QAccessible::Name), "Pick one");
}

} // namespace

namespace {

TEST_F(KeyboardFocusTest, FocusNeverRestsOnAControlNobodyCanSee)
{
    const std::function<void()> hide[] = {
        [&] { second->resize(0, 0); },
        [&] { second->move(500, 10); }, // wholly outside its panel
    };
    for (const auto& makeUnseen : hide) {
        second->setGeometry(10, 35, 95, 20);
        makeUnseen();
        first->setFocus(Qt::TabFocusReason);
        QTest::keyClick(first, Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), outside);
        QTest::keyClick(outside, Qt::Key_Backtab);
        EXPECT_EQ(QApplication::focusWidget(), first);
    }
    // With nothing left to see, Tab ends somewhere instead of passing the
    // focus round for ever.
    for (SelectButton* b : {first, second, outside})
        b->resize(0, 0);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_NE(QApplication::focusWidget(), nullptr);
}

} // namespace
