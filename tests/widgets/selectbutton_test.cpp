// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>
#include <QWidget>
#include <utility>
#include <vector>

#include "widgets/screen.h"
#include "widgets/selectbutton.h"

namespace {

constexpr StoredColor kHost = rgbColor(0x10, 0x20, 0x30);
constexpr StoredColor kFace = rgbColor(0xF0, 0xF0, 0xF0);
constexpr StoredColor kOver = rgbColor(0x84, 0xB9, 0xA4);
constexpr StoredColor kDown = rgbColor(0x20, 0x90, 0x20);
constexpr StoredColor kCaption = rgbColor(0xFF, 0x00, 0x00);
constexpr StoredColor kOverCaption = rgbColor(0x00, 0x00, 0xFF);
// A fill pixel clear of a short left-aligned caption and of the border.
constexpr QPoint kFaceProbe(90, 3);
constexpr QPoint kInside(80, 10);
constexpr QPoint kOutside(150, 50);

using screen::rgb;

class SelButtonTest : public testing::Test {
protected:
    void SetUp() override
    {
        screen::fillWith(host, kHost);
        host.resize(200, 60);
        button = new SelectButton(&host, QStringLiteral("button_done"));
        button->setGeometry(10, 10, 95, 20);
        button->setCaption(QStringLiteral("Go"));
        button->setColor(kFace);
        button->setColorOver(kOver);
        button->setColorDown(kDown);
        button->setColorBorder(clBlack);
        button->setFontColor(kCaption);
        button->setColorOverCaption(kOverCaption);
        host.show();
        // Activation repaints the window, which would reset a look mid-test.
        host.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&host));
        // The window's first control takes the focus and shows its ring
        // across the probes; the looks are measured without it.
        button->clearFocus();
        screen::move(&host, kOutside);
    }

    QRgb face() const { return screen::pixels(button).pixel(kFaceProbe); }

    QWidget host;
    SelectButton* button = nullptr;
};

TEST_F(SelButtonTest, BorderWidthDrawsNestedOnePixelFrames)
{
    const struct {
        int width;
        std::vector<QPoint> border, fill, host;
    } cases[] = {
        {0, {}, {{1, 1}, {93, 18}}, {{0, 0}, {94, 19}, {47, 0}, {0, 10}}},
        {1, {{0, 0}, {94, 0}, {0, 19}, {94, 19}, {47, 0}, {0, 10}}, {{1, 1}, {93, 18}, {1, 10}}, {}},
        {2, {{0, 0}, {94, 19}, {1, 1}, {93, 18}, {1, 10}, {47, 18}}, {{2, 2}, {92, 17}}, {}},
    };
    button->setCaption(QString());
    for (const auto& c : cases) {
        button->setBorderWidth(c.width);
        const QImage image = screen::pixels(button);
        for (const QPoint& p : c.border)
            EXPECT_EQ(image.pixel(p), rgb(clBlack)) << "width " << c.width << " at " << p.x() << "," << p.y();
        for (const QPoint& p : c.fill)
            EXPECT_EQ(image.pixel(p), rgb(kFace)) << "width " << c.width << " at " << p.x() << "," << p.y();
        for (const QPoint& p : c.host)
            EXPECT_EQ(image.pixel(p), rgb(kHost)) << "width " << c.width << " at " << p.x() << "," << p.y();
    }
}

TEST_F(SelButtonTest, CaptionPlaceByAlignmentAndPressedLook)
{
    button->setColorOver(kFace);
    button->setColorDown(kFace);
    button->setColorBorder(kFace);
    button->setCaption(QStringLiteral("Mm"));
    const QRect inner(1, 1, 93, 18);
    const struct {
        Qt::Alignment alignment;
        const char* name;
    } cases[] = {{Qt::AlignLeft, "left"}, {Qt::AlignRight, "right"}, {Qt::AlignHCenter, "centre"}};
    for (const auto& c : cases) {
        button->setAlignment(c.alignment);
        const QRect normal = screen::ink(screen::pixels(button), inner, rgb(kFace));
        ASSERT_FALSE(normal.isNull()) << c.name;
        // The text cell starts 5 in from the left or ends 6 in from the right;
        // allow a pixel for the glyphs' side bearings and smoothing.
        if (c.alignment == Qt::AlignLeft)
            EXPECT_NEAR(normal.left(), 5.5, 0.5) << c.name;
        else if (c.alignment == Qt::AlignRight)
            EXPECT_NEAR(normal.right(), 95 - 6 - 1, 1) << c.name;
        else
            EXPECT_NEAR(normal.left() + normal.right() + 1, 95, 2) << c.name;
        EXPECT_NEAR(normal.top() + normal.bottom() + 1, 20, 5) << c.name;

        screen::move(button, kInside);
        screen::press(button, kInside);
        const QRect pressed = screen::ink(screen::pixels(button), inner, rgb(kFace));
        EXPECT_EQ(pressed, normal.translated(1, 1)) << c.name;
        screen::release(button, kInside);
        screen::move(&host, kOutside);
    }
}

enum class Step { In, Out, Press, Release, ReleaseOut, RightPress, RightRelease, Double };

void perform(Step step, SelectButton* button, QWidget* host)
{
    switch (step) {
    case Step::In: screen::move(button, kInside); break;
    case Step::Out: screen::move(host, kOutside); break;
    case Step::Press: screen::press(button, kInside); break;
    case Step::Release: screen::release(button, kInside); break;
    case Step::ReleaseOut: screen::release(host, kOutside); break;
    case Step::RightPress: screen::press(button, kInside, Qt::RightButton); break;
    case Step::RightRelease: screen::release(button, kInside, Qt::RightButton); break;
    case Step::Double: screen::doubleClick(button, kInside); break;
    }
}

TEST_F(SelButtonTest, LooksAndEventsFollowTheMouse)
{
    const struct {
        const char* name;
        bool enabled;
        std::vector<std::pair<Step, StoredColor>> steps; // each with the look it leaves
        int clicks, downs, ups;
    } cases[] = {
        {"click inside",
         true,
         {{Step::In, kOver}, {Step::Press, kDown}, {Step::Release, kOver}, {Step::Out, kFace}},
         1, 1, 1},
        // Dragging off the held button shows the normal look at once.
        {"release outside",
         true,
         {{Step::In, kOver}, {Step::Press, kDown}, {Step::Out, kFace}, {Step::ReleaseOut, kFace}},
         0, 1, 1},
        {"right button", true, {{Step::In, kOver}, {Step::RightPress, kOver}, {Step::RightRelease, kOver}}, 0, 0, 0},
        {"double click", true, {{Step::In, kOver}, {Step::Double, kOver}}, 1, 2, 2},
        {"own Enabled off",
         false,
         {{Step::In, kFace}, {Step::Press, kFace}, {Step::Release, kFace}, {Step::Out, kFace}},
         0, 0, 0},
    };
    for (const auto& c : cases) {
        button->setEnabled(c.enabled);
        EXPECT_TRUE(button->QWidget::isEnabled()) << c.name;
        QSignalSpy clicks(button, &SelectButton::clicked);
        QSignalSpy downs(button, &SelectButton::OnMouseDown);
        QSignalSpy ups(button, &SelectButton::OnMouseUp);
        for (std::size_t i = 0; i < c.steps.size(); ++i) {
            perform(c.steps[i].first, button, &host);
            EXPECT_EQ(face(), rgb(c.steps[i].second)) << c.name << ", step " << i;
        }
        EXPECT_EQ(clicks.count(), c.clicks) << c.name;
        EXPECT_EQ(downs.count(), c.downs) << c.name;
        EXPECT_EQ(ups.count(), c.ups) << c.name;
        if (!clicks.isEmpty()) {
            EXPECT_EQ(clicks.first().at(0).value<SelectButton*>(), button) << c.name;
        }
        screen::move(&host, kOutside);
    }
}

TEST_F(SelButtonTest, CaptionSetWhileHoveredRepaintsNormalLookAtOnce)
{
    const QRect inner(1, 1, 93, 18);
    screen::move(button, kInside);
    EXPECT_EQ(face(), rgb(kOver));
    button->setCaption(QStringLiteral("Another"));
    const QImage image = screen::pixels(button);
    EXPECT_EQ(image.pixel(kFaceProbe), rgb(kFace));
    EXPECT_GT(screen::ink(image, inner, rgb(kFace)).width(), screen::ink(image, inner, rgb(kFace)).height());

    // The press look keeps the caption colour the last paint left: here the
    // normal one, not the hover one.
    screen::press(button, kInside);
    const QImage down = screen::pixels(button);
    const QRect caption = screen::ink(down, inner, rgb(kDown));
    ASSERT_FALSE(caption.isNull());
    // The fill has equal red and blue; the caption's ink leans to its colour.
    int redness = 0;
    for (int y = caption.top(); y <= caption.bottom(); ++y)
        for (int x = caption.left(); x <= caption.right(); ++x)
            redness += qRed(down.pixel(x, y)) - qBlue(down.pixel(x, y));
    EXPECT_GT(redness, 0);
    screen::release(button, kInside);
}

TEST(SelButton, CaptionBecomesTheNameWhenParented)
{
    QWidget first;
    QWidget second;
    SelectButton named(&first, QStringLiteral("SelButton1"));
    EXPECT_EQ(named.caption(), QStringLiteral("SelButton1"));

    SelectButton loose(nullptr, QStringLiteral("button_done"));
    EXPECT_EQ(loose.caption(), QString());
    loose.setParent(&first);
    EXPECT_EQ(loose.caption(), QStringLiteral("button_done"));
    loose.setCaption(QStringLiteral("Done"));
    loose.setParent(nullptr);
    EXPECT_EQ(loose.caption(), QStringLiteral("Done"));
    loose.setParent(&second);
    EXPECT_EQ(loose.caption(), QStringLiteral("button_done"));
}

} // namespace
