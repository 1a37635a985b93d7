// SPDX-License-Identifier: MIT
#include <QAction>
#include <QFile>
#include <QLabel>
#include <QPointer>

#include <algorithm>
#include <utility>
#include <vector>

#include "forms/art/artwork.h"
#include "formsfixture.h"
#include "widgets/picturebox.h"
#include "widgets/colours.h"
#include "widgets/focusmark.h"
#include "widgets/lookswitch.h"
#include "widgets/selectbutton.h"
#include "widgets/storedcolor.h"

namespace {

using colours::Look;

Rgb at(const QImage& image, QPoint p) { return rgbOf(image.pixelColor(p)); }

// Both looks for every window: the focus ring must stand out from what lies
// beside it, and in High Contrast every text must stand out from its ground.
class LookTest : public FormsFixture, public testing::WithParamInterface<Look> {
protected:
    // After the windows exist: the main window puts them in the look its
    // settings ask for.
    void TearDown() override { applyLook(Look::Olive); }

    [[nodiscard]] double needed() const { return GetParam() == Look::HighContrast ? 4.5 : 3.0; }

    // The share of the ring's pixels whose colour with the focus stands at
    // least `needed` apart from the same pixel without it, the way a change
    // of focus is judged: what the ring covers is what it must stand out from.
    static double ringShare(QWidget* control, double needed)
    {
        QWidget* window = control->window();
        const QImage focused = window->grab().toImage();
        control->clearFocus();
        const QImage unfocused = window->grab().toImage();
        const QRect edge = FocusMark::outerEdge(QRect(control->mapTo(window, QPoint()), control->size()));
        const QRect inner = edge.adjusted(FocusMark::kWidth, FocusMark::kWidth, -FocusMark::kWidth, -FocusMark::kWidth);
        int ring = 0;
        int apart = 0;
        for (int y = edge.top(); y <= edge.bottom(); ++y)
            for (int x = edge.left(); x <= edge.right(); ++x)
                if (!inner.contains(x, y)) {
                    ++ring;
                    apart += colours::contrast(at(focused, {x, y}), at(unfocused, {x, y})) >= needed;
                }
        return ring == 0 ? 0.0 : double(apart) / ring;
    }

    static void open(QWidget* window)
    {
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    }
};

TEST_P(LookTest, FocusRingShowsFromTheFirstControlAndStandsOutEverywhere)
{
    ProgramWindows w(programFolder(), seams());
    applyLook(GetParam());
    w.main.findChild<QAction*>(QStringLiteral("KeyboardShortcuts1"))->trigger();
    QWidget* shortcuts = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
        shortcuts = top->objectName() == QLatin1String("shortcuts") ? top : shortcuts;
    ASSERT_NE(shortcuts, nullptr);
    const struct {
        QWidget* window;
        std::vector<const char*> controls;
    } cases[] = {
        {&w.help, {"SelButton1", "button_done", "panel_main"}},
        {&w.tallylist, {"button_resettally", "button_done"}},
        {&w.about, {"button_done", "Label7"}},
        {&w.multiplayer, {"button_done", "Label6", "Label1"}},
        {&w.main, {"button_start", "dice1", "label_rnd1"}},
        {&w.highscore, {}},
        {shortcuts, {}},
    };
    for (const auto& c : cases) {
        open(c.window);
        // The window's own first focus, before any key is pressed.
        QWidget* first = QApplication::focusWidget();
        ASSERT_NE(first, nullptr) << c.window->objectName().toStdString();
        // A link's ring crosses its own tall letters, a die's its rounded
        // corners over the board; the rest must stand out.
        constexpr double kShare = 0.75;
        EXPECT_GE(ringShare(first, needed()), kShare) << c.window->objectName().toStdString() << " first focus";
        for (const char* name : c.controls) {
            auto* control = c.window->findChild<QWidget*>(QString::fromLatin1(name));
            ASSERT_NE(control, nullptr) << name;
            control->setFocus(Qt::OtherFocusReason);
            ASSERT_TRUE(control->hasFocus()) << name;
            EXPECT_GE(ringShare(control, needed()), kShare) << c.window->objectName().toStdString() << " " << name;
        }
        // For the pictures below, the last control with its ring.
        if (!c.controls.empty())
            c.window->findChild<QWidget*>(QString::fromLatin1(c.controls.back()))->setFocus(Qt::OtherFocusReason);
        else
            first->setFocus(Qt::OtherFocusReason);
        FormsFixture::shoot(c.window, QStringLiteral("look%1-%2").arg(int(GetParam())).arg(c.window->objectName()));
        c.window->hide();
    }
}

INSTANTIATE_TEST_SUITE_P(BothLooks, LookTest, testing::Values(Look::Olive, Look::HighContrast));

// In High Contrast every text against what lies under it, measured on
// painted pixels: the window with the text and without it, the strongest
// difference being the text's colour against its ground. A game is under
// way, so the round's slot lies on the yellow turn marker.
TEST_F(FormsFixture, HighContrastTextsReadAtSevenToOneOnTheScoreCardAndFourAndAHalfElsewhere)
{
    ProgramWindows w(programFolder(), seams());
    applyLook(Look::HighContrast);
    w.main.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w.main));
    click(widget(w, "button_start"));
    faces.script = {1, 5, 2, 3, 4, 6};
    click(widget(w, "image_roll"));
    click(widget(w, "dice1"));
    const struct {
        QWidget* window;
        const char* text;
        double needed;
    } cases[] = {
        {&w.main, "label_rnd1", 7},         {&w.main, "label_rnd2", 7},         {&w.main, "label_score", 7},
        {&w.tallylist, "label_myname", 4.5}, {&w.tallylist, "caption_1", 4.5}, {&w.about, "Label1", 4.5},
        {&w.multiplayer, "Label6", 4.5},    {&w.help, "SelButton1", 4.5},      {&w.about, "button_done", 4.5},
    };
    for (const auto& c : cases) {
        c.window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(c.window));
        auto* text = c.window->findChild<QWidget*>(QString::fromLatin1(c.text));
        ASSERT_NE(text, nullptr) << c.text;
        auto* label = qobject_cast<QLabel*>(text);
        auto* button = qobject_cast<SelectButton*>(text);
        const auto setText = [&](const QString& t) { label ? label->setText(t) : button->setCaption(t); };
        const QString shown = label ? label->text() : button->caption();
        setText(shown.isEmpty() ? QStringLiteral("0") : shown);
        text->clearFocus();
        const QImage with = c.window->grab().toImage();
        setText(QString());
        const QImage without = c.window->grab().toImage();
        setText(shown);
        const QRect area(text->mapTo(c.window, QPoint()), text->size());
        double strongest = 1;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                strongest = std::max(strongest, colours::contrast(at(with, {x, y}), at(without, {x, y})));
        EXPECT_GE(strongest, c.needed) << c.text;
        if (c.window != &w.main)
            c.window->hide();
    }
    FormsFixture::shoot(&w.main, QStringLiteral("highcontrast-game"));
    applyLook(Look::Olive);
    FormsFixture::shoot(&w.main, QStringLiteral("olive-game"));
    const auto* die = qobject_cast<PictureBox*>(widget(w, "dice1"));
    ASSERT_NE(die, nullptr);
    EXPECT_EQ(die->picture().cacheKey(), artwork::dicePicture(1).cacheKey()) << "a face shown in one look follows the next";
}

// The menu item switches at once and is remembered; switching back gives
// every window exactly the colours it was built with, including colours the
// program set while High Contrast was on.
TEST_F(FormsFixture, HighContrastMenuSwitchesBackAndForthAndIsRemembered)
{
    ProgramWindows w(programFolder(), seams());
    // Every widget's colours, to compare after switching there and back.
    const auto palettes = [] {
        std::vector<std::pair<QPointer<QWidget>, QPalette>> all;
        for (QWidget* widget : QApplication::allWidgets())
            all.emplace_back(widget, widget->palette());
        return all;
    };
    const auto before = palettes();
    auto* title = w.tallylist.findChild<QLabel*>(QStringLiteral("label_myname"));
    ASSERT_NE(title, nullptr);
    const QPalette designed = title->palette();
    QAction* item = w.main.findChild<QAction*>(QStringLiteral("HighContrast1"));
    ASSERT_NE(item, nullptr);
    ASSERT_FALSE(item->isChecked()) << "the olive look is the default";

    for (int twice = 0; twice < 2; ++twice) {
        item->trigger();
        item->trigger();
    }
    for (const auto& [widget, palette] : before) {
        if (widget != nullptr) {
            EXPECT_TRUE(widget->palette() == palette) << widget->objectName().toStdString();
        }
    }

    item->trigger();
    EXPECT_TRUE(item->isChecked());
    EXPECT_EQ(title->palette().color(QPalette::WindowText), QColor(0xFF, 0xFF, 0x00)) << "khaki title turns yellow";
    QFile ini(file(QStringLiteral("pelbixsolo.ini")));
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    EXPECT_TRUE(ini.readAll().contains("\r\nHighContrast=yes\r\n"));
    ini.close();

    // A colour the window's own code sets now is kept as the new design.
    QPalette later = title->palette();
    later.setColor(QPalette::WindowText, Qt::black);
    title->setPalette(later);
    EXPECT_EQ(title->palette().color(QPalette::WindowText), QColor(Qt::white)) << "black on the board reads white";

    item->trigger();
    EXPECT_EQ(title->palette().color(QPalette::WindowText), QColor(Qt::black));
    EXPECT_EQ(title->palette().color(QPalette::Window), designed.color(QPalette::Window));

    // The desktop's wish counts only until the player chooses.
    const QByteArray theme = qgetenv("GTK_THEME");
    qputenv("GTK_THEME", "HighContrast");
    {
        ProgramWindows chosen(programFolder(), seams());
        EXPECT_FALSE(chosen.main.findChild<QAction*>(QStringLiteral("HighContrast1"))->isChecked());
    }
    QFile::remove(file(QStringLiteral("pelbixsolo.ini")));
    {
        ProgramWindows unchosen(programFolder(), seams());
        EXPECT_TRUE(unchosen.main.findChild<QAction*>(QStringLiteral("HighContrast1"))->isChecked());
    }
    if (theme.isNull())
        qunsetenv("GTK_THEME");
    else
        qputenv("GTK_THEME", theme);
    applyLook(Look::Olive);
}

TEST(Look, DesktopThemeNamesThatAskForHighContrast)
{
    for (const char* asks : {"HighContrast", "HighContrastInverse", "Adwaita:highcontrast"})
        EXPECT_TRUE(themeAsksHighContrast(QString::fromLatin1(asks))) << asks;
    for (const char* not_ : {"", "Adwaita", "Adwaita:dark", "High"})
        EXPECT_FALSE(themeAsksHighContrast(QString::fromLatin1(not_))) << not_;
}

} // namespace
