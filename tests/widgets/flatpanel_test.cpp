// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QPainter>
#include <QTest>
#include <QWidget>

#include "widgets/flatpanel.h"
#include "widgets/screen.h"

namespace {

constexpr StoredColor kHighLight = rgbColor(0xFF, 0x00, 0x00);
constexpr StoredColor kShadow = rgbColor(0x00, 0x00, 0xFF);
constexpr StoredColor kFill = rgbColor(0x40, 0x80, 0x40);
constexpr StoredColor kParent = rgbColor(0x66, 0x73, 0x2B);
constexpr StoredColor kSibling = rgbColor(0xCE, 0xCD, 0x9F);

using screen::fillWith;
using screen::rgb;

QImage picture(FlatPanel& panel)
{
    return panel.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

void framedPanel(FlatPanel& panel, int w, int h)
{
    panel.resize(w, h);
    panel.setColor(kFill);
    panel.setColorHighLight(kHighLight);
    panel.setColorShadow(kShadow);
}

TEST(FlatPanel, FrameHighlightsTopLeftAndShadowsTheRest)
{
    FlatPanel panel;
    framedPanel(panel, 40, 30);
    const struct {
        QPoint at;
        StoredColor color;
    } cases[] = {
        {{0, 0}, kHighLight},  {{38, 0}, kHighLight}, {{0, 28}, kHighLight}, {{20, 0}, kHighLight},
        {{0, 15}, kHighLight}, {{39, 0}, kShadow},    {{0, 29}, kShadow},    {{39, 29}, kShadow},
        {{39, 15}, kShadow},   {{20, 29}, kShadow},   {{1, 1}, kFill},       {{38, 28}, kFill},
    };
    const QImage image = picture(panel);
    for (const auto& c : cases)
        EXPECT_EQ(image.pixel(c.at), rgb(c.color)) << c.at.x() << "," << c.at.y();
}

TEST(FlatPanel, CaptionAlignedInsideTheFrame)
{
    FlatPanel panel;
    framedPanel(panel, 120, 30);
    panel.setFontColor(clBlack);
    panel.setCaption(QStringLiteral("Mm"));
    const QRect text(1, 1, 118, 28);
    const struct {
        Qt::Alignment alignment;
        int low, high; // range for the ink's left (left), right (right) or doubled centre
    } cases[] = {{Qt::AlignLeft, 1, 3}, {Qt::AlignRight, 115, 118}, {Qt::AlignHCenter, 116, 124}};
    for (const auto& c : cases) {
        panel.setAlignment(c.alignment);
        const QRect ink = screen::ink(picture(panel), text, rgb(kFill));
        ASSERT_FALSE(ink.isNull());
        const int measure = c.alignment == Qt::AlignLeft    ? ink.left()
                            : c.alignment == Qt::AlignRight ? ink.right()
                                                            : ink.left() + ink.right() + 1;
        EXPECT_GE(measure, c.low) << int(c.alignment);
        EXPECT_LE(measure, c.high) << int(c.alignment);
        EXPECT_NEAR(ink.top() + ink.bottom() + 1, 30, 5);
    }
}

// A caption far too wide is set smaller and broken over lines inside the
// frame, which stays whole.
TEST(FlatPanel, WideCaptionIsFittedInsideTheFrame)
{
    FlatPanel panel;
    framedPanel(panel, 40, 30);
    panel.setFontColor(clBlack);
    panel.setCaption(QStringLiteral("WWWWWWWWWWWWWWWW"));
    const QImage image = picture(panel);
    EXPECT_TRUE(screen::all(image, QRect(0, 0, 1, 29), rgb(kHighLight)));
    EXPECT_TRUE(screen::all(image, QRect(39, 0, 1, 30), rgb(kShadow)));
    const QRect ink = screen::ink(image, QRect(1, 1, 38, 28), rgb(kFill));
    ASSERT_FALSE(ink.isNull());
    EXPECT_GT(ink.height(), QFontMetrics(panel.font()).capHeight()) << "not broken over lines";
}

TEST(FlatPanel, DisabledCaptionIsEngraved)
{
    FlatPanel panel;
    framedPanel(panel, 120, 40);
    panel.setFontColor(clBlack);
    QFont big = panel.font();
    big.setPixelSize(20);
    big.setBold(true);
    panel.setFont(big);
    panel.setCaption(QStringLiteral("Tally"));
    const QRect text(1, 1, 118, 38);
    const QColor light = toQColor(clBtnHighlight, panel.palette());
    const QColor dark = toQColor(clBtnShadow, panel.palette());
    const auto count = [&](const QImage& image, const QColor& color) {
        int n = 0;
        for (int y = text.top(); y <= text.bottom(); ++y)
            for (int x = text.left(); x <= text.right(); ++x)
                n += image.pixel(x, y) == color.rgb();
        return n;
    };

    const QImage enabled = picture(panel);
    const QRect one = screen::ink(enabled, text, rgb(kFill));
    panel.setEnabled(false);
    const QImage disabled = picture(panel);
    const QRect two = screen::ink(disabled, text, rgb(kFill));
    EXPECT_EQ(two.topLeft(), one.topLeft());
    EXPECT_EQ(two.bottomRight(), one.bottomRight() + QPoint(1, 1));
    EXPECT_GT(count(disabled, light), 0);
    EXPECT_GT(count(disabled, dark), 0);

    panel.setEnabled(true);
    const QImage again = picture(panel);
    EXPECT_EQ(screen::ink(again, text, rgb(kFill)), one);
    EXPECT_EQ(count(again, light), 0);
}

// Paints its leftmost ten columns in the sibling colour, the rest plainly.
class StripedHost : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(rect(), toQColor(kParent, palette()));
        p.fillRect(0, 0, 10, height(), toQColor(kSibling, palette()));
    }
};

FlatPanel* seeThrough(QWidget* parent, const QRect& place)
{
    auto* panel = new FlatPanel(parent);
    panel->setGeometry(place);
    panel->setTransparent(true);
    // Frame colours equal to the parent's make the frame invisible over it.
    panel->setColorHighLight(kParent);
    panel->setColorShadow(kParent);
    return panel;
}

TEST(FlatPanel, TransparentPanelShowsWhatItsParentShows)
{
    // The sibling lies under the right half of outer, the cover over its
    // bottom-left corner; edge hangs off the parent's left side.
    StripedHost host;
    host.resize(200, 100);
    QWidget sibling(&host);
    fillWith(sibling, kSibling);
    sibling.setGeometry(60, 0, 140, 100);
    FlatPanel* outer = seeThrough(&host, QRect(20, 10, 80, 60));
    FlatPanel* inner = seeThrough(outer, QRect(10, 10, 30, 30));
    FlatPanel* edge = seeThrough(&host, QRect(-20, 75, 40, 20));
    QWidget cover(&host);
    fillWith(cover, kFill);
    cover.setGeometry(10, 60, 20, 20);
    host.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));

    const QImage own = picture(*outer);
    EXPECT_TRUE(screen::all(own, QRect(0, 0, 40, 60), rgb(kParent)));
    EXPECT_TRUE(screen::all(own, QRect(41, 1, 38, 58), rgb(kSibling)));
    EXPECT_TRUE(screen::all(picture(*inner), QRect(0, 0, 30, 30), rgb(kParent)));
    const QImage hanging = picture(*edge);
    EXPECT_TRUE(screen::all(hanging, QRect(20, 1, 10, 18), rgb(kSibling)));
    EXPECT_TRUE(screen::all(hanging, QRect(30, 0, 10, 5), rgb(kParent)));
    const QImage shown = screen::pixels(outer);
    EXPECT_TRUE(screen::all(shown, QRect(0, 0, 40, 50), rgb(kParent)));
    EXPECT_TRUE(screen::all(shown, QRect(41, 1, 38, 58), rgb(kSibling)));
}

TEST(FlatPanel, AlignedChildrenStayInsideTheFrame)
{
    QWidget host;
    FlatPanel panel(&host);
    panel.setGeometry(137, 0, 386, 431);
    QWidget caption;
    caption.resize(50, 20);
    QWidget memo;
    panel.alignChild(&caption, ChildAlign::Top);
    panel.alignChild(&memo, ChildAlign::Client);
    EXPECT_EQ(caption.parentWidget(), &panel);
    EXPECT_EQ(caption.geometry(), QRect(1, 1, 384, 20));
    EXPECT_EQ(memo.geometry(), QRect(1, 21, 384, 409));

    host.show();
    panel.resize(500, 300);
    EXPECT_EQ(caption.geometry(), QRect(1, 1, 498, 20));
    EXPECT_EQ(memo.geometry(), QRect(1, 21, 498, 278));

    panel.alignChild(&caption, ChildAlign::None);
    caption.hide();
    panel.resize(386, 431);
    EXPECT_EQ(memo.geometry(), QRect(1, 1, 384, 429));
}

} // namespace
