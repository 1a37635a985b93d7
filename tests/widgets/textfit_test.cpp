// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>

#include "widgets/textfit.h"
#include "widgets/textscale.h"

namespace {

QFont arial13()
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(13);
    font.setBold(true);
    return font;
}

// Whatever the caption, the fitted text's box lies inside the button's
// and its font is never below the floor.
TEST(TextFitTest, CaptionsShrinkToTheFloorThenWrapButAreNeverCut)
{
    const struct {
        const char* caption;
        bool shrinks;
        bool wraps;
        bool anywhere;
    } cases[] = {
        {"Done", false, false, false},
        {"Documentation", true, false, false},                           // a little long: smaller
        {"Dokumentation und Spielregeln", true, true, false},            // much too long: wrapped
        {"Donaudampfschifffahrtsgesellschaft", true, true, true},        // one word longer than the line
    };
    // A button a little narrower than "Documentation" needs, three small
    // lines high.
    const int width = QFontMetrics(arial13()).horizontalAdvance(QStringLiteral("Documentation")) * 85 / 100;
    const QRect box(0, 0, width, 40);
    for (const auto& c : cases) {
        const QString caption = QString::fromUtf8(c.caption);
        const textfit::Fit fit = textfit::fit(arial13(), caption, box.size());
        const QRect drawn = QFontMetrics(fit.font).boundingRect(box, fit.flags(Qt::AlignHCenter | Qt::AlignVCenter), caption);
        EXPECT_TRUE(box.contains(drawn)) << c.caption << " " << drawn.x() << "," << drawn.y() << " " << drawn.width() << "x" << drawn.height() << " in " << box.width();
        EXPECT_EQ(fit.font.pixelSize() < 13, c.shrinks) << c.caption;
        EXPECT_GE(fit.font.pixelSize(), 13 * textfit::kFloor) << c.caption;
        EXPECT_EQ(fit.wrap, c.wraps) << c.caption;
        EXPECT_EQ(fit.anywhere, c.anywhere) << c.caption;
    }
}

TEST(TextFitTest, WindowsGrowWithTheFontButFitTheWorkArea)
{
    const QRect large(0, 0, 2560, 1600);
    const QRect small(0, 0, 1024, 600);
    const struct {
        QSize need;
        QRect area;
        qreal wanted;
        qreal factor;
    } cases[] = {
        {{600, 400}, large, 1.0, 1.0},
        {{600, 400}, large, 1.5, 1.5},
        {{600, 400}, small, 1.5, (600.0 - 32) / 400},   // grows only as far as the screen lets it
        {{603, 561}, small, 1.0, 1.0},                  // fits at the drawn size: left alone
        {{603, 600}, small, 1.0, (600.0 - 32) / 600},   // too tall even so: shrinks
        {{603, 2000}, small, 1.0, textscale::kSmallest}, // and never below the smallest
    };
    for (const auto& c : cases)
        EXPECT_NEAR(textscale::factorFor(c.need, QSize(0, 0), c.area, c.wanted), c.factor, 1e-9)
            << c.need.width() << "x" << c.need.height() << " at " << c.wanted;
}

// The desktop's font, named in points or in pixels, never makes a window
// smaller than drawn nor more than three times as large.
TEST(TextFitTest, DesktopFontGivesTheFactor)
{
    const QFont desktop = QApplication::font();
    const struct {
        qreal points;
        int pixels;
        qreal factor;
    } cases[] = {{15, 0, 1.5}, {0, 20, 20 * 72.0 / 96 / textscale::kDesignPointSize}, {5, 0, 1.0}, {200, 0, textscale::kLargest}};
    for (const auto& c : cases) {
        QFont font = desktop;
        if (c.pixels > 0)
            font.setPixelSize(c.pixels);
        else
            font.setPointSizeF(c.points);
        QApplication::setFont(font);
        EXPECT_NEAR(textscale::desktopFactor(), c.factor, 0.01) << c.points << " pt, " << c.pixels << " px";
    }
    QApplication::setFont(desktop);
}

} // namespace
